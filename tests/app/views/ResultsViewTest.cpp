// The results view over a real document: its labels, the switch to another search (which ends
// the review of the one it leaves), stepping between searches, hiding previously found marks,
// closing, and where its window goes.

#include "ViewFixture.h"
#include "app/views/ResultsView.h"

namespace {

class CRecordingFrame : public IResultsFrame {
public:
    void ShowLabels(const CResultsLabels& shown) override { labels = shown; }
    void ShowTitle(const std::string& shown) override { title = shown; }
    CResultsLabels labels;
    std::string title;
};

class ResultsViewTest : public ViewFixture {
protected:
    CResultsView& Open(int searchId, bool showPreviouslyFound = false) {
        doc.SelectSearch(searchId);
        results_ = std::make_unique<CResultsView>(context, window, frame_);
        doc.AddView(results_.get());
        results_->OpenOnCurrentSearch(showPreviouslyFound);
        return *results_;
    }
    void TearDown() override {
        if (results_)
            doc.RemoveView(results_.get());
    }
    // The marks of the kept list: the permanently kept ones.
    int KeptCount() const { return doc.CountMarks(MakeSectionFilter(0, false)); }

    CRecordingFrame frame_;
    std::unique_ptr<CResultsView> results_;
};

TEST_F(ResultsViewTest, LabelsCountTheVisibleMarksAndPlaceTheSearch) {
    doc.SetSectionCount(4);
    doc.AddSearch(MakeRunSearch(1, "u", 1, 0));
    const int empty = doc.AddSearch(MakeRunSearch(1, "u", 2, 0));
    const int many = doc.AddSearch(MakeRunSearch(1, "u", 3, 40));
    doc.AddSearch(MakeRunSearch(2, "u", 4, 1));
    for (std::uint32_t record = 1; record <= 40; ++record)
        doc.AddMark(record * 16, 'u', 1, many, 0, 0);

    Open(empty);
    EXPECT_EQ(frame_.labels, (CResultsLabels{"Section 2 of 4", "Search 2 of 3", "No marks found"}));
    EXPECT_EQ(frame_.title, "Search Results");

    window.rect = {0, 0, 600, 12 * kWordRowHeight + 10};
    doc.SelectSearch(many);
    EXPECT_EQ(frame_.labels, (CResultsLabels{"Section 2 of 4", "Search 3 of 3",
                                             "Marks 1 to 12 of 40"}));
    results_->OnVScroll(EScrollCode::Bottom, 0);
    EXPECT_EQ(frame_.labels.marks, "Marks 29 to 40 of 40");
    window.rect = {0, 0, 600, 50};
    results_->OnVScroll(EScrollCode::Top, 0);
    EXPECT_EQ(frame_.labels.marks, "Mark 1 of 40");

    // A search the document does not list has no place.
    doc.SelectSearch(77);
    EXPECT_EQ(frame_.labels, (CResultsLabels{"", "", "No marks found"}));
    EXPECT_FALSE(results_->IsEnabled(EResultsCommand::NextSearch));
    EXPECT_FALSE(results_->IsEnabled(EResultsCommand::PreviousSearch));
}

TEST_F(ResultsViewTest, HidingPreviouslyFoundMarksCanLeaveNoNewOnes) {
    user.SetHideDuplicates(true);
    const int first = doc.AddSearch(MakeRunSearch(0, "u", 1, 1));
    const int again = doc.AddSearch(MakeRunSearch(0, "u", 2, 1));
    AddMarks('u', {16}, 0, first, 0);
    AddMarks('u', {16}, 0, again, 0);
    CResultsView& results = Open(again);
    EXPECT_TRUE(results.IsChecked(EResultsCommand::HidePreviouslyFound));
    EXPECT_EQ(frame_.labels.marks, "No new marks found");
    results.Run(EResultsCommand::HidePreviouslyFound);
    EXPECT_EQ(frame_.labels.marks, "Mark 1 of 1");
    // Showing previously found marks when the window opens.
    Open(again, true);
    EXPECT_FALSE(results_->GetHidePreviouslyFound());
    EXPECT_EQ(results_->GetMarkCount(), 1);
}

TEST_F(ResultsViewTest, LeavingASearchCommitsWhatItsReviewKept) {
    const int first = doc.AddSearch(MakeRunSearch(0, "u", 1, 2));
    const int second = doc.AddSearch(MakeRunSearch(0, "u", 2, 1));
    AddMarks('u', {16, 32}, 0, first, 0);
    AddMarks('u', {48}, 0, second, 0);
    CResultsView& results = Open(first);
    results.SelectRow(1, 0);
    results.Run(EResultsCommand::KeepSelection);
    EXPECT_EQ(KeptCount(), 0);

    ASSERT_TRUE(results.IsEnabled(EResultsCommand::NextSearch));
    EXPECT_FALSE(results.IsEnabled(EResultsCommand::PreviousSearch));
    results.Run(EResultsCommand::NextSearch);
    EXPECT_EQ(host.runs, (std::vector<std::string>{std::to_string(second)}));
    doc.SelectSearch(second);
    EXPECT_EQ(results.GetShownSearchId(), second);
    EXPECT_EQ(KeptCount(), 1);
    EXPECT_EQ(doc.GetMark(IndexOf(32)).GetFlags(), CMark::kPermanentKeep);
    EXPECT_FALSE(results.IsEnabled(EResultsCommand::NextSearch));

    // Closing commits too.
    results.Run(EResultsCommand::KeepAll);
    results.Close();
    EXPECT_EQ(KeptCount(), 2);
}

TEST(ResultsWindowRect, TheRightHalfOfTheWorkAreaButAtLeast500) {
    EXPECT_EQ(ResultsWindowRect({0, 20, 1280, 1000}), (CRect{640, 20, 1280, 1000}));
    EXPECT_EQ(ResultsWindowRect({100, 0, 900, 600}), (CRect{400, 0, 900, 600}));
    EXPECT_EQ(ResultsWindowRect({0, 0, 400, 300}), (CRect{0, 0, 400, 300}));
}

} // namespace
