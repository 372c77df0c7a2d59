#include "app/dialogs/ui/DocumentDialogs.h"

#include "app/dialogs/ExamDialogs.h"
#include "app/dialogs/ui/SmallDialogs.h"
#include "app/document/SearchDocument.h"
#include "engines/RegisterTable.h"
#include "engines/selection/ChangeDatabases.h"
#include "engines/selection/ui/ChangeDatabasesDlg.h"
#include "engines/ui/ChangeEnginesDlg.h"

bool RunCaveatSet(wxWindow* parent, std::vector<std::string> sets, CUserOptions& user,
                  std::string& setName) {
    CCaveatSetChoice choice(std::move(sets), user);
    CCaveatSetDlg dialog(parent, choice);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    setName = dialog.GetSetName();
    return true;
}

bool RunChangeDetails(wxWindow* parent, CZR2000Doc& document, bool requireClientName) {
    CChangeDetailsForm form = MakeChangeDetailsForm(document);
    CChangeDetailsDlg dialog(parent, form, requireClientName);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    document.ChangeDetails(form.details);
    return true;
}

bool RunChangeDatabases(wxWindow* parent, CZR2000Doc& document, IRegisterTable& registers,
                        const CZrRepository& repository, CUserOptions& user,
                        const CMakerSite& makerSite, CHyperLink::Opener opener) {
    const CSearchDocument examination(document);
    CChangeDatabases logic(examination, registers, repository, user, true,
                           {CChangeDatabases::kVisibleRows, true, true, true});
    logic.GetPanel().SetMakerSite(makerSite);
    logic.Init();
    CChangeDatabasesDlg dialog(parent, logic, std::move(opener));
    if (dialog.ShowModal() != wxID_OK)
        return false;
    document.ChangeDatabases(registers.GetConnectedDatabaseCodes(), logic.GetCatalogue());
    return true;
}

void RunChangeEngines(wxWindow* parent, const std::string& codes, const IRegisterTable& registers,
                      const CZrRepository& repository, IExamRegisters& examRegisters) {
    CDbEngineSelectionSet choice;
    choice.Build(codes, "", registers, repository);
    CEngineDlgHelper helper(choice, registers);
    CChangeEnginesDlg dialog(parent, helper);
    if (dialog.ShowModal() != wxID_OK)
        return;
    helper.Apply(choice);
    ApplyEngineChoice(choice.GetSelections(), examRegisters);
}
