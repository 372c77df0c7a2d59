#include "platform/MessageBox.h"

#include <iostream>

namespace platform {

namespace {

MessageBoxHandler& InstalledHandler() {
    static MessageBoxHandler handler;
    return handler;
}

} // namespace

MessageAnswer DefaultAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
               ? MessageAnswer::Yes
               : MessageAnswer::Ok;
}

MessageAnswer ShowMessageBox(const Message& message) {
    if (const MessageBoxHandler& handler = InstalledHandler())
        return handler(message);
    std::cerr << (message.caption.empty() ? "" : message.caption + ": ") << message.text << '\n';
    return DefaultAnswer(message.buttons);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

} // namespace platform
