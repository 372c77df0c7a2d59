#pragma once
// The windows of the option pages: each is a panel of a property sheet, thin over its page
// (app/options), made for the page by MakeOptionPagePanel.

#include <string>
#include <wx/panel.h>
#include <wx/sizer.h>

class COptionPageDetails;
class COptionPageExam;
class COptionPageFont;
class COptionPageLanguage;
class COptionPageMacros;
class COptionPagePrint;
class COptionPageSearch;
class COptionPageSpChars;
class COptionPageWatch;
class wxCheckBox;
class IOptionChoosers;
class CNumberField;
class wxFlexGridSizer;

class COptionPagePanel : public wxPanel {
public:
    explicit COptionPagePanel(wxWindow* parent);

    // Takes the controls' values into the page; false, after a message and with the focus on
    // the control, when a value is refused.
    virtual bool ReadControls() = 0;

protected:
    // The column of controls.
    wxBoxSizer& Column() { return *column_; }
    int Gap() const { return FromDIP(6); }
    // A row of a label and a control, appended to the column; the control takes the rest of
    // the row when it stretches, else its own width.
    void AddLabelled(const wxString& label, wxWindow* control, bool stretch = true);
    void AddLabelled(const wxString& label, wxSizer* controls);
    // A check box appended to the column.
    wxCheckBox* AddCheck(int id, const wxString& text, bool value);
    // A number field with arrow buttons; its number as typed, in range, else false after the
    // message.
    CNumberField* MakeNumberField(int id, int min, int max, int value);
    bool ReadNumber(CNumberField& field, int min, int max, int& value);
    // Shows why a value is refused and puts the focus on its control; false.
    bool Refuse(const std::string& message, wxWindow& control);

private:
    wxBoxSizer* column_;
    // The form the last labelled rows went into.
    wxFlexGridSizer* form_ = nullptr;
};

// The windows of the pages.
COptionPagePanel* MakeExamPagePanel(wxWindow* parent, COptionPageExam& page);
COptionPagePanel* MakeSearchPagePanel(wxWindow* parent, COptionPageSearch& page);
COptionPagePanel* MakeWatchPagePanel(wxWindow* parent, COptionPageWatch& page,
                                     IOptionChoosers& choosers);
COptionPagePanel* MakeFontPagePanel(wxWindow* parent, COptionPageFont& page,
                                    IOptionChoosers& choosers);
COptionPagePanel* MakeDetailsPagePanel(wxWindow* parent, COptionPageDetails& page);
COptionPagePanel* MakePrintPagePanel(wxWindow* parent, COptionPagePrint& page);
COptionPagePanel* MakeLanguagePagePanel(wxWindow* parent, COptionPageLanguage& page);
COptionPagePanel* MakeSpCharsPagePanel(wxWindow* parent, COptionPageSpChars& page);
COptionPagePanel* MakeMacrosPagePanel(wxWindow* parent, COptionPageMacros& page);
