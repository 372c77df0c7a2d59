#include "WxTestSupport.h"

#include "core/ui/WxText.h"

#include <future>
#include <memory>
#include <thread>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combo.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

// After the toolkit's headers, which X11's macros (None, Bool, Status) would break.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace wx_test {

void Environment::SetUp() {
    static char name[] = "zr_ui_test";
    static char* arguments[] = {name, nullptr};
    int count = 1;
    wxApp::SetInstance(new wxApp); // owned and deleted by wxEntryCleanup
    ASSERT_TRUE(wxEntryStart(count, arguments)) << "no display (run under xvfb-run)";
    ASSERT_TRUE(wxTheApp->CallOnInit());
    // What the toolkit logs goes to the standard error, never into a message box.
    delete wxLog::SetActiveTarget(new wxLogStderr);
}

void Environment::TearDown() {
    wxEntryCleanup();
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void Pump() {
    wxTheApp->Yield(true);
    wxTheApp->ProcessPendingEvents();
}

void Click(wxWindow& button) {
    wxCommandEvent click(wxEVT_BUTTON, button.GetId());
    click.SetEventObject(&button);
    button.GetEventHandler()->ProcessEvent(click);
}

void Tick(wxCheckBox& check, bool ticked) {
    check.SetValue(ticked);
    wxCommandEvent click(wxEVT_CHECKBOX, check.GetId());
    click.SetEventObject(&check);
    click.SetInt(ticked ? 1 : 0);
    check.GetEventHandler()->ProcessEvent(click);
}

bool BringToFront(wxWindow& window) {
    auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(&window));
    if (!top)
        return false;
    top->Raise();
    return PumpUntil([top] { return top->IsShownOnScreen() && top->IsActive(); });
}

bool PressKey(wxWindow& window, int key) {
    if (!BringToFront(window))
        return false;
    wxUIActionSimulator().Char(key);
    return true;
}

bool EndsDialog(wxDialog& dialog, const std::function<void()>& answer) {
    answer();
    if (PumpUntil([&dialog] { return !dialog.IsModal(); }, std::chrono::seconds(5)))
        return true;
    dialog.EndModal(wxID_ABORT);
    return false;
}

void DragWithTheMouse(wxPoint from, wxPoint to, bool control) {
    auto moved = std::async(std::launch::async, [from, to, control] {
        // A connection of its own, which this thread may use; each step is given time to reach
        // the windows, as a hand's movements do.
        const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr),
                                                                  XCloseDisplay);
        if (!display)
            return false;
        const auto settle = [&display] {
            XFlush(display.get());
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
        };
        const auto moveTo = [&](wxPoint at) {
            XTestFakeMotionEvent(display.get(), -1, at.x, at.y, 0);
            settle();
        };
        const auto button = [&](bool down) {
            XTestFakeButtonEvent(display.get(), 1, down, 0);
            settle();
        };
        const auto controlKey = [&](bool down) {
            XTestFakeKeyEvent(display.get(), XKeysymToKeycode(display.get(), XK_Control_L), down,
                              0);
            settle();
        };
        moveTo(from);
        button(true);
        constexpr int kSteps = 10;
        for (int step = 1; step <= kSteps; ++step) {
            // Ctrl held at the press would be a Ctrl-click on the row.
            if (control && step == kSteps / 2)
                controlKey(true);
            moveTo(from + (to - from) * step / kSteps);
        }
        // Rested a while and moved once more, so that the drag target hears where the pointer
        // is even when a busy window began the drag late.
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        moveTo(to + wxPoint(1, 0));
        button(false);
        if (control)
            controlKey(false);
        return true;
    });
    ASSERT_TRUE(PumpUntil(
        [&moved] { return moved.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    EXPECT_TRUE(moved.get()) << "no X display";
    Pump();
}

bool EscapeClosesItsList(wxComboCtrl& combo) {
    if (!BringToFront(combo)) {
        ADD_FAILURE() << "the combo box's window does not get the keyboard";
        return false;
    }
    const wxRect box = combo.GetScreenRect();
    wxUIActionSimulator user;
    user.MouseMove(box.GetRight() - box.height / 2, box.y + box.height / 2);
    Pump();
    user.MouseClick();
    if (!PumpUntil([&combo] { return combo.IsPopupShown(); })) {
        ADD_FAILURE() << "the list does not drop down";
        return false;
    }
    user.Char(WXK_ESCAPE);
    // Escape that ends the dialog instead leaves the list down.
    auto* dialog = dynamic_cast<wxDialog*>(wxGetTopLevelParent(&combo));
    PumpUntil([&] { return !combo.IsPopupShown() || (dialog && !dialog->IsModal()); });
    const bool closed = !combo.IsPopupShown();
    combo.Dismiss();
    return closed;
}

wxWindow* FindChild(wxWindow& parent, int id) {
    return parent.FindWindow(id);
}

RecordedMessages::RecordedMessages(std::vector<platform::MessageAnswer> answers)
    : answers_(answers.begin(), answers.end()), handler_([this](const platform::Message& message) {
          texts_.push_back(message.caption + "|" + message.text);
          if (answers_.empty())
              return platform::DefaultAnswer(message.buttons, message.secondIsDefault);
          const platform::MessageAnswer answer = answers_.front();
          answers_.pop_front();
          return answer;
      }) {}

DialogScripts::DialogScripts() {
    wxEvtHandler::AddFilter(this);
}

DialogScripts::~DialogScripts() {
    wxEvtHandler::RemoveFilter(this);
}

int DialogScripts::FilterEvent(wxEvent& event) {
    if (event.GetEventType() != wxEVT_INIT_DIALOG)
        return Event_Skip;
    // Modeless windows, such as a progress window, run beside the test.
    auto* dialog = dynamic_cast<wxDialog*>(event.GetEventObject());
    if (!dialog)
        return Event_Skip;
    if (!dialog->IsModal()) {
        const wxWindow* parent = dialog->GetParent();
        modeless_.push_back(FromWx(dialog->GetTitle()) + " over " +
                            (parent ? FromWx(parent->GetLabel()) : std::string()));
        return Event_Skip;
    }
    opened_.push_back(FromWx(dialog->GetTitle()));
    if (scripts_.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << opened_.back();
        dialog->CallAfter([dialog] { dialog->EndModal(wxID_CANCEL); });
        return Event_Skip;
    }
    Script script = std::move(scripts_.front());
    scripts_.pop_front();
    // Once the dialog's modal loop runs.
    dialog->CallAfter([dialog, script = std::move(script)] { script(*dialog); });
    return Event_Skip;
}

} // namespace wx_test
