#include "registers/RecordTexts.h"

#include "registers/DbCodes.h"
#include "registers/RegisterTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(RegisterTexts, CodesInTheirFixedOrder) {
    EXPECT_EQ(DbCodesToNames("ua"), "RW UK");
    EXPECT_EQ(DbCodesToNames("01wonpeifkdsca"),
              "RW EUTM US UKDOM DE IR IE FR PL CA RCD WEB TRW TUK");
    EXPECT_EQ(DbCodesToNames("xyz"), "");
    EXPECT_EQ(MergeDbCodes("0u", "cx"), "uc");
    EXPECT_EQ(MergeDbCodes("okntpfedisc", "ua1"), "aucsidefptnko");
    EXPECT_EQ(MergeDbCodes("", ""), "");
}

TEST(RegisterTexts, StatusWords) {
    EXPECT_EQ(StatusCodesToText("ar", false), "Registered Abandoned");
    EXPECT_EQ(StatusCodesToText("alpr", true), "Reg Pen Lap Abn");
    EXPECT_EQ(StatusCodesToText("x", false), "");
    std::string text;
    AppendWord(text, "one");
    AppendWord(text, "two");
    EXPECT_EQ(text, "one two");
}

TEST(RegisterTexts, Ranges) {
    EXPECT_EQ(AppNumRangeToText("", ""), "");
    EXPECT_EQ(AppNumRangeToText("123", "123"), "123");
    EXPECT_EQ(AppNumRangeToText("123", ""), "123-");
    EXPECT_EQ(AppNumRangeToText("", "456"), "-456");
    EXPECT_EQ(AppNumRangeToText("123", "456"), "123-456");

    const CZrDate from("5 Jan 2004"), to("6 Feb 2005");
    EXPECT_EQ(DateRangeToText(CZrDate(), CZrDate()), "");
    EXPECT_EQ(DateRangeToText(from, from), "5 Jan 2004");
    EXPECT_EQ(DateRangeToText(from, CZrDate()), "5 Jan 2004-");
    EXPECT_EQ(DateRangeToText(from, to), "5 Jan 2004-6 Feb 2005");
}

TEST(DbCodes, SlotsNamesAndEngineCodes) {
    for (int slot = 0; slot < 15; ++slot)
        EXPECT_EQ(DbCodeToSlot(DbSlotToCode(slot)), slot);
    EXPECT_EQ(DbSlotToCode(0), 'a');
    EXPECT_EQ(DbSlotToCode(14), '1');
    EXPECT_EQ(DbSlotToCode(15), 0);
    EXPECT_EQ(DbSlotToCode(-1), 0);
    EXPECT_EQ(DbCodeToSlot('w'), -1);
    EXPECT_EQ(DbCodeToSlot('\0'), -1);
    EXPECT_EQ(GetCatalogueShortName('o'), "RCD");
    EXPECT_EQ(GetCatalogueShortName('w'), "WEB");
    EXPECT_EQ(GetCatalogueShortName('x'), "");
    EXPECT_EQ(MapDbCode('I'), 'i');
    EXPECT_EQ(MapDbCode('u'), 'u');
}

TEST(RecordTexts, LanguagesAndSubsetNames) {
    EXPECT_EQ(JoinLanguages("EN", "FR"), "EN/FR");
    EXPECT_EQ(JoinLanguages("EN", ""), "EN");
    EXPECT_EQ(JoinLanguages("", "FR"), "");
    EXPECT_EQ(GetA6SourceName("inn"), "International Nonproprietary Names");
    EXPECT_EQ(GetA6SourceName("Wine"), "E-BACCHUS");
    EXPECT_EQ(GetA6SourceName("POES"), "Protected Olympic Expressions and Symbols");
    EXPECT_EQ(GetA6SourceName("A"), "");
}

} // namespace
