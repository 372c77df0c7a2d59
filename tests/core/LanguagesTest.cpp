#include "core/Languages.h"

#include <gtest/gtest.h>

TEST(Languages, CodesAndNames) {
    const std::vector<int> offered = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16};
    EXPECT_EQ(GetLanguageCodes(), offered);
    EXPECT_EQ(GetLanguageName(1), "Danish");
    EXPECT_EQ(GetLanguageName(7), "Greek");
    EXPECT_EQ(GetLanguageName(12), "Swedish");
    EXPECT_EQ(GetLanguageName(32), "Czech");
    EXPECT_EQ(GetLanguageName(43), "Irish");
    for (int code : {0, 13, 14, 15, 16, 31, 44, -1})
        EXPECT_EQ(GetLanguageName(code), "") << code;
}
