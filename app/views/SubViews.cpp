// What the display modes share: the mouse and the keys on mark rows, the wheel, the scroll bar.

#include "app/views/SubViews.h"

#include "app/views/ViewDrawing.h"
#include "app/views/ZrView.h"
#include "registers/ZrDbs.h"

#include <algorithm>

void CZrSubView::DrawUnknownRegisterMark(IDrawSurface& surface, const CRect& rect,
                                         const CMark& mark) const {
    DrawMarkErrorRow(surface, rect,
                     view_.GetRegisters().GetDbShortName(mark.GetRegisterCode()) +
                         " Mark not found in current database");
}

void CZrSubView::CreateFonts() {
    const std::unique_ptr<IDrawSurface> surface = view_.GetWindow().MeasuringSurface();
    info_.CreateFonts(*surface, view_.GetUserOptions());
}

void CZrSubView::FirstRowChanged(int count, int maximum, int first, int firstIndex) {
    view_.GetWindow().SetScrollBar(count - 1, count - maximum, first);
    view_.OnFirstRowChanged(firstIndex);
    PrefetchVisible();
}

int CZrSubView::WheelDeltaToLines(int delta) {
    wheelAccumulator_ += delta;
    if (std::abs(wheelAccumulator_) < 120)
        return 0;
    const int lines = -(wheelAccumulator_ / 120) * wheelLines_;
    wheelAccumulator_ %= 120;
    return lines;
}

int CZrSubView::WheelLines(int keyFlags, int delta, int page) {
    if (keyFlags & (CRowSelection::kShift | CRowSelection::kControl))
        return 0;
    return std::clamp(WheelDeltaToLines(delta), -page, page);
}

std::optional<int> ScrollTarget(EScrollCode code, int pos, int first, int pageUp, int pageDown,
                                int maximum) {
    switch (code) {
    case EScrollCode::LineUp:
        return first - 1;
    case EScrollCode::LineDown:
        return first + 1;
    case EScrollCode::PageUp:
        return pageUp;
    case EScrollCode::PageDown:
        return pageDown;
    case EScrollCode::ThumbTrack:
        return pos;
    case EScrollCode::Top:
        return 0;
    case EScrollCode::Bottom:
        return maximum;
    case EScrollCode::ThumbPosition:
        break;
    }
    return std::nullopt;
}

void CZrSubView::OnLButtonDown(int keyFlags, CPoint point) {
    CRect rowRect;
    const int row = HitTest(point, &rowRect);
    if (row < 0) {
        view_.ClearSelection();
        view_.GetWindow().InvalidateDrawArea(true);
        return;
    }
    view_.SelectRow(row, keyFlags);
    CMark mark = view_.GetShownMark(row);
    if (!HitTestBox(mark, rowRect, point))
        return;
    if (!view_.ClickTogglesKeep()) {
        mark.ToggleLong();
        view_.SetMark(mark, row, CZrView::kHintLongChanged);
        return;
    }
    // A permanently kept mark stays as it is, without a sound.
    if (mark.HasFlag(CMark::kPermanentKeep))
        return;
    mark.ToggleKeep();
    if (IKeepSounds* sounds = view_.GetContext().sounds)
        sounds->PlayKeepSound(mark.HasFlag(CMark::kKept));
    view_.SetMark(mark, row, CZrView::kHintKeptChanged);
}

void CZrSubView::OnRButtonDown(int, CPoint point) {
    const int row = HitTest(point, nullptr);
    if (row >= 0 && !view_.IsRowSelected(row))
        view_.SelectRow(row, 0);
}

void CZrSubView::OnLButtonDblClk(int, CPoint point) {
    const int row = HitTest(point, nullptr);
    if (row >= 0)
        view_.OpenDetails(row);
}

bool CZrSubView::OnKeyDown(EViewKey key, int keyFlags) {
    if (key == EViewKey::Enter) {
        if (view_.GetSelectionCount() == 1)
            view_.OpenDetails(view_.GetFocusRow());
        else
            view_.GetWindow().Beep();
        return true;
    }
    const int focus = view_.GetFocusRow();
    const std::optional<int> wanted = KeyTarget(key, focus);
    if (!wanted)
        return false;
    const int count = view_.GetMarkCount();
    if (count == 0)
        return true;
    const int target = std::clamp(*wanted, 0, count - 1);
    if (target != focus) {
        if (keyFlags & CRowSelection::kShift) {
            view_.SelectRow(target, CRowSelection::kShift);
        } else {
            view_.ClearSelection();
            view_.SelectRow(target, 0);
        }
        EnsureVisible(target);
    }
    return true;
}

int CZrListView::RowHeight(int row) const {
    const CMark& mark = view_.GetShownMark(row);
    if (const CZrDb* db = view_.GetRegisters().GetDbOfMark(mark))
        return db->GetShortRowHeight(mark, info_);
    return CZrDb::CalcShortRowHeight(false, info_);
}

int CZrListView::FirstForBottom(int n) const {
    const int height = view_.GetWindow().GetDrawRect().Height();
    int sum = 0;
    for (int row = n - 1; row >= 0; --row) {
        sum += RowHeight(row);
        if (sum > height)
            return std::min(row + 1, n - 1);
    }
    return 0;
}

