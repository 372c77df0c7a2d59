// The text rules of the difference check and each register's comparer on parsed pages: the
// tolerances that must hold and the differences that must show, as report lines.

#include "WebFixture.h"
#include "registers/AppNumFormats.h"
#include "web/DiffRun.h"
#include "web/DiffText.h"
#include "web/Diffs.h"
#include "web/HttpFetch.h"

using Lines = std::vector<std::string>;

namespace {

// The report lines of what the comparison finds.
template <typename Compare>
Lines Report(Compare compare) {
    CDiffLines lines;
    lines.SetCurrentMark("X", "1");
    compare(lines);
    return lines.TakeLines();
}

CNameAddr Party(const std::string& name, const std::string& address) {
    CNameAddr party;
    party.name.SetText(name);
    party.address.SetText(address);
    return party;
}

const PairList kAcmeAndBeta = {{"Acme Ltd", "1 High St\\London"}, {"Beta Ltd", "2 Low St"}};

} // namespace

TEST(DiffRules, TextsAgreeLooselyByTheirWordsAndLines) {
    EXPECT_EQ(LooseCompare("ABC Ltd.", "abc  ltd"), 0);
    EXPECT_EQ(LooseCompare("-- ABC --", "ABC"), 0);
    EXPECT_NE(LooseCompare("ABCLtd", "ABC Ltd"), 0);
    EXPECT_NE(LooseCompare("ABC", "ABC Ltd"), 0);
    EXPECT_EQ(LooseCompare("", " ,. "), 0);
    // Only the first two lines of the first text count for the variant.
    EXPECT_EQ(LooseCompareFirstTwoLines("1 Main St\\Springfield\\USA", "1 Main St Springfield"), 0);
    EXPECT_NE(LooseCompareFirstTwoLines("1 Main St\\Springfield\\USA", "1 Main St"), 0);

    EXPECT_EQ(FoldWhiteSpace(" a \n b\r\n\r\nc \t"), "a b\\c");
    EXPECT_EQ(FoldWhiteSpace("x\r\ny\rz"), "x\\y z");
    EXPECT_EQ(CompareWordMark("FOO/BAR", FoldWhiteSpace("foo\n\nbar")), 0);
    EXPECT_EQ(CompareWordMark("ONE\\TWO\\TWO", "two\\one \\ two"), 0);
    EXPECT_NE(CompareWordMark("ONE\\TWO", "ONE\\TWO\\TWO"), 0);
    EXPECT_EQ(SplitWords("a;b. c\xA0"
                         "d",
                         ";."),
              (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines(" a \\\\ b\r\n"), (Lines{"a", "b"}));
}

TEST(DiffRules, OwnerListsPairInAnyOrderUnlessTheFirstAreComparedApart) {
    CDiff diff;
    const std::vector<CNameAddr> swapped = {Party("Beta Ltd", "2 Low St"),
                                            Party("Acme Ltd", "1 High St London")};
    EXPECT_EQ(
        Report([&](auto& r) { diff.CompareOwners("Owners", false, kAcmeAndBeta, swapped, r); }),
        Lines{});
    EXPECT_EQ(Report([&](auto& r) { diff.CompareOwners("Owners", false, {}, {}, r); }), Lines{});
    EXPECT_EQ(Report([&](auto& r) {
                  diff.CompareOwners("Owners", false, {kAcmeAndBeta[1]}, swapped, r);
              }),
              (Lines{"Differences for X AppNum: 1", "  Owners name/addr", "    Have:\t\t",
                     "    Should be:\tAcme Ltd", "         \t\t1 High St London"}));
    // Compared apart, a first owner that stands second on the page differs.
    EXPECT_EQ(
        Report([&](auto& r) { diff.CompareOwners("Owners", true, kAcmeAndBeta, swapped, r); }),
        (Lines{"Differences for X AppNum: 1", "  Owners first name/addr", "    Have:\t\tAcme Ltd",
               "         \t\t1 High St London", "    Should be:\tBeta Ltd", "         \t\t2 Low St",
               "  Owners name/addr", "    Have:\t\tBeta Ltd", "         \t\t2 Low St",
               "    Should be:\tAcme Ltd", "         \t\t1 High St London"}));
    // A first page entry in lines is split where its name agrees with the record's.
    CNameAddr lines = Party("Acme", "Ltd 1 High St London");
    lines.lines = {"Acme", "Ltd", "1 High St", "London"};
    EXPECT_EQ(Report([&](auto& r) {
                  diff.CompareHolderLines("PROPS", true, {kAcmeAndBeta[0]}, {{lines}}, r);
              }),
              Lines{});
}

TEST(DiffRules, EachRegistersAddressRuleHasItsTolerance) {
    CDiffUs us;
    CDiffIe ireland;
    CDiffCtm eu;
    CDiffDe germany;
    // The US rule reads the record address's lines: three record lines against the page's two.
    EXPECT_EQ(Report([&](auto& r) {
                  us.CompareOwners("Owners", false, {{"Acme Inc", "1 Main St\\Springfield IL\\US"}},
                                   {{Party("Acme Inc", "1 Main St Springfield IL")}}, r);
              }),
              Lines{});
    EXPECT_EQ(us.CompareNameAndAddress("", "A", "1 Main St\\Springfield", "A",
                                       "1 Main St Springfield United States"),
              0);
    EXPECT_EQ(us.CompareNameAndAddress("", "A", "1 Main St", "B", "2 Main St"), 3);
    EXPECT_EQ(
        ireland.CompareNameAndAddress("", "A", "1 Quay Dublin IE", "A", "1, The Quay, Dublin 2"),
        0);
    EXPECT_EQ(ireland.CompareNameAndAddress("", "A", "Cork", "A", "Cork"), 2); // too few to tell
    EXPECT_EQ(eu.CompareNameAndAddress("", "A", "1 Rue\\75001 Paris\\FR", "A", "1 Rue Paris FR"),
              0);
    EXPECT_EQ(eu.CompareNameAndAddress("", "A", "1 Rue Paris", "A", "1 Rue Paris FR"), 2);
    EXPECT_EQ(
        germany.CompareNameAndAddress("Agents", "Anwaltssoziet\xE4t Kunz", "Bonn", "Kunz", "Bonn"),
        0);
    EXPECT_EQ(
        germany.CompareNameAndAddress("Owners", "Acme GmbH Berlin DE", "", "Acme GmbH Berlin", ""),
        0);
    EXPECT_EQ(
        germany.CompareNameAndAddress("Service", "Post", "Berlin 10115", "Post 10115 Berlin", ""),
        0);
    // One word has nothing to swap; a post code one side leaves out is cut.
    EXPECT_EQ(germany.CompareNameAndAddress("Service", "Munich", "", "Berlin", ""), 3);
    EXPECT_EQ(germany.CompareNameAndAddress("Owners", "Acme", "Berlin 10115", "Acme Berlin", ""),
              0);
}

TEST(DiffRules, StatusesOfEachRegisterAndTheGermanStatusText) {
    const auto euStatus = [](const char* page) {
        CDiffCtm eu;
        CHtmlPageCtmDetails parsed;
        parsed.status = page;
        return Report([&](auto& r) {
            eu.CompareDetails(parsed, Record({{"STATUS", "Registered"}}), r);
        });
    };
    EXPECT_EQ(euStatus("Registration published"), Lines{});
    EXPECT_EQ(euStatus("Application published"),
              (Lines{"Differences for X AppNum: 1", "  Status", "    Have:\t\tRegistered",
                     "    Should be:\tApplication published"}));
    EXPECT_EQ(MapDeStatus("MARKE GEL\xD6SCHT"), "Abandoned");
    EXPECT_EQ(MapDeStatus("Marke gel\xF6scht."), "");
    CDiffDe germany;
    CHtmlPageDeDetails page;
    page.status = "Marke eingetragen";
    EXPECT_EQ(Report([&](auto& r) {
                  germany.CompareDetails(page, Record({{"STATUS", "Pending"}}), r);
              })[3],
              "    Should be:\tRegistered (Marke eingetragen)");
}

TEST(DiffRules, DomainsWithoutOwnerOrAgentAndEmblemsOfOtherListsAreReportedNotCrashed) {
    CDiffUkdom domains;
    CHtmlPageUkdomDetails page;
    page.ParseBuffer(
        "<pre>Registrant:\n  ACME LTD\nRegistrant's Agent:\n  x [Tag = NOMINET]\n</pre>");
    EXPECT_EQ(Report([&](auto& r) { domains.CompareDetails(page, Record({}), r); }),
              (Lines{"Differences for X AppNum: 1", "  Owners first name", "    Have:\t\t",
                     "    Should be:\tACME LTD", "  Agents tag", "    Have:\t\t",
                     "    Should be:\tNOMINET"}));
    EXPECT_EQ(
        Report([&](auto& r) {
            domains.CompareDetails(CHtmlPageUkdomDetails(), Record({{"Status", "Registered"}}), r);
        })[3],
        "    Should be:\tDomain not found");

    CWebClient client;
    const std::unique_ptr<IDiffCheck> emblems =
        FindDiffRegister('a')->makeCheck(client, CWebServers());
    EXPECT_EQ(Report([&](auto& r) {
                  EXPECT_FALSE(emblems->CheckMark(1, Record({{"SUBSET", "INN"}}), r));
              }),
              (Lines{"ERROR while trying to access X AppNum: 1",
                     " Only Article 6ter emblems are compared with their page; this name is of "
                     "the list INN"}));
}

TEST(DiffRules, TheQuickCompareNamesTheFieldsItChecked) {
    const CZrData record = Record({{"STATUS", "Registered"}, {"WORDMARK", "ACME"}});
    Lines fields;
    const auto compare = [&](int code, std::string_view page) {
        return Report([&](auto& r) { EXPECT_TRUE(ComparePage(code, page, record, r, fields)); });
    };
    EXPECT_EQ(compare('e', "<table><tr><td>Status: <b>Registered</b></td></tr></table>"), Lines{});
    EXPECT_EQ(fields, (Lines{"Status", "Registration date", "Publication date", "Goods", "Owners",
                             "Service"}));
    compare('e', "<table><tr><td>Representation</td><td>ACME</td></tr></table>");
    EXPECT_EQ(fields[1], "Word mark");
    compare('u', "<dl><dt>Mark Text:</dt><dd>ACME</dd></dl>");
    EXPECT_EQ(fields.size(), 7u);
    const CZrData designation = Record({{"APPNUM", "M1025"}, {"WORDMARK", "ACME"}});
    ComparePage('u', "", designation, *std::make_unique<CDiffLines>(), fields);
    EXPECT_EQ(fields, (Lines{"Word mark", "Classes", "Application date", "Status"}));
    EXPECT_EQ(compare('o', "<p>design</p>"), Lines{});
    EXPECT_EQ(fields, Lines{});
    CDiffLines unused;
    EXPECT_FALSE(ComparePage('p', "", record, unused, fields));
    EXPECT_FALSE(ComparePage('t', "", record, unused, fields));
    // A page nested too deep is the mark's error.
    std::string deep;
    for (int i = 0; i < 25; ++i)
        deep += "<table>";
    EXPECT_EQ(compare('d', deep),
              (Lines{"ERROR while trying to access X AppNum: 1", " Too many nested tables"}));
}

// The Quick Compare reads a page as its fetch decoded it, once: "MA", sharp s and a closing
// double quote are the bytes DF 94 in Windows-1252, which the header names; read as the meta
// tag's UTF-8 once more they would be another character.
TEST(DiffRules, TheQuickCompareReadsAPageAsItsFetchDecodedIt) {
    HttpReply reply;
    reply.headers = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=windows-1252\r\n";
    reply.body = "<meta charset=utf-8><dl><dt>Mark Text:</dt><dd>MA\xDF\x94</dd></dl>";
    const CZrData record = Record({{"WORDMARK", "MA\xDF\x94"}});
    Lines fields;
    EXPECT_EQ(Report([&](auto& r) { ComparePage('u', PageTextOfReply(reply), record, r, fields); }),
              Lines{});
}

class UkReservedMarks : public WebFixture {};

TEST_F(UkReservedMarks, OnlyNumbersFromFourToEightMillionAreLeftUnchecked) {
    CWebClient client(QuickOptions());
    const CWebServers servers = ServersAt(server_.BaseUrl());
    CHtmlSiteUk site(client, servers);
    CDiffUk uk;
    struct Row {
        std::uint32_t number;
        bool fetched;
    };
    for (const Row row :
         {Row{3999999, true}, {4000000, false}, {7999999, false}, {8000000, true}}) {
        server_.ClearRequests();
        const Lines lines =
            Report([&](auto& r) { uk.CheckMark(site, row.number << 8, Record({}), r); });
        EXPECT_EQ(server_.Log().size(), row.fetched ? 1u : 0u) << row.number;
        if (!row.fetched) {
            EXPECT_EQ(lines, Lines{"Not checking UK Reserved mark: " + std::to_string(row.number)});
        }
    }
}
