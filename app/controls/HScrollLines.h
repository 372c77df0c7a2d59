#pragma once
// The lines of a list that scrolls sideways (CHScrollListBox) without its window: the texts as
// given and as shown, and the width of the widest, which the list's horizontal scroll range
// follows. A line is as wide as its text plus 3 pixels. With tab stops (every eighth average
// character, in pixels), a tab is shown as the blanks that reach the next stop, so that columns
// line up in a proportional font, and the line is its expanded text plus 2.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CHScrollLines {
public:
    static constexpr int kTabColumns = 8;

    // The width of a text in the list's font.
    using Measure = std::function<int(std::string_view text)>;

    // charWidth is the font's average character width; 0 leaves tabs as they are.
    explicit CHScrollLines(Measure measure, int charWidth = 0)
        : measure_(std::move(measure)), tabWidth_(kTabColumns * charWidth) {}

    // Appends a line; its index.
    int Add(std::string_view text);
    // Puts a line before the index (at the end for the count); -1, with nothing added, outside.
    int Insert(int index, std::string_view text);
    // False for an index outside the lines. The widest of the remaining lines sets the extent.
    bool Delete(int index);
    void Clear();

    int GetCount() const { return static_cast<int>(lines_.size()); }
    // Line i as given, tabs and all.
    const std::string& GetLine(int i) const { return At(i).text; }
    // Line i as the list shows it.
    const std::string& GetShownLine(int i) const;
    // The width the list scrolls over: its widest line's, 0 when empty.
    int GetExtent() const { return extent_; }

private:
    struct Line {
        std::string text;
        // Only for a line whose tabs are expanded.
        std::string shown;
        int width;
    };

    const Line& At(int i) const { return lines_.at(static_cast<std::size_t>(i)); }
    Line MakeLine(std::string_view text) const;
    std::string ExpandTabs(std::string_view text) const;

    Measure measure_;
    int tabWidth_;
    std::vector<Line> lines_;
    int extent_ = 0;
};
