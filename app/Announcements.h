#pragma once
// The maker's announcements: fetched once at start-up, the newest shown unless the user asked
// not to see it again, and the first five offered in the Help menu. The page is read by the web
// layer and shown by the announcements window, both behind the interfaces below.

#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>
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
    // internet connection itself fills its text, which the user is shown. Called on a worker
    // thread; a stop ends the reading early, with nothing.
    virtual std::vector<CAnnouncementItem> Fetch(std::string& internetError,
                                                 std::stop_token stop) = 0;
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

    CAnnouncements(IAnnouncementWindow& window, CUserOptions& user)
        : window_(window), user_(user) {}

    // What the page gave: its announcements are kept and the first is shown unless the user
    // asked not to see it again ([Misc] LatestDontShowDate not earlier than its date); a failure
    // of the connection is shown instead.
    void Take(std::vector<CAnnouncementItem> fetched, const std::string& internetError);
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
    IAnnouncementWindow& window_;
    CUserOptions& user_;
    std::vector<CAnnouncementItem> items_;
};

// The page read on a worker thread, so that neither start-up nor the main window waits on the
// maker's server. What it gives is handed to the window thread once start-up lets it
// (Deliver): the newest announcement then opens a window, which must not come up over the
// dialogs of start-up.
class CAnnouncementsFetch {
public:
    // Runs a function on the window thread later.
    using Post = std::function<void(std::function<void()>)>;
    // On the window thread: the page's announcements, or the connection's failure.
    using Arrived =
        std::function<void(std::vector<CAnnouncementItem> fetched, const std::string& error)>;

    // Starts reading the page.
    CAnnouncementsFetch(std::unique_ptr<IAnnouncementSource> source, Post post, Arrived arrived);
    // Stops the reading and waits for it; nothing is handed over afterwards.
    ~CAnnouncementsFetch();
    CAnnouncementsFetch(const CAnnouncementsFetch&) = delete;
    CAnnouncementsFetch& operator=(const CAnnouncementsFetch&) = delete;

    // On the window thread: what came is handed over now, what is still to come when it comes.
    void Deliver();

private:
    // Shared with what is posted, which may run after the object has gone.
    struct Handover;

    std::shared_ptr<Handover> handover_;
    std::unique_ptr<IAnnouncementSource> source_;
    std::jthread worker_;
};
