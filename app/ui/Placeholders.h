#pragma once
// Stand-ins for the windows and services that later parts of the program bring: each does
// nothing the user can see, and answers as if the user had cancelled or nothing were there.

#include "app/Announcements.h"
#include "app/MainFrameCommands.h"
#include "app/SearchRunFlow.h"
#include "app/document/Progress.h"

// The watch run.
class CPendingWatchRun : public IWatchRun {
public:
    void RunCollected() override {}
    void RunAllSearches() override {}
};

// Reports from templates.
class CPendingReports : public IReportRunner {
public:
    bool ChooseTemplate(std::string&) override { return false; }
    void RunReport(const std::string&, const std::string&, CZR2000Doc&) override {}
};

// The maker's announcements page and its window.
class CPendingAnnouncements : public IAnnouncementSource, public IAnnouncementWindow {
public:
    std::vector<CAnnouncementItem> Fetch(std::string&) override { return {}; }
    bool Show(const std::string&, bool) override { return true; }
};

// The progress window of long document operations.
class CSilentProgress : public IProgress {
public:
    void SetRange(int, int, int) override {}
    void SetProgress(const std::string&, int) override {}
    void Finish() override {}
    bool IsCancelled() const override { return false; }
};
