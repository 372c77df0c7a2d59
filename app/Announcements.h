#pragma once
// The maker's announcements: fetched once at start-up, the newest shown unless the user asked
// not to see it again, and the first five offered in the Help menu. The page is read by the web
// layer and shown by the announcements window, both behind the interfaces below.

#include <string>
#include <vector>

class CUserOptions;

struct CAnnouncementItem {
    std::string date;
    std::string url;
    std::string title;
};

// The maker's announcements page ("/announcements/index.html").
class IAnnouncementSource {
public:
    virtual ~IAnnouncementSource() = default;
    // The page's announcements in page order; none when it could not be read. A failure of the
    // internet connection itself fills its text, which the user is shown.
    virtual std::vector<CAnnouncementItem> Fetch(std::string& internetError) = 0;
};

// The announcements window on a page.
class IAnnouncementWindow {
public:
    virtual ~IAnnouncementWindow() = default;
    // Shows the page modally; the first time with the box "Don't show this announcement again".
    // False when the user ticked it.
    virtual bool Show(const std::string& url, bool firstTime) = 0;
};

class CAnnouncements {
public:
    static constexpr int kMaxMenuItems = 5;
    static constexpr int kFirstMenuCommand = 32841;

    CAnnouncements(IAnnouncementSource& source, IAnnouncementWindow& window, CUserOptions& user)
        : source_(source), window_(window), user_(user) {}

    // Start-up: fetches the page, keeps its announcements and shows the first unless the user
    // asked not to see it again ([Misc] LatestDontShowDate not earlier than its date).
    void FetchAndShowNewest();
    // The titles of the Recent Announcements menu: the first five.
    std::vector<std::string> GetMenuTitles() const;
    // Shows announcement `index`; false when the user asked not to see it again. An index
    // without announcement, or one without link, shows nothing and answers true.
    bool ShowAnnouncement(int index, bool firstTime);
    const std::vector<CAnnouncementItem>& GetItems() const { return items_; }

    // Whether the first announcement, of this date, is shown given the date the user last asked
    // not to see: unless both are dates and the latter is not earlier.
    static bool IsNewerThanDismissed(const std::string& date, const std::string& dismissedDate);

private:
    IAnnouncementSource& source_;
    IAnnouncementWindow& window_;
    CUserOptions& user_;
    std::vector<CAnnouncementItem> items_;
};
