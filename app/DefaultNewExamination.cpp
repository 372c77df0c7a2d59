#include "app/DefaultNewExamination.h"

#include "core/UserOptions.h"

CNewExamination MakeDefaultExamination(const CUserOptions& user, const IExamRepository& repository,
                                       const std::string& dbCodes, CDbSelection catalogue) {
    CNewExamination choices;
    choices.agency = user.GetAgency();
    choices.examiner = user.GetExaminer();
    choices.oneClassOnly = user.GetOneClassOnly();
    choices.sectionCount = user.GetSections();
    for (const char code : dbCodes) {
        const CZrDbEngine engine = repository.GetPreferredEngine(code);
        if (engine.IsNil())
            continue;
        choices.databaseCodes += code;
        choices.engines.AddEngine(engine, "");
    }
    catalogue.SelectFromDbCodes(choices.databaseCodes);
    choices.selection = catalogue;
    return choices;
}
