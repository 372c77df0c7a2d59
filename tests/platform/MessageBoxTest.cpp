#include "platform/MessageBox.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform;

TEST(MessageBox, UnattendedAnswersTheDefault) {
    EXPECT_EQ(ShowMessageBox({"W999 test", "", MessageButtons::YesNo, MessageIcon::Question}),
              MessageAnswer::Yes);
    EXPECT_EQ(ShowMessageBox({"W999 test", "", MessageButtons::OkCancel, MessageIcon::Warning}),
              MessageAnswer::Ok);
    EXPECT_EQ(ShowMessageBox({"W999 test", "", MessageButtons::YesNo, MessageIcon::Question, true}),
              MessageAnswer::No);
    EXPECT_EQ(DefaultAnswer(MessageButtons::OkCancel, true), MessageAnswer::Cancel);
    EXPECT_EQ(DefaultAnswer(MessageButtons::YesNoCancel, true), MessageAnswer::No);
    EXPECT_EQ(DefaultAnswer(MessageButtons::Ok, true), MessageAnswer::Ok);
}

TEST(MessageBox, ScriptedHandlerSeesTheMessageAndIsRemovedAfterItsScope) {
    std::vector<std::string> shown;
    {
        ScopedMessageBoxHandler script([&](const Message& message) {
            shown.push_back(message.text);
            return MessageAnswer::No;
        });
        EXPECT_EQ(ShowMessageBox({"U100 first", "ZRPro", MessageButtons::YesNo, MessageIcon::Question}),
                  MessageAnswer::No);
    }
    EXPECT_EQ(ShowMessageBox({"U101 second", "", MessageButtons::Ok, MessageIcon::Information}), MessageAnswer::Ok);
    EXPECT_EQ(shown, std::vector<std::string>{"U100 first"});
}
