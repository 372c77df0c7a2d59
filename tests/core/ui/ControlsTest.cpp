// The drawn controls under the display, driven by their own events: the link's hover, click and
// failure, the arrow button's commands while held, the information box's check box, and the
// wheel beside a row window's scroll bar.

#include "SettingsFixture.h"
#include "WxTestSupport.h"
#include "core/ui/GraphicButton.h"
#include "core/ui/HyperLink.h"
#include "core/ui/InfoBoxWindow.h"
#include "core/ui/RowScrolling.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/scrolbar.h>

namespace {

using Texts = std::vector<std::string>;

struct Frame {
    Frame() : window(new wxFrame(nullptr, wxID_ANY, "Controls", wxPoint(300, 300))) {
        window->Show();
    }
    ~Frame() { window->Destroy(); }
    wxFrame* window;
};

void Send(wxWindow& window, wxEventType type) {
    wxMouseEvent event(type);
    event.SetEventObject(&window);
    window.GetEventHandler()->ProcessEvent(event);
}

TEST(HyperLink, ClickOpensTheTargetAndMarksItVisited) {
    Frame frame;
    std::vector<std::string> opened;
    int result = 42;
    auto* link = new CHyperLink(frame.window, wxID_ANY, "", "http://www.velorin.example/", 0,
                                [&](const std::string& target) {
                                    opened.push_back(target);
                                    return result;
                                });
    EXPECT_EQ(link->GetLabel(), "http://www.velorin.example/"); // the text from the target
    Send(*link, wxEVT_LEFT_UP);
    EXPECT_TRUE(link->IsVisited());
    EXPECT_EQ(link->GetLook().colour, kVisitedColour);

    // A failure beeps and says why; the visited colour stays until cleared.
    wx_test::RecordedMessages messages;
    result = 31;
    link->Open();
    EXPECT_EQ(messages.Texts(),
              (Texts{"|W307 Unable to open hyperlink:\n\nThere is no application associated\n"
                     "with the given filename extension."}));
    EXPECT_TRUE(link->IsVisited());
    link->SetVisited(false);
    EXPECT_EQ(link->GetLook().colour, kLinkColour);
    EXPECT_EQ(opened.size(), 2u);
}

TEST(HyperLink, HoverUnderlinesUntilTheTimerFindsThePointerGone) {
    Frame frame;
    auto* link = new CHyperLink(frame.window, wxID_ANY, "About", "http://x.example/", 0,
                                [](const std::string&) { return 42; });
    EXPECT_EQ(link->GetURL(), "http://x.example/");
    Send(*link, wxEVT_MOTION);
    EXPECT_EQ(link->GetLook(), (CHyperLinkLook{kHoverColour, true}));
    // The pointer of the virtual display is not over the link: the next tick ends the hover.
    wxWindow::FindWindowByLabel("About")->WarpPointer(-50, -50);
    EXPECT_TRUE(
        wx_test::PumpUntil([link] { return !link->IsHovering(); }, std::chrono::seconds(5)));
    EXPECT_EQ(link->GetLook(), (CHyperLinkLook{kLinkColour, false}));
    link->SetUnderline(kUnderlineAlways);
    EXPECT_TRUE(link->GetLook().underlined);
}

TEST(GraphicButton, AHeldRepeatButtonCommandsAtOnceThenEvery100Milliseconds) {
    Frame frame;
    int commands = 0;
    frame.window->Bind(
        wxEVT_BUTTON, [&commands](wxCommandEvent&) { ++commands; }, 77);
    auto* button =
        new CGraphicButton(frame.window, 77, kGlyphDown, CGraphicButtonState::kAutoRepeat, 1);
    Send(*button, wxEVT_LEFT_DOWN);
    EXPECT_EQ(commands, 1);
    // The sixth tick, at 600 ms, repeats; then one every tick.
    EXPECT_TRUE(wx_test::PumpUntil([&commands] { return commands >= 3; }, std::chrono::seconds(5)));
    Send(*button, wxEVT_LEFT_UP);
    const int released = commands;
    wx_test::PumpUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(commands, released);

    // A plain button commands on release; a disabled one not at all.
    button->SetStyle(kGlyphUp, 0, 1);
    Send(*button, wxEVT_LEFT_DOWN);
    EXPECT_EQ(commands, released);
    Send(*button, wxEVT_LEFT_UP);
    EXPECT_EQ(commands, released + 1);
    Send(*button, wxEVT_LEFT_DOWN);
    button->Disable();
    Send(*button, wxEVT_LEFT_UP);
    EXPECT_EQ(commands, released + 1);
}

class InfoBoxWindowTest : public SettingsFixture {};

TEST_F(InfoBoxWindowTest, TickingTheBoxSwitchesTheMessageOff) {
    CUserOptions user;
    user.Load(system_);
    wx_test::DialogScripts scripts;
    scripts.Add([](wxDialog& box) {
        for (wxWindow* child : box.GetChildren())
            if (auto* check = dynamic_cast<wxCheckBox*>(child))
                check->SetValue(true);
        wx_test::Click(wx_test::Child<wxButton>(box, wxID_OK));
    });
    EXPECT_TRUE(ShowInfoBox(user, "SaveOptions", "These options will remain", "", ShowWxInfoBox));
    EXPECT_EQ(scripts.Opened(), (Texts{"RO Vedaridarevu"}));
    EXPECT_FALSE(ShowInfoBox(user, "SaveOptions", "These options will remain", "", ShowWxInfoBox));
    EXPECT_TRUE(scripts.AllUsed());
}

// wxGTK reports a turn over the bar itself as a sideways one of the opposite sign.
TEST(RowScrolling, TheWheelOverTheBarMovesTheRowsAsOverTheRows) {
    Frame frame;
    auto* bar =
        new wxScrollBar(frame.window, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    const struct {
        wxMouseWheelAxis axis;
        wxWindow* over;
        int rotation;
    } rows[] = {
        {wxMOUSE_WHEEL_VERTICAL, frame.window, 120},
        {wxMOUSE_WHEEL_HORIZONTAL, bar, -120},
        {wxMOUSE_WHEEL_HORIZONTAL, frame.window, 0},
    };
    for (const auto& row : rows) {
        wxMouseEvent turn(wxEVT_MOUSEWHEEL);
        turn.m_wheelAxis = row.axis;
        turn.m_wheelRotation = 120;
        turn.SetEventObject(row.over);
        EXPECT_EQ(VerticalWheelRotation(turn, *bar), row.rotation)
            << row.axis << (row.over == bar ? " over the bar" : " over the rows");
    }
}

} // namespace
