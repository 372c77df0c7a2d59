#include "core/FoundString.h"

#include <gtest/gtest.h>

namespace {

std::string MergedCodes(const char* first, const char* second) {
    CFoundString merged("x", 0, 0, first[0]);
    for (const char* code = first + 1; *code; ++code)
        merged.AddCodes(CFoundString("x", 0, 0, *code));
    for (const char* code = second; *code; ++code)
        merged.AddCodes(CFoundString("x", 0, 0, *code));
    return merged.GetCodes();
}

} // namespace

TEST(FoundString, StartsEmptyOrWithOneRegister) {
    const CFoundString empty;
    EXPECT_EQ(empty.GetText(), "");
    EXPECT_EQ(empty.GetPosition(), -1);
    EXPECT_EQ(empty.GetCount(), 0);
    EXPECT_EQ(empty.GetCodes(), "");

    const CFoundString found("Acme", 2, 7, 'u');
    EXPECT_EQ(found.GetText(), "Acme");
    EXPECT_EQ(found.GetPosition(), 2);
    EXPECT_EQ(found.GetCount(), 7);
    EXPECT_EQ(found.GetCodes(), "u");
}

TEST(FoundString, CodesOfBuiltInRegistersFollowTheFixedOrder) {
    EXPECT_EQ(MergedCodes("okn", "tpfedisc"), "csidefptnko");
    EXPECT_EQ(MergedCodes("cu", "ua"), "auc");
}

TEST(FoundString, OtherRegistersKeepTheirCodesAfterTheBuiltInOnes) {
    EXPECT_EQ(MergedCodes("w0", "cx"), "cw0x");
    EXPECT_EQ(MergedCodes("xw", "xu"), "uxw");
}

TEST(FoundString, AddingCodesKeepsTextPositionAndCount) {
    CFoundString found("Acme", 2, 7, 'u');
    found.AddCodes(CFoundString("ACME", 0, 99, 'c'));
    EXPECT_EQ(found.GetText(), "Acme");
    EXPECT_EQ(found.GetPosition(), 2);
    EXPECT_EQ(found.GetCount(), 7);
    EXPECT_EQ(found.GetCodes(), "uc");
}

TEST(FoundString, PrependMovesThePositionWithTheText) {
    CFoundString found("Widgets", 0, 1, 'u');
    found.Prepend("Acme ");
    EXPECT_EQ(found.GetText(), "Acme Widgets");
    EXPECT_EQ(found.GetPosition(), 5);
}
