#pragma once
// The base of the search pages' windows: a panel of the sheet's book over one page model, with
// the page's red status line at its foot. A page hands every change of its controls to its
// model and shows the model's values again after anything the model may have changed; the
// sheet refreshes the status lines and the tabs whenever a page's state or message changes.

#include "search/ui/RecordTextEdit.h"

#include <functional>
#include <string>
#include <wx/panel.h>

class CSearchPageModel;
class wxCheckBox;
class wxFlexGridSizer;
class wxSizer;
class wxStaticText;
class wxTextCtrl;

class CSearchPageWindow : public wxPanel {
public:
    enum : int { kStatusLine = 1279 };

    // helpContext: the help topic of the page.
    CSearchPageWindow(wxWindow* book, CSearchPageModel& model, int helpContext);

    CSearchPageModel& GetModel() const { return model_; }
    int GetHelpContext() const { return helpContext_; }
    // The model's values into the controls, sending no change events.
    virtual void ShowValues() = 0;
    void ShowStatus();

protected:
    // The controls above the status line; once, after they are made.
    void FinishLayout(wxSizer* controls);
    int Gap() const { return FromDIP(6); }

    // A two-column form of labels and controls; AddLabel before each control keeps the label's
    // mnemonic on the control after it.
    wxFlexGridSizer* MakeForm() const;
    void AddLabel(wxSizer& form, const wxString& label);
    // An edit handing every change of its text (as Western record text) to the handler.
    wxTextCtrl* MakeEdit(int id, std::function<void(const std::string&)> changed, long style = 0) {
        return MakeRecordTextEdit(this, id, std::move(changed), style);
    }
    // A check box handing every click to the handler.
    wxCheckBox* MakeCheck(int id, const wxString& label, std::function<void(bool)> clicked);
    static void ShowText(wxTextCtrl& edit, const std::string& text) { ShowRecordText(edit, text); }
    static std::string TextOf(const wxTextCtrl& edit) { return RecordTextOf(edit); }

private:
    CSearchPageModel& model_;
    int helpContext_;
    wxStaticText* status_;
};
