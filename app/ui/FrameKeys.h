#pragma once
// The keys every frame of the program takes beside its own: Ctrl+F12 quick-saves the examination
// from any window, F1 asks for help. A frame that does not save the examination itself passes
// the quick save on to the main window, as it does the main window's commands it offers in its
// own menus, so that each command has one handler.

#include "app/ui/CommandIds.h"

#include <algorithm>
#include <initializer_list>
#include <vector>
#include <wx/accel.h>

inline wxAcceleratorTable MakeFrameKeys(std::initializer_list<wxAcceleratorEntry> own) {
    std::vector<wxAcceleratorEntry> keys{{wxACCEL_CTRL, WXK_F12, kCmdQuickSave},
                                         {wxACCEL_NORMAL, WXK_F1, wxID_HELP}};
    keys.insert(keys.end(), own.begin(), own.end());
    return {static_cast<int>(keys.size()), keys.data()};
}

// The main window's Help menu commands that other frames offer too; the dialogs they open belong
// to the frame that runs them (CMainFrame::BindDialogCommand).
inline bool IsSharedHelpCommand(int id) {
    static constexpr int kShared[] = {kCmdHelpTopics, kCmdDiagnostics, kCmdAboutDatabases,
                                      wxID_ABOUT};
    return std::ranges::find(kShared, id) != std::end(kShared);
}
