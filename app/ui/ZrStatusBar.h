#pragma once
// The status bar of the program's frames: the message, the training pane (green "TRAINING"
// while a training database is connected) and the Caps, Num and Scroll Lock indicators.

#include <functional>
#include <wx/statusbr.h>

class CZrStatusBar : public wxStatusBar {
public:
    enum Field { kMessage, kTraining, kCapsLock, kNumLock, kScrollLock, kFieldCount };

    // Asks whether a training database is connected each time the pane is drawn.
    CZrStatusBar(wxWindow* parent, std::function<bool()> hasTrainingDb);

    // The lock keys' indicators from the keyboard's state.
    void UpdateLockKeys();

protected:
    void DrawField(wxDC& dc, int i, int textHeight) override;

private:
    std::function<bool()> hasTrainingDb_;
};
