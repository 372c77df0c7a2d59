#include "core/OwnerName.h"

#include "core/KnownWords.h"
#include "core/Latin1.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Example {
    const char* input;
    const char* expected;
};

void ExpectNormalised(std::initializer_list<Example> examples, bool expandCountry = false) {
    for (const Example& example : examples)
        EXPECT_EQ(NormaliseOwnerName(example.input, expandCountry), example.expected)
            << "input: " << example.input;
}

} // namespace

TEST(OwnerName, NamesInCapitalsTakeOrdinaryCaseButAbbreviationsStay) {
    ExpectNormalised({
        {"ACME WIDGETS LIMITED", "Acme Widgets Ltd"},
        {"IBM UK LIMITED", "IBM UK Ltd"},
        {"SMITH AND JONES OF LONDON", "Smith and Jones of London"},
        {"THE ST JOHN DR LTD", "The St John Dr Ltd"},
        // A run without a vowel since the run before it stays, however long.
        {"PHILIPS BV XYZ", "Philips BV XYZ"},
        {"BCDFGH KLMNP", "BCDFGH KLMNP"},
        // Accented capitals are letters and vowels too.
        {"\xC9TOILE GROUP", "\xC9toile Group"},
    });
}

TEST(OwnerName, OnlyTextsBeginningWithSixCapitalsAreRecased) {
    ExpectNormalised({
        {"Acme WIDGETS", "Acme WIDGETS"},
        {"ACME", "ACME"},
        {"AB-CD EF GHIJKL", "AB-CD EF Ghijkl"},
        {"", ""},
    });
}

TEST(OwnerName, KnownWordsAreFoundInAnyCase) {
    EXPECT_TRUE(IsKnownWord("acme"));
    EXPECT_TRUE(IsKnownWord("ZOOM"));
    EXPECT_TRUE(IsKnownWord("Abe"));
    EXPECT_FALSE(IsKnownWord("IBM"));
    EXPECT_FALSE(IsKnownWord("UK"));
    EXPECT_FALSE(IsKnownWord(""));
    const auto words = KnownWords();
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end(), LessNoCaseLatin1));
}

TEST(OwnerName, BracketsAreBalanced) {
    ExpectNormalised({
        {"Smith (Holdings", "Smith (Holdings)"},
        // A bracket opened at the very end is dropped.
        {"Smith Holdings (", "Smith Holdings "},
        {"Smith(UK) Ltd", "Smith (UK) Ltd"},
        {"Smith ( UK )", "Smith (UK)"},
        {"Acme (U.K.) Ltd", "Acme (UK) Ltd"},
        {"Acme (G.B.)", "Acme (GB)"},
        {"Acme ((Europe))", "Acme (Europe)"},
    });
}

TEST(OwnerName, OnlyUnmatchedClosingBracketsAreRemoved) {
    ExpectNormalised({
        {"Smith) Ltd (UK)", "Smith Ltd (UK)"},
        {"Acme (UK)) Ltd", "Acme (UK) Ltd"},
        {"Acme) (A) B)", "Acme (A) B"},
    });
}

TEST(OwnerName, PunctuationIsTidied) {
    ExpectNormalised({
        {"Smith , Jones,, Brown", "Smith, Jones, Brown"},
        {"Smith, ,Jones", "Smith,Jones"},
        {"Acme Ltd,", "Acme Ltd"},
        {"Acme Ltd;", "Acme Ltd"},
        {"Acme Ltd:", "Acme Ltd"},
        {"Acme Ltd\\ 1 High St", "Acme Ltd\\1 High St"},
        {"John'S Bakery", "John's Bakery"},
        {"Acme U.K.", "Acme UK"},
        {"Acme Inc.", "Acme Inc"},
        {"Widgets Co.", "Widgets Co"},
    });
}

TEST(OwnerName, AFinalFullStopOfAnAbbreviationStays) {
    ExpectNormalised({
        {"Acme S.A.", "Acme S.A."},
        {"Acme Trading.", "Acme Trading"},
        // Names too short to have a third character from the end.
        {".", ""},
        {"A.", "A"},
        {"AB.", "AB"},
    });
}

TEST(OwnerName, CompanyFormsTakeTheHouseStyle) {
    ExpectNormalised({
        {"Acme Public Limited Company", "Acme plc"},
        {"Acme p.l.c.", "Acme plc"},
        {"Acme P.L.C.", "Acme plc"},
        {"Acme Incorporated", "Acme Inc"},
        {"Acme cO. Ltd", "Acme Co Ltd"},
        {"Acme GMBH", "Acme GmbH"},
        {"Acme Ges.m.b.h.", "Acme GmbH."},
        {"Acme Gesellschaft m.b.H", "Acme GmbH"},
        {"Acme S.p.a. Milano", "Acme S.P.A. Milano"},
        {"Acme Srl Roma", "Acme S.R.L.Roma"},
        {"Acme,S.A.", "Acme, S.A."},
    });
}

TEST(OwnerName, ReplacementsLeaveLettersInsideWordsAlone) {
    ExpectNormalised({
        {"Unlimited Widgets Ltd", "Unlimited Widgets Ltd"},
        {"Acme Limitedness", "Acme Limitedness"},
        {"Sunlimited Co.", "Sunlimited Co"},
        {"MegaCo. Ltd", "MegaCo. Ltd"},
        {"D'Souza Ltd", "D'Souza Ltd"},
        {"Acme Limited, Unlimited Division", "Acme Ltd, Unlimited Division"},
    });
}

TEST(OwnerName, CountryCodesOfTheLastLineAreWrittenOutOnRequest) {
    ExpectNormalised(
        {
            {"Acme Ltd\\Rome\\IT", "Acme Ltd\\Rome\\Italy"},
            {"Acme Ltd\\Rome\\IT\\And others", "Acme Ltd\\Rome\\Italy\\And others"},
            {"Acme Ltd\\Bern\\CH-3000", "Acme Ltd\\Bern\\Switzerland-3000"},
            // A code must stand alone and is compared case-sensitively.
            {"Acme Ltd\\ITALIA", "Acme Ltd\\ITALIA"},
            {"Acme Ltd\\it", "Acme Ltd\\it"},
            {"Acme Ltd\\X", "Acme Ltd\\X"},
            {"Acme Ltd\\", "Acme Ltd\\"},
            {"Acme Ltd\\Rome\\ITA\\And others", "Acme Ltd\\Rome\\ITA\\And others"},
        },
        true);
    EXPECT_EQ(NormaliseOwnerName("Acme Ltd\\Rome\\IT", false), "Acme Ltd\\Rome\\IT");
}

TEST(OwnerName, LongTextsAreCutAndGrowSafely) {
    EXPECT_EQ(NormaliseOwnerName(std::string(20000, 'x'), false).size(), kMaxOwnerNameLength);

    // Every bracket gains a blank before it and the last one is closed.
    std::string brackets;
    for (std::size_t i = 0; i < kMaxOwnerNameLength / 2; ++i)
        brackets += "(a";
    const std::string normalised = NormaliseOwnerName(brackets, false);
    EXPECT_EQ(normalised.size(), brackets.size() / 2 * 3 + 1);
    EXPECT_TRUE(normalised.starts_with(" (a (a"));
    EXPECT_TRUE(normalised.ends_with(" (a)"));
}
