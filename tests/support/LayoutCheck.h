#pragma once
// Checks of a window as the user sees it: every label and button at least its best size, no two
// sibling controls over each other, nothing sticking out of its parent or group box, list columns
// as wide as their headings and entries, every text of an owner-drawn list whole on its line and
// the title as wide as the window; and what the toolkit logged as critical or warning, since
// those mean a window it could not lay out.

#include <string>
#include <vector>

class wxWindow;

namespace wx_test {

// One line a fault, naming the control by its label: "'Match any' is 90 wide where it needs
// 240". Looks at the windows shown, the current page of a book only.
std::vector<std::string> LayoutFaults(wxWindow& window);

// The toolkit's criticals and warnings logged since the last call, on any thread, instead of
// printed; the first call starts the recording.
std::vector<std::string> TakeToolkitWarnings();

} // namespace wx_test
