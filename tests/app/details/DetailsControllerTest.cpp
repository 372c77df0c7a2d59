// A details window's list, keeping and storing over an examination in memory.

#include "app/details/DetailsController.h"

#include "DocFixture.h"
#include "registers/ZrDbs.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kPermanent = CMark::kPermanentKeep;

class CFakeOpeningView : public IOpeningView {
public:
    int GetDetailsMode() const override { return mode; }
    int GetHighlightSearchId() const override { return 0; }
    void OnDetailsClosed() override { ++closed; }

    int mode = 1;
    int closed = 0;
};

class DetailsController : public DocFixture, public IDetailsPanes {
protected:
    void ShowMark(const CMark& mark, int mode) override {
        shown.push_back(mark.GetRecordNumber());
        EXPECT_EQ(mode, controller.GetMode());
    }
    // Marks 1 to n of the UK register in section 0 with the flags.
    void AddMarks(int n, std::uint32_t flags, int searchId = 0) {
        for (int i = 1; i <= n; ++i)
            doc.AddMark(static_cast<std::uint32_t>(i), 'u', 0, searchId, 0, flags);
    }
    std::vector<std::uint32_t> Flags() const {
        std::vector<std::uint32_t> flags;
        for (int i = 0; i < doc.GetMarkCount(); ++i)
            flags.push_back(doc.GetMark(i).GetFlags());
        return flags;
    }

    CZrDbs table;
    std::vector<std::uint32_t> shown;
    CDetailsController controller{doc, table, *this};
};

TEST_F(DetailsController, StepsThroughTheListWithinItsEnds) {
    AddMarks(3, kPermanent);
    const CFilter list = MakeSectionFilter(0, false);
    EXPECT_FALSE(controller.ShowFilterMark(list, 3));
    EXPECT_FALSE(controller.CanNext());
    ASSERT_TRUE(controller.ShowFilterMark(list, 0));
    EXPECT_FALSE(controller.CanPrevious());
    EXPECT_TRUE(controller.CanNext());
    controller.Next();
    controller.Next();
    EXPECT_FALSE(controller.CanNext());
    controller.Next();
    EXPECT_EQ(controller.GetListIndex(), 2);
    controller.Previous();
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{1, 2, 3, 2}));

    // A list of one mark.
    ASSERT_TRUE(controller.ShowFilterMark(MakeRegisterFilter('u', false), 0));
    doc.AddMark(9, 'c', 0, 0, 0, kPermanent);
    ASSERT_TRUE(controller.ShowFilterMark(MakeRegisterFilter('c', false), 0));
    EXPECT_FALSE(controller.CanPrevious());
    EXPECT_FALSE(controller.CanNext());
}

TEST_F(DetailsController, KeepsAndDiscardsOnlyWhereTheViewAllowsIt) {
    AddMarks(2, 0, 5);
    doc.AddMark(3, 'u', 0, 5, 0, kPermanent);
    CFakeOpeningView results;
    controller.SetOpeningView(&results);
    ASSERT_TRUE(controller.ShowFilterMark(MakeSearchIdFilter(5, false, true), 0));
    controller.Discard();
    controller.Keep();
    controller.Keep();
    EXPECT_EQ(Flags(), (std::vector<std::uint32_t>{CMark::kKept, 0, kPermanent}));
    EXPECT_EQ(view.hints, (std::vector<int>{CDetailsController::kHintKeptChanged}));
    EXPECT_TRUE(doc.IsModified());
    controller.Discard();
    EXPECT_EQ(Flags()[0], 0u);
    // A mark kept for good stays kept.
    controller.Next();
    controller.Next();
    controller.Discard();
    EXPECT_EQ(Flags()[2], kPermanent);

    // From the main view (mode 0) neither does anything.
    CFakeOpeningView mainView;
    mainView.mode = 0;
    controller.SetOpeningView(&mainView);
    controller.ShowFilterMark(MakeSearchIdFilter(5, false, true), 1);
    controller.Keep();
    EXPECT_EQ(Flags(), (std::vector<std::uint32_t>{0, 0, kPermanent}));
    EXPECT_EQ(view.hints.size(), 2u);
}

TEST_F(DetailsController, AMarkDeletedBeforeTheShownOneIsNotOverwritten) {
    AddMarks(3, kPermanent);
    const CFilter list = MakeSectionFilter(0, false);
    ASSERT_TRUE(controller.ShowFilterMark(list, 1));
    // The main view deletes the first mark from the kept list.
    doc.SetMark(0, CMark(1, 'u', 0, 0), 1024);
    CMark shownMark;
    ASSERT_TRUE(controller.ReloadMark(shownMark));
    EXPECT_EQ(shownMark.GetRecordNumber(), 2u);
    shownMark.ToggleLong();
    controller.StoreMark(shownMark, CDetailsController::kHintLongChanged);
    EXPECT_EQ(Flags(), (std::vector<std::uint32_t>{0, kPermanent | CMark::kLong, kPermanent}));
    controller.StoreViewedMark(CMark(2, 'u', 0, 0, 0, kPermanent | CMark::kLong | 0x80));
    EXPECT_EQ(Flags()[2], kPermanent);

    // The shown mark itself deleted: nothing is stored, and Next goes to the mark that took its
    // place.
    doc.SetMark(1, CMark(2, 'u', 0, 0), 1024);
    EXPECT_FALSE(controller.ReloadMark(shownMark));
    controller.StoreMark(CMark(2, 'u', 0, 0, 0, kPermanent | CMark::kKept), 1);
    controller.StoreViewedMark(CMark(2, 'u', 0, 0, 0, 0x80));
    EXPECT_EQ(Flags(), (std::vector<std::uint32_t>{0, 0, kPermanent}));
    controller.Next();
    EXPECT_EQ(shown.back(), 3u);
}

TEST_F(DetailsController, ViewAllDetailsEndsWhenTheWindowCloses) {
    AddMarks(4, kPermanent);
    auto held = std::make_shared<CDetailsController>(doc, table, *this);
    held->ShowFilterMark(MakeSectionFilter(0, false), 0);
    shown.clear();
    int dispatched = 0;
    CDetailsController::ViewAllDetails(held, [&] {
        if (++dispatched == 2)
            held.reset();
        return true;
    });
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{1, 2}));

    // A quit ends it as well.
    held = std::make_shared<CDetailsController>(doc, table, *this);
    held->ShowFilterMark(MakeSectionFilter(0, false), 3);
    shown.clear();
    CDetailsController::ViewAllDetails(held, [] { return false; });
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{1}));
}

TEST_F(DetailsController, AMarkOfNoRegisterIsTitledByItsLetter) {
    doc.AddMark(1, 'x', 0, 0, 0, kPermanent);
    ASSERT_TRUE(controller.ShowFilterMark(MakeKeptFilter(false, false), 0));
    EXPECT_EQ(controller.GetTitle(), "'x' ");
}

} // namespace