int CZrListView::VisibleCountFrom(int f) const {
    const int height = view_.GetWindow().GetDrawRect().Height();
    int visible = 0;
    for (int row = f, bottom = 0; row < count_; ++row, ++visible) {
        bottom += RowHeight(row);
        if (bottom > height)
            break;
    }
    return f < count_ ? std::max(visible, 1) : 0;
}

void CZrListView::Draw(IDrawSurface& surface, const CRect& clip) {
    if (clip.Width() <= 0 || clip.Height() <= 0)
        return;
    const CRect area = view_.GetWindow().GetDrawRect();
    surface.SetFont(info_.GetFont(CDisplayInfo::kMain));
    int top = area.top;
    for (int row = first_; row < count_ && top < clip.bottom; ++row) {
        const int height = RowHeight(row);
        if (top + height > clip.top) {
            CMark mark = view_.GetShownMark(row);
            const CRect rect{area.left, top, area.right, top + height};
            if (CZrDb* db = view_.GetRegisters().GetDbOfMark(mark)) {
                db->DrawShortForm(mark, surface, rect, view_.GetBoxType(), view_.IsRowSelected(row),
                                  info_);
                if (top + height <= clip.bottom)
                    mark.SetFlags(mark.GetFlags() | CMark::kSeenInList);
                view_.SetMarkQuiet(mark, row);
            } else {
                DrawUnknownRegisterMark(surface, rect, mark);
            }
        }
        top += height;
    }
    if (top < clip.bottom)
        surface.FillRect({clip.left, std::max(top, clip.top), clip.right, clip.bottom},
                         surface.GetSystemColour(ESystemColour::Window));
}

void CZrListView::PrefetchVisible() {
    view_.PrefetchSummaries(first_, std::min(first_ + GetVisibleCount() + 1, count_ - 1));
}

void CZrListView::ScrollTo(int first) {
    first = std::clamp(first, 0, Maximum());
    if (first == first_)
        return;
    // Once the distance passes the draw height everything has moved out anyway.
    const int height = view_.GetWindow().GetDrawRect().Height();
    int distance = 0;
    for (int row = std::min(first, first_); row < std::max(first, first_) && distance <= height;
         ++row)
        distance += RowHeight(row);
    view_.GetWindow().ScrollDrawArea(first > first_ ? -distance : distance);
    first_ = first;
    UpdateScrollBar();
}

void CZrListView::UpdateScrollBar() {
    FirstRowChanged(count_, Maximum(), first_, first_);
}

void CZrListView::EnsureVisible(int row) {
    if (row < first_)
        ScrollTo(std::min(row, Maximum()));
    else if (row >= first_ + GetVisibleCount())
        ScrollTo(row == count_ - 1 ? Maximum() : FirstForBottom(row + 1));
}

void CZrListView::OnVScroll(EScrollCode code, int pos) {
    if (const std::optional<int> target = ScrollTarget(code, pos, first_, FirstForBottom(first_),
                                                       first_ + GetVisibleCount(), Maximum()))
        ScrollTo(*target);
}

void CZrListView::OnMouseWheel(int keyFlags, int delta) {
    if (keyFlags & (CRowSelection::kShift | CRowSelection::kControl))
        return;
    const int lines = WheelDeltaToLines(delta);
    if (lines == 0)
        return;
    // Rows differ in height: a page up ends at the first row, a page down starts after the
    // visible ones.
    ScrollTo(std::clamp(first_ + lines, FirstForBottom(first_), first_ + GetVisibleCount()));
}

void CZrListView::OnSize() {
    if (Maximum() < first_)
        ScrollTo(Maximum());
    else
        UpdateScrollBar();
}

int CZrListView::HitTest(CPoint point, CRect* rowRect) const {
    const CRect area = view_.GetWindow().GetDrawRect();
    if (point.y < area.top)
        return -1;
    int top = area.top;
    for (int row = first_; row < count_ && top < area.bottom; ++row) {
        const int bottom = top + RowHeight(row);
        if (bottom > point.y) {
            if (rowRect)
                *rowRect = {area.left, top, area.right, bottom};
            return row;
        }
        top = bottom;
    }
    return -1;
}

bool CZrListView::HitTestBox(const CMark& mark, const CRect& rowRect, CPoint point) const {
    return view_.GetRegisters().GetDbOfMark(mark) && CZrDb::HitTestShortBox(rowRect, point, info_);
}

void CZrListView::Recalculate(bool resetToTop) {
    CreateFonts();
    count_ = view_.GetMarkCount();
    first_ = resetToTop ? 0 : std::min(first_, Maximum());
    UpdateScrollBar();
    view_.GetWindow().InvalidateDrawArea(false);
}

std::optional<int> CZrListView::KeyTarget(EViewKey key, int focus) const {
    if (key == EViewKey::Up)
        return focus - 1;
    if (key == EViewKey::Down)
        return focus + 1;
    return std::nullopt;
}
