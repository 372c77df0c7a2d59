#include "Screens.h"

#include "WxTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/uiaction.h>
#include <wx/window.h>

void SaveScreen(wxWindow& window, const std::string& name) {
    const char* folder = std::getenv("ZR_SCREENS_DIR");
    if (!folder || !*folder)
        return;
    // The picture is of the window, not of a tip of whatever the pointer happens to rest on.
    wxUIActionSimulator().MouseMove(wxGetDisplaySize().x - 1, wxGetDisplaySize().y - 1);
    // Frames fill the screen, as an examiner would have them.
    if (window.IsKindOf(wxCLASSINFO(wxFrame)))
        window.SetSize(wxGetClientDisplayRect());
    window.Raise();
    window.Refresh();
    window.Update();
    // Give the toolkit time to lay out and draw what arrived from the idle steps.
    wx_test::PumpUntil([] { return false; }, std::chrono::milliseconds(700));
    const wxRect area = window.GetScreenRect();
    const std::string file = (std::filesystem::path(folder) / (name + ".png")).string();
    // A palette of 256 colours keeps the pictures small; the widgets' flat colours survive it.
    const std::string command =
        "import -window root -crop " + std::to_string(area.width) + "x" +
        std::to_string(area.height) + "+" + std::to_string(area.x) + "+" + std::to_string(area.y) +
        " +repage -strip -define png:compression-level=9 PNG8:'" + file + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
