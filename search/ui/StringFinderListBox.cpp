#include "search/ui/StringFinderListBox.h"

#include "core/ui/WxDrawSurface.h"

#include <algorithm>

CStringFinderListBox::CStringFinderListBox(wxWindow* parent, const CZrDbs& registers,
                                           EFinderList kind)
    : CVListBox(parent, kId), registers_(registers), kind_(kind) {}

void CStringFinderListBox::Initialise(CStringFinder& finder, std::vector<std::string> selected,
                                      bool aligned, int maxSelected) {
    selection_ = std::make_unique<CFinderSelection>(finder, kind_, std::move(selected), aligned,
                                                    maxSelected);
    drawer_ = std::make_unique<CFinderLineDrawer>(*selection_, registers_);
    SetFirstLine(0);
}

int CStringFinderListBox::GetWidthToShowLines(int height) {
    const std::unique_ptr<IDrawSurface> surface = MakeMeasuringSurface(GetFont());
    const int lineHeight = surface->GetFontMetrics().LineHeight();
    const int last =
        GetFirstLine() + std::clamp(height / lineHeight, 1, CVirtualLines::kMaxVisibleLines);
    int widest = 0;
    for (int line = GetFirstLine(); drawer_ && line < last && LineExists(line); ++line)
        widest = std::max(widest, drawer_->GetWidthToShow(*surface, line, lineHeight));
    return GetWidthForLines(widest);
}

void CStringFinderListBox::DrawLine(IDrawSurface& surface, int line, const CRect& rect) {
    if (drawer_)
        drawer_->DrawLine(surface, line, rect);
    else
        surface.FillRect(rect, surface.GetSystemColour(ESystemColour::Window));
}

bool CStringFinderListBox::LineExists(int line) const {
    return selection_ && selection_->LineExists(line);
}

bool CStringFinderListBox::ClickLine(int line) {
    return selection_ && selection_->ClickLine(line);
}

void CStringFinderListBox::StepSelection(int delta) {
    if (selection_ && selection_->StepSelection(delta))
        RedrawLines();
}
