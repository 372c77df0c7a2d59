// Logging in over the wire, by the saved login at start-up and through the login dialog's logic:
// what is shown when one side or both fail, the user's folder, the saved login, and the
// new-version notice that may come with it.

#include "engines/Login.h"

#include "ScriptedMessages.h"
#include "ServiceSettings.h"
#include "engines/Repository.h"
#include "engines/VersionInfo.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "tests/support/LocalService.h"

#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>

using namespace local_service;
using Focus = CLoginForm::Focus;

namespace {

class LoginTest : public ::testing::Test {
protected:
    void SetUp() override {
        control_ = ResetControl();
        settings_.WriteRepository(CServiceSettings::RemoteAndLocal());
    }
    CSystemOptions& System() { return settings_.System(); }

    ZrTestControl_var control_;
    CServiceSettings settings_;
    CZrDbs zrDbs_;
    CEngineRegisterTable table_{zrDbs_};
    CZrRepository repository_{settings_.System(), settings_.User(), &table_};
    CLoginController login_{
        repository_, settings_.System(), {"http://127.0.0.1:8080", "127.0.0.1"}};
    CScriptedMessages messages_;
};

TEST_F(LoginTest, TheSavedLoginLogsOnSilentlyWhenMarkedForAutomaticUse) {
    settings_.WriteRepository(CServiceSettings::RemoteAndLocal(), "AutoLogin=0\n");
    ASSERT_TRUE(System().SaveDefaultLogin(kCompanyId, kUserId, kPassword));
    EXPECT_FALSE(login_.AutoLogin());
    EXPECT_TRUE(LoggedCalls(control_, "GetAvailableEngines2").empty());

    settings_.WriteRepository(CServiceSettings::RemoteAndLocal(), "AutoLogin=1\n");
    ASSERT_TRUE(System().SaveDefaultLogin(kCompanyId, kUserId, kPassword));
    ASSERT_TRUE(login_.AutoLogin());
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(System().GetUserId(), kUserId);
    EXPECT_TRUE(std::filesystem::is_directory(System().GetUserDir()));
    // The password stays saved.
    EXPECT_EQ(System().GetDefaultPassword(), kPassword);
    EXPECT_FALSE(repository_.GetEngines('u').empty());
}

TEST_F(LoginTest, TheDialogStartsFromTheSavedLoginAtTheFirstFieldToFill) {
    EXPECT_EQ(login_.GetInitialForm().focus, Focus::CompanyId);
    System().SaveDefaultLogin(kCompanyId, "", "");
    EXPECT_EQ(login_.GetInitialForm().focus, Focus::UserId);
    System().SaveDefaultLogin(kCompanyId, kUserId, "");
    CLoginForm form = login_.GetInitialForm();
    EXPECT_EQ(form.focus, Focus::Password);
    EXPECT_FALSE(form.remember);
    System().SaveDefaultLogin(kCompanyId, kUserId, kPassword);
    form = login_.GetInitialForm();
    EXPECT_EQ(form.focus, Focus::LoginButton);
    EXPECT_TRUE(form.remember);
    EXPECT_EQ(form.password, kPassword);
    EXPECT_EQ(CLoginController::GetVersionLine(), "Version: 4.5.38 (20 Apr 2017)");
}

TEST_F(LoginTest, TypedTextsLoseTheirBlanksAndTheLoginIsSavedWithoutThePassword) {
    CLoginForm form;
    form.companyId = "  TESTCO ";
    form.userId = "\texaminer  ";
    form.password = " secret ";
    form.remember = false;
    ASSERT_TRUE(login_.Finish(login_.Connect(form)));
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(System().GetDefaultCompId(), kCompanyId);
    EXPECT_EQ(System().GetDefaultUserId(), kUserId);
    EXPECT_EQ(System().GetDefaultPassword(), "");
    EXPECT_FALSE(login_.GetInitialForm().remember);
}

TEST_F(LoginTest, AWrongPasswordShowsBothFailuresOnceAndTheDialogStays) {
    EXPECT_FALSE(login_.Login(kCompanyId, kUserId, "wrong", true));
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Texts()[0],
              "Logon refused: unknown company id, user id or password (ZrAdmin)\n"
              "Logon refused: unknown company id, user id or password");
    EXPECT_EQ(messages_.Shown()[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(System().GetUserId(), "");
    EXPECT_EQ(System().GetDefaultCompId(), "");
}

TEST_F(LoginTest, OneSideFailingIsAWarningAndTheLoginGoesOn) {
    control_->SetRepositoryFault("local", "commFailure", "", 0);
    EXPECT_TRUE(login_.Login(kCompanyId, kUserId, kPassword, true));
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Texts()[0], "W326 Unable to contact the repository. (ZrAdmin)\n\nBut you "
                                    "may continue using the 127.0.0.1 engines.");

    control_->SetRepositoryFault("local", "none", "", 0);
    control_->SetRepositoryFault("remote", "error", "Remote service closed", 0);
    EXPECT_TRUE(login_.Login(kCompanyId, kUserId, kPassword, true));
    ASSERT_EQ(messages_.Shown().size(), 2u);
    EXPECT_EQ(messages_.Texts()[1],
              "Remote service closed\n\nBut you may continue using the local engines.");
}

TEST_F(LoginTest, AHangingRepositoryOnBothSidesFailsTheLogin) {
    control_->SetRepositoryFault("remote", "slow", "", 2000);
    control_->SetRepositoryFault("local", "slow", "", 2000);
    repository_.SetCallTimeout(200);
    EXPECT_FALSE(login_.Login(kCompanyId, kUserId, kPassword, true));
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Texts()[0], "W326 Unable to contact the repository. (ZrAdmin)\n"
                                    "W326 Unable to contact the repository.");
}

