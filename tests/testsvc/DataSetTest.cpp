#include "testsvc/data/DataSet.h"

#include <gtest/gtest.h>
#include <set>

TEST(DataSet, TheSameMarksOnEveryBuild) {
    const CTestRegisterData first(*FindRegister('c'), 300), second(*FindRegister('c'), 300);
    ASSERT_EQ(first.Marks().size(), 300u);
    for (std::size_t i = 0; i < 300; ++i) {
        EXPECT_EQ(first.Marks()[i].recordId, second.Marks()[i].recordId);
        EXPECT_EQ(first.WordMarkText(first.Marks()[i]), second.WordMarkText(second.Marks()[i]));
        EXPECT_EQ(first.Marks()[i].appDay, second.Marks()[i].appDay);
    }
}

TEST(DataSet, AnchorMarksComeFirst) {
    const CTestRegisterData uk(*FindRegister('u'), 20);
    EXPECT_EQ(uk.WordMarkText(uk.Marks()[0]), "ACME");
    EXPECT_EQ(uk.WordMarkText(uk.Marks()[1]), "ACME ZENITH");
    EXPECT_TRUE(uk.Marks()[1].device);
    EXPECT_EQ(uk.Marks()[1].imageCount, 3u);
    EXPECT_EQ(uk.Marks()[2].status, MarkStatus::Pending);
    EXPECT_EQ(uk.WordMarkText(uk.Marks()[9]), "NEW WORLD ORDER");
    const CTestRegisterData domains(*FindRegister('k'), 20);
    EXPECT_EQ(domains.WordMarkText(domains.Marks()[1]), "acme-zenith.co.uk");
}

TEST(DataSet, RecordIdsCarryStatusAndDeviceWhereTheRegistersReadThem) {
    for (const RegisterInfo& info : ServedRegisters()) {
        const CTestRegisterData data(info, 500);
        std::set<std::uint32_t> ids;
        for (const TestMark& mark : data.Marks()) {
            const std::uint32_t id = mark.recordId;
            EXPECT_NE(id, 0u);
            ids.insert(id);
            EXPECT_EQ(data.FindMark(id), &mark);
            switch (info.layout) {
            case IdLayout::Standard:
                EXPECT_EQ((id >> 22) & 3, static_cast<std::uint32_t>(mark.status));
                EXPECT_EQ((id & 0x8) != 0, mark.device);
                break;
            case IdLayout::DeviceBit0:
                EXPECT_EQ((id >> 22) & 3, static_cast<std::uint32_t>(mark.status));
                EXPECT_EQ((id & 0x1) != 0, mark.device);
                break;
            case IdLayout::Web:
                EXPECT_EQ((id >> 29) & 3, static_cast<std::uint32_t>(mark.status));
                EXPECT_EQ((id & 0x1) != 0, mark.device);
                break;
            case IdLayout::Domain:
                EXPECT_FALSE(mark.device);
                break;
            }
        }
        EXPECT_EQ(ids.size(), 500u) << info.code;
    }
}

TEST(DataSet, LargeSequencesKeepDistinctIds) {
    EXPECT_NE(MakeRecordId(IdLayout::Standard, 1, MarkStatus::Registered, false),
              MakeRecordId(IdLayout::Standard, 1 + (1 << 18), MarkStatus::Registered, false));
    EXPECT_EQ(MakeRecordId(IdLayout::Standard, 1 + (1 << 18), MarkStatus::Lapsed, true),
              (1u << 4) | (1u << 24) | (1u << 22) | 0x8);
}

TEST(DataSet, ApplicationNumbersInEachRegistersForm) {
    const auto number = [](char code, std::uint32_t n) {
        return MakeAppNumber(*FindRegister(code), n);
    };
    EXPECT_EQ(number('u', 1).text, "2000001");
    EXPECT_EQ(number('u', 1).packed, 2000001u << 8);
    EXPECT_EQ(number('u', 25).text, "M1025");
    EXPECT_EQ(number('u', 25).packed, 8001025u << 8);
    EXPECT_EQ(number('s', 1).text, "75000001");
    EXPECT_EQ(number('s', 1).packed, 75000001u | 0x80000000u);
    EXPECT_EQ(number('d', 1).text, "302010000101");
    EXPECT_EQ(number('d', 1).packed, (101u << 6) | 61);
    EXPECT_EQ(number('o', 4).text, "000001001-0001");
    EXPECT_EQ(number('o', 4).packed, (1001u << 10) | 1);
    EXPECT_EQ(number('p', 1).text, "PL100001");
    EXPECT_EQ(number('a', 7).text, "0007");
    EXPECT_EQ(MainNumberOf("000001001-0001"), 1001u);
    EXPECT_EQ(MainNumberOf("PL100001"), 100001u);
}

TEST(DataSet, MultiClassFilingsRepeatTheirNumber) {
    const CTestRegisterData uk(*FindRegister('u'), 30);
    EXPECT_EQ(uk.Marks()[19].packedAppNum, uk.Marks()[18].packedAppNum);
    EXPECT_EQ(uk.FindRecordByAppNum(uk.Marks()[19].packedAppNum), uk.Marks()[18].recordId);
    EXPECT_EQ(uk.FindRecordByAppNum(12345), 0u);
}

TEST(DataSet, DatesAsRecordsWriteThem) {
    EXPECT_EQ(DateText(DayOf(2004, 1, 5)), "5 Jan 2004");
    EXPECT_EQ(DateText(DayOf(2016, 2, 29)), "29 Feb 2016");
    EXPECT_EQ(DateYmd(DayOf(1999, 12, 31)), 19991231u);
    EXPECT_EQ(DateText(0), "");
}
