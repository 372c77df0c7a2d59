#pragma once
// Checks of a window as the user sees it: every label and button at least its best size, no two
// sibling controls over each other, nothing sticking out of its group box, list columns as wide
// as their headings and the title as wide as the window; and a recorder of what the toolkit
// logged as critical or warning, since those mean a window it could not lay out.

#include <string>
#include <vector>

class wxWindow;

namespace wx_test {

// One line a fault, naming the control by its label: "'Match any' is narrower (90) than its
// text (240)". Looks at the windows shown, the current page of a book only.
std::vector<std::string> LayoutFaults(wxWindow& window);

// Records the toolkit's criticals and warnings while it lives, instead of printing them; one at a
// time.
class ToolkitWarnings {
public:
    ToolkitWarnings();
    ~ToolkitWarnings();
    ToolkitWarnings(const ToolkitWarnings&) = delete;
    ToolkitWarnings& operator=(const ToolkitWarnings&) = delete;

    // What was logged since the last call, one message a line.
    std::vector<std::string> Take();

    // Called by the toolkit's log.
    void Record(std::string message);

private:
    std::vector<std::string> messages_;
};

} // namespace wx_test
