#pragma once
// The "Change Engines" button under a database selection panel, for the windows whose logic
// offers the engine choice (CanChangeEngines, MakeEngineDialog, ApplyEngineChoice): shown only
// where some database has more than one engine; after OK in the engines' dialog the panel's rows
// show the choice.

#include "engines/selection/ui/DbSelectionPanelWnd.h"
#include "engines/ui/ChangeEnginesDlg.h"

#include <wx/button.h>

template <class EngineChoice>
wxButton* MakeChangeEnginesButton(wxWindow* parent, int id, EngineChoice& choice,
                                  CDbSelectionPanelWnd& panel) {
    auto* button = new wxButton(parent, id, "Change Engines");
    button->Show(choice.CanChangeEngines());
    button->Enable(choice.CanChangeEngines());
    button->Bind(wxEVT_BUTTON, [parent, &choice, &panel](wxCommandEvent&) {
        CEngineDlgHelper helper = choice.MakeEngineDialog();
        CChangeEnginesDlg dialog(parent, helper);
        if (dialog.ShowModal() != wxID_OK)
            return;
        choice.ApplyEngineChoice(helper);
        panel.ShowRows();
    });
    return button;
}
