#pragma once
// The commands of the main window that belong to the whole window, without the window: its
// size and title, the report to a file, Watch All, Next and Previous, and the check before the
// program closes while background jobs run.

#include "app/FileDialogs.h"
#include "core/DrawSurface.h"

#include <functional>
#include <string>

class CBgrJobManager;
class CSearchRunFlow;
class CSystemOptions;
class CUserOptions;
class CZR2000Doc;
class IWatchRun;

// The panes of the main window: the main view, and the watch view above it in a watch.
class IMainFramePanes {
public:
    virtual ~IMainFramePanes() = default;
    virtual bool HasMainView() const = 0;
    virtual void RefreshMainView() = 0;
    // Shows the section in the watch view; false when there is no watch view.
    virtual bool ShowWatchSection(int section) = 0;
};

// Reports from templates.
class IReportRunner {
public:
    virtual ~IReportRunner() = default;
    // The template chooser; false when cancelled, else the chosen template's file name.
    virtual bool ChooseTemplate(std::string& templateName) = 0;
    // Writes the document's report from the template into the output file.
    virtual void RunReport(const std::string& templatePath, const std::string& outputPath,
                           CZR2000Doc& document) = 0;
};

// The window's rectangle in the desktop's work area: its left, top and full height; the whole
// width below 500 pixels, else half of it but at least 500.
CRect MainWindowRect(const CRect& workArea);
// "<document> - RO Vedaridarevu", with " (Watching)" for a watch; the program's name alone
// without a document title.
std::string MainFrameTitle(const std::string& documentTitle, bool watch);

// The save dialog of a report from the template (a file name with its extension).
CFileDialogRequest MakeReportDialog(const std::string& templateName, const std::string& folder);
// The output path of a report: a name typed without extension gets "." and the template's.
std::string ReportOutputPath(const std::string& typedPath, const std::string& templateName);

// True when the program may close: no background job runs, or the user chose to end them in
// the exit-tasks dialog (showExitTasks answers true for its OK).
bool CheckExitTasks(const CBgrJobManager& jobs, const std::function<bool()>& showExitTasks);

class CMainFrameCommands {
public:
    struct Services {
        CSearchRunFlow& flow;
        IWatchRun& watch;
        IMainFramePanes& panes;
        IReportRunner& reports;
        IFileDialogs& dialogs;
        CUserOptions& user;
        const CSystemOptions& system;
    };

    CMainFrameCommands(CZR2000Doc& document, Services services)
        : document_(document), services_(services) {}

    // Report...: template, output file, report.
    void Report();
    // Watch All: only for a watch with searches (and a main view).
    bool CanWatchAll() const;
    void WatchAll();
    // The next or previous search of an examination (run or shown), or section of a watch.
    void Next() { Step(true); }
    void Previous() { Step(false); }

private:
    void Step(bool forward);
    void RunWatchReport();

    CZR2000Doc& document_;
    Services services_;
};
