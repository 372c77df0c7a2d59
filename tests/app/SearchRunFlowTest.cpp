// Which window a search brings up: the run, the results, a details window, the watch run, and
// the messages between them.

#include "app/SearchRunFlow.h"

#include "DocFixture.h"
#include "core/UserOptions.h"
#include "tests/engines/ScriptedMessages.h"

#include <functional>

namespace {

using Texts = std::vector<std::string>;

struct Windows : ISearchProgressRun, IWatchRun, IResultsWindow, IDetailsOpener, ISearchPrompts {
    bool RunSearch(int searchId) override {
        calls.push_back("progress " + std::to_string(searchId));
        if (onRun)
            onRun(searchId);
        return runOk;
    }
    void RunCollected(int section) override {
        calls.push_back("watch collected " + std::to_string(section));
    }
    void RunAllSearches() override { calls.push_back("watch all"); }
    bool IsOpen() const override { return open; }
    bool GetShownSearch(int& searchId) const override {
        searchId = shown;
        return hasView;
    }
    void ForgetSelection() override { calls.push_back("forget"); }
    void Focus() override { calls.push_back("focus"); }
    void Open(bool showPreviouslyFound) override {
        open = true;
        calls.push_back(showPreviouslyFound ? "open with previous" : "open");
    }
    void Close() override {
        open = false;
        calls.push_back("close");
    }
    bool CanOpenDetails() const override { return detailsOpen < 4; }
    void OpenDetails(const CFilter& filter, int index) override {
        ++detailsOpen;
        calls.push_back("details " + std::to_string(filter.GetSearchId()) + ":" +
                        std::to_string(index));
    }
    void CloseAll() override { detailsOpen = 0; }
    bool AskViewPreviouslyFound() override {
        calls.push_back("no new marks");
        return viewPrevious;
    }

    Texts calls;
    std::function<void(int)> onRun;
    bool runOk = true;
    bool open = false;
    bool hasView = true;
    int shown = 0;
    int detailsOpen = 0;
    bool viewPrevious = false;
};

class SearchRunFlowTest : public DocFixture {
protected:
    // The run finds the records as marks of the search.
    void RunFinds(std::vector<std::uint32_t> records) {
        windows.onRun = [this, records](int searchId) {
            CSearch search = doc.FindSearch(searchId);
            search.SetOrder(doc.NewOrder());
            search.SetFlags(CSearch::kHasRun);
            search.SetFound(static_cast<int>(records.size()));
            doc.SetSearchResults(search);
            doc.AddFoundMarks(records, 'u', search.GetSection(), searchId, false, false);
        };
    }

