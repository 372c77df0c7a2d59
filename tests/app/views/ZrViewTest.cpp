// The view base and its displays, through the results and main views over a real document:
// selection, layout of rows of two heights, the icon grid, the wheel, the keys, clicks on boxes,
// bulk flags and marks of unknown registers.

#include "ViewFixture.h"
#include "app/views/MainView.h"
#include "app/views/ResultsView.h"

namespace {

using Hints = std::vector<int>;
using Rows = std::set<int>;

class CNullResultsFrame : public IResultsFrame {
public:
    void ShowLabels(const CResultsLabels& shown) override { labels = shown; }
    void ShowTitle(const std::string&) override {}
    CResultsLabels labels;
};

class NullMainFrame : public IMainViewFrame {
public:
    void LayOut() override {}
    void RedrawFrame() override {}
};

class ZrViewTest : public ViewFixture {
protected:
    // A run search of section 0 whose marks are the records, results open on it.
    CResultsView& OpenResults(std::initializer_list<std::uint32_t> records,
                              std::uint32_t flags = 0) {
        const int id = doc.AddSearch(MakeRunSearch(0, "u", 1, static_cast<int>(records.size())));
        AddMarks('u', records, 0, id, flags);
        doc.SelectSearch(id);
        results_ = std::make_unique<CResultsView>(context, window, frame_);
        doc.AddView(results_.get());
        results_->OpenOnCurrentSearch(true);
        view.hints.clear();
        return *results_;
    }
    // The first point of row r of a list of rows all kWordRowHeight high, off the box.
    static CPoint InRow(int row) { return {20, row * kWordRowHeight + 10}; }
    void TearDown() override {
        if (results_)
            doc.RemoveView(results_.get());
    }

