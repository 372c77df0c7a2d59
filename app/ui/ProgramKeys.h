#pragma once
// What every window of the program shares with the main window, which carries it out: the keys
// that work whichever window has the focus, and the commands that other frames offer in their
// menus and pass on to the main window. A frame adds the keys to its own and hands these commands
// to the main window, so that each command has one handler.

#include "app/ui/CommandIds.h"

#include <algorithm>
#include <vector>
#include <wx/accel.h>

// The main window's commands that other frames offer too.
inline bool IsMainWindowCommand(int id) {
    static constexpr int kShared[] = {kCmdQuickSave, kCmdHelpTopics, kCmdDiagnostics,
                                      kCmdAboutDatabases, wxID_ABOUT};
    return std::ranges::find(kShared, id) != std::end(kShared);
}

// A frame's own keys together with the program's: Ctrl+F12 quick-saves the examination.
inline wxAcceleratorTable WithProgramKeys(std::vector<wxAcceleratorEntry> keys) {
    keys.emplace_back(wxACCEL_CTRL, WXK_F12, kCmdQuickSave);
    return {static_cast<int>(keys.size()), keys.data()};
}
