#pragma once
// Stand-ins for the windows and services that later parts of the program bring: each does
// nothing the user can see, and answers as if the user had cancelled or nothing were there.

#include "app/Announcements.h"
#include "app/MainFrameCommands.h"
#include "app/SearchRunFlow.h"

// The maker's announcements page and its window.
class CPendingAnnouncements : public IAnnouncementSource, public IAnnouncementWindow {
public:
    std::vector<CAnnouncementItem> Fetch(std::string&) override { return {}; }
    bool Show(const std::string&, bool) override { return true; }
};
