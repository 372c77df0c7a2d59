#pragma once
// The program's start-up as one sequence of named steps. Each step does one thing to the program
// through IStartupActions; a step that answers false ends start-up, and the program then ends
// without a main window. Tests replace steps by name or the actions as a whole.
//
// The sequence: RecentFiles, SystemSettings, Caches, Documents, Orb, HelpFile, AppFont, Login,
// NewVersion, UserSettings, WorkingDir, Announcements, CommandLine, MenuTexts,
// AnnouncementsMenu, WebDiffMenu, ShowMainWindow.

#include <functional>
#include <string>
#include <vector>

class IStartupActions {
public:
    virtual ~IStartupActions() = default;

    // The four recent files of the "ZR2000" profile.
    virtual void LoadRecentFiles() = 0;
    virtual void LoadSystemSettings() = 0;
    // Sizes the register table's caches from the settings and the machine's memory.
    virtual void InitCaches() = 0;
    // The examination document and the windows that show it.
    virtual void CreateDocuments() = 0;
    virtual bool InitOrb() = 0;
    // The help file the program names, and whether help tells which topic it shows.
    virtual void SetUpHelp(bool showContext) = 0;
    virtual void MakeAppFont() = 0;
    // The saved automatic login; false when there is none or it failed.
    virtual bool AutoLogin() = 0;
    // The login dialog; true when it ended with a login.
    virtual bool ShowLoginDialog() = 0;
    // The new-version notice of the remote repository; "" when there is none.
    virtual std::string GetNewVersionInfo() = 0;
    // The new-version dialog; true when the user chose to download.
    virtual bool ShowVersionDialog(const std::string& info) = 0;
    // Drops every engine session.
    virtual void DisconnectAll() = 0;
    virtual void LoadUserSettings() = 0;
    virtual void ChangeToUserDir() = 0;
    virtual int GetTestSetting(const std::string& key, int defaultValue) = 0;
    // Starts reading the maker's announcements, which start-up does not wait for.
    virtual void FetchAnnouncements() = 0;
    // Opens the examination the command line names, else a new one; false when that fails.
    virtual bool ProcessCommandLine() = 0;
    // The Tools menu's items with the user's company and user ids.
    virtual void SetUserMenuTexts() = 0;
    // From here on the announcements, when they have come, are shown and make the Recent
    // Announcements menu.
    virtual void BuildAnnouncementsMenu() = 0;
    virtual void AddWebDiffMenu() = 0;
    virtual void ShowMainWindow() = 0;
};

class CStartupSequence {
public:
    using Step = std::function<bool()>;

    void Add(std::string name, Step step);
    // False when no step has that name.
    bool Replace(const std::string& name, Step step);
    // Runs the steps in order until one answers false; true when every step ran.
    bool Run();

    std::vector<std::string> GetNames() const;
    // The steps run by Run, the one that ended start-up included.
    const std::vector<std::string>& GetStepsRun() const { return run_; }

private:
    std::vector<std::pair<std::string, Step>> steps_;
    std::vector<std::string> run_;
};

// The examination file the command line names: its first argument that is not an option,
// taken from the folder the program was started in, since start-up moves to the user's folder
// before it opens the file. "" when the command line names none.
std::string CommandLineFile(const std::vector<std::string>& arguments, const std::string& startDir);

// The program's start-up over the actions; the actions must outlive the sequence.
CStartupSequence MakeStartupSequence(IStartupActions& actions);
