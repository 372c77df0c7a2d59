#include "search/ui/DbSelectionList.h"

#include "core/ui/WxText.h"
#include "engines/selection/DbSelectionPanel.h"

#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/scrolbar.h>
#include <wx/sizer.h>

CDbSelectionList::CDbSelectionList(wxWindow* parent, CDbSelectionPanel& panel)
    : wxPanel(parent), panel_(panel), tabs_(new wxChoice(this, kTabs)),
      rows_(new wxCheckListBox(this, kRows, wxDefaultPosition, FromDIP(wxSize(360, 240)))),
      scrollBar_(
          new wxScrollBar(this, kScrollBar, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL)) {
    for (const std::string& tab : panel_.GetTabs())
        tabs_->Append(ToWx(tab));
    tabs_->SetSelection(panel_.GetCurrentTab());
    tabs_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        panel_.OnTabChange(tabs_->GetSelection());
        ShowRows();
    });
    rows_->Bind(wxEVT_CHECKLISTBOX, [this](wxCommandEvent& event) {
        const Line& line = lines_.at(static_cast<std::size_t>(event.GetInt()));
        if (line.enabled)
            panel_.OnCheckClicked(line.slot, rows_->IsChecked(event.GetInt()));
        ShowRows();
    });
    scrollBar_->Bind(wxEVT_SCROLL_CHANGED, [this](wxScrollEvent& event) {
        panel_.OnVScroll(CDbSelectionPanel::ScrollCode::ThumbTrack, event.GetPosition());
        ShowRows();
    });

    auto* rows = new wxBoxSizer(wxHORIZONTAL);
    rows->Add(rows_, wxSizerFlags(1).Expand());
    rows->Add(scrollBar_, wxSizerFlags().Expand().ReserveSpaceEvenIfHidden());
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(tabs_, wxSizerFlags().Expand());
    layout->Add(rows, wxSizerFlags(1).Expand().Border(wxTOP, FromDIP(4)));
    SetSizer(layout);
    tabs_->Show(tabs_->GetCount() > 1);
    ShowRows();
}

void CDbSelectionList::ShowRows() {
    using Kind = CDbSelectionSlot::Kind;
    rows_->Freeze();
    rows_->Clear();
    lines_.clear();
    const std::vector<CDbSelectionSlot> slots = panel_.GetSlots();
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        const CDbSelectionSlot& shown = slots[slot];
        if (shown.kind != Kind::Group && shown.kind != Kind::Database && shown.kind != Kind::Notice)
            continue;
        const std::string text = shown.text + (shown.linkText.empty() ? "" : " " + shown.linkText);
        const int line = rows_->Append(ToWx(text));
        rows_->Check(line, shown.checked);
        lines_.push_back({static_cast<int>(slot), shown.enabled});
    }
    rows_->Thaw();
    scrollBar_->SetScrollbar(panel_.GetFirstVisibleRow(), static_cast<int>(slots.size()),
                             panel_.GetRowCount(), static_cast<int>(slots.size()));
    scrollBar_->Show(panel_.NeedsScrollBar());
}
