// The maker's announcements at start-up: which is shown, what is remembered, what the menu lists.

#include "app/Announcements.h"

#include "core/UserOptions.h"
#include "tests/engines/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

class FakeSource : public IAnnouncementSource {
public:
    std::vector<CAnnouncementItem> Fetch(std::string& internetError) override {
        ++fetches;
        internetError = error;
        return error.empty() ? items : std::vector<CAnnouncementItem>{};
    }
    std::vector<CAnnouncementItem> items;
    std::string error;
    int fetches = 0;
};

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

    FakeSource source;
    FakeWindow window;
    CUserOptions user;
    CAnnouncements announcements{source, window, user};
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
    source.items = MakeItems(2);
    window.tickDontShow = true;
    announcements.FetchAndShowNewest();
    EXPECT_EQ(window.shown, (Texts{"http://www.velorin.example/a0.html first"}));
    EXPECT_EQ(user.GetLatestDontShowDate(), "10 Mar 2017");

    // The next start shows nothing; a newer announcement is shown again.
    CAnnouncements again(source, window, user);
    again.FetchAndShowNewest();
    EXPECT_EQ(window.shown.size(), 1u);
    source.items.insert(source.items.begin(), {"12 Mar 2017", "http://x.example/new", "New"});
    window.tickDontShow = false;
    CAnnouncements later(source, window, user);
    later.FetchAndShowNewest();
    EXPECT_EQ(window.shown.back(), "http://x.example/new first");
    EXPECT_EQ(user.GetLatestDontShowDate(), "10 Mar 2017");
}

TEST_F(AnnouncementsTest, TheMenuListsAtMostFiveAndItsItemsShowWithoutTheBox) {
    source.items = MakeItems(6);
    user.SetLatestDontShowDate("31 Dec 2099");
    announcements.FetchAndShowNewest();
    EXPECT_EQ(announcements.GetMenuTitles(),
              (Texts{"Title 0", "Title 1", "Title 2", "Title 3", "Title 4"}));
    EXPECT_TRUE(announcements.ShowAnnouncement(5, false));
    EXPECT_TRUE(announcements.ShowAnnouncement(6, false));
    EXPECT_EQ(window.shown, (Texts{"http://www.velorin.example/a5.html"}));
}

TEST_F(AnnouncementsTest, NoPageNoMenuAndOnlyAnInternetFailureIsShown) {
    CScriptedMessages messages;
    announcements.FetchAndShowNewest();
    EXPECT_TRUE(announcements.GetMenuTitles().empty());
    source.error = std::string(300, 'x');
    announcements.FetchAndShowNewest();
    EXPECT_EQ(messages.Texts(), (Texts{std::string(256, 'x')}));
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(AnnouncementsTest, AnAnnouncementWithoutLinkShowsNothing) {
    source.items = MakeItems(1);
    source.items[0].url.clear();
    announcements.FetchAndShowNewest();
    EXPECT_TRUE(window.shown.empty());
    EXPECT_EQ(user.GetLatestDontShowDate(), "");
}

} // namespace
