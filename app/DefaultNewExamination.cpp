#include "app/DefaultNewExamination.h"

#include "core/UserOptions.h"
#include "registers/ZrDbs.h"

CNewExamination MakeDefaultExamination(const CUserOptions& user, const CZrDbs& table) {
    CNewExamination choices;
    choices.agency = user.GetAgency();
    choices.examiner = user.GetExaminer();
    choices.oneClassOnly = user.GetOneClassOnly();
    choices.sectionCount = user.GetSections();
    choices.databaseCodes = table.GetConnectedDatabaseCodes();
    choices.selection = table.GetDbSelection();
    choices.selection.SelectFromDbCodes(choices.databaseCodes);
    table.GetEngines(choices.engines);
    return choices;
}

bool CDefaultNewExamination::Run(CZR2000Doc& document) {
    document.NewExamination(MakeDefaultExamination(user_, table_));
    return true;
}
