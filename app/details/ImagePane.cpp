#include "app/details/ImagePane.h"

#include "registers/ZrDbs.h"

#include <algorithm>

int CRegisterImages::CountImages(const CMark& mark) {
    CZrDb* db = registers_.GetDbOfMark(mark);
    return db ? db->GetImageInfo(mark) : 0;
}

bool CRegisterImages::GetImage(const CMark& mark, int index, CImageSize size, CPing& image) {
    CZrDb* db = registers_.GetDbOfMark(mark);
    return db && db->GetImageEx(mark, index, size, image);
}

void CImagePane::ShowMark(const CMark& mark) {
    mark_ = mark;
    thumbnails_.clear();
    image_.reset();
    selected_ = 0;
    first_ = 0;
    count_ = images_.CountImages(mark);
    if (HasStrip()) {
        const CImageSize size{kThumbnailSize, kThumbnailSize};
        for (int i = 0; i < count_; ++i) {
            CPing thumbnail;
            if (images_.GetImage(mark, i, size, thumbnail))
                thumbnails_.emplace_back(std::move(thumbnail));
            else
                thumbnails_.emplace_back();
        }
    }
    if (count_ > 0)
        LoadImage();
    ++generation_;
}

void CImagePane::SetClientSize(CSize client, int scrollBarHeight) {
    client_ = client;
    scrollBarHeight_ = scrollBarHeight;
    first_ = std::clamp(first_, 0, std::max(0, count_ - GetVisibleCells()));
    if (count_ > 0) {
        LoadImage();
        ++generation_;
    }
}

int CImagePane::GetVisibleCells() const {
    return std::max(1, client_.width / kCellStep);
}

CRect CImagePane::GetScrollBarRect() const {
    const int top = GetStripHeight();
    const int height = GetVisibleCells() < count_ ? scrollBarHeight_ : 0;
    return {0, top, client_.width, top + height};
}

CRect CImagePane::GetImageRect() const {
    return {0, GetScrollBarRect().bottom, client_.width, client_.height};
}

std::vector<CImagePane::CStripCell> CImagePane::GetStripCells() const {
    std::vector<CStripCell> cells;
    if (!HasStrip())
        return cells;
    for (int index = first_, left = 2; index < count_ && left < client_.width;
         ++index, left += kCellStep) {
        const CRect cell{left, 0, left + kCellWidth, kStripHeight};
        cells.push_back({index, cell.Deflated(2, 2), index == selected_});
    }
    return cells;
}

bool CImagePane::Scroll(EStripScroll code, int position) {
    const int visible = GetVisibleCells();
    int first = first_;
    switch (code) {
    case EStripScroll::LineLeft:
        --first;
        break;
    case EStripScroll::LineRight:
        ++first;
        break;
    case EStripScroll::PageLeft:
        first -= visible;
        break;
    case EStripScroll::PageRight:
        first += visible;
        break;
    case EStripScroll::Thumb:
        first = position;
        break;
    case EStripScroll::LeftEdge:
        first = 0;
        break;
    case EStripScroll::RightEdge:
        first = count_;
        break;
    }
    first = std::clamp(first, 0, std::max(0, count_ - visible));
    if (first == first_)
        return false;
    first_ = first;
    return true;
}

bool CImagePane::Click(CPoint point) {
    if (!HasStrip() || point.y < 0 || point.y >= kStripHeight)
        return false;
    const int index = (point.x - 1) / kCellStep + first_;
    if (index < 0 || index >= count_ || index == selected_)
        return false;
    selected_ = index;
    LoadImage();
    ++generation_;
    return true;
}

const CPing* CImagePane::GetThumbnail(int index) const {
    if (index < 0 || index >= static_cast<int>(thumbnails_.size()) || !thumbnails_[index])
        return nullptr;
    return &*thumbnails_[index];
}

void CImagePane::LoadImage() {
    image_.reset();
    const CRect rect = GetImageRect();
    if (rect.Width() <= 0 || rect.Height() <= 0 || mark_.GetRecordNumber() == 0)
        return;
    CPing image;
    const CImageSize size{static_cast<std::uint32_t>(rect.Width()),
                          static_cast<std::uint32_t>(rect.Height())};
    if (images_.GetImage(mark_, selected_, size, image))
        image_ = std::move(image);
}
