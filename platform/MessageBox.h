#pragma once
// Message boxes. The window layer installs the handler that shows them; without one a message
// is written to the standard error and answered with its default, so that window-free code and
// its tests never block. Tests install scripted answers.

#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;
    // The second button (No, or Cancel) is the default one, also for an unattended box.
    bool secondIsDefault = false;
};

using MessageBoxHandler = std::function<MessageAnswer(const Message&)>;

// Shows the message through the installed handler and returns the user's answer.
MessageAnswer ShowMessageBox(const Message& message);

// The answer an unattended message box gives: its default button, which is the first one (Ok
// or Yes) unless the second (Cancel or No) is named the default.
MessageAnswer DefaultAnswer(MessageButtons buttons, bool secondIsDefault = false);

// Installs a handler (an empty one restores the default) and returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Installs a handler for the lifetime of the object, then puts the previous one back.
class ScopedMessageBoxHandler {
public:
    explicit ScopedMessageBoxHandler(MessageBoxHandler handler)
        : previous_(SetMessageBoxHandler(std::move(handler))) {}
    ~ScopedMessageBoxHandler() { SetMessageBoxHandler(std::move(previous_)); }
    ScopedMessageBoxHandler(const ScopedMessageBoxHandler&) = delete;
    ScopedMessageBoxHandler& operator=(const ScopedMessageBoxHandler&) = delete;

private:
    MessageBoxHandler previous_;
};

// Keeps the message boxes asked for on the thread that made it, for as long as it lives, each
// answered with its default, instead of showing them: work on a worker thread hands what it had
// to say to the window thread, which shows it afterwards. One per thread at a time.
class DeferredMessages {
public:
    DeferredMessages();
    ~DeferredMessages();
    DeferredMessages(const DeferredMessages&) = delete;
    DeferredMessages& operator=(const DeferredMessages&) = delete;

    // The messages kept so far, in the order they were asked for.
    std::vector<Message> Take() { return std::move(kept_); }

private:
    friend MessageAnswer ShowMessageBox(const Message& message);
    std::vector<Message> kept_;
};

} // namespace platform
