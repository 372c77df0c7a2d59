#include "core/Tabs.h"

void CTabsLayout::SetTabs(std::vector<std::string> names, std::vector<int> textWidths) {
    names_ = std::move(names);
    widths_ = std::move(textWidths);
    widths_.resize(names_.size());
    if (first_ >= GetCount())
        first_ = 0;
}

std::vector<CTabShape> CTabsLayout::VisibleTabs(CSize client) const {
    const int h = client.height;
    std::vector<CTabShape> shapes;
    int x = TabsStart(h);
    for (int i = first_; i < GetCount() && x < client.width; ++i) {
        const int w = widths_[static_cast<std::size_t>(i)];
        shapes.push_back({i,
                          {CPoint{x, h - 1}, CPoint{x + h / 2, 0}, CPoint{x + w + 3 * h / 2, 0},
                           CPoint{x + w + 2 * h, h - 1}},
                          x + h});
        x += w + 3 * h / 2;
    }
    return shapes;
}

int CTabsLayout::HitTest(int x, int height) const {
    const int start = TabsStart(height);
    if (x < start)
        return -1;
    int boundary = start + height / 4;
    for (int i = first_; i < GetCount(); ++i) {
        boundary += widths_[static_cast<std::size_t>(i)] + 3 * height / 2;
        if (boundary > x)
            return i;
    }
    return -1;
}

bool CTabsLayout::CanScrollRight(CSize client) const {
    const std::vector<CTabShape> shapes = VisibleTabs(client);
    if (shapes.empty())
        return false;
    return shapes.back().index < GetCount() - 1 || shapes.back().corners[3].x >= client.width;
}

bool CTabsLayout::ScrollLeft() {
    if (first_ <= 0)
        return false;
    --first_;
    return true;
}

bool CTabsLayout::ScrollRight() {
    if (first_ >= GetCount() - 1)
        return false;
    ++first_;
    return true;
}

namespace {

void DrawTab(IDrawSurface& surface, const CTabsLayout& layout, const CTabShape& tab, int textY,
             CColour face, CColour edge, CColour caption) {
    surface.SetPen({surface.GetSystemColour(ESystemColour::ButtonText), 1});
    surface.SetTextColour(caption);
    surface.DrawPolygon(tab.corners, face);
    surface.SetPen({edge, 1});
    surface.DrawLine(tab.corners[0], tab.corners[3]);
    surface.SetBackgroundColour(face);
    surface.TextOut(tab.textX, textY, layout.GetName(tab.index));
}

} // namespace

void DrawTabs(IDrawSurface& surface, const CTabsLayout& layout, CSize client, int current,
              std::span<const CColour> captionColours) {
    const CDrawStateSaver saver(surface);
    const CColour face = surface.GetSystemColour(ESystemColour::ButtonFace);
    const CColour text = surface.GetSystemColour(ESystemColour::ButtonText);
    const CColour shadow = surface.GetSystemColour(ESystemColour::ButtonShadow);
    const int h = client.height;
    surface.FillRect({0, 0, client.width, h}, face);
    surface.SetPen({text, 1});
    surface.DrawLine({0, h - 1}, {client.width, h - 1});

    const auto captionOf = [&](int index) {
        return static_cast<std::size_t>(index) < captionColours.size()
                   ? captionColours[static_cast<std::size_t>(index)]
                   : text;
    };
    surface.SetBackgroundMode(EBackgroundMode::Opaque);
    const int textY = (h - surface.GetTextExtent(std::string_view("A")).height) / 2;
    const std::vector<CTabShape> tabs = layout.VisibleTabs(client);
    for (const CTabShape& tab : tabs) {
        DrawTab(surface, layout, tab, textY, face, text, captionOf(tab.index));
        surface.SetPen({shadow, 1});
        surface.DrawLine({tab.corners[2].x - 1, tab.corners[2].y + 1},
                         {tab.corners[3].x - 1, tab.corners[3].y});
    }
    for (const CTabShape& tab : tabs) {
        if (tab.index == current)
            DrawTab(surface, layout, tab, textY, kWhite, kWhite, captionOf(tab.index));
    }
}
