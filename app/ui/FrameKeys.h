#pragma once
// The keys every frame of the program takes beside its own: Ctrl+F12 quick-saves the examination
// from any window, F1 asks for help. A frame that does not save the examination itself passes
// the quick save on to the main window.

#include "app/ui/CommandIds.h"

#include <initializer_list>
#include <vector>
#include <wx/accel.h>

inline wxAcceleratorTable MakeFrameKeys(std::initializer_list<wxAcceleratorEntry> own) {
    std::vector<wxAcceleratorEntry> keys{{wxACCEL_CTRL, WXK_F12, kCmdQuickSave},
                                         {wxACCEL_NORMAL, WXK_F1, wxID_HELP}};
    keys.insert(keys.end(), own.begin(), own.end());
    return {static_cast<int>(keys.size()), keys.data()};
}
