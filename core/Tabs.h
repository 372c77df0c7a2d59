#pragma once
// The strip of trapezoid tabs without its window: where each tab lies, which tab a point hits,
// how far the strip has scrolled and how it is drawn. The window (core/ui/Tabs.h) asks its
// owner for the names and measures them. Neighbouring tabs overlap: a tab of text width w in a
// strip of height h spans w + 2h at the bottom, and the next one starts w + 3h/2 further on.

#include "core/DrawSurface.h"

#include <array>
#include <span>
#include <string>
#include <vector>

struct CTabShape {
    int index = 0;
    // Bottom left, top left, top right, bottom right.
    std::array<CPoint, 4> corners;
    int textX = 0;
};

class CTabsLayout {
public:
    explicit CTabsLayout(bool scrollButtons) : scrollButtons_(scrollButtons) {}

    // The tabs, read again from the owner, with their text widths; a first visible tab beyond
    // them goes back to the first.
    void SetTabs(std::vector<std::string> names, std::vector<int> textWidths);
    int GetCount() const { return static_cast<int>(names_.size()); }
    const std::string& GetName(int index) const {
        return names_.at(static_cast<std::size_t>(index));
    }
    int GetFirstVisible() const { return first_; }
    bool HasScrollButtons() const { return scrollButtons_; }

    // Where the first tab starts: after the two square scroll buttons when there are any.
    int TabsStart(int height) const { return scrollButtons_ ? 2 * height : 0; }
    // The tabs from the first visible one that start within the width.
    std::vector<CTabShape> VisibleTabs(CSize client) const;
    // The tab under x; -1 for none.
    int HitTest(int x, int height) const;

    bool CanScrollLeft() const { return first_ > 0; }
    // Whether some tab reaches beyond the right edge.
    bool CanScrollRight(CSize client) const;
    // One tab left or right; false when the strip cannot move that way.
    bool ScrollLeft();
    bool ScrollRight();

private:
    bool scrollButtons_;
    int first_ = 0;
    std::vector<std::string> names_;
    std::vector<int> widths_;
};

// The strip on the button face with a line along its bottom; the current tab is drawn last,
// white and open towards the pane below.
// Each caption is drawn in its tab's colour of captionColours, when it has one there, else in the
// button text colour.
void DrawTabs(IDrawSurface& surface, const CTabsLayout& layout, CSize client, int current,
              std::span<const CColour> captionColours = {});
