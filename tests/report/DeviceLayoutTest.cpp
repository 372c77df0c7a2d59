#include "report/print/DeviceLayout.h"

#include "report/print/PrintRegisters.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

// A register whose marks all have the same images, of the sizes given; an image without size
// is one the register answers with no size, a missing one it cannot give at all.
class CImagesDb : public IPrintDb {
public:
    explicit CImagesDb(std::vector<std::optional<CSize>> sizes) : sizes_(std::move(sizes)) {}

    std::string GetShortName() const override { return "UK"; }
    std::string GetLongName() const override { return "UK Trade Marks"; }
    std::vector<std::string> GetSummaryLines(const CMark&) override { return {}; }
    std::string GetWordMark(const CMark&, bool&) override { return ""; }
    std::string GetClasses(const CMark&) override { return ""; }
    std::string GetMarkAppNum(const CMark&) override { return ""; }
    bool HasRecord(const CMark&) override { return true; }
    void FetchSummaries(std::span<const CMark>) override {}
    void PresentRecord(const CMark&, CPresenter&, std::uint32_t) override {}
    int GetImageCount(const CMark&) override { return static_cast<int>(sizes_.size()); }
    bool GetImage(const CMark&, int index, int box, CPing& image) override {
        boxes.push_back(box);
        if (!sizes_.at(index))
            return false;
        const std::uint8_t png[] = {0x89, 'P', 'N', 'G'};
        return image.SetPngData(png, sizeof png, sizes_[index]->width, sizes_[index]->height);
    }
    bool GetIcon(const CMark&, CPing&) override { return false; }
    std::string GetImageStyle(const CMark&) override { return ""; }

    std::vector<int> boxes;

private:
    std::vector<std::optional<CSize>> sizes_;
};

const CMark kMark(7, 'u', 0, 0);

CSize Fitted(CSize image, int box) {
    CImagesDb db({image});
    CSize size;
    EXPECT_TRUE(CDeviceLayout::GetImageSize(db, kMark, 0, box, size));
    return size;
}

TEST(DeviceLayout, ImagesKeepTheirShapeInTheBoxAndSmallOnesGrowToIt) {
    EXPECT_EQ(Fitted({300, 150}, 90), (CSize{90, 45}));
    EXPECT_EQ(Fitted({150, 300}, 90), (CSize{45, 90}));
    EXPECT_EQ(Fitted({30, 15}, 90), (CSize{90, 45}));
    EXPECT_EQ(Fitted({40, 40}, 90), (CSize{90, 90}));
    EXPECT_EQ(Fitted({1000, 3}, 90), (CSize{90, 0}));
}

TEST(DeviceLayout, ImagesFlowIntoRowsNoWiderThanTheColumn) {
    CImagesDb db({CSize{100, 100}, CSize{100, 100}, CSize{100, 100}});
    CDeviceLayout layout;
    layout.Build(db, kMark, 250, 100, 10);
    EXPECT_EQ(db.boxes, (std::vector<int>{100, 100, 100}));
    ASSERT_EQ(layout.GetRowCount(), 2);
    EXPECT_EQ(layout.GetRow(0),
              (std::vector<CDeviceLayoutItem>{{0, 0, 0, 100, 100}, {1, 110, 0, 100, 100}}));
    EXPECT_EQ(layout.GetRow(1), (std::vector<CDeviceLayoutItem>{{2, 0, 0, 100, 100}}));
    EXPECT_EQ(layout.GetImageCount(), 3);
    EXPECT_EQ(layout.GetTotalHeight(), 220);
    // A column exactly two images and their gap wide holds both.
    layout.Build(db, kMark, 210, 100, 10);
    EXPECT_EQ(layout.GetRowCount(), 2);
    layout.Build(db, kMark, 209, 100, 10);
    EXPECT_EQ(layout.GetRowCount(), 3);
}

TEST(DeviceLayout, ABoxWiderThanTheColumnShrinksToIt) {
    CImagesDb db({CSize{100, 50}, CSize{100, 100}});
    CDeviceLayout layout;
    layout.Build(db, kMark, 80, 200, 10);
    EXPECT_EQ(db.boxes, (std::vector<int>{80, 80}));
    EXPECT_EQ(layout.GetBox(), 80);
    ASSERT_EQ(layout.GetRowCount(), 2);
    EXPECT_EQ(layout.GetRow(0), (std::vector<CDeviceLayoutItem>{{0, 0, 0, 80, 40}}));
    EXPECT_EQ(layout.GetRow(1), (std::vector<CDeviceLayoutItem>{{1, 0, 0, 80, 80}}));
}

TEST(DeviceLayout, ImagesWithoutSizeAreLeftOutWithoutAGap) {
    CImagesDb db({CSize{100, 100}, std::nullopt, CSize{0, 50}, CSize{100, 100}});
    CDeviceLayout layout;
    layout.Build(db, kMark, 250, 100, 10);
    ASSERT_EQ(layout.GetRowCount(), 1);
    EXPECT_EQ(layout.GetRow(0),
              (std::vector<CDeviceLayoutItem>{{0, 0, 0, 100, 100}, {3, 110, 0, 100, 100}}));
    EXPECT_EQ(layout.GetImageCount(), 2);
}

TEST(DeviceLayout, ImagesSitOnTheBottomOfARowAsTallAsTheTallest) {
    CImagesDb db({CSize{60, 40}, CSize{60, 60}, CSize{60, 20}});
    CDeviceLayout layout;
    layout.Build(db, kMark, 1000, 60, 5);
    ASSERT_EQ(layout.GetRowCount(), 1);
    EXPECT_EQ(layout.GetRowHeight(0), 60);
    EXPECT_EQ(layout.GetRow(0), (std::vector<CDeviceLayoutItem>{
                                    {0, 0, 20, 60, 40}, {1, 65, 0, 60, 60}, {2, 130, 40, 60, 20}}));
    EXPECT_EQ(layout.GetRowHeight(1), 0);
    EXPECT_EQ(layout.GetRowHeight(-1), 0);
}

TEST(DeviceLayout, AnIconIsOneRowOfOneSquareAndClearingEmptiesTheLayout) {
    CDeviceLayout layout;
    layout.SetSingle(64, 5);
    ASSERT_EQ(layout.GetRowCount(), 1);
    EXPECT_EQ(layout.GetRow(0),
              (std::vector<CDeviceLayoutItem>{{CDeviceLayoutItem::kIcon, 0, 0, 64, 64}}));
    EXPECT_EQ(layout.GetTotalHeight(), 69);
    EXPECT_EQ(layout.GetImageCount(), 0);
    layout.Clear();
    EXPECT_FALSE(layout.IsBuilt());
    EXPECT_EQ(layout.GetRowCount(), 0);
    EXPECT_EQ(layout.GetTotalHeight(), 0);
}

} // namespace
