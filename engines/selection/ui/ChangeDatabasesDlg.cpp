#include "engines/selection/ui/ChangeDatabasesDlg.h"

#include "engines/selection/ChangeDatabases.h"
#include "engines/selection/ui/ChangeEnginesButton.h"

CChangeDatabasesDlg::CChangeDatabasesDlg(wxWindow* parent, CChangeDatabases& logic,
                                         CHyperLink::Opener opener)
    : CZrDialog(parent, "Change Databases"), logic_(logic),
      panel_(new CDbSelectionPanelWnd(this, logic.GetPanel(), std::move(opener))) {
    Body().Add(panel_, wxSizerFlags(1).Expand());
    Body().Add(MakeChangeEnginesButton(this, kChangeEnginesId, logic_, *panel_),
               wxSizerFlags().Border(wxTOP, Gap()));
    FinishLayout();
}

bool CChangeDatabasesDlg::TransferDataFromWindow() {
    return logic_.OnOK();
}
