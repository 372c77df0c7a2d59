#pragma once
// The status bar of the program's frames: the message, the training pane (green "TRAINING"
// while a training database is connected) and the Caps, Num and Scroll Lock indicators. The
// message is the prompt of the frame's menu item or tool under the pointer, else "Ready" or what
// the program last said there.

#include <functional>
#include <wx/statusbr.h>

class wxCommandEvent;
class wxFrame;
class wxMenuEvent;

class CZrStatusBar : public wxStatusBar {
public:
    enum Field { kMessage, kTraining, kCapsLock, kNumLock, kScrollLock, kFieldCount };
    static constexpr const char* kIdleText = "Ready";

    // Asks whether a training database is connected each time the pane is drawn.
    CZrStatusBar(wxFrame* frame, std::function<bool()> hasTrainingDb);

    // The lock keys' indicators from the keyboard's state.
    void UpdateLockKeys();

protected:
    void DrawField(wxDC& dc, int i, int textHeight) override;

private:
    void OnMenuHighlight(wxMenuEvent& event);
    void OnMenuClose(wxMenuEvent& event);
    void OnToolEnter(wxCommandEvent& event);

    std::function<bool()> hasTrainingDb_;
};
