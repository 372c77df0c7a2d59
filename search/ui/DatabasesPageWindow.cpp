#include "search/ui/DatabasesPageWindow.h"

#include "core/ui/RowScrolling.h"
#include "core/ui/WxText.h"

#include <wx/checkbox.h>
#include <wx/scrolbar.h>
#include <wx/sizer.h>

CDatabasesPageWindow::CDatabasesPageWindow(wxWindow* book, CDatabasesPageModel& page)
    : CSearchPageWindow(book, page, 0x20000 + kDialogId), page_(page) {
    auto* rows = new wxBoxSizer(wxVERTICAL);
    const std::vector<CDatabaseSlot> slots = page_.GetSlots();
    for (int slot = 0; slot < static_cast<int>(checks_.size()); ++slot) {
        // Made with the label they show first: the desktop's check box made without one lays
        // out wrongly once it has one. Labels change as the rows scroll: room for long names.
        checks_[slot] =
            MakeCheck(kFirstCheck + slot, ToWx(slots[slot].text), [this, slot](bool ticked) {
                page_.OnCheckClicked(slot, ticked);
                ShowValues();
            });
        checks_[slot]->SetMinSize(FromDIP(wxSize(320, -1)));
        rows->Add(checks_[slot], wxSizerFlags().Expand().Border(wxBOTTOM, Gap() / 2));
    }
    scrollBar_ = new wxScrollBar(this, kScrollBar, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    BindRowScrolling(*scrollBar_, [this](wxScrollEvent& event) { OnScroll(event); });
    Bind(wxEVT_MOUSEWHEEL, &CDatabasesPageWindow::OnMouseWheel, this);
    for (wxCheckBox* check : checks_)
        check->Bind(wxEVT_MOUSEWHEEL, &CDatabasesPageWindow::OnMouseWheel, this);

    auto* controls = new wxBoxSizer(wxHORIZONTAL);
    controls->Add(rows, wxSizerFlags(1).Expand());
    controls->Add(scrollBar_, wxSizerFlags().Expand().ReserveSpaceEvenIfHidden());
    FinishLayout(controls);
}

void CDatabasesPageWindow::ShowValues() {
    const std::vector<CDatabaseSlot> slots = page_.GetSlots();
    for (std::size_t slot = 0; slot < checks_.size(); ++slot) {
        wxCheckBox& check = *checks_[slot];
        const CDatabaseSlot& shown = slots[slot];
        if (!shown.shown && check.HasFocus())
            scrollBar_->SetFocus();
        check.SetLabel(ToWx(shown.text));
        check.SetValue(shown.ticked);
        check.Show(shown.shown);
        check.Enable(shown.shown);
    }
    const CRowWindow& window = page_.GetRowWindow();
    scrollBar_->SetScrollbar(window.GetFirstRow(), window.GetVisibleRows(), window.GetRowCount(),
                             window.GetVisibleRows());
    scrollBar_->Show(window.NeedsScrollBar());
    scrollBar_->Enable(window.NeedsScrollBar());
}

void CDatabasesPageWindow::OnScroll(wxScrollEvent& event) {
    page_.OnScroll(ScrollCodeOf(event), event.GetPosition());
    ShowValues();
}

void CDatabasesPageWindow::OnMouseWheel(wxMouseEvent& event) {
    page_.OnMouseWheel(event.ShiftDown() || event.ControlDown(), event.GetWheelRotation());
    ShowValues();
}
