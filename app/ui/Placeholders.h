#pragma once
// Stand-ins for the windows and services that later parts of the program bring: each does
// nothing the user can see, and answers as if the user had cancelled or nothing were there.

#include "app/Announcements.h"
#include "app/MainFrameCommands.h"
#include "app/SearchRunFlow.h"

// The watch run.
class CPendingWatchRun : public IWatchRun {
public:
    void RunCollected() override {}
    void RunAllSearches() override {}
};

// The maker's announcements page.
class CPendingAnnouncements : public IAnnouncementSource {
public:
    std::vector<CAnnouncementItem> Fetch(std::string&) override { return {}; }
};