    Windows windows;
    CUserOptions user;
    CSearchRunFlow flow{{windows, windows, windows, windows, windows}, user};
    CScriptedMessages messages;
};

TEST_F(SearchRunFlowTest, ASearchThatRanAlreadyOpensItsResultsWithoutARun) {
    const int id = doc.AddSearch(MakeRunSearch(1, "u", 1, 2));
    const std::uint32_t records[] = {10, 11};
    doc.AddFoundMarks(records, 'u', 1, id, false, false);
    view.hints.clear();
    EXPECT_TRUE(flow.RunSearch(doc, id, true));
    EXPECT_EQ(windows.calls, (Texts{"open"}));
    EXPECT_EQ(doc.GetCurrentSearch(), id);
    EXPECT_EQ(view.hints, (std::vector<int>{kHintSelectSearch}));
}

TEST_F(SearchRunFlowTest, ACancelledRunShowsNothing) {
    const int id = doc.AddSearch(MakeSearch(1, "u"));
    windows.runOk = false;
    EXPECT_FALSE(flow.RunSearch(doc, id, false));
    EXPECT_EQ(windows.calls, (Texts{"progress 1"}));
}

TEST_F(SearchRunFlowTest, OneMarkFoundOpensADetailsWindowInsteadOfTheResults) {
    const int id = doc.AddSearch(MakeSearch(1, "u"));
    RunFinds({10});
    windows.open = true;
    EXPECT_FALSE(flow.RunSearch(doc, id, true));
    EXPECT_EQ(windows.calls, (Texts{"progress 1", "close", "details 1:0"}));

    // Without the details flag, or with two marks, the results window opens.
    const int second = doc.AddSearch(MakeSearch(1, "u"));
    windows.calls.clear();
    EXPECT_TRUE(flow.RunSearch(doc, second, false));
    EXPECT_EQ(windows.calls, (Texts{"progress 2", "open"}));
    const int third = doc.AddSearch(MakeSearch(1, "u"));
    RunFinds({20, 21});
    windows.open = false;
    windows.calls.clear();
    EXPECT_TRUE(flow.RunSearch(doc, third, true));
    EXPECT_EQ(windows.calls, (Texts{"progress 3", "open"}));
}

TEST_F(SearchRunFlowTest, FourDetailsWindowsOpenRefuseAFifth) {
    const int id = doc.AddSearch(MakeSearch(1, "u"));
    RunFinds({10});
    windows.detailsOpen = 4;
    EXPECT_FALSE(flow.RunSearch(doc, id, true));
    EXPECT_EQ(windows.calls, (Texts{"progress 1"}));
    EXPECT_EQ(messages.Texts(), (Texts{"W303 Too many detail windows open"}));
}

TEST_F(SearchRunFlowTest, NothingFoundSaysSoAndOpensNothing) {
    const int id = doc.AddSearch(MakeSearch(1, "u"));
    RunFinds({});
    EXPECT_FALSE(flow.RunSearch(doc, id, true));
    EXPECT_EQ(messages.Texts(), (Texts{"U206 No marks found"}));
    EXPECT_EQ(windows.calls, (Texts{"progress 1"}));
    // Forced, the window opens all the same.
    EXPECT_TRUE(flow.ShowResults(doc, id, true, -1));
    EXPECT_EQ(windows.calls.back(), "open");
}

TEST_F(SearchRunFlowTest, FoundButNoneNewAsksWhetherToViewThePreviousOnes) {
    // The later search found the two marks an earlier search had found first: they stand as its
    // duplicates, which are hidden.
    const int earlier = doc.AddSearch(MakeRunSearch(1, "u", 1, 2));
    const int later = doc.AddSearch(MakeRunSearch(1, "u", 2, 2));
    const std::uint32_t records[] = {10, 11};
    doc.AddFoundMarks(records, 'u', 1, earlier, false, false);
    ASSERT_EQ(doc.AddFoundMarks(records, 'u', 1, later, false, false), 0);
    user.SetHideDuplicates(true);

    EXPECT_FALSE(flow.ShowResults(doc, later, false, -1));
    windows.viewPrevious = true;
    EXPECT_TRUE(flow.ShowResults(doc, later, false, -1));
    EXPECT_EQ(windows.calls, (Texts{"no new marks", "no new marks", "open with previous"}));
    // A found count given by the caller is taken as it is.
    windows.open = false;
    EXPECT_FALSE(flow.ShowResults(doc, later, false, 0));
    EXPECT_EQ(messages.Texts(), (Texts{"U206 No marks found"}));
}

TEST_F(SearchRunFlowTest, AnOpenResultsWindowSwitchesToTheSearch) {
    const int first = doc.AddSearch(MakeRunSearch(1, "u", 1, 0));
    const int second = doc.AddSearch(MakeRunSearch(1, "u", 2, 0));
    windows.open = true;
    windows.shown = first;
    view.hints.clear();
    EXPECT_TRUE(flow.ShowResults(doc, second, false, -1));
    EXPECT_TRUE(flow.ShowResults(doc, first, false, -1));
    EXPECT_EQ(windows.calls, (Texts{"forget", "focus", "focus"}));
    EXPECT_EQ(doc.GetCurrentSearch(), second);
    EXPECT_EQ(view.hints, (std::vector<int>{kHintSelectSearch}));
    // A results window without its view shows nothing.
    windows.hasView = false;
    EXPECT_FALSE(flow.ShowResults(doc, first, false, -1));
}

TEST_F(SearchRunFlowTest, AWatchRunsItsCollectedSearchesAndAlwaysAnswersTrue) {
    CMarkList marks;
    CSearchList searches;
    doc.SetWatchContents(marks, searches);
    EXPECT_TRUE(flow.RunSearch(doc, 2, true));
    EXPECT_EQ(windows.calls, (Texts{"watch collected 2"}));
    EXPECT_EQ(messages.Texts(), (Texts{"U206 No marks found"}));
}

} // namespace
