#pragma once
// Window tests: the toolkit is started once per test program on the (virtual) X display, the
// program's message boxes are recorded instead of shown, and modal dialogs are driven by
// scripts, so that no test waits on a user.

#include "platform/MessageBox.h"

#include <chrono>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/eventfilter.h>
#include <wx/gdicmn.h>

class wxCheckBox;
class wxComboCtrl;
class wxDialog;
class wxWindow;

namespace wx_test {

// Starts wxWidgets before the first test and ends it after the last one.
class Environment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

inline ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new Environment);

// Processes window events until `done` holds; false when the time runs out first.
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(30));
// Processes the events waiting now.
void Pump();

// Clicks a button: its command event, as a user's click sends it.
void Click(wxWindow& button);
// Ticks or unticks a check box as a user's click does: the value, then its command event.
void Tick(wxCheckBox& check, bool ticked);
// Brings the window's frame or dialog to the front and waits until it has the keyboard, so that
// the keys pressed next go to it; false when it does not get the keyboard.
bool BringToFront(wxWindow& window);
// Presses the key as a user does, in the window's frame or dialog brought to the front; false
// when it does not get the keyboard.
bool PressKey(wxWindow& window, int key);
// Answers the modal dialog (a click, a key) and waits for the answer to end it; a dialog still
// open after a few seconds is ended with wxID_ABORT and the result is false, so that a dialog
// that ignores its answer fails its test at once.
bool EndsDialog(wxDialog& dialog, const std::function<void()>& answer);
// Drags with the left button from one point of the screen to the other as a hand on the mouse
// does, with Ctrl pressed on the way when asked, and pumps until the button is up again. The input
// comes through the X server from a thread of its own, so the toolkit's drag loop, which the
// drag starts inside the pumping, takes it as the user's.
void DragWithTheMouse(wxPoint from, wxPoint to, bool control);
// Drops the combo box's list down with a click on its arrow and presses Escape, as a user does;
// true when that closed the list. The list never stays down, so that it cannot outlive its
// dialog.
bool EscapeClosesItsList(wxComboCtrl& combo);
// The child window of that id, of the type asked for; fails the test when there is none.
template <class T>
T& Child(wxWindow& parent, int id);
wxWindow* FindChild(wxWindow& parent, int id);

// Answers the program's message boxes from a list and records them ("<caption>|<text>").
class RecordedMessages {
public:
    explicit RecordedMessages(std::vector<platform::MessageAnswer> answers = {});
    const std::vector<std::string>& Texts() const { return texts_; }

private:
    std::vector<std::string> texts_;
    std::deque<platform::MessageAnswer> answers_;
    platform::ScopedMessageBoxHandler handler_;
};

// Runs one script on each modal dialog that opens while the object lives, in order of opening;
// a script ends its dialog (a click or EndModal). A dialog without script is cancelled and
// fails the test.
class DialogScripts : public wxEventFilter {
public:
    using Script = std::function<void(wxDialog&)>;

    DialogScripts();
    ~DialogScripts() override;
    void Add(Script script) { scripts_.push_back(std::move(script)); }
    // Titles of the dialogs opened so far.
    const std::vector<std::string>& Opened() const { return opened_; }
    // The modeless dialogs (progress windows) shown so far, each as "<title> over <title of the
    // window it was made over>".
    const std::vector<std::string>& Modeless() const { return modeless_; }
    bool AllUsed() const { return scripts_.empty(); }

    int FilterEvent(wxEvent& event) override;

private:
    std::deque<Script> scripts_;
    std::vector<std::string> opened_;
    std::vector<std::string> modeless_;
};

template <class T>
T& Child(wxWindow& parent, int id) {
    wxWindow* child = FindChild(parent, id);
    T* typed = dynamic_cast<T*>(child);
    if (!typed)
        throw std::runtime_error("no child of the type with id " + std::to_string(id));
    return *typed;
}

} // namespace wx_test