TEST_F(LoginTest, TheConnectionShowsNothingTillFinishedAndAStopLeavesRepositoriesAlone) {
    class UnreachableList : public CRepositoryListSource {
        bool FetchRepositoryList(const std::string&, std::vector<std::string>&,
                                 std::string& error) override {
            error = "List unreachable";
            return false;
        }
    };
    System().SetRepositoryListSource(std::make_unique<UnreachableList>());
    CLoginForm form;
    form.companyId = kCompanyId;
    form.userId = kUserId;
    form.password = kPassword;

    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(login_.Connect(form, stop.get_token()).connected);
    EXPECT_TRUE(LoggedCalls(control_, "GetAvailableEngines2").empty());

    // As the dialog runs it: the connection on a worker thread, the rest on the window's.
    const CLoginAttempt attempt =
        std::async(std::launch::async, [&] { return login_.Connect(form); }).get();
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_TRUE(login_.Finish(attempt));
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"List unreachable"});
    EXPECT_EQ(System().GetUserId(), kUserId);
}

TEST_F(LoginTest, AUserFolderThatCannotBeMadeFailsTheLogin) {
    // A file stands where the user's folder would be made.
    std::ofstream(settings_.Home() + "/" + kUserId) << "not a folder";
    EXPECT_FALSE(login_.Login(kCompanyId, kUserId, kPassword, true));
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{"W308 Unable to create the user examiner."});
    EXPECT_EQ(System().GetDefaultCompId(), "");
}

TEST_F(LoginTest, TheNewVersionNoticeOpensOnlyWebAddresses) {
    control_->SetRepositoryFault(
        "remote", "newVersion",
        "4\t4.6.0\thttps://www.velorin.example/setup.exe\tPlease update\tFaster\tSafer", 0);
    ASSERT_TRUE(login_.Login(kCompanyId, kUserId, kPassword, true));
    const CVersionInfo info(repository_.GetNewVersionInfo());
    std::vector<std::string> opened;
    const CVersionNotice notice(info, [&opened](const std::string& address) {
        opened.push_back(address);
        return 42;
    });
    EXPECT_EQ(notice.GetHeadline(), "A new version 4.6.0 of RO Vedaridarevu is available.");
    EXPECT_EQ(notice.GetWarning(), "Please update");
    EXPECT_EQ(notice.GetFeatureLine(0), "Faster");
    EXPECT_EQ(notice.GetFeatureLine(1), "Safer");
    EXPECT_EQ(notice.GetFeatureLine(2), "");
    EXPECT_TRUE(notice.Download());
    EXPECT_EQ(opened, std::vector<std::string>{"https://www.velorin.example/setup.exe"});

    for (const char* address : {"file:///usr/bin/xterm", "/usr/bin/xterm", "http://a b",
                                "javascript:alert(1)", "http://", "setup.exe; rm -rf ~"}) {
        const CVersionNotice refused(CVersionInfo(std::string("4\t4.6.0\t") + address),
                                     [&opened](const std::string& target) {
                                         opened.push_back(target);
                                         return 42;
                                     });
        EXPECT_FALSE(refused.Download()) << address;
    }
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(messages_.Texts().back().rfind("W307 Unable to open hyperlink:\n\n", 0), 0u);
}

} // namespace
