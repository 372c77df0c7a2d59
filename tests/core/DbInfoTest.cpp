#include "core/DbInfo.h"

#include <gtest/gtest.h>

TEST(DbInfo, StartsEmpty) {
    const CDbInfo info;
    EXPECT_EQ(info.GetRegisterCode(), 0);
    EXPECT_TRUE(info.GetFromDate().IsEmpty());
    EXPECT_TRUE(info.GetToDate().IsEmpty());
    EXPECT_EQ(info.GetEngineName(), "");
    EXPECT_EQ(info.GetEngineVersion(), 0);
}

TEST(DbInfo, CopiesCarryEveryField) {
    CDbInfo info;
    info.SetRegisterCode('u');
    info.SetDates(CZrDate("1 Jan 1990"), CZrDate("31 Dec 2004"));
    info.SetEngine("UK engine", 0x12);

    CDbInfo copy;
    copy = info;
    info.SetEngine("changed", 1);
    EXPECT_EQ(copy.GetRegisterCode(), 'u');
    EXPECT_EQ(copy.GetFromDate().FormatIso(), "1990-01-01");
    EXPECT_EQ(copy.GetToDate().FormatIso(), "2004-12-31");
    EXPECT_EQ(copy.GetEngineName(), "UK engine");
    EXPECT_EQ(copy.GetEngineVersion(), 0x12);
}
