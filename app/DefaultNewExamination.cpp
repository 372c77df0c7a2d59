#include "app/DefaultNewExamination.h"

#include "core/UserOptions.h"

CNewExamination MakeDefaultExamination(const CUserOptions& user, const IExamRepository& repository,
                                       CDbSelection catalogue) {
    CNewExamination choices;
    choices.agency = user.GetAgency();
    choices.examiner = user.GetExaminer();
    choices.oneClassOnly = user.GetOneClassOnly();
    choices.sectionCount = user.GetSections();
    const std::vector<CDbGroup>& groups = catalogue.GetGroups();
    for (std::size_t group = 0; group < groups.size(); ++group) {
        bool anyServed = false;
        for (std::size_t db = 0; db < groups[group].databases.size(); ++db) {
            // Training databases cannot be searched with live ones, and a direct database only
            // once the examiner has read its notices in the wizard.
            const bool served =
                !groups[group].training && !groups[group].secondKind &&
                !repository.GetPreferredEngine(groups[group].databases[db].letter).IsNil();
            catalogue.SetDbSelectedAt(group, db, served);
            anyServed = anyServed || served;
        }
        catalogue.SetGroupSelectedAt(group, anyServed);
    }
    // The codes and engines are those of the selection, as the wizard takes them, so that the
    // examination's searches, marks and saved selection agree.
    for (const auto& [code, filter] : catalogue.GetSelection()) {
        choices.databaseCodes += code;
        choices.engines.AddEngine(repository.GetPreferredEngine(code), filter);
    }
    choices.selection = std::move(catalogue);
    return choices;
}
