#include "engines/selection/ui/ChangeDatabasesDlg.h"

#include "engines/selection/ChangeDatabases.h"
#include "engines/selection/ui/DbSelectionPanelWnd.h"
#include "engines/ui/ChangeEnginesDlg.h"

#include <wx/button.h>

CChangeDatabasesDlg::CChangeDatabasesDlg(wxWindow* parent, CChangeDatabases& logic,
                                         CHyperLink::Opener opener)
    : CZrDialog(parent, "Change Databases"), logic_(logic),
      panel_(new CDbSelectionPanelWnd(this, logic.GetPanel(), std::move(opener))) {
    Body().Add(panel_, wxSizerFlags(1).Expand());
    auto* changeEngines = new wxButton(this, kChangeEnginesId, "Change Engines");
    Body().Add(changeEngines, wxSizerFlags().Border(wxTOP, Gap()));
    changeEngines->Show(logic_.CanChangeEngines());
    changeEngines->Enable(logic_.CanChangeEngines());
    changeEngines->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ChangeEngines(); });
    FinishLayout();
}

void CChangeDatabasesDlg::ChangeEngines() {
    if (!logic_.CanChangeEngines())
        return;
    CEngineDlgHelper helper = logic_.MakeEngineDialog();
    CChangeEnginesDlg dialog(this, helper);
    if (dialog.ShowModal() != wxID_OK)
        return;
    logic_.ApplyEngineChoice(helper);
    panel_->ShowRows();
}

bool CChangeDatabasesDlg::TransferDataFromWindow() {
    return logic_.OnOK();
}
