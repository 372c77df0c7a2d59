#pragma once
// The new-version notice of the remote repository: what the new version brings, and the choice
// between downloading it (which ends the program) and going on with this one.

#include "core/ui/ZrDialog.h"
#include "engines/VersionInfo.h"

class CVersionInfoDlg : public CZrDialog {
public:
    enum : int { kHeadline = 1264, kFirstFeature = 1267, kWarning = 1275 };

    CVersionInfoDlg(wxWindow* parent, const CVersionNotice& notice);

private:
    void OnDownload(wxCommandEvent& event);

    const CVersionNotice& notice_;
};
