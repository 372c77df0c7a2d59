#include "app/controls/VirtualLines.h"

#include <algorithm>
#include <cstdlib>

void CVirtualLines::SetGeometry(int clientHeight, int lineHeight) {
    lineHeight_ = std::max(1, lineHeight);
    visibleLines_ = std::clamp(clientHeight / lineHeight_, 1, kMaxVisibleLines);
}

void CVirtualLines::SetFirstLine(int line) {
    firstLine_ = line;
    wheelRemainder_ = 0;
}

bool CVirtualLines::Step(int count, const LineExists& exists) {
    const int direction = count < 0 ? -1 : 1;
    const int start = firstLine_;
    for (int i = 0; i < std::abs(count); ++i) {
        // Down needs a line after the window's last one; up a line before the first.
        const int needed = direction > 0 ? firstLine_ + visibleLines_ : firstLine_ - 1;
        if (!exists(needed))
            break;
        firstLine_ += direction;
    }
    return firstLine_ != start;
}

bool CVirtualLines::LineUp(const LineExists& exists) {
    return Step(-1, exists);
}

bool CVirtualLines::LineDown(const LineExists& exists) {
    return Step(1, exists);
}

bool CVirtualLines::PageUp(const LineExists& exists) {
    return Step(-visibleLines_, exists);
}

bool CVirtualLines::PageDown(const LineExists& exists) {
    return Step(visibleLines_, exists);
}

int CVirtualLines::LineAt(int y) const {
    if (y < 0)
        return -1;
    const int line = y / lineHeight_;
    return line < visibleLines_ ? line : -1;
}

CRect CVirtualLines::LineRect(int i, int left, int right) const {
    return {left, i * lineHeight_, right, (i + 1) * lineHeight_};
}

CVirtualLines::CWheelStep CVirtualLines::OnMouseWheel(bool control, bool shift, int delta,
                                                      const LineExists& exists) {
    if (control || delta == 0)
        return {};
    if (shift)
        return {false, delta > 0 ? 1 : -1};
    wheelRemainder_ += delta;
    if (std::abs(wheelRemainder_) < kWheelDelta)
        return {};
    const int lines = wheelLines_ * (wheelRemainder_ / -kWheelDelta);
    wheelRemainder_ %= kWheelDelta;
    return {Step(std::clamp(lines, -visibleLines_, visibleLines_), exists), 0};
}
