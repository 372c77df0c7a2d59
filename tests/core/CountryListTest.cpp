#include "core/CountryList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(CountryList, TextSetsKnownTwoLetterCodesOnly) {
    CCountryList countries;
    countries.SetFromText("gb, FR,xx,GBR");
    EXPECT_EQ(countries.GetText(), "FR,GB");
    EXPECT_TRUE(countries.IsPartial());
    countries.SetFromText("de");
    EXPECT_EQ(countries.GetText(), "DE"); // the text replaces what was set
}

TEST(CountryList, AllOrNoneSetIsNotPartial) {
    CCountryList countries;
    EXPECT_TRUE(countries.IsEmpty());
    EXPECT_FALSE(countries.IsPartial());
    countries.SetAll(true);
    EXPECT_TRUE(countries.IsAll());
    EXPECT_FALSE(countries.IsPartial());
    EXPECT_EQ(countries.GetText(), "");
    std::vector<std::string> codes{"stale"};
    countries.GetCodes(codes);
    EXPECT_TRUE(codes.empty());
}

TEST(CountryList, TableRowsAndCodes) {
    EXPECT_EQ(CCountryList().GetCount(), 101);
    std::string name;
    EXPECT_EQ(CountryCodeAt(0, &name), "AG");
    EXPECT_EQ(name, "Antigua & Barbuda");
    EXPECT_EQ(CountryCodeAt(31, &name), "EM");
    EXPECT_EQ(name, "<b>ALL</b> EU Countries, not just a subset");
    EXPECT_EQ(CountryCodeAt(100, &name), "ZM");
    EXPECT_EQ(CountryCodeAt(101, &name), "");
    EXPECT_EQ(name, "");
    EXPECT_EQ(CountryCodeAt(-1), "");

    CCountryList countries;
    countries.SetCode("us", true);
    EXPECT_TRUE(countries.HasCountry(94));
    countries.SetCode("QQ", true);
    countries.SetCountry(101, true);
    EXPECT_FALSE(countries.HasCountry(101));
    EXPECT_EQ(countries.GetText(), "US");
}
