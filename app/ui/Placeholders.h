#pragma once
// Stand-ins for the windows and services that later parts of the program bring: each does
// nothing the user can see, and answers as if the user had cancelled or nothing were there.

#include "app/Announcements.h"
#include "app/MainFrameCommands.h"
#include "app/SearchRunFlow.h"
#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"

// The watch run.
class CPendingWatchRun : public IWatchRun {
public:
    void RunCollected() override {}
    void RunAllSearches() override {}
};

// The announcements window: an announcement picked from the menu opens in the browser; none is
// shown by itself at start-up, where the user could not ask not to see it again.
class CPendingAnnouncementWindow : public IAnnouncementWindow {
public:
    bool Show(const std::string& url, bool firstTime) override {
        if (firstTime)
            return true;
        if (const int result = platform::OpenUrl(url); result <= 32)
            platform::ShowMessageBox(
                {"W307 Unable to open hyperlink:\n\n" + platform::OpenUrlErrorText(result), "",
                 platform::MessageButtons::Ok, platform::MessageIcon::Warning});
        return true;
    }
};
