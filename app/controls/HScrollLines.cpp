#include "app/controls/HScrollLines.h"

#include <algorithm>

std::string CHScrollLines::ShownText(std::string_view text) const {
    if (!tabStops_)
        return std::string(text);
    std::string shown;
    for (char c : text) {
        if (c != '\t') {
            shown += c;
            continue;
        }
        do
            shown += ' ';
        while (shown.size() % kTabColumns != 0);
    }
    return shown;
}

CHScrollLines::Line CHScrollLines::MakeLine(std::string_view text) const {
    std::string shown = ShownText(text);
    const int width = measure_(shown) + (tabStops_ ? 2 : 3);
    return {std::move(shown), width};
}

int CHScrollLines::Add(std::string_view text) {
    return Insert(GetCount(), text);
}

int CHScrollLines::Insert(int index, std::string_view text) {
    if (index < 0 || index > GetCount())
        return -1;
    Line line = MakeLine(text);
    extent_ = std::max(extent_, line.width);
    lines_.insert(lines_.begin() + index, std::move(line));
    return index;
}

bool CHScrollLines::Delete(int index) {
    if (index < 0 || index >= GetCount())
        return false;
    lines_.erase(lines_.begin() + index);
    extent_ = 0;
    for (const Line& line : lines_)
        extent_ = std::max(extent_, line.width);
    return true;
}

void CHScrollLines::Clear() {
    lines_.clear();
    extent_ = 0;
}
