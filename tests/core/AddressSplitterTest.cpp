#include "core/AddressSplitter.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Lines = std::array<std::string, 6>;

Lines Split(const char* address) {
    const CAddressSplitter splitter(address);
    return {splitter.GetLine1(), splitter.GetLine2(), splitter.GetLine3(),
            splitter.GetLine4(), splitter.GetLine5(), splitter.GetLine6()};
}

} // namespace

TEST(AddressSplitter, PostcodeAndCountryLetTheLinesBeforeThemBePlaced) {
    EXPECT_EQ(Split("1 High St\\Anytown\\Kent\\ME1 1AA\\England"),
              (Lines{"1 High St", "", "Anytown", "Kent", "ME1 1AA", "England"}));
    EXPECT_EQ(Split("1 High St\\Soho\\London W1A 1AA"),
              (Lines{"1 High St", "Soho", "London", "", "W1A 1AA", ""}));
    // Towns are matched without regard to case and the list's spelling is used.
    EXPECT_EQ(Split("Flat 2\\10 Mill Lane\\Old Town\\newcastle upon tyne NE1 4XF\\UNITED KINGDOM"),
              (Lines{"Flat 2\\10 Mill Lane", "Old Town", "Newcastle upon Tyne", "", "NE1 4XF",
                     "UNITED KINGDOM"}));
}

TEST(AddressSplitter, AKnownTownStandsInLineThreeAsWritten) {
    EXPECT_EQ(Split("10 Downing St\\LONDON\\SW1A 2AA"),
              (Lines{"10 Downing St", "", "LONDON", "", "SW1A 2AA", ""}));
    EXPECT_EQ(Split("5 Rue de la Paix\\Quartier\\Paris\\France"),
              (Lines{"5 Rue de la Paix", "Quartier", "Paris", "", "", "France"}));
}

TEST(AddressSplitter, ALineBeginningWithADigitCountsAsThePostcode) {
    EXPECT_EQ(Split("Hauptstrasse 1\\Mitte\\10115 Berlin\\Germany"),
              (Lines{"Hauptstrasse 1", "", "", "Mitte", "10115 Berlin", "Germany"}));
}

TEST(AddressSplitter, PostcodeShapesAllowLettersAndDigitsToStandForEachOther) {
    // O for a zero in a digit place, 1 for an I in a letter place, blanks ignored.
    EXPECT_EQ(Split("1 High St\\Town\\B O1 1AA").at(4), "B O1 1AA");
    EXPECT_EQ(Split("1 High St\\Town\\E1").at(4), "E1");
    EXPECT_EQ(Split("1 High St\\Town\\EC1A 1BB").at(4), "EC1A 1BB");
    EXPECT_EQ(Split("1 High St\\Town\\ABCDEF").at(4), "");
    EXPECT_EQ(Split("1 High St\\Town\\E1X").at(4), "");
}

TEST(AddressSplitter, UnrecognisedAddressesStayInLineOne) {
    EXPECT_EQ(Split("Somewhere\\Over\\The Rainbow"),
              (Lines{"Somewhere\\Over\\The Rainbow", "", "", "", "", ""}));
    EXPECT_EQ(Split("Somewhere\\Else\\Italy"), (Lines{"Somewhere\\Else", "", "", "", "", "Italy"}));
    EXPECT_EQ(Split("Italy"), (Lines{"", "", "", "", "", "Italy"}));
    EXPECT_EQ(Split(""), (Lines{}));
}

TEST(AddressSplitter, TheFirstLineIsNeverPlacedElsewhere) {
    EXPECT_EQ(Split("Anytown\\ME1 1AA"), (Lines{"Anytown", "", "", "", "ME1 1AA", ""}));
    EXPECT_EQ(Split("ME1 1AA"), (Lines{"", "", "", "", "ME1 1AA", ""}));
    EXPECT_EQ(Split("London"), (Lines{"", "", "London", "", "", ""}));
}

TEST(AddressSplitter, EmptyLinesCountButATrailingBackslashAddsNone) {
    EXPECT_EQ(Split("1 High St\\\\Kent\\ME1 1AA\\"),
              (Lines{"1 High St", "", "", "Kent", "ME1 1AA", ""}));
}
