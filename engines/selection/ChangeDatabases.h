#pragma once
// The "Change Databases" dialog without its window: hosts the selection panel over a copy of
// the examination's catalogue, offers the engine choice, and on OK checks the choice (some
// database, no training mixed with live ones, every database the examination already uses, the
// notices of direct databases read) before the engines go to the registers.

#include "engines/EngineChoice.h"
#include "engines/selection/DbSelectionPanel.h"

#include <string>

class CUserOptions;
class CZrDbEngineSet;
class CZrRepository;
class IExamDocument;
class IRegisterTable;

class CChangeDatabases {
public:
    static constexpr int kVisibleRows = 13;

    // With fixUsedEngines, databases the examination already uses keep their engines.
    CChangeDatabases(const IExamDocument& document, IRegisterTable& registers,
                     const CZrRepository& repository, CUserOptions& userOptions,
                     bool fixUsedEngines, const CDbSelectionControls& controls = {});

    // The dialog opens: the panel shows the document's catalogue.
    void Init();
    CDbSelectionPanel& GetPanel() { return panel_; }

    // Whether "Change Engines" is offered, and its dialog over the panel's candidates; OK there
    // is ApplyEngineChoice.
    bool CanChangeEngines() const;
    CEngineDlgHelper MakeEngineDialog() const;
    void ApplyEngineChoice(const CEngineDlgHelper& dialog);

    // OK: a message for the first problem, and false; otherwise the confirmed notices are saved,
    // the engines go to the registers, and true. The chosen catalogue is then GetCatalogue.
    bool OnOK();
    const CDbSelection& GetCatalogue() const { return panel_.GetCatalogue(); }

    // The message OK gives for these chosen codes; "" when they may be used.
    std::string FindProblem(const std::string& codes) const;
    // "U211 You must select the UK and DE databases as you already have searches or kept marks
    // from those databases." for the codes missing.
    std::string BuildMissingUsedMessage(const std::string& missingCodes) const;

private:
    // The codes of registers the examination has searches or kept marks of.
    std::string CollectUsedCodes() const;

    const IExamDocument& document_;
    IRegisterTable& registers_;
    CUserOptions& userOptions_;
    bool fixUsedEngines_;
    CDbSelectionPanel panel_;
};
