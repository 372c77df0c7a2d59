#pragma once
// The foot of a dialog as the user sees it, from its bottom edge up: what lies lowest, what
// above it, and so on, by kind ("buttons", "line" for a separating line, "controls" for the
// rest). A dialog ends in its buttons, with the line above them.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/statline.h>

inline std::vector<std::string> FootOf(wxDialog& dialog) {
    std::vector<std::pair<int, std::string>> bottoms;
    for (wxWindow* child : dialog.GetChildren()) {
        if (!child->IsShown())
            continue;
        const char* kind = dynamic_cast<wxButton*>(child)       ? "buttons"
                           : dynamic_cast<wxStaticLine*>(child) ? "line"
                                                                : "controls";
        bottoms.emplace_back(child->GetRect().GetBottom(), kind);
    }
    std::sort(bottoms.begin(), bottoms.end(), std::greater<>());
    std::vector<std::string> kinds;
    for (const auto& [bottom, kind] : bottoms)
        if (kinds.empty() || kinds.back() != kind)
            kinds.push_back(kind);
    return kinds;
}
