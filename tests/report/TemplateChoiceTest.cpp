// Choosing a report template: the default chosen only by its exact name, OK only with a choice.

#include "report/job/TemplateChoice.h"

#include <gtest/gtest.h>

namespace {

TEST(TemplateChoice, TheDefaultIsChosenOnlyByItsExactName) {
    const std::vector<std::string> names = {"Default.rtf", "default.rtf", "watch.rtf"};
    EXPECT_EQ(CTemplateChoice(names, "default.rtf").GetSelection(), 1);
    for (const char* other : {"DEFAULT.RTF", "default.rtf ", "default", ""}) {
        const CTemplateChoice choice(names, other);
        EXPECT_FALSE(choice.CanChoose()) << other;
        EXPECT_EQ(choice.GetChosenName(), "") << other;
    }
    const CTemplateChoice empty({}, "default.rtf");
    EXPECT_FALSE(empty.CanChoose());
}

TEST(TemplateChoice, OkNeedsAChoice) {
    CTemplateChoice choice({"a.rtf", "b.txt"}, "x.rtf");
    choice.Select(1);
    EXPECT_EQ(choice.GetChosenName(), "b.txt");
    for (const int index : {2, -1, -2}) {
        choice.Select(index);
        EXPECT_FALSE(choice.CanChoose()) << index;
    }
    choice.Select(0);
    EXPECT_EQ(choice.GetChosenName(), "a.rtf");
}

} // namespace
