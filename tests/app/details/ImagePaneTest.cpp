// The Device tab's geometry and images over a register of made-up images.

#include "app/details/ImagePane.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

// Marks by record number with their image counts; every request is recorded as
// "<index>@<width>x<height>" and answered with a PNG-less image whose size says what was asked.
class CFakeImages : public IMarkImages {
public:
    int CountImages(const CMark& mark) override { return counts[mark.GetRecordNumber()]; }
    bool GetImage(const CMark&, int index, CImageSize size, CPing& image) override {
        requests.push_back(std::to_string(index) + "@" + std::to_string(size.width) + "x" +
                           std::to_string(size.height));
        if (failing.count(index))
            return false;
        const std::uint8_t byte = static_cast<std::uint8_t>(index);
        return image.SetPngData(&byte, 1, size.width, size.height);
    }

    std::map<std::uint32_t, int> counts{{1, 0}, {2, 1}, {5, 5}};
    std::set<int> failing;
    std::vector<std::string> requests;
};

constexpr int kScrollBar = 15;

class ImagePane : public ::testing::Test {
protected:
    // Three thumbnail cells wide.
    void Show(std::uint32_t record, CSize client = {3 * CImagePane::kCellStep + 10, 400}) {
        pane_.SetClientSize(client, kScrollBar);
        images_.requests.clear();
        pane_.ShowMark(CMark(record, 'u', 0, 0));
    }

    CFakeImages images_;
    CImagePane pane_{images_};
};

TEST_F(ImagePane, AMarkWithoutDeviceAsksForNoImage) {
    Show(1);
    EXPECT_EQ(pane_.GetImageCount(), 0);
    EXPECT_TRUE(images_.requests.empty());
    EXPECT_EQ(pane_.GetImage(), nullptr);
    pane_.SetClientSize({500, 500}, kScrollBar);
    EXPECT_TRUE(images_.requests.empty());
}

TEST_F(ImagePane, OneImageFillsThePaneWithoutStrip) {
    Show(2);
    EXPECT_FALSE(pane_.HasStrip());
    EXPECT_EQ(pane_.GetImageRect(), (CRect{0, 0, 322, 400}));
    EXPECT_EQ(images_.requests, (std::vector<std::string>{"0@322x400"}));
    ASSERT_NE(pane_.GetImage(), nullptr);
    EXPECT_TRUE(pane_.GetStripCells().empty());
    EXPECT_FALSE(pane_.Click({10, 10}));

    // A new size asks for the image at that size; a failed request leaves no image.
    images_.failing = {0};
    pane_.SetClientSize({200, 150}, kScrollBar);
    EXPECT_EQ(images_.requests.back(), "0@200x150");
    EXPECT_EQ(pane_.GetImage(), nullptr);
}

TEST_F(ImagePane, FiveImagesInAStripThreeCellsWide) {
    images_.failing = {3};
    Show(5);
    EXPECT_EQ(images_.requests, (std::vector<std::string>{"0@96x96", "1@96x96", "2@96x96",
                                                          "3@96x96", "4@96x96", "0@322x279"}));
    EXPECT_EQ(pane_.GetThumbnail(3), nullptr);
    EXPECT_NE(pane_.GetThumbnail(4), nullptr);
    EXPECT_EQ(pane_.GetVisibleCells(), 3);
    EXPECT_EQ(pane_.GetScrollBarRect(), (CRect{0, 106, 322, 121}));

    // Cells are drawn while they start within the width: the fourth partly.
    const std::vector<CImagePane::CStripCell> cells = pane_.GetStripCells();
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].outline, (CRect{4, 2, 102, 104}));
    EXPECT_EQ(cells[3].outline, (CRect{316, 2, 414, 104}));
    EXPECT_TRUE(cells[0].selected);
    EXPECT_FALSE(cells[1].selected);

    // Scrolling stays within 0 .. count - visible.
    EXPECT_FALSE(pane_.Scroll(EStripScroll::LineLeft));
    EXPECT_TRUE(pane_.Scroll(EStripScroll::PageRight));
    EXPECT_EQ(pane_.GetFirstVisible(), 2);
    EXPECT_FALSE(pane_.Scroll(EStripScroll::LineRight));
    EXPECT_TRUE(pane_.Scroll(EStripScroll::Thumb, 1));
    EXPECT_TRUE(pane_.Scroll(EStripScroll::LeftEdge));
    EXPECT_TRUE(pane_.Scroll(EStripScroll::RightEdge));
    EXPECT_EQ(pane_.GetFirstVisible(), 2);
    EXPECT_TRUE(pane_.Scroll(EStripScroll::Thumb, -4));
    EXPECT_EQ(pane_.GetFirstVisible(), 0);
    EXPECT_EQ(pane_.GetStripCells().back().index, 3);
}

TEST_F(ImagePane, AClickOnAnotherThumbnailShowsItsImage) {
    Show(5);
    pane_.Scroll(EStripScroll::LineRight);
    const unsigned generation = pane_.GetGeneration();
    images_.requests.clear();
    // Second cell of the scrolled strip: image 2.
    EXPECT_TRUE(pane_.Click({1 + CImagePane::kCellStep + 5, 50}));
    EXPECT_EQ(pane_.GetSelected(), 2);
    EXPECT_EQ(images_.requests, (std::vector<std::string>{"2@322x279"}));
    EXPECT_NE(pane_.GetGeneration(), generation);
    // The selected one again, below the strip or past the last image: nothing.
    EXPECT_FALSE(pane_.Click({1 + CImagePane::kCellStep + 5, 50}));
    EXPECT_FALSE(pane_.Click({10, CImagePane::kStripHeight}));
    pane_.SetClientSize({6 * CImagePane::kCellStep + 2, 400}, kScrollBar);
    EXPECT_FALSE(pane_.Click({1 + 5 * CImagePane::kCellStep, 50}));
    EXPECT_EQ(images_.requests.size(), 2u);
}

TEST_F(ImagePane, AllThumbnailsInViewNeedNoScrollBar) {
    Show(5, {5 * CImagePane::kCellStep, 300});
    EXPECT_EQ(pane_.GetVisibleCells(), 5);
    EXPECT_EQ(pane_.GetScrollBarRect().Height(), 0);
    EXPECT_EQ(pane_.GetImageRect(), (CRect{0, 106, 520, 300}));
    // Narrower than a cell still shows one.
    pane_.SetClientSize({50, 300}, kScrollBar);
    EXPECT_EQ(pane_.GetVisibleCells(), 1);
}

} // namespace
