#include "engines/selection/ChangeDatabases.h"

#include "core/UserOptions.h"
#include "engines/ExamDocument.h"
#include "engines/NameList.h"
#include "engines/RegisterTable.h"
#include "engines/ZrDbEngineSet.h"
#include "platform/MessageBox.h"

CChangeDatabases::CChangeDatabases(const IExamDocument& document, IRegisterTable& registers,
                                   const CZrRepository& repository, CUserOptions& userOptions,
                                   bool fixUsedEngines, const CDbSelectionControls& controls)
    : document_(document), registers_(registers), userOptions_(userOptions),
      fixUsedEngines_(fixUsedEngines), panel_(registers, repository) {
    CDbSelectionControls panelControls = controls;
    panelControls.visibleRows = kVisibleRows;
    panel_.SetControls(panelControls);
}

void CChangeDatabases::Init() {
    const std::string used = CollectUsedCodes();
    panel_.SetConfirmedCodes(userOptions_.GetConfirmedDirectDbs());
    panel_.Init(document_.GetDbSelection(), used, fixUsedEngines_ ? used : std::string());
}

std::string CChangeDatabases::CollectUsedCodes() const {
    std::string used;
    for (char c : registers_.GetDbCodes()) {
        const CFilter filter = MakeRegisterFilter(static_cast<unsigned char>(c), false);
        if (registers_.HasRegister(static_cast<unsigned char>(c)) &&
            (document_.HasSearch(filter) || document_.HasMarks(filter, 1)))
            used += c;
    }
    return used;
}

bool CChangeDatabases::CanChangeEngines() const {
    return panel_.GetEngineSelections().AnyMultipleEngines();
}

CEngineDlgHelper CChangeDatabases::MakeEngineDialog() const {
    return CEngineDlgHelper(panel_.GetEngineSelections(), registers_);
}

void CChangeDatabases::ApplyEngineChoice(const CEngineDlgHelper& dialog) {
    dialog.Apply(panel_.GetEngineSelections());
    panel_.UpdateRows();
}

bool CChangeDatabases::OnOK() {
    CZrDbEngineSet engines;
    const std::string codes = panel_.GetSelectedEngines(engines);
    if (const std::string problem = FindProblem(codes); !problem.empty()) {
        platform::ShowMessageBox(
            {problem, "", platform::MessageButtons::Ok, platform::MessageIcon::Information});
        return false;
    }
    userOptions_.SetConfirmedDirectDbs(panel_.GetConfirmedCodes());
    registers_.SetEngines(engines);
    return true;
}

std::string CChangeDatabases::FindProblem(const std::string& codes) const {
    if (codes.empty())
        return "U203 You must select at least one database";
    bool anyTraining = false;
    if (!CheckTrainingMix(codes, anyTraining))
        return "U212 You cannot mix training databases with live databases";
    std::string missing;
    for (char c : panel_.GetUsedCodes())
        if (codes.find(c) == std::string::npos)
            missing += c;
    if (!missing.empty())
        return BuildMissingUsedMessage(missing);
    return panel_.FindUnconfirmedNotice(codes);
}

std::string CChangeDatabases::BuildMissingUsedMessage(const std::string& missingCodes) const {
    std::vector<std::string> names;
    for (char c : missingCodes)
        names.push_back(registers_.GetDbShortName(static_cast<unsigned char>(c)));
    const bool several = names.size() > 1;
    return "U211 You must select the " + JoinNamesWithAnd(names) +
           (several ? " databases" : " database") +
           " as you already have searches or kept marks from " +
           (several ? "those databases." : "that database.");
}
