#pragma once
// The lines of a list that scrolls sideways (CHScrollListBox) without its window: the texts as
// shown, and the width of the widest, which the list's horizontal scroll range follows. A line
// is as wide as its text plus 3 pixels; with tab stops, tabs are expanded to every eighth
// character and the line is its expanded text plus 2.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CHScrollLines {
public:
    static constexpr int kTabColumns = 8;

    // The width of a text in the list's font.
    using Measure = std::function<int(std::string_view text)>;

    explicit CHScrollLines(Measure measure, bool tabStops = false)
        : measure_(std::move(measure)), tabStops_(tabStops) {}

    // The text as the list shows it.
    std::string ShownText(std::string_view text) const;

    // Appends a line; its index.
    int Add(std::string_view text);
    // Puts a line before the index (at the end for the count); -1, with nothing added, outside.
    int Insert(int index, std::string_view text);
    // False for an index outside the lines. The widest of the remaining lines sets the extent.
    bool Delete(int index);
    void Clear();

    int GetCount() const { return static_cast<int>(lines_.size()); }
    // The shown text of line i.
    const std::string& GetLine(int i) const { return lines_.at(static_cast<std::size_t>(i)).text; }
    // The width the list scrolls over: its widest line's, 0 when empty.
    int GetExtent() const { return extent_; }

private:
    struct Line {
        std::string text;
        int width;
    };

    Line MakeLine(std::string_view text) const;

    Measure measure_;
    bool tabStops_;
    std::vector<Line> lines_;
    int extent_ = 0;
};
