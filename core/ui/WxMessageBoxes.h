#pragma once
// The message boxes of the program (platform/MessageBox.h) as windows: a modal wxMessageDialog
// over the top window, captioned "RO Vedaridarevu" unless the message names its own caption.

#include "platform/MessageBox.h"

// The handler that shows a message as a window.
platform::MessageAnswer ShowWxMessageBox(const platform::Message& message);

// Installs ShowWxMessageBox for the lifetime of the object.
class CWxMessageBoxes : public platform::ScopedMessageBoxHandler {
public:
    CWxMessageBoxes() : ScopedMessageBoxHandler(ShowWxMessageBox) {}
};
