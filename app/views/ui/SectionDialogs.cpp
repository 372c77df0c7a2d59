#include "app/views/ui/SectionDialogs.h"

#include "app/views/ui/ScrollCodes.h"
#include "core/ui/ListColumns.h"
#include "core/ui/WxText.h"

#include <wx/listctrl.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CSectionEditDlg::CSectionEditDlg(wxWindow* parent, const std::string& name)
    : CZrDialog(parent, "Section Name") {
    name_ = new wxTextCtrl(this, kNameId, ToWx(name));
    name_->SetMinSize(FromDIP(wxSize(220, -1)));
    AddFormRow("Name:", name_);
    FinishLayout();
}

std::string CSectionEditDlg::GetSectionName() const {
    return FromWx(name_->GetValue());
}

CSectionNamesDlg::CSectionNamesDlg(wxWindow* parent, std::vector<std::string> names)
    : CZrDialog(parent, "Section Names"), pager_(std::move(names)) {
    auto* rows = new wxFlexGridSizer(2, Gap(), Gap());
    rows->AddGrowableCol(1);
    for (int row = 0; row < CSectionNamesPager::kRows; ++row) {
        labels_[row] = new wxStaticText(this, wxID_ANY, "", wxDefaultPosition,
                                        FromDIP(wxSize(24, -1)), wxALIGN_RIGHT);
        edits_[row] = new wxTextCtrl(this, kFirstEditId + row, "");
        edits_[row]->SetMinSize(FromDIP(wxSize(220, -1)));
        rows->Add(labels_[row], wxSizerFlags().CentreVertical());
        rows->Add(edits_[row], wxSizerFlags(1).Expand());
    }
    scrollBar_ =
        new wxScrollBar(this, kScrollBarId, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    const int shown = pager_.GetRowsShown();
    scrollBar_->SetScrollbar(0, shown, pager_.GetMaxFirst() + shown, shown);
    scrollBar_->Enable(pager_.GetMaxFirst() > 0);
    auto* line = new wxBoxSizer(wxHORIZONTAL);
    line->Add(rows, wxSizerFlags(1).Expand());
    line->Add(scrollBar_, wxSizerFlags().Expand().Border(wxLEFT, Gap()));
    Body().Add(line, wxSizerFlags(1).Expand());
    for (const wxEventTypeTag<wxScrollEvent>& type :
         {wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
          wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK,
          wxEVT_SCROLL_THUMBRELEASE})
        scrollBar_->Bind(type, &CSectionNamesDlg::OnScroll, this);
    ShowRows();
    FinishLayout();
}

void CSectionNamesDlg::ShowRows() {
    for (int row = 0; row < CSectionNamesPager::kRows; ++row) {
        labels_[row]->SetLabel(ToWx(pager_.GetLabel(row)));
        edits_[row]->ChangeValue(ToWx(pager_.GetName(row)));
        edits_[row]->Enable(pager_.IsRowEnabled(row));
    }
    scrollBar_->SetThumbPosition(pager_.GetFirst());
}

void CSectionNamesDlg::SaveRows() {
    for (int row = 0; row < CSectionNamesPager::kRows; ++row)
        pager_.SetName(row, FromWx(edits_[row]->GetValue()));
}

void CSectionNamesDlg::OnScroll(wxScrollEvent& event) {
    SaveRows();
    if (pager_.Scroll(ToScrollCode(event.GetEventType()), event.GetPosition()))
        ShowRows();
}

bool CSectionNamesDlg::TransferDataFromWindow() {
    SaveRows();
    return true;
}

CSectionInfoDlg::CSectionInfoDlg(wxWindow* parent, const std::vector<CSectionInfoRow>& rows)
    : CZrDialog(parent, "Section Information", wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      sections_(static_cast<int>(rows.size()) - 1) {
    list_ = new wxListCtrl(this, kListId, wxDefaultPosition, wxDefaultSize,
                           wxLC_REPORT | wxLC_SINGLE_SEL);
    int columns = AppendListColumn(*list_, "Name", 100);
    for (const char* title :
         {"S. to run", "S. to view", "S. completed", "Marks found", "Marks kept"})
        columns += AppendListColumn(*list_, title, 80);
    for (const CSectionInfoRow& row : rows) {
        const long item = list_->InsertItem(list_->GetItemCount(), ToWx(row.name));
        int column = 1;
        for (const int value :
             {row.toRun, row.toView, row.completed, row.marksFound, row.marksKept})
            list_->SetItem(item, column++, wxString::Format("%d", value));
    }
    // Room for every column and a scroll bar.
    SetListMinSizeInWholeRows(*list_, columns + FromDIP(24), 220);
    list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent& event) {
        if (event.GetIndex() >= 0 && event.GetIndex() < sections_) {
            chosen_ = static_cast<int>(event.GetIndex());
            EndModal(wxID_OK);
        }
    });
    Body().Add(list_, wxSizerFlags(1).Expand());
    FinishLayout(wxOK);
}
