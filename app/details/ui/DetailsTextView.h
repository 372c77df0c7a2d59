#pragma once
// The left-hand pane of a details window: the header that the mark's register draws, with its
// keep box and sound button, over the record's details as HTML (app/details/DetailsText.h).

#include "app/details/DetailsText.h"
#include "registers/DisplayInfo.h"

#include <wx/window.h>

class CMyRichEditCtrl;
class CUserOptions;

class CDetailsTextView : public wxWindow, private ITextPaneWindow {
public:
    static constexpr int kTextId = 501;

    CDetailsTextView(wxWindow* parent, CDetailsController& frame, CSoundPlayer& player,
                     const CUserOptions& user);

    void ShowMark(const CMark& mark, int mode) { model_.ShowMark(mark, mode); }
    void OnUpdate(int hint) { model_.OnUpdate(hint); }
    CDetailsText& GetModel() { return model_; }
    CMyRichEditCtrl& GetText() const { return *text_; }
    const CDisplayInfo& GetDisplayInfo() const { return info_; }
    CRect GetHeaderBand() const;

private:
    // ITextPaneWindow.
    void SetText(const std::string& html) override;
    void RedrawHeader() override;
    void RemakeFonts() override;

    void MakeFonts();
    void LayOut();
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);

    const CUserOptions& user_;
    CDisplayInfo info_;
    int headerHeight_ = 0;
    CMyRichEditCtrl* text_;
    CDetailsText model_;
};
