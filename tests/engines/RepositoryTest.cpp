// Logging on to the repositories of the settings over the wire: which repositories are asked,
// the engines kept and chosen, web registers for unknown codes, the texts of every failure, and
// the sessions opened for the client, each dropped exactly once.

#include "engines/Repository.h"

#include "ServiceSettings.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "tests/support/LocalService.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>

using namespace local_service;

namespace {

const std::string kDead = "corbaloc::127.0.0.1:1/ZrRepository";

class RepositoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        control_ = ResetControl();
        settings_.WriteRepository(CServiceSettings::RemoteAndLocal());
    }

    bool Connect(const char* password = kPassword) {
        local_.clear();
        remote_.clear();
        return repository_.Connect(kCompanyId, kUserId, password, local_, remote_);
    }
    std::vector<std::string> Calls(const std::string& text) { return LoggedCalls(control_, text); }
    std::string Names(int code) const {
        std::string names;
        for (const CZrDbEngine& engine : repository_.GetEngines(code))
            names += engine.GetVariantLabel() + " " + engine.GetDate().Format() + ";";
        return names;
    }

    ZrTestControl_var control_;
    CServiceSettings settings_;
    CZrDbs zrDbs_;
    CEngineRegisterTable table_{zrDbs_};
    CZrRepository repository_{settings_.System(), settings_.User(), &table_};
    std::string local_, remote_;
};

TEST_F(RepositoryTest, RemoteAndLocalEnginesAreKeptSortedAndChosen) {
    ASSERT_TRUE(Connect());
    EXPECT_EQ(local_, "");
    EXPECT_EQ(remote_, "");
    // Newer data first; equal dates put the nearer engine first; the retired entry is skipped.
    EXPECT_EQ(Names('u'), "Web 3 Mar 2017;Lan(Office) 1 Feb 2017;");
    EXPECT_EQ(Names('c'), "Lan(Office) 3 Mar 2017;Web 3 Mar 2017;");
    EXPECT_EQ(Names('k'), "Web 3 Mar 2017;Lan(Backup) 1 Dec 2016;");
    ASSERT_EQ(repository_.GetEngines('i').size(), 1u);
    EXPECT_EQ(repository_.GetEngines('i')[0].GetEngineCode(), 'I');
    EXPECT_EQ(repository_.GetPreferredEngine('u').GetLocationLabel(), "Web");
    EXPECT_EQ(repository_.GetPreferredEngine('c').GetLocationLabel(), "Lan");
    EXPECT_TRUE(repository_.GetPreferredEngine('0').IsNil());
    EXPECT_FALSE(CORBA::is_nil(repository_.GetAdmin()));

    // The code the client does not know became a web register with its catalogue group.
    EXPECT_TRUE(table_.IsWebDb('w'));
    EXPECT_EQ(table_.GetShortName('w'), "WT");
    EXPECT_EQ(zrDbs_.GetDbSelection().GetGroups().back().name, "Example region");
    EXPECT_EQ(table_.GetDbCodes(), std::string(kBuiltInDbCodes) + "w");
    EXPECT_FALSE(repository_.GetPreferredEngine('w').IsNil());

    const auto remoteCalls = Calls("remote.GetAvailableEngines2(");
    ASSERT_EQ(remoteCalls.size(), 1u);
    EXPECT_NE(remoteCalls[0].find("(0x00040526,"), std::string::npos) << remoteCalls[0];
    EXPECT_NE(remoteCalls[0].find(",TESTCO,examiner,ignore=\"\",variant=\"\")"), std::string::npos);
    EXPECT_NE(Calls("local.GetAvailableEngines2(")[0].find("variant=\"*\")"), std::string::npos);
}

TEST_F(RepositoryTest, SortByLocationPutsEveryLocalEngineFirst) {
    settings_.WriteRepository(CServiceSettings::RemoteAndLocal() + "SortByLocation=1\n");
    ASSERT_TRUE(Connect());
    EXPECT_EQ(Names('u'), "Lan(Office) 1 Feb 2017;Web 3 Mar 2017;");
    EXPECT_EQ(repository_.GetPreferredEngine('u').GetLocationLabel(), "Lan");
    settings_.WriteRepository(CServiceSettings::RemoteAndLocal());
    ASSERT_TRUE(Connect());
    EXPECT_EQ(Names('u'), "Web 3 Mar 2017;Lan(Office) 1 Feb 2017;");
}

