#include "platform/MessageBox.h"

#include <iostream>

namespace platform {

namespace {

MessageBoxHandler& InstalledHandler() {
    static MessageBoxHandler handler;
    return handler;
}

thread_local DeferredMessages* deferred = nullptr;

} // namespace

MessageAnswer DefaultAnswer(MessageButtons buttons, bool secondIsDefault) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return secondIsDefault ? MessageAnswer::Cancel : MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        break;
    }
    return secondIsDefault ? MessageAnswer::No : MessageAnswer::Yes;
}

MessageAnswer ShowMessageBox(const Message& message) {
    if (deferred) {
        deferred->kept_.push_back(message);
        return DefaultAnswer(message.buttons, message.secondIsDefault);
    }
    if (const MessageBoxHandler& handler = InstalledHandler())
        return handler(message);
    std::cerr << (message.caption.empty() ? "" : message.caption + ": ") << message.text << '\n';
    return DefaultAnswer(message.buttons, message.secondIsDefault);
}

DeferredMessages::DeferredMessages() {
    deferred = this;
}

DeferredMessages::~DeferredMessages() {
    deferred = nullptr;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

} // namespace platform
