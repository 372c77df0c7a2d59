#pragma once
// The "Change Databases" dialog over its logic (engines/selection/ChangeDatabases.h): the
// database selection panel with thirteen rows, their notice links, the data-credit line and
// the training link, and "Change Engines" when some database has more than one engine. OK
// closes only when the choice passes the logic's checks; the caller then takes the codes and
// the catalogue.

#include "core/ui/HyperLink.h"
#include "core/ui/ZrDialog.h"

class CChangeDatabases;
class CDbSelectionPanelWnd;

class CChangeDatabasesDlg : public CZrDialog {
public:
    static constexpr int kChangeEnginesId = 1306;

    // The logic is initialised already.
    CChangeDatabasesDlg(wxWindow* parent, CChangeDatabases& logic, CHyperLink::Opener opener = {});

    bool TransferDataFromWindow() override;

private:
    CChangeDatabases& logic_;
    CDbSelectionPanelWnd* panel_;
};
