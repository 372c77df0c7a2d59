#include "core/ui/WxMessageBoxes.h"

#include "core/ui/MessageBoxWindow.h"
#include "core/ui/WindowInUse.h"

platform::MessageAnswer ShowWxMessageBox(const platform::Message& message) {
    CMessageBoxWindow box(WindowInUse(), message);
    return box.Ask();
}