TEST_F(RepositoryTest, IgnoredRemoteEnginesHaveTheirSessionsDroppedAtOnce) {
    settings_.WriteRepository(CServiceSettings::RemoteAndLocal() + "IgnoreRemoteEngines=ud\n");
    ASSERT_TRUE(Connect());
    EXPECT_EQ(Names('u'), "Lan(Office) 1 Feb 2017;");
    EXPECT_EQ(Names('d'), "");
    EXPECT_TRUE(repository_.GetPreferredEngine('d').IsNil());
    EXPECT_EQ(Calls("remote.u.DropSession(").size(), 1u);
    EXPECT_EQ(Calls("remote.d.DropSession(").size(), 1u);
    EXPECT_NE(Calls("remote.GetAvailableEngines2(")[0].find("ignore=\"ud\""), std::string::npos);
}

TEST_F(RepositoryTest, EverySessionIsDroppedExactlyOnceAcrossRetries) {
    ASSERT_TRUE(Connect());
    ASSERT_TRUE(Connect());
    // The retry replaced the first attempt's engines rather than adding to them.
    EXPECT_EQ(repository_.GetEngines('u').size(), 2u);
    const std::size_t dropsAfterRetry = Calls(".DropSession(").size();
    EXPECT_EQ(dropsAfterRetry, 16u); // 13 remote and 3 local engines of the first attempt
    repository_.DisconnectAll();
    repository_.DisconnectAll();
    EXPECT_TRUE(repository_.GetEngines('u').empty());

    const auto drops = Calls(".DropSession(");
    EXPECT_EQ(drops.size(), 32u);
    std::map<std::string, int> perSession;
    for (const std::string& drop : drops)
        ++perSession[drop];
    for (const auto& [call, count] : perSession)
        EXPECT_EQ(count, 1) << call;
    EXPECT_TRUE(Calls("ignored").empty());
    EXPECT_TRUE(Calls("refused").empty());
}

TEST_F(RepositoryTest, AFailingProxyStopsTheRemoteWalkButNotTheLocalRepository) {
    settings_.WriteRepository("Proxy1=" + kDead + "\n" + CServiceSettings::RemoteAndLocal());
    EXPECT_TRUE(Connect());
    EXPECT_EQ(remote_, "W326 Unable to contact the repository.,\nCheck ZrProProxy is running.");
    EXPECT_EQ(local_, "");
    EXPECT_TRUE(Calls("remote.GetAvailableEngines2(").empty());
    EXPECT_EQ(Names('u'), "Lan(Office) 1 Feb 2017;");
}

TEST_F(RepositoryTest, NoRepositoryNamedIsSaid) {
    settings_.WriteRepository("");
    EXPECT_FALSE(Connect());
    EXPECT_EQ(local_, "W327 No repository specified");
    EXPECT_EQ(remote_, "");
    EXPECT_TRUE(CORBA::is_nil(repository_.GetAdmin()));
}

TEST_F(RepositoryTest, TheRemoteWalkTakesPlainRemoteFirstAndStopsAtTheFirstSuccess) {
    const std::string remote = Process().Addresses().remote;
    settings_.WriteRepository("Remote1=\nRemote=" + kDead + "\nRemote2=" + remote +
                              "\nRemote3=" + kDead + "\n");
    EXPECT_TRUE(Connect());
    EXPECT_EQ(remote_, "");
    EXPECT_EQ(Calls("remote.GetAvailableEngines2(").size(), 1u);

    settings_.WriteRepository("Remote1=" + remote + "x\nRemote2=" + kDead + "\n");
    EXPECT_FALSE(Connect());
    // The text is that of the last entry tried.
    EXPECT_EQ(remote_, "W326 Unable to contact the repository.");
    EXPECT_EQ(local_, "");
}

TEST_F(RepositoryTest, ObjectsThatAreNoRepositoryAreRefused) {
    const TestServiceAddresses& addresses = Process().Addresses();
    settings_.WriteRepository("Remote1=" + addresses.control + "\nLocal=" + addresses.remote +
                              "\n");
    EXPECT_FALSE(Connect());
    EXPECT_EQ(remote_, "W324 Repository is not a valid ZrRepository object.");
    EXPECT_EQ(local_, "W324 Local Repository is not ZrAdmin.");
    EXPECT_TRUE(CORBA::is_nil(repository_.GetAdmin()));

    settings_.WriteRepository("Local=not a reference\n");
    EXPECT_FALSE(Connect());
    EXPECT_EQ(local_, "W325 Unable to contact ZrAdmin.");
}

