#include "testsvc/data/Vocabulary.h"

#include <cstdio>
#include <set>
#include <stdexcept>

namespace {

std::uint32_t Bcd(int value) {
    return static_cast<std::uint32_t>((value / 10) * 16 + value % 10);
}

const char* const kRealWords[] = {
    "ACME",   "ZENITH", "STAR",  "BRIGHT", "NOVA",   "ALPHA",  "OMEGA",  "ACMEX", "ACNE",
    "EMCA",   "NEW",    "WORLD", "ORDER",  "SUN",    "MOON",   "RIVER",  "STONE", "BLUE",
    "RED",    "GREEN",  "GOLD",  "SILVER", "EAGLE",  "LION",   "TIGER",  "CROWN", "ROYAL",
    "CITY",   "NORTH",  "SOUTH", "OCEAN",  "FOREST", "SPARK",  "PIXEL",  "ORBIT", "COMET",
    "HARBOR", "MAPLE",  "CEDAR", "FALCON", "PRIME",  "VERTEX", "QUARTZ", "LUNAR", "SOLAR"};

const char* const kSyllables[] = {"BA",  "KO",  "RI",  "TEL", "MAR", "VEN", "ZO", "LIN",
                                  "QUA", "SOR", "DEX", "PRI", "MO",  "NU",  "TA", "GEN"};

// Windows-1253 capitals: ALFA, VITA, DELTA.
const char* const kGreekWords[] = {"\xC1\xCB\xD6\xC1", "\xC2\xC7\xD4\xC1", "\xC4\xC5\xCB\xD4\xC1"};

const char* const kCompanies[] = {"Acme",     "Zenith",     "Northwind",  "Bluestone",  "Redwood",
                                  "Goldline", "Silverlake", "Eaglecrest", "Crownfield", "Orbitex"};
const char* const kCompanyForms[] = {"Holdings Ltd", "Industries plc", "GmbH",
                                     "SA",           "Inc.",           "Trading Co"};
const char* const kTowns[] = {"1 High Street, London",    "22 Rue de la Paix, Paris",
                              "5 Hauptstrasse, Berlin",   "10 Main Street, Dublin",
                              "7 Rynek Glowny, Krakow",   "400 Park Avenue, New York",
                              "12 George Street, Sydney", "88 Bay Street, Toronto"};

const char* const kAgentNames[] = {"Harbour & Finch LLP", "Patent Partners LLP",
                                   "Brandwell Attorneys", "Quill Trade Mark Agents",
                                   "Northgate IP"};
const char* const kAgentAddresses[] = {"3 Chancery Lane, London", "9 Fleet Street, London",
                                       "14 Kings Road, Manchester", "2 Dock Road, Glasgow",
                                       "41 Castle Street, Leeds"};

const char* const kDesignerNames[] = {"Anna Berg", "Luca Moretti", "Jean Dubois", "Eva Novak"};
const char* const kDesignerAddresses[] = {"Stockholm", "Milan", "Lyon", "Prague"};

struct ClassGoods {
    int niceClass;
    const char* text;
};
const ClassGoods kGoods[] = {
    {3, "Soaps; perfumery; cosmetics; hair lotions"},
    {9, "Computer software; mobile telephones; cameras"},
    {12, "Vehicles; bicycles; tyres"},
    {25, "Clothing, footwear, headgear"},
    {28, "Games and playthings; sporting articles"},
    {30, "Coffee, tea, cocoa; bread, pastry"},
    {32, "Beers; mineral waters; fruit juices"},
    {33, "Wines; spirits; liqueurs"},
    {35, "Advertising; business management; retail services"},
    {36, "Insurance; financial affairs; real estate"},
    {41, "Education; entertainment; sporting activities"},
    {42, "Software design; computer programming"},
    {43, "Restaurant services; temporary accommodation"},
};

} // namespace

std::uint32_t ViennaCode::Packed() const {
    return (Bcd(category) << 16) | (Bcd(division) << 8) | Bcd(section);
}

std::string ViennaCode::Text() const {
    char text[24];
    if (section)
        std::snprintf(text, sizeof text, "%d.%d.%d", category, division, section);
    else if (division)
        std::snprintf(text, sizeof text, "%d.%d", category, division);
    else
        std::snprintf(text, sizeof text, "%d", category);
    return text;
}

std::uint32_t LocarnoClass::Packed() const {
    return (Bcd(classNumber) << 8) | Bcd(subclass);
}

std::string LocarnoClass::Text() const {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d", classNumber, subclass);
    return text;
}

const CVocabulary& CVocabulary::Get() {
    static const CVocabulary vocabulary;
    return vocabulary;
}

CVocabulary::CVocabulary() {
    std::set<std::string> seen;
    auto add = [&](const std::string& word) {
        if (seen.insert(word).second)
            words_.push_back(word);
    };
    for (const char* word : kRealWords)
        add(word);
    for (int i = 0; i < 512; ++i) {
        std::string word = std::string(kSyllables[i % 16]) + kSyllables[(i / 16) % 16];
        if (i >= 256)
            word += kSyllables[(i * 7) % 16];
        add(word);
    }
    ordinaryWords_ = static_cast<std::uint16_t>(words_.size());
    for (const char* word : kGreekWords)
        add(word);

    for (const char* company : kCompanies)
        for (const char* form : kCompanyForms)
            owners_.push_back({std::string(company) + " " + form,
                               kTowns[(owners_.size() * 3) % std::size(kTowns)]});
    for (std::size_t i = 0; i < std::size(kAgentNames); ++i)
        agents_.push_back({kAgentNames[i], kAgentAddresses[i]});
    for (std::size_t i = 0; i < std::size(kDesignerNames); ++i)
        designers_.push_back({kDesignerNames[i], kDesignerAddresses[i]});

    goods_.resize(46);
    for (int niceClass = 1; niceClass <= 45; ++niceClass)
        goods_[niceClass] = "Assorted goods of class " + std::to_string(niceClass);
    for (const ClassGoods& goods : kGoods)
        goods_[goods.niceClass] = goods.text;

    vienna_ = {{1, 1, 1, "Stars"},    {1, 3, 1, "Sun rising or setting"},
               {2, 1, 1, "Men"},      {3, 1, 1, "Lions"},
               {3, 7, 1, "Eagles"},   {5, 3, 1, "Leaves"},
               {24, 9, 1, "Crowns"},  {26, 1, 1, "Circles"},
               {26, 4, 1, "Squares"}, {27, 5, 1, "Letters in special form"}};
    locarno_ = {{2, 2, "Garments", "Vetements"},     {6, 1, "Seats", "Sieges"},
                {6, 3, "Tables", "Tables"},          {12, 8, "Motor cars", "Voitures"},
                {14, 3, "Telephones", "Telephones"}, {26, 5, "Lamps", "Lampes"}};
    languages_ = {"EN", "DE", "FR", "ES", "IT"};
    madridCountries_ = {"GB", "FR", "DE", "ES", "IT", "US", "CN", "JP", "CH", "AU"};
}

std::uint16_t CVocabulary::WordIndex(const std::string& word) const {
    for (std::size_t i = 0; i < words_.size(); ++i)
        if (words_[i] == word)
            return static_cast<std::uint16_t>(i);
    throw std::out_of_range("no such word: " + word);
}