    CNullResultsFrame frame_;
    std::unique_ptr<CResultsView> results_;
};

TEST_F(ZrViewTest, ClicksSelectWithControlShiftAndPendingClicks) {
    window.rect = {0, 0, 600, 800};
    CResultsView& results = OpenResults({2, 4, 6, 16, 18, 20, 22, 32});
    ASSERT_EQ(results.GetMarkCount(), 8);
    results.OnLButtonDown(0, InRow(2));
    results.OnLButtonDown(CRowSelection::kControl, InRow(5));
    EXPECT_EQ(results.GetSelectedRows(), (Rows{2, 5}));
    results.OnLButtonDown(CRowSelection::kShift, InRow(7));
    EXPECT_EQ(results.GetSelectedRows(), (Rows{5, 6, 7}));
    results.OnLButtonDown(CRowSelection::kShift | CRowSelection::kControl, InRow(3));
    EXPECT_EQ(results.GetSelectedRows(), (Rows{3, 4, 5, 6, 7}));
    results.OnLButtonDown(CRowSelection::kControl, InRow(4));
    EXPECT_EQ(results.GetSelectedRows(), (Rows{3, 5, 6, 7}));

    // A plain click on a selected row waits for the release: a drag keeps the selection.
    results.OnLButtonDown(0, InRow(6));
    EXPECT_EQ(results.GetSelectedRows(), (Rows{3, 5, 6, 7}));
    results.CompleteClick(true);
    EXPECT_EQ(results.GetSelectedRows(), (Rows{3, 5, 6, 7}));
    results.OnLButtonDown(0, InRow(6));
    results.CompleteClick(false);
    EXPECT_EQ(results.GetSelectedRows(), (Rows{6}));
    EXPECT_EQ(results.GetFocusRow(), 6);

    // Below the last row nothing is hit and the selection goes.
    results.OnLButtonDown(0, InRow(9));
    EXPECT_EQ(results.GetSelectionCount(), 0);
    EXPECT_EQ(results.GetFocusRow(), -1);
}

TEST_F(ZrViewTest, RowsOfTwoHeightsPageScrollAndHitByTheirOwnHeights) {
    // Word, device, word, ...: 64, 99, 64, 99, ... in a draw area of 400.
    CResultsView& results = OpenResults({16, 24, 32, 40, 48, 56, 64, 72, 80, 88});
    auto& list = dynamic_cast<CZrListView&>(results.GetSubView());
    ASSERT_EQ(list.RowHeight(0), kWordRowHeight);
    ASSERT_EQ(list.RowHeight(1), kDeviceRowHeight);
    // From the end: 99 + 64 + 99 + 64 = 326 fits, with 99 more it does not.
    EXPECT_EQ(list.FirstForBottom(10), 6);
    EXPECT_EQ(list.VisibleCountFrom(0), 5);
    EXPECT_EQ(window.scrollBar, (std::vector<int>{9, 4, 0}));

    list.EnsureVisible(7);
    EXPECT_EQ(list.GetFirstVisible(), 4);
    EXPECT_EQ(window.scrolls, (std::vector<int>{-(64 + 99 + 64 + 99)}));
    EXPECT_EQ(frame_.labels.marks, "Marks 5 to 9 of 10");
    CRect rect;
    EXPECT_EQ(list.HitTest({5, 100}, &rect), 5);
    EXPECT_EQ(rect, (CRect{0, 64, 600, 163}));

    list.EnsureVisible(9);
    EXPECT_EQ(list.GetFirstVisible(), 6);
    results.OnVScroll(EScrollCode::PageUp, 0);
    EXPECT_EQ(list.GetFirstVisible(), list.FirstForBottom(6));
    results.OnVScroll(EScrollCode::ThumbTrack, 99);
    EXPECT_EQ(list.GetFirstVisible(), 6);
    results.OnVScroll(EScrollCode::Top, 0);
    EXPECT_EQ(list.GetFirstVisible(), 0);

    // A single row taller than the area still counts as the page's last.
    window.rect = {0, 0, 600, 50};
    EXPECT_EQ(list.FirstForBottom(10), 9);
    EXPECT_EQ(list.VisibleCountFrom(1), 1);
}

TEST_F(ZrViewTest, IconColumnsFromFiveToThreeKeepTheMiddleOfTheTopRow) {
    std::vector<std::uint32_t> records;
    CResultsView& results = OpenResults({});
    const int id = results.GetShownSearchId();
    for (std::uint32_t record = 1; record <= 100; ++record)
        doc.AddMark(record * 16, 'u', 0, id, 0, 0);
    window.rect = {0, 0, 5 * 99, 400};
    results.Run(EResultsCommand::ShowIcons);
    results.Refresh();
    auto& icons = dynamic_cast<CZrIconView&>(results.GetSubView());
    ASSERT_EQ(icons.GetColumns(), 5);
    results.OnVScroll(EScrollCode::ThumbTrack, 4);
    ASSERT_EQ(icons.GetFirstGridRow(), 4);

    window.rect = {0, 0, 3 * 99 + 50, 400};
    results.OnSize();
    EXPECT_EQ(icons.GetColumns(), 3);
    // Mark 22, in the middle of the old top row 20-24, heads the middle of the new one.
    EXPECT_EQ(icons.GetFirstGridRow(), 7);
    EXPECT_EQ(icons.HitTest({99 + 5, 5}, nullptr), 22);
    EXPECT_EQ(icons.HitTest({3 * 99 + 5, 5}, nullptr), -1);
    EXPECT_EQ(window.scrollBar, (std::vector<int>{33, 3, 7}));

    // Keys move by one and by a row of columns.
    results.OnLButtonDown(0, {5, 5});
    results.OnKeyDown(EViewKey::Down, 0);
    results.OnKeyDown(EViewKey::Right, CRowSelection::kShift);
    EXPECT_EQ(results.GetSelectedRows(), (Rows{24, 25}));
}

TEST_F(ZrViewTest, TheWheelScrollsAWholeNotchOnlyAndNotWithModifiers) {
    OpenResults({2, 4, 6, 16, 18, 20, 22, 32, 34, 36, 38, 48, 50, 52});
    auto& list = dynamic_cast<CZrListView&>(results_->GetSubView());
    results_->OnMouseWheel(0, -60, 3);
    EXPECT_EQ(list.GetFirstVisible(), 0);
    results_->OnMouseWheel(0, -60, 3);
    EXPECT_EQ(list.GetFirstVisible(), 3);
    results_->OnMouseWheel(CRowSelection::kControl, -240, 3);
    EXPECT_EQ(list.GetFirstVisible(), 3);
    // Ten lines ask for more than there is: the last page ends it; nine lines up ask for more
    // than a page.
    results_->OnMouseWheel(0, -120, 10);
    EXPECT_EQ(list.GetFirstVisible(), list.FirstForBottom(14));
    results_->OnMouseWheel(0, 360, 3);
    EXPECT_EQ(list.GetFirstVisible(), list.FirstForBottom(list.FirstForBottom(14)));
}

TEST_F(ZrViewTest, ABoxClickKeepsWithASoundButNeverAPermanentlyKeptMark) {
    context.sounds = &sounds;
    CResultsView& results = OpenResults({2, 4});
    doc.AddMark(6, 'u', 0, results.GetShownSearchId(), 0, CMark::kPermanentKeep);
    results.Refresh();
    const CPoint box{600 - 10 * 10 + 5, 10};
    results.OnLButtonDown(0, box);
    EXPECT_TRUE(doc.GetMark(IndexOf(2)).HasFlag(CMark::kKept));
    results.OnLButtonDown(0, box);
    EXPECT_FALSE(doc.GetMark(IndexOf(2)).HasFlag(CMark::kKept));
    EXPECT_EQ(view.hints, (Hints{1, 1}));

    // Row 2 holds the permanently kept mark: nothing changes, nothing plays.
    results.OnLButtonDown(0, {box.x, box.y + 2 * kWordRowHeight});
    EXPECT_EQ(doc.GetMark(IndexOf(6)).GetFlags(), CMark::kPermanentKeep);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"ZRPro_Keep", "ZRPro_UnKeep"}));
    EXPECT_EQ(view.hints, (Hints{1, 1}));
    // 40 pixels right of the box still hits it; 41 do not.
    results.OnLButtonDown(0, {600 - 100 + 20 + 10 + 39, 10});
    results.OnLButtonDown(0, {600 - 100 + 20 + 10 + 40, 10});
    EXPECT_EQ(sounds.played.size(), 3u);
}

