#pragma once
// The choice of the report template before a report is written: the templates folder's files,
// the user's default chosen at first; OK (or a double click) takes the chosen one.

#include "core/ui/ZrDialog.h"
#include "report/job/TemplateChoice.h"

#include <functional>

class wxListBox;

class CReportSelectDlg : public CZrDialog {
public:
    enum : int { kTemplateList = 1176, kEmptyFolderHint = 1177, kHelpContext = 0x20000 + 156 };

    // The dialog edits the choice; showHelp opens a help topic by its context id.
    CReportSelectDlg(wxWindow* parent, CTemplateChoice& choice,
                     std::function<void(int contextId)> showHelp);

private:
    void OnSelect(wxCommandEvent& event);

    CTemplateChoice& choice_;
    wxListBox* list_;
};
