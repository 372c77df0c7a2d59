#include "TextCutSurface.h"

#include "core/Utf8.h"

#include <algorithm>

namespace {

bool RowsOverlap(const CRect& a, const CRect& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

} // namespace

void CDrawnTexts::Add(std::u16string_view text, const CRect& box,
                      const std::optional<CRect>& clip) {
    if (box.Width() == 0)
        return;
    CDrawnText drawn{std::u16string(text), box, box.left, box.right};
    if (clip) {
        drawn.shownLeft = std::max(drawn.shownLeft, clip->left);
        drawn.shownRight =
            RowsOverlap(box, *clip) ? std::min(drawn.shownRight, clip->right) : drawn.shownLeft;
    }
    texts_.push_back(std::move(drawn));
}

void CDrawnTexts::Fill(const CRect& rect, const std::optional<CRect>& clip) {
    CRect drawn = rect;
    if (clip)
        drawn = {std::max(rect.left, clip->left), std::max(rect.top, clip->top),
                 std::min(rect.right, clip->right), std::min(rect.bottom, clip->bottom)};
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

std::vector<std::string> CDrawnTexts::CutTexts() const {
    std::vector<std::string> cut;
    for (const CDrawnText& drawn : texts_) {
        const int shown = std::max(0, drawn.shownRight - drawn.shownLeft);
        if (shown < drawn.box.Width())
            cut.push_back("'" + Utf16ToUtf8(drawn.text) + "' shows " + std::to_string(shown) +
                          " of its " + std::to_string(drawn.box.Width()) + " pixels");
    }
    return cut;
}
