#include "report/print/DeviceLayout.h"

#include "report/print/PrintRegisters.h"

#include <algorithm>

void CDeviceLayout::Build(IPrintDb& db, const CMark& mark, int width, int box, int gap) {
    Clear();
    // A row holds at least one image, so a box wider than the column would print past it.
    box_ = std::min(box, width);
    box = box_;
    gap_ = gap;
    const int count = db.GetImageCount(mark);
    std::vector<CDeviceLayoutItem> row;
    int x = 0;
    for (int index = 0; index < count; ++index) {
        CSize size;
        if (!GetImageSize(db, mark, index, box, size))
            continue;
        ++imageCount_;
        if (!row.empty() && x + size.width > width) {
            CloseRow(row);
            x = 0;
        }
        row.push_back({index, x, 0, size.width, size.height});
        x += gap + size.width;
    }
    if (!row.empty())
        CloseRow(row);
    built_ = true;
}

void CDeviceLayout::SetSingle(int size, int gap) {
    Clear();
    box_ = size;
    gap_ = gap;
    rows_.push_back({{CDeviceLayoutItem::kIcon, 0, 0, size, size}});
    built_ = true;
}

void CDeviceLayout::Clear() {
    rows_.clear();
    imageCount_ = 0;
    box_ = 0;
    gap_ = 0;
    built_ = false;
}

bool CDeviceLayout::GetImageSize(IPrintDb& db, const CMark& mark, int index, int box, CSize& size) {
    CPing image;
    if (!db.GetImage(mark, index, box, image) || image.GetWidth() == 0 || image.GetHeight() == 0)
        return false;
    const double across = static_cast<double>(box) / image.GetWidth();
    const double down = static_cast<double>(box) / image.GetHeight();
    size = {box, box};
    if (across > down)
        size.width = std::min(box, static_cast<int>(image.GetWidth() * down));
    else if (down > across)
        size.height = std::min(box, static_cast<int>(image.GetHeight() * across));
    return true;
}

int CDeviceLayout::GetTotalHeight() const {
    int height = 0;
    for (int row = 0; row < GetRowCount(); ++row)
        height += gap_ + GetRowHeight(row);
    return height;
}

int CDeviceLayout::GetRowHeight(int row) const {
    if (row < 0 || row >= GetRowCount())
        return 0;
    int height = 0;
    for (const CDeviceLayoutItem& item : rows_[row])
        height = std::max(height, item.height);
    return height;
}

void CDeviceLayout::CloseRow(std::vector<CDeviceLayoutItem>& row) {
    int height = 0;
    for (const CDeviceLayoutItem& item : row)
        height = std::max(height, item.height);
    for (CDeviceLayoutItem& item : row)
        item.y = height - item.height;
    rows_.push_back(std::move(row));
    row.clear();
}
