#include "search/ui/NewExamDlg.h"

#include "search/NewExamModel.h"
#include "search/ui/NewExamPageWindows.h"

#include <wx/sizer.h>

CNewExamDlg::CNewExamDlg(wxWindow* parent, CNewExamModel& wizard,
                         const CNewExamDlgServices& services)
    : standard_(wizard, services.exam, services.catalogue),
      auto_(wizard, services.exam.userOptions), terms_(wizard, services.exam.userOptions) {
    SetExtraStyle(wxWIZARD_EX_HELPBUTTON);
    Create(parent, wxID_ANY, "New Examination");
    auto* standard = new CStandardPageWindow(this, standard_, services.openLink);
    auto* automatic = new CAutoPageWindow(this, auto_);
    auto* terms = new CTermsPageWindow(this, terms_);
    standard->Chain(automatic);
    automatic->Chain(terms);
    for (wxWizardPage* page :
         {static_cast<wxWizardPage*>(standard), static_cast<wxWizardPage*>(automatic),
          static_cast<wxWizardPage*>(terms)})
        GetPageAreaSizer()->Add(page);
    first_ = standard;

    // A press on Cancel may be the start of leaving the wizard: class fields losing the focus
    // to it are not re-formatted.
    FindWindow(wxID_CANCEL)->Bind(wxEVT_LEFT_DOWN, [&wizard](wxMouseEvent& event) {
        wizard.OnCancelPressed();
        event.Skip();
    });
    Bind(wxEVT_WIZARD_HELP, [showHelp = services.showHelp](wxWizardEvent& event) {
        if (showHelp)
            showHelp(static_cast<CExamPageWindow*>(event.GetPage())->GetHelpContext());
    });
}

bool CNewExamDlg::Run() {
    return RunWizard(first_);
}
