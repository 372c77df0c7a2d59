#pragma once
// "Search Information": per database of one search, how many marks it found there and how many
// of them were new. Resizing keeps the list's margins.

#include "core/ui/ZrDialog.h"
#include "search/SearchInfoRows.h"

#include <functional>
#include <vector>

class CSearchInfoDlg : public CZrDialog {
public:
    enum : int { kList = 1339, kHelpContext = 0x20000 + 213 };

    // showHelp opens a help topic by its context id.
    CSearchInfoDlg(wxWindow* parent, const std::vector<CSearchInfoRow>& rows,
                   std::function<void(int contextId)> showHelp);
};
