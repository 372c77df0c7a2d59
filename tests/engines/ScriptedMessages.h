#pragma once
// Message boxes answered by a script for the life of the object; every message shown is kept.

#include "platform/MessageBox.h"

#include <deque>
#include <vector>

class CScriptedMessages {
public:
    explicit CScriptedMessages(std::deque<platform::MessageAnswer> answers = {})
        : answers_(std::move(answers)), handler_([this](const platform::Message& message) {
              shown_.push_back(message);
              if (answers_.empty())
                  return platform::DefaultAnswer(message.buttons, message.secondIsDefault);
              const platform::MessageAnswer answer = answers_.front();
              answers_.pop_front();
              return answer;
          }) {}

    const std::vector<platform::Message>& Shown() const { return shown_; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const platform::Message& message : shown_)
            texts.push_back(message.text);
        return texts;
    }

private:
    std::deque<platform::MessageAnswer> answers_;
    std::vector<platform::Message> shown_;
    platform::ScopedMessageBoxHandler handler_;
};