TEST_F(RepositoryTest, DeadAndHangingRepositoriesCannotBeContacted) {
    settings_.WriteRepository("Remote1=" + kDead + "\nLocal=" + kDead.substr(0, kDead.rfind('/')) +
                              "/ZrAdmin\n");
    EXPECT_FALSE(Connect());
    EXPECT_EQ(remote_, "W326 Unable to contact the repository.");
    EXPECT_EQ(local_, "W325 Unable to contact ZrAdmin.");

    settings_.WriteRepository(CServiceSettings::RemoteAndLocal());
    control_->SetRepositoryFault("remote", "slow", "", 3000);
    control_->SetRepositoryFault("local", "slow", "", 3000);
    repository_.SetCallTimeout(300);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(Connect());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
    EXPECT_EQ(remote_, "W326 Unable to contact the repository.");
    EXPECT_EQ(local_, "W326 Unable to contact the repository. (ZrAdmin)");
}

TEST_F(RepositoryTest, RefusedLogonsGiveTheRepositoriesTexts) {
    EXPECT_FALSE(Connect("wrong"));
    EXPECT_EQ(remote_, "Logon refused: unknown company id, user id or password");
    EXPECT_EQ(local_, "Logon refused: unknown company id, user id or password (ZrAdmin)");
    EXPECT_TRUE(repository_.GetEngines('u').empty());

    control_->SetRepositoryFault("local", "error", "Local engines stopped", 0);
    EXPECT_TRUE(Connect());
    EXPECT_EQ(local_, "Local engines stopped (ZrAdmin)");
    EXPECT_EQ(remote_, "");
}

TEST_F(RepositoryTest, EnginesThatComeWithARefusalHaveTheirSessionsDropped) {
    const CORBA::ULong open = control_->CountOpenSessions();
    control_->SetRepositoryFault("remote", "refuseOffering", "Account suspended", 0);
    control_->SetRepositoryFault("local", "refuseOffering", "Licence expired", 0);
    EXPECT_FALSE(Connect());
    EXPECT_EQ(remote_, "Account suspended");
    EXPECT_EQ(local_, "Licence expired (ZrAdmin)");
    EXPECT_TRUE(repository_.GetEngines('u').empty());
    EXPECT_FALSE(Calls(".DropSession(").empty());
    EXPECT_EQ(control_->CountOpenSessions(), open);
}

TEST_F(RepositoryTest, TheNewVersionNoticeComesFromTheRemoteSide) {
    control_->SetRepositoryFault("remote", "newVersion", "4\t5.0\thttp://x/setup.exe", 0);
    control_->SetRepositoryFault("local", "newVersion", "local notices are not read", 0);
    ASSERT_TRUE(Connect());
    EXPECT_EQ(repository_.GetNewVersionInfo(), "4\t5.0\thttp://x/setup.exe");
}

TEST_F(RepositoryTest, APreferredEngineIsFoundByDateAndNameIgnoringCase) {
    settings_.LoadUser();
    ASSERT_TRUE(Connect());
    settings_.User().SetPreferredEngine('u', "1 Feb 2017,OFFICE");
    EXPECT_EQ(repository_.GetPreferredEngine('u').GetVariantLabel(), "Lan(Office)");
    settings_.User().SetPreferredEngine('u', "2 Feb 2017,Office");
    EXPECT_EQ(repository_.GetPreferredEngine('u').GetVariantLabel(), "Web");

    const CZrDbEngine local = repository_.GetEngines('u')[1];
    repository_.SetPreferredEngine('u', local);
    EXPECT_EQ(settings_.User().GetPreferredEngine('u'), "1 Feb 2017,Office");
    EXPECT_TRUE(repository_.GetPreferredEngine('u') == local);
    repository_.SetPreferredEngine('u', CZrDbEngine('u'));
    EXPECT_EQ(settings_.User().GetPreferredEngine('u'), "");
    EXPECT_TRUE(repository_.GetPreferredEngine('u').IsNil());
}

} // namespace
