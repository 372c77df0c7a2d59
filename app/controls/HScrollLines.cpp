#include "app/controls/HScrollLines.h"

#include <algorithm>

std::string CHScrollLines::ExpandTabs(std::string_view text) const {
    std::string shown;
    for (char c : text) {
        if (c != '\t') {
            shown += c;
            continue;
        }
        const int stop = (measure_(shown) / tabWidth_ + 1) * tabWidth_;
        do
            shown += ' ';
        while (measure_(shown) < stop);
    }
    return shown;
}

CHScrollLines::Line CHScrollLines::MakeLine(std::string_view text) const {
    if (tabWidth_ <= 0)
        return {std::string(text), {}, measure_(text) + 3};
    std::string shown = text.find('\t') == std::string_view::npos ? "" : ExpandTabs(text);
    const int width = measure_(shown.empty() ? text : shown) + 2;
    return {std::string(text), std::move(shown), width};
}

const std::string& CHScrollLines::GetShownLine(int i) const {
    const Line& line = At(i);
    return line.shown.empty() ? line.text : line.shown;
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
