#include "registers/CheckBox.h"

CCBox::CCBox(const CRect& rect, int boxType, const CMark& mark)
    : rect_(rect), caption_(GetTypeName(boxType)) {
    if (boxType == kBoxLong) {
        checked_ = mark.HasFlag(CMark::kLong);
    } else {
        checked_ = mark.IsKept();
        greyed_ = mark.HasFlag(CMark::kPermanentKeep);
    }
}

std::string CCBox::GetTypeName(int boxType) {
    switch (boxType) {
    case kBoxLong:
        return "Long";
    case kBoxKeep:
        return "Keep";
    case kBoxWatch:
        return "Watch";
    default:
        return "???";
    }
}

void CCBox::Draw(IDrawSurface& surface) const {
    const CDrawStateSaver saver(surface);
    // The box is always of the window's colour, so its lines take the window's text colour: the
    // row's own pen may be that very colour on a selected row, and the state would vanish.
    const CColour lines =
        surface.GetSystemColour(greyed_ ? ESystemColour::GrayText : ESystemColour::WindowText);
    surface.SetPen({lines, 1});
    if (greyed_)
        surface.SetTextColour(lines);
    surface.FillRect(rect_, surface.GetSystemColour(ESystemColour::Window));
    const CPoint outline[] = {{rect_.left, rect_.top},
                              {rect_.right, rect_.top},
                              {rect_.right, rect_.bottom},
                              {rect_.left, rect_.bottom},
                              {rect_.left, rect_.top}};
    surface.DrawPolyline(outline);
    if (checked_) {
        surface.DrawLine({rect_.left, rect_.top}, {rect_.right, rect_.bottom});
        surface.DrawLine({rect_.right, rect_.top}, {rect_.left, rect_.bottom});
    }
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
    surface.TextOut(rect_.right + rect_.Width() / 3, rect_.top, caption_);
}

bool CCBox::HitTest(CPoint point) const {
    CRect area = rect_.Deflated(-rect_.Width() / 2, -rect_.Height() / 2);
    area.right += 40;
    return area.Contains(point);
}
