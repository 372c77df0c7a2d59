// The maker's announcements at start-up: which is shown, what is remembered, what the menu lists,
// and when the page read on a worker thread is handed over.

#include "app/Announcements.h"

#include "core/UserOptions.h"
#include "tests/engines/ScriptedMessages.h"

#include <condition_variable>
#include <deque>
#include <gtest/gtest.h>
#include <mutex>

namespace {

using Texts = std::vector<std::string>;

class FakeWindow : public IAnnouncementWindow {
public:
    bool Show(const std::string& url, bool firstTime) override {
        shown.push_back(url + (firstTime ? " first" : ""));
        return !tickDontShow;
    }
    Texts shown;
    bool tickDontShow = false;
};

struct AnnouncementsTest : ::testing::Test {
    std::vector<CAnnouncementItem> MakeItems(int count) {
        std::vector<CAnnouncementItem> items;
        for (int i = 0; i < count; ++i)
            items.push_back({std::to_string(10 + i) + " Mar 2017",
                             "http://www.velorin.example/a" + std::to_string(i) + ".html",
                             "Title " + std::to_string(i)});
        return items;
    }

    FakeWindow window;
    CUserOptions user;
    CAnnouncements announcements{window, user};
};

TEST(AnnouncementDates, TheFirstIsShownUnlessDismissedOnOrAfterItsDate) {
    EXPECT_FALSE(CAnnouncements::IsNewerThanDismissed("10 Mar 2017", "10 Mar 2017"));
    EXPECT_FALSE(CAnnouncements::IsNewerThanDismissed("10 Mar 2017", "11 Mar 2017"));
    EXPECT_TRUE(CAnnouncements::IsNewerThanDismissed("10 Mar 2017", "9 Mar 2017"));
    EXPECT_TRUE(CAnnouncements::IsNewerThanDismissed("10 Mar 2017", "someday"));
    EXPECT_TRUE(CAnnouncements::IsNewerThanDismissed("soon", "10 Mar 2017"));
    EXPECT_TRUE(CAnnouncements::IsNewerThanDismissed("10 Mar 2017", ""));
    EXPECT_TRUE(CAnnouncements::IsNewerThanDismissed("", "10 Mar 2017"));
}

TEST_F(AnnouncementsTest, TickingTheBoxRemembersTheFirstDate) {
    std::vector<CAnnouncementItem> items = MakeItems(2);
    window.tickDontShow = true;
    announcements.Take(items, "");
    EXPECT_EQ(window.shown, (Texts{"http://www.velorin.example/a0.html first"}));
    EXPECT_EQ(user.GetLatestDontShowDate(), "10 Mar 2017");

    // The next start shows nothing; a newer announcement is shown again.
    CAnnouncements again(window, user);
    again.Take(items, "");
    EXPECT_EQ(window.shown.size(), 1u);
    items.insert(items.begin(), {"12 Mar 2017", "http://x.example/new", "New"});
    window.tickDontShow = false;
    CAnnouncements later(window, user);
    later.Take(items, "");
    EXPECT_EQ(window.shown.back(), "http://x.example/new first");
    EXPECT_EQ(user.GetLatestDontShowDate(), "10 Mar 2017");
}

TEST_F(AnnouncementsTest, TheMenuListsAtMostFiveAndItsItemsShowWithoutTheBox) {
    user.SetLatestDontShowDate("31 Dec 2099");
    announcements.Take(MakeItems(6), "");
    EXPECT_EQ(announcements.GetMenuTitles(),
              (Texts{"Title 0", "Title 1", "Title 2", "Title 3", "Title 4"}));
    EXPECT_TRUE(announcements.ShowAnnouncement(5, false));
    EXPECT_TRUE(announcements.ShowAnnouncement(6, false));
    EXPECT_EQ(window.shown, (Texts{"http://www.velorin.example/a5.html"}));
}

TEST_F(AnnouncementsTest, NoPageNoMenuAndOnlyAnInternetFailureIsShown) {
    CScriptedMessages messages;
    announcements.Take({}, "");
    EXPECT_TRUE(announcements.GetMenuTitles().empty());
    announcements.Take({}, std::string(300, 'x'));
    EXPECT_EQ(messages.Texts(), (Texts{std::string(256, 'x')}));
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(AnnouncementsTest, AnAnnouncementWithoutLinkShowsNothing) {
    std::vector<CAnnouncementItem> items = MakeItems(1);
    items[0].url.clear();
    announcements.Take(items, "");
    EXPECT_TRUE(window.shown.empty());
    EXPECT_EQ(user.GetLatestDontShowDate(), "");
}

// What the worker thread posts, run when the test says.
class PostQueue {
public:
    void Post(std::function<void()> task) {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        posted_.notify_all();
    }
    // Waits for the next task and runs it.
    void RunNext() {
        std::unique_lock lock(mutex_);
        posted_.wait(lock, [this] { return !tasks_.empty(); });
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

class FixedSource : public IAnnouncementSource {
public:
    explicit FixedSource(std::string title) : title_(std::move(title)) {}
    std::vector<CAnnouncementItem> Fetch(std::string& internetError, std::stop_token) override {
        internetError = "E";
        return {{"1 Mar 2017", "http://x.example/", title_}};
    }

private:
    std::string title_;
};

TEST(AnnouncementsFetch, ThePageIsHandedOverOnceWhenBothItAndStartUpAreReady) {
    PostQueue queue;
    Texts handed;
    const auto post = [&queue](std::function<void()> task) { queue.Post(std::move(task)); };
    const auto arrived = [&handed](std::vector<CAnnouncementItem> items, const std::string& error) {
        ASSERT_EQ(items.size(), 1u);
        handed.push_back(items[0].title + "|" + error);
    };

    // The page comes first and waits for start-up.
    CAnnouncementsFetch early(std::make_unique<FixedSource>("early"), post, arrived);
    queue.RunNext();
    EXPECT_EQ(handed, Texts{});
    early.Deliver();
    early.Deliver();
    EXPECT_EQ(handed, Texts{"early|E"});

    // Start-up is ready first and the page is handed over as it comes.
    CAnnouncementsFetch late(std::make_unique<FixedSource>("late"), post, arrived);
    late.Deliver();
    queue.RunNext();
    EXPECT_EQ(handed, (Texts{"early|E", "late|E"}));

    // A fetch gone before its page comes hands nothing over.
    {
        CAnnouncementsFetch gone(std::make_unique<FixedSource>("gone"), post, arrived);
        gone.Deliver();
    }
    queue.RunNext();
    EXPECT_EQ(handed.size(), 2u);
}

} // namespace