TEST_F(ZrViewTest, KeepingAndLongFormInBulkTellTheViewsOnce) {
    CResultsView& results = OpenResults({2, 4, 6, 16});
    results.OnLButtonDown(0, InRow(1));
    results.OnLButtonDown(CRowSelection::kShift, InRow(2));
    results.Run(EResultsCommand::KeepSelection);
    EXPECT_EQ(view.hints, (Hints{1}));
    EXPECT_TRUE(doc.GetMark(IndexOf(4)).HasFlag(CMark::kKept));
    EXPECT_FALSE(doc.GetMark(IndexOf(2)).HasFlag(CMark::kKept));
    results.Run(EResultsCommand::KeepAll);
    results.SetLongAll(true);
    EXPECT_EQ(view.hints, (Hints{1, 1, 2}));
    for (const std::uint32_t record : {2u, 4u, 6u, 16u})
        EXPECT_EQ(doc.GetMark(IndexOf(record)).GetFlags(), CMark::kKept | CMark::kLong) << record;
}

TEST_F(ZrViewTest, TheMainViewsBoxMakesAMarkLong) {
    AddMarks('u', {2, 4}, 0, 0, CMark::kPermanentKeep);
    NullMainFrame frame;
    CMainView main(context, window, frame);
    doc.AddView(&main);
    main.OnInitialUpdate();
    ASSERT_EQ(main.GetMarkCount(), 2);
    main.OnLButtonDown(0, {505, 10 + kWordRowHeight});
    EXPECT_EQ(doc.GetMark(IndexOf(4)).GetFlags(), CMark::kPermanentKeep | CMark::kLong);
    EXPECT_EQ(view.hints, (Hints{2}));
    doc.RemoveView(&main);
}

TEST_F(ZrViewTest, AMarkOfNoRegisterDrawsAnErrorRowAndHasNoBox) {
    CResultsView& results = OpenResults({2});
    doc.AddMark(7, 'Z', 0, results.GetShownSearchId(), 0, 0);
    results.Refresh();
    ASSERT_EQ(results.GetMarkCount(), 2);
    CRecordingSurface surface;
    results.Draw(surface, window.rect);
    const std::vector<std::string> calls = surface.DrawingCalls();
    const auto drew = [&calls](const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    };
    // The unknown code sorts first; the UK mark below it has no engine to ask.
    EXPECT_TRUE(drew("TextOut(125, 22, \"'Z' Mark not found in current database\")"));
    EXPECT_TRUE(drew("TextOut(210, 86, \"UK connection error\")"));
    EXPECT_TRUE(drew("FillRect(0, 128, 600, 400, #FFFFFF)"));
    results.OnLButtonDown(0, {505, 10});
    EXPECT_EQ(doc.GetMark(IndexOf(7)).GetFlags(), 0u);
}

TEST_F(ZrViewTest, EnterAndArrowsOnAnEmptyView) {
    CResultsView& results = OpenResults({});
    EXPECT_TRUE(results.OnKeyDown(EViewKey::Enter, 0));
    EXPECT_EQ(window.beeps, 1);
    EXPECT_TRUE(results.OnKeyDown(EViewKey::Down, 0));
    EXPECT_EQ(results.GetSelectionCount(), 0);
    EXPECT_EQ(frame_.labels.marks, "No marks found");
    // Without a details window Enter on one row beeps too; the command is off.
    AddMarks('u', {2}, 0, results.GetShownSearchId(), 0);
    results.Refresh();
    results.OnKeyDown(EViewKey::Down, 0);
    EXPECT_EQ(results.GetSelectedRows(), (Rows{0}));
    EXPECT_FALSE(results.IsEnabled(EResultsCommand::Details));
    results.OnKeyDown(EViewKey::Enter, 0);
    EXPECT_EQ(window.beeps, 2);
}

} // namespace
