#pragma once
// The message boxes of the program (platform/MessageBox.h) as windows: a modal message box
// (core/ui/MessageBoxWindow.h) over the window the user works in, else over the main window.

#include "platform/MessageBox.h"

// The handler that shows a message as a window.
platform::MessageAnswer ShowWxMessageBox(const platform::Message& message);

// Installs ShowWxMessageBox for the lifetime of the object.
class CWxMessageBoxes : public platform::ScopedMessageBoxHandler {
public:
    CWxMessageBoxes() : ScopedMessageBoxHandler(ShowWxMessageBox) {}
};
