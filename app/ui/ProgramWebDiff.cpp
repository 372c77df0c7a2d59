#include "app/ui/ProgramWebDiff.h"

#include "app/document/ZR2000Doc.h"
#include "core/SystemOptions.h"
#include "registers/ZrDbs.h"
#include "web/ui/DiffDlg.h"

void CProgramWebDiff::Run(CZR2000Doc& document, const CFilter& filter) {
    CWebServers servers;
    servers.Load(TheSystemOptions());
    ShowDiffDlg(parent_(), document, filter,
                {TheZrDbs(), servers, host_(), fileDialogs_, showHelp_});
}
