#include "app/Startup.h"

#include "platform/MessageBox.h"

#include <filesystem>

void CStartupSequence::Add(std::string name, Step step) {
    steps_.emplace_back(std::move(name), std::move(step));
}

bool CStartupSequence::Replace(const std::string& name, Step step) {
    for (auto& [stepName, stepRun] : steps_) {
        if (stepName == name) {
            stepRun = std::move(step);
            return true;
        }
    }
    return false;
}

bool CStartupSequence::Run() {
    run_.clear();
    for (const auto& [name, step] : steps_) {
        run_.push_back(name);
        if (!step())
            return false;
    }
    return true;
}

std::vector<std::string> CStartupSequence::GetNames() const {
    std::vector<std::string> names;
    for (const auto& step : steps_)
        names.push_back(step.first);
    return names;
}

std::string CommandLineFile(const std::vector<std::string>& arguments,
                            const std::string& startDir) {
    for (const std::string& argument : arguments) {
        if (!argument.empty() && argument[0] != '-')
            return (std::filesystem::path(startDir) / argument).string();
    }
    return {};
}

CStartupSequence MakeStartupSequence(IStartupActions& actions) {
    // A step that always lets start-up go on.
    const auto always = [](auto action) {
        return [action] {
            action();
            return true;
        };
    };
    CStartupSequence sequence;
    sequence.Add("RecentFiles", always([&actions] { actions.LoadRecentFiles(); }));
    sequence.Add("SystemSettings", always([&actions] { actions.LoadSystemSettings(); }));
    sequence.Add("Caches", always([&actions] { actions.InitCaches(); }));
    sequence.Add("Documents", always([&actions] { actions.CreateDocuments(); }));
    sequence.Add("Orb", always([&actions] {
                     if (!actions.InitOrb())
                         platform::ShowMessageBox({"W302 Cannot initialise ORB", ""});
                 }));
    sequence.Add("HelpFile", always([&actions] {
                     actions.SetUpHelp(actions.GetTestSetting("ShowHelpContext", 0) != 0);
                 }));
    sequence.Add("AppFont", always([&actions] { actions.MakeAppFont(); }));
    sequence.Add("Login", [&actions] { return actions.AutoLogin() || actions.ShowLoginDialog(); });
    sequence.Add("NewVersion", [&actions] {
        const std::string info = actions.GetNewVersionInfo();
        if (info.empty() || !actions.ShowVersionDialog(info))
            return true;
        actions.DisconnectAll();
        return false;
    });
    sequence.Add("UserSettings", always([&actions] { actions.LoadUserSettings(); }));
    sequence.Add("WorkingDir", always([&actions] { actions.ChangeToUserDir(); }));
    sequence.Add("Announcements", always([&actions] {
                     if (actions.GetTestSetting("CheckAnnouncements", 1) != 0)
                         actions.FetchAnnouncements();
                 }));
    sequence.Add("CommandLine", [&actions] { return actions.ProcessCommandLine(); });
    sequence.Add("MenuTexts", always([&actions] { actions.SetUserMenuTexts(); }));
    sequence.Add("AnnouncementsMenu", always([&actions] { actions.BuildAnnouncementsMenu(); }));
    sequence.Add("WebDiffMenu", always([&actions] {
                     if (actions.GetTestSetting("ShowWebDiff", 0) != 0)
                         actions.AddWebDiffMenu();
                 }));
    sequence.Add("ShowMainWindow", always([&actions] { actions.ShowMainWindow(); }));
    return sequence;
}
