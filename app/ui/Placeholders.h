#pragma once
// Stand-ins for the windows and services that later parts of the program bring: each does
// nothing the user can see, and answers as if the user had cancelled or nothing were there.

#include "app/Announcements.h"
#include "app/MainFrameCommands.h"
#include "app/SearchRunFlow.h"
#include "app/document/Progress.h"
#include "app/ui/MainFrame.h"

// The search progress window, the watch run, the results and details windows.
class CPendingSearchWindows : public ISearchProgressRun,
                              public IWatchRun,
                              public IResultsWindow,
                              public IDetailsOpener {
public:
    bool RunSearch(int) override { return false; }
    void RunCollected() override {}
    void RunAllSearches() override {}
    bool IsOpen() const override { return false; }
    bool GetShownSearch(int&) const override { return false; }
    void ForgetSelection() override {}
    void Focus() override {}
    void Open(bool) override {}
    void Close() override {}
    bool CanOpenDetails() const override { return false; }
    void OpenDetails(const CFilter&, int) override {}
    void CloseAll() override {}
};

// The main and watch views.
class CPendingViews : public IMainViewFactory {
public:
    wxWindow* CreateMainView(wxWindow*) override { return nullptr; }
    wxWindow* CreateWatchView(wxWindow*) override { return nullptr; }
};

// Reports from templates.
class CPendingReports : public IReportRunner {
public:
    bool ChooseTemplate(std::string&) override { return false; }
    void RunReport(const std::string&, const std::string&, CZR2000Doc&) override {}
};

// The maker's announcements page.
class CPendingAnnouncements : public IAnnouncementSource {
public:
    std::vector<CAnnouncementItem> Fetch(std::string&) override { return {}; }
};

// The progress window of long document operations.
class CSilentProgress : public IProgress {
public:
    void SetRange(int, int, int) override {}
    void SetProgress(const std::string&, int) override {}
    void Finish() override {}
    bool IsCancelled() const override { return false; }
};
