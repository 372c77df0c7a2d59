#pragma once
// What a dialog shows at its foot, from its bottom edge up, by kind: "buttons", "line" (a
// separating line) or "controls". A dialog ends in its buttons, with the line above them.

#include <functional>
#include <map>
#include <string>
#include <vector>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/statline.h>

inline std::vector<std::string> FootOf(wxDialog& dialog) {
    std::multimap<int, std::string, std::greater<>> kindsByBottom;
    for (wxWindow* child : dialog.GetChildren())
        if (child->IsShown())
            kindsByBottom.emplace(child->GetRect().GetBottom(),
                                  dynamic_cast<wxButton*>(child)       ? "buttons"
                                  : dynamic_cast<wxStaticLine*>(child) ? "line"
                                                                       : "controls");
    std::vector<std::string> kinds;
    for (const auto& [bottom, kind] : kindsByBottom)
        if (kinds.empty() || kinds.back() != kind)
            kinds.push_back(kind);
    return kinds;
}
