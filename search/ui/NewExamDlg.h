#pragma once
// The "New Examination" wizard: the Standard page (the examination's details and databases),
// then, with "Automatic Search Design", the Auto page (word mark, classes, statuses) and the
// Terms page (the proposed terms, edited). The dialog edits the wizard model; after it finished
// the caller takes the result from the model. The terms are marked stale and the automatic
// design is off as the model starts, so the wizard takes a fresh model for each run.

#include "core/ui/HyperLink.h"
#include "search/NewExamPages.h"

#include <functional>
#include <wx/wizard.h>

class CExamPageWindow;
class CNewExamModel;

struct CNewExamDlgServices {
    CNewExamServices exam;
    // The register catalogue the databases are chosen from.
    CDbSelection catalogue;
    // Opens a help topic by its context id.
    std::function<void(int contextId)> showHelp;
    // Opens the databases' links; platform::OpenUrl without one.
    CHyperLink::Opener openLink = {};
};

class CNewExamDlg : public wxWizard {
public:
    CNewExamDlg(wxWindow* parent, CNewExamModel& wizard, const CNewExamDlgServices& services);

    // From the Standard page; true when the wizard finished.
    bool Run();

private:
    CExamStandardPage standard_;
    CExamAutoPage auto_;
    CExamTermsPage terms_;
    CExamPageWindow* first_ = nullptr;
};
