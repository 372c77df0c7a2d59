#pragma once
// A logged-in user with the service's engines given to a register table that drives them
// directly, and an examination document: for search runs and database choices over the wire.

#include "ScriptedMessages.h"
#include "ServiceSettings.h"
#include "TestExamDocument.h"
#include "engines/Repository.h"
#include "engines/SearchEngines.h"
#include "engines/SearchProgress.h"
#include "engines/ZrDbEngineSet.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "tests/support/LocalService.h"

#include <gtest/gtest.h>

class ConnectedFixture : public ::testing::Test {
protected:
    // Logs on to the repositories named, or the local service's.
    void Connect(const std::string& repositories = CServiceSettings::RemoteAndLocal()) {
        settings_.WriteRepository(repositories);
        settings_.LoadUser();
        std::string localError, remoteError;
        ASSERT_TRUE(repository_.Connect(local_service::kCompanyId, local_service::kUserId,
                                        local_service::kPassword, localError, remoteError))
            << localError << remoteError;
        ConnectRegisters();
    }
    // Hands every register the engine the repository prefers for its code.
    void ConnectRegisters() {
        CZrDbEngineSet engines;
        for (char c : table_.GetDbCodes())
            engines.AddEngine(repository_.GetPreferredEngine(static_cast<unsigned char>(c)), "");
        table_.SetEngines(engines);
    }
    void SetUp() override {
        RecordEngineChoices(zrDbs_, repository_);
        control_ = local_service::ResetControl();
        Connect();
        control_->ClearCallLog();
    }
    void TearDown() override { repository_.DisconnectAll(); }

    CSearchServices Services() {
        return {table_, settings_.User(), settings_.System(), repository_};
    }
    // Ticks the progress until it ends; false when it does not within the ticks given.
    static bool RunToEnd(CSearchProgress& progress, int maxTicks = 200) {
        progress.Begin();
        for (int tick = 0; tick < maxTicks && !progress.IsEnded(); ++tick)
            progress.Tick();
        return progress.IsEnded();
    }
    int MarksOf(int searchId) {
        return document_.Marks().CountFiltered(MakeSearchIdFilter(searchId, false, true));
    }
    std::vector<std::string> Calls(const std::string& text) {
        return local_service::LoggedCalls(control_, text);
    }

    ZrTestControl_var control_;
    CServiceSettings settings_;
    CZrDbs zrDbs_;
    CEngineRegisterTable table_{zrDbs_};
    CZrRepository repository_{settings_.System(), settings_.User(), &table_};
    CTestExamDocument document_;
};
