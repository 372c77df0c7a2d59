// Start-up as a sequence of steps over actions that record what the program was asked to do.

#include "app/Startup.h"

#include "tests/engines/ScriptedMessages.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using Names = std::vector<std::string>;

class RecordingActions : public IStartupActions {
public:
    void LoadRecentFiles() override { done.push_back("recent"); }
    void LoadSystemSettings() override { done.push_back("system"); }
    void InitCaches() override { done.push_back("caches"); }
    void CreateDocuments() override { done.push_back("documents"); }
    bool InitOrb() override {
        done.push_back("orb");
        return orbStarts;
    }
    void SetUpHelp(bool showContext) override {
        done.push_back(showContext ? "help+context" : "help");
    }
    void MakeAppFont() override { done.push_back("font"); }
    bool AutoLogin() override {
        done.push_back("autologin");
        return autoLogin;
    }
    bool ShowLoginDialog() override {
        done.push_back("login dialog");
        return loginOk;
    }
    std::string GetNewVersionInfo() override { return newVersion; }
    bool ShowVersionDialog(const std::string& info) override {
        done.push_back("version dialog " + info);
        return download;
    }
    void DisconnectAll() override { done.push_back("disconnect"); }
    void LoadUserSettings() override { done.push_back("user"); }
    void ChangeToUserDir() override { done.push_back("chdir"); }
    int GetTestSetting(const std::string& key, int defaultValue) override {
        const auto found = testSettings.find(key);
        return found == testSettings.end() ? defaultValue : found->second;
    }
    void FetchAnnouncements() override { done.push_back("announcements"); }
    bool ProcessCommandLine() override {
        done.push_back("command line");
        return commandLineOk;
    }
    void SetUserMenuTexts() override { done.push_back("menu texts"); }
    void BuildAnnouncementsMenu() override { done.push_back("announcements menu"); }
    void AddWebDiffMenu() override { done.push_back("web diff"); }
    void ShowMainWindow() override { done.push_back("show"); }

    Names done;
    bool orbStarts = true;
    bool autoLogin = true;
    bool loginOk = true;
    std::string newVersion;
    bool download = false;
    bool commandLineOk = true;
    std::map<std::string, int> testSettings;
};

TEST(Startup, RunsEveryStepInOrderWithTheTestSwitchesAtTheirDefaults) {
    RecordingActions actions;
    CScriptedMessages messages;
    CStartupSequence startup = MakeStartupSequence(actions);
    EXPECT_TRUE(startup.Run());
    EXPECT_EQ(actions.done, (Names{"recent", "system", "caches", "documents", "orb", "help", "font",
                                   "autologin", "user", "chdir", "announcements", "command line",
                                   "menu texts", "announcements menu", "show"}));
    EXPECT_EQ(startup.GetStepsRun(), startup.GetNames());
    EXPECT_TRUE(messages.Texts().empty());

    RecordingActions switched;
    switched.testSettings = {{"CheckAnnouncements", 0}, {"ShowWebDiff", 1}, {"ShowHelpContext", 2}};
    ASSERT_TRUE(MakeStartupSequence(switched).Run());
    EXPECT_EQ(switched.done,
              (Names{"recent", "system", "caches", "documents", "orb", "help+context", "font",
                     "autologin", "user", "chdir", "command line", "menu texts",
                     "announcements menu", "web diff", "show"}));
}

TEST(Startup, CancelledLoginEndsBeforeTheUserSettingsLoad) {
    RecordingActions actions;
    actions.autoLogin = false;
    actions.loginOk = false;
    CStartupSequence startup = MakeStartupSequence(actions);
    EXPECT_FALSE(startup.Run());
    EXPECT_EQ(startup.GetStepsRun().back(), "Login");
    EXPECT_EQ(actions.done, (Names{"recent", "system", "caches", "documents", "orb", "help", "font",
                                   "autologin", "login dialog"}));

    // A failed automatic login falls back to the dialog.
    actions = {};
    actions.autoLogin = false;
    EXPECT_TRUE(MakeStartupSequence(actions).Run());
    EXPECT_EQ(actions.done[8], "login dialog");
    EXPECT_EQ(actions.done[9], "user");
}

TEST(Startup, NewVersionDownloadDisconnectsAndEnds) {
    RecordingActions actions;
    actions.newVersion = "4\t4.6.0\thttp://www.velorin.example/setup.exe";
    actions.download = true;
    EXPECT_FALSE(MakeStartupSequence(actions).Run());
    EXPECT_EQ(actions.done.back(), "disconnect");
    EXPECT_EQ(actions.done[actions.done.size() - 2], "version dialog " + actions.newVersion);

    // Continuing with the old version goes on to the main window.
    actions = {};
    actions.newVersion = "4\t4.6.0";
    EXPECT_TRUE(MakeStartupSequence(actions).Run());
    EXPECT_EQ(actions.done[8], "version dialog 4\t4.6.0");
    EXPECT_EQ(actions.done.back(), "show");
}

TEST(Startup, OrbFailureIsReportedAndStartUpGoesOn) {
    RecordingActions actions;
    actions.orbStarts = false;
    CScriptedMessages messages;
    EXPECT_TRUE(MakeStartupSequence(actions).Run());
    EXPECT_EQ(messages.Texts(), (Names{"W302 Cannot initialise ORB"}));
    EXPECT_EQ(actions.done.back(), "show");
}

TEST(Startup, FailedCommandLineEndsWithoutAMainWindow) {
    RecordingActions actions;
    actions.commandLineOk = false;
    EXPECT_FALSE(MakeStartupSequence(actions).Run());
    EXPECT_EQ(actions.done.back(), "command line");
}

TEST(Startup, TheCommandLinesFileIsTakenFromTheFolderStartedIn) {
    const std::pair<Names, std::string> cases[] = {
        {{"home/Sample.zre"}, "/run/home/Sample.zre"},
        {{"-safe", "", "Sample.zre", "Other.zre"}, "/run/Sample.zre"},
        {{"/data/Sample.zre"}, "/data/Sample.zre"},
        {{"-safe"}, ""},
        {{}, ""},
    };
    for (const auto& [arguments, file] : cases)
        EXPECT_EQ(CommandLineFile(arguments, "/run"), file) << ::testing::PrintToString(arguments);
}

TEST(Startup, ReplacedStepsRunInTheirPlace) {
    RecordingActions actions;
    CStartupSequence startup = MakeStartupSequence(actions);
    EXPECT_TRUE(startup.Replace("Announcements", [&actions] {
        actions.done.push_back("stand-in");
        return true;
    }));
    EXPECT_FALSE(startup.Replace("Ole", [] { return true; }));
    startup.Run();
    EXPECT_EQ(actions.done[10], "stand-in");
}

} // namespace
