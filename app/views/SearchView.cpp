// The search display: the view's searches as rows of two lines.

#include "app/document/ZR2000Doc.h"
#include "app/views/SubViews.h"
#include "app/views/ZrView.h"
#include "core/Search.h"
#include "core/TermMapper.h"
#include "core/TickBox.h"
#include "core/UserOptions.h"
#include "core/WString.h"
#include "registers/RegisterWording.h"
#include "registers/ZrDbs.h"

#include <algorithm>

namespace {

// The tick of a completed search that has not been looked at: the text colour faded three
// quarters towards white.
CColour Pale(CColour c) {
    return MakeColour((c.red + 765) / 4, (c.green + 765) / 4, (c.blue + 765) / 4);
}

} // namespace

int CZrSearchView::RowHeight() const {
    const int h0 = info_.GetLineHeight(CDisplayInfo::kMain);
    return std::max(1, 2 * h0 + 3 * (h0 / 2));
}

int CZrSearchView::GetVisibleCount() const {
    return std::max(1, view_.GetWindow().GetDrawRect().Height() / RowHeight());
}

int CZrSearchView::Maximum() const {
    return std::max(0, count_ - GetVisibleCount());
}

void CZrSearchView::DrawRow(IDrawSurface& surface, int row, const CRect& rect) const {
    const CSearch& search = view_.GetShownSearch(row);
    const CZR2000Doc& document = view_.GetDocument();
    const CUserOptions& options = view_.GetUserOptions();
    const int h0 = info_.GetLineHeight(CDisplayInfo::kMain);
    // The current row in the highlight colours: rows are not inverted.
    const bool current = row == view_.GetCurrentSearchRow();
    const CColour text =
        surface.GetSystemColour(current ? ESystemColour::HighlightText : ESystemColour::WindowText);
    surface.FillRect(
        rect, surface.GetSystemColour(current ? ESystemColour::Highlight : ESystemColour::Window));
    if (!document.IsWatch() && search.HasRun()) {
        const CColour windowText = surface.GetSystemColour(ESystemColour::WindowText);
        DrawTick(surface,
                 {rect.left + h0 / 2, rect.top + h0 / 2, rect.left + h0 / 2 + h0,
                  rect.top + h0 / 2 + h0},
                 search.IsViewed() || search.IsCompleted(),
                 search.IsViewed() ? windowText : Pale(windowText));
    }
    surface.SetTextColour(text);
    std::string first;
    if (search.HasRun()) {
        const bool marksOnly = options.GetHideDuplicates() && !document.IsWatch();
        first = "Found: " + std::to_string(marksOnly ? search.GetMarkCount() : search.GetFound()) +
                "   Databases Searched: ";
    } else {
        first = "Not yet searched   Databases: ";
    }
    first += view_.GetRegisters().GetDbShortNames(search.GetDatabases());
    const int x = rect.left + 2 * h0;
    surface.TextOut(x, rect.top + h0 / 2, first);
    CTermMapper mapper;
    options.FillDisplayMapper(mapper);
    const CRegisterWording wording;
    CWString(search.GetDescription(false, &mapper, wording), false)
        .TextOut(surface, x, rect.top + h0 + 2 * (h0 / 2));
    surface.SetPen({surface.GetSystemColour(ESystemColour::WindowText), 1});
    surface.DrawLine({rect.left, rect.bottom - 1}, {rect.right, rect.bottom - 1});
}

void CZrSearchView::Draw(IDrawSurface& surface, const CRect& clip) {
    if (clip.Width() <= 0 || clip.Height() <= 0)
        return;
    const CDrawStateSaver saver(surface);
    const CRect area = view_.GetWindow().GetDrawRect();
    surface.SetFont(info_.GetFont(CDisplayInfo::kMain));
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
    const int height = RowHeight();
    int top = area.top;
    for (int row = first_; row < count_ && top < clip.bottom; ++row, top += height) {
        if (top + height > clip.top)
            DrawRow(surface, row, {area.left, top, area.right, top + height});
    }
    if (top < clip.bottom)
        surface.FillRect({clip.left, std::max(top, clip.top), clip.right, clip.bottom},
                         surface.GetSystemColour(ESystemColour::Window));
}

void CZrSearchView::ScrollTo(int first) {
    first = std::clamp(first, 0, Maximum());
    if (first == first_)
        return;
    view_.GetWindow().ScrollDrawArea((first_ - first) * RowHeight());
    first_ = first;
    UpdateScrollBar();
}

void CZrSearchView::UpdateScrollBar() {
    FirstRowChanged(count_, Maximum(), first_, first_);
}

void CZrSearchView::EnsureVisible(int row) {
    const int visible = GetVisibleCount();
    if (row < first_)
        ScrollTo(std::min(row, Maximum()));
    else if (row >= first_ + visible)
        ScrollTo(row == count_ - 1 ? Maximum() : std::max(row - visible + 1, 0));
}

void CZrSearchView::OnVScroll(EScrollCode code, int pos) {
    const int page = GetVisibleCount();
    if (const std::optional<int> target =
            ScrollTarget(code, pos, first_, first_ - page, first_ + page, Maximum()))
        ScrollTo(*target);
}

void CZrSearchView::OnMouseWheel(int keyFlags, int delta) {
    if (const int lines = WheelLines(keyFlags, delta, GetVisibleCount()))
        ScrollTo(first_ + lines);
}

void CZrSearchView::OnSize() {
    if (Maximum() < first_)
        ScrollTo(Maximum());
    else
        UpdateScrollBar();
}

int CZrSearchView::HitTest(CPoint point, CRect* rowRect) const {
    const CRect area = view_.GetWindow().GetDrawRect();
    if (point.y < area.top)
        return -1;
    const int row = first_ + (point.y - area.top) / RowHeight();
    if (row >= count_)
        return -1;
    if (rowRect) {
        const int top = area.top + (row - first_) * RowHeight();
        *rowRect = {area.left, top, area.right, top + RowHeight()};
    }
    return row;
}

void CZrSearchView::OnLButtonDown(int, CPoint point) {
    const int row = HitTest(point, nullptr);
    if (row < 0) {
        view_.ClearCurrentSearchRow();
        view_.GetWindow().InvalidateDrawArea(true);
        return;
    }
    view_.SelectSearchRow(row);
}

void CZrSearchView::OnRButtonDown(int, CPoint point) {
    const int row = HitTest(point, nullptr);
    if (row >= 0 && row != view_.GetCurrentSearchRow())
        view_.SelectSearchRow(row);
}

void CZrSearchView::OnLButtonDblClk(int, CPoint point) {
    const int row = HitTest(point, nullptr);
    if (row >= 0)
        view_.OpenSearchRow(row);
}

bool CZrSearchView::OnKeyDown(EViewKey key, int) {
    const int current = view_.GetCurrentSearchRow();
    if (key == EViewKey::Enter) {
        if (current >= 0)
            view_.OpenSearchRow(current);
        else
            view_.GetWindow().Beep();
        return true;
    }
    if (key != EViewKey::Up && key != EViewKey::Down)
        return false;
    if (count_ == 0)
        return true;
    const int target = std::clamp(current + (key == EViewKey::Up ? -1 : 1), 0, count_ - 1);
    if (target != current) {
        view_.SelectSearchRow(target);
        EnsureVisible(target);
    }
    return true;
}

void CZrSearchView::Recalculate(bool resetToTop) {
    CreateFonts();
    count_ = view_.GetSearchRowCount();
    first_ = resetToTop ? 0 : std::min(first_, Maximum());
    UpdateScrollBar();
    view_.GetWindow().InvalidateDrawArea(false);
}
