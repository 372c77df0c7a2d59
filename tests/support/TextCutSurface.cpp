#include "TextCutSurface.h"

#include "core/ImagePixels.h"
#include "core/Utf8.h"

#include <algorithm>

namespace {

bool RowsOverlap(const CRect& a, const CRect& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

} // namespace

std::vector<std::string> CTextCutSurface::CutTexts() const {
    std::vector<std::string> cut;
    for (const CDrawnText& drawn : texts_) {
        const int shown = std::max(0, drawn.shownRight - drawn.shownLeft);
        if (shown < drawn.box.Width())
            cut.push_back("'" + Utf16ToUtf8(drawn.text) + "' shows " + std::to_string(shown) +
                          " of its " + std::to_string(drawn.box.Width()) + " pixels");
    }
    return cut;
}

void CTextCutSurface::TextOut(int x, int y, std::u16string_view text) {
    inner_.TextOut(x, y, text);
    const CSize extent = inner_.GetTextExtent(text);
    if (extent.width == 0)
        return;
    const CRect box{x, y, x + extent.width, y + extent.height};
    CDrawnText drawn{std::u16string(text), box, box.left, box.right};
    if (clip_) {
        drawn.shownLeft = std::max(drawn.shownLeft, clip_->left);
        drawn.shownRight = RowsOverlap(drawn.box, *clip_) ? std::min(drawn.shownRight, clip_->right)
                                                          : drawn.shownLeft;
    }
    texts_.push_back(std::move(drawn));
}

void CTextCutSurface::SetClip(const CRect& rect) {
    inner_.SetClip(rect);
    clip_ = rect;
}

void CTextCutSurface::ResetClip() {
    inner_.ResetClip();
    clip_.reset();
}

void CTextCutSurface::FillRect(const CRect& rect, CColour colour) {
    inner_.FillRect(rect, colour);
    Cover(rect);
}

void CTextCutSurface::DrawPolygon(std::span<const CPoint> points, CColour fill) {
    inner_.DrawPolygon(points, fill);
    if (points.empty())
        return;
    CRect bounds{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const CPoint point : points)
        bounds = {std::min(bounds.left, point.x), std::min(bounds.top, point.y),
                  std::max(bounds.right, point.x + 1), std::max(bounds.bottom, point.y + 1)};
    Cover(bounds);
}

bool CTextCutSurface::DrawImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                                CPoint at) {
    if (!inner_.DrawImage(format, bytes, at))
        return false;
    if (const std::optional<CRgbaImage> image = DecodeImage(format, bytes))
        Cover({at.x, at.y, at.x + image->width, at.y + image->height});
    return true;
}

bool CTextCutSurface::StretchImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                                   const CRect& target) {
    if (!inner_.StretchImage(format, bytes, target))
        return false;
    Cover(target);
    return true;
}

void CTextCutSurface::Cover(const CRect& area) {
    // Only what the clip lets through is drawn.
    CRect drawn = area;
    if (clip_)
        drawn = {std::max(area.left, clip_->left), std::max(area.top, clip_->top),
                 std::min(area.right, clip_->right), std::min(area.bottom, clip_->bottom)};
    for (CDrawnText& text : texts_) {
        if (!RowsOverlap(text.box, drawn) || drawn.right <= text.shownLeft ||
            drawn.left >= text.shownRight)
            continue;
        if (drawn.left > text.shownLeft)
            text.shownRight = drawn.left;
        else
            text.shownLeft = std::min(drawn.right, text.shownRight);
    }
}
