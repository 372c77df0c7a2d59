#pragma once

#include <string>

class wxWindow;

// Pictures of the windows the road passes, for the README: when ZR_SCREENS_DIR names a folder,
// the window as drawn on the display is written there as NAME.png; otherwise nothing happens.
void SaveScreen(wxWindow& window, const std::string& name);
