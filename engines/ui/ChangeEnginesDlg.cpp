#include "engines/ui/ChangeEnginesDlg.h"

#include "core/ui/RowScrolling.h"
#include "core/ui/WxText.h"

#include <wx/choice.h>
#include <wx/scrolbar.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

CChangeEnginesDlg::CChangeEnginesDlg(wxWindow* parent, CEngineDlgHelper& helper)
    : CZrDialog(parent, "Change Engines"), helper_(helper) {
    Body().Add(new wxStaticText(this, wxID_ANY,
                                "There are multiple variants of one or more of the databases you "
                                "have currently selected."));
    Body().Add(new wxStaticText(this, wxID_ANY,
                                "For example, you may have some databases running locally on your "
                                "network in addition to those available across the internet."),
               wxSizerFlags().Border(wxTOP, Gap()));
    auto* group = new wxStaticBoxSizer(wxHORIZONTAL, this, "Select required Databases");
    auto* rows = new wxFlexGridSizer(2, Gap(), Gap());
    rows->AddGrowableCol(1);
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        labels_[i] = new wxStaticText(group->GetStaticBox(), kFirstLabelId + static_cast<int>(i),
                                      "", wxDefaultPosition, FromDIP(wxSize(90, -1)));
        lists_[i] = new wxChoice(group->GetStaticBox(), kListIds[i], wxDefaultPosition,
                                 FromDIP(wxSize(260, -1)));
        rows->Add(labels_[i], wxSizerFlags().CentreVertical());
        rows->Add(lists_[i], wxSizerFlags().Expand());
        lists_[i]->Bind(wxEVT_CHOICE, [this, i](wxCommandEvent& event) {
            helper_.Pick(static_cast<int>(i), event.GetSelection());
        });
    }
    group->Add(rows, wxSizerFlags(1).Expand().Border(wxALL, Gap()));
    scrollBar_ = new wxScrollBar(group->GetStaticBox(), kScrollBarId, wxDefaultPosition,
                                 wxDefaultSize, wxSB_VERTICAL);
    const int rowCount = static_cast<int>(helper_.GetRows().size());
    scrollBar_->SetScrollbar(0, CEngineDlgHelper::kVisibleRows, rowCount,
                             CEngineDlgHelper::kVisibleRows);
    scrollBar_->Show(helper_.NeedsScrollBar());
    group->Add(scrollBar_, wxSizerFlags().Expand());
    Body().Add(group, wxSizerFlags(1).Expand().Border(wxTOP, 2 * Gap()));
    BindRowScrolling(*scrollBar_, [this](wxScrollEvent& event) { OnScroll(event); });
    ShowRows();
    FinishLayout();
}

void CChangeEnginesDlg::ShowRows() {
    const auto& rows = helper_.GetRows();
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const std::size_t index = static_cast<std::size_t>(helper_.GetFirstVisibleRow()) + i;
        const bool used = index < rows.size();
        labels_[i]->Show(used);
        lists_[i]->Show(used);
        lists_[i]->Clear();
        if (!used)
            continue;
        const CEngineDlgHelper::Row& row = rows[index];
        labels_[i]->SetLabel(ToWx(row.label));
        labels_[i]->SetToolTip(ToWx(row.tooltip));
        for (const std::string& entry : row.entries)
            lists_[i]->Append(ToWx(entry));
        lists_[i]->SetSelection(std::max(row.chosenIndex, 0));
    }
    scrollBar_->SetThumbPosition(helper_.GetFirstVisibleRow());
}

void CChangeEnginesDlg::OnScroll(wxScrollEvent& event) {
    const int first = helper_.GetFirstVisibleRow();
    helper_.Scroll(event.GetPosition() - first);
    if (helper_.GetFirstVisibleRow() != first)
        ShowRows();
}
