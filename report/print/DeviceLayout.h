#pragma once
// A printed mark's device images, each scaled into a square box, flowed left to right into rows
// no wider than the text column: each row is as tall as its tallest image, and the images in it
// sit on its bottom. The print layout splits items between whole rows.

#include "core/DrawSurface.h"
#include "core/Mark.h"

#include <vector>

class IPrintDb;

struct CDeviceLayoutItem {
    // The image's number; kIcon for the register's icon.
    int imageIndex = 0;
    // Within the row, device units.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    static constexpr int kIcon = -1;

    bool operator==(const CDeviceLayoutItem&) const = default;
};

class CDeviceLayout {
public:
    CDeviceLayout() = default;
    CDeviceLayout(const CDeviceLayout&) = default;
    CDeviceLayout& operator=(const CDeviceLayout&) = default;
    virtual ~CDeviceLayout() = default;

    // Flows the mark's images into rows of at most `width`, `gap` between images and above
    // each row; the box is no wider than the rows. An image whose size cannot be had is left
    // out without a gap.
    void Build(IPrintDb& db, const CMark& mark, int width, int box, int gap);
    // One row holding the register's icon, size by size.
    void SetSingle(int size, int gap);
    void Clear();

    // The size of image `index` scaled to fill the box without changing its shape; false when
    // the register has no such image or it has no size.
    static bool GetImageSize(IPrintDb& db, const CMark& mark, int index, int box, CSize& size);

    bool IsBuilt() const { return built_; }
    int GetImageCount() const { return imageCount_; }
    // The square the images were scaled into.
    int GetBox() const { return box_; }
    int GetGap() const { return gap_; }
    // Each row with the gap above it.
    int GetTotalHeight() const;
    int GetRowCount() const { return static_cast<int>(rows_.size()); }
    // 0 for a row that does not exist.
    int GetRowHeight(int row) const;
    const std::vector<CDeviceLayoutItem>& GetRow(int row) const { return rows_.at(row); }

private:
    void CloseRow(std::vector<CDeviceLayoutItem>& row);

    std::vector<std::vector<CDeviceLayoutItem>> rows_;
    int imageCount_ = 0;
    int box_ = 0;
    int gap_ = 0;
    bool built_ = false;
};
