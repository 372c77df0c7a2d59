#include "search/ui/SearchInfoDlg.h"

#include "core/ui/ListColumns.h"
#include "core/ui/WxText.h"

#include <wx/listctrl.h>

CSearchInfoDlg::CSearchInfoDlg(wxWindow* parent, const std::vector<CSearchInfoRow>& rows,
                               std::function<void(int contextId)> showHelp)
    : CZrDialog(parent, "Search Information", wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* list = new wxListCtrl(this, kList, wxDefaultPosition, wxDefaultSize,
                                wxLC_REPORT | wxLC_SINGLE_SEL);
    for (const CSearchInfoColumn& column : kSearchInfoColumns)
        AppendListColumn(*list, column.heading, column.width);
    for (const CSearchInfoRow& row : rows) {
        const long line = list->InsertItem(list->GetItemCount(), ToWx(row.database));
        list->SetItem(line, 1, row.hits);
        list->SetItem(line, 2, row.newHits);
    }
    // The databases' long names are shown whole.
    const int width = WidenListColumnsToEntries(*list);
    // Room for every column and a scroll bar.
    SetListMinSizeInWholeRows(*list, width + FromDIP(24), 200);
    Body().Add(list, wxSizerFlags(1).Expand());
    FinishLayout(wxCLOSE | wxHELP);
    SetEscapeId(wxID_CLOSE);
    Bind(
        wxEVT_BUTTON, [showHelp = std::move(showHelp)](wxCommandEvent&) { showHelp(kHelpContext); },
        wxID_HELP);
}
