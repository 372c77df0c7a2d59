// Fields, conditions and list blocks evaluated over an examination whose registers are held in
// memory: which block answers a name, what the record lists become, how values are escaped.

#include "MemoryReport.h"
#include "core/TagTokeniser.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kLapsed = 1u << 22;

std::string TxHistory(const std::vector<std::vector<std::string>>& items) {
    std::string text;
    for (const std::vector<std::string>& item : items) {
        for (std::size_t i = 0; i < item.size(); ++i)
            AppendTagged(text, item[i], i == 0 ? '1' : '2');
    }
    return text;
}

class ReportFields : public ::testing::Test {
protected:
    void SetUp() override {
        CZrDocData& document = report_.document;
        document.SetClient("Client Ltd");
        document.SetSectionCount(4);
        report_.registers.connected = "uc";
        CMemoryReportDb& uk = report_.registers.Add('u', "UK", "UK Trade Marks");
        uk.SetRecord(100, {{"APPNUM", "1,234-5"},
                           {"CLASSES", "9,42"},
                           {"APPDATE", "5 Jan 2004"},
                           {"GOODS", FormatPairList({{"9", "[English] Computers"},
                                                     {"9", "[French] Ordinateurs"},
                                                     {"12", "[French] Voitures"},
                                                     {"12", "[German] Autos"},
                                                     {"25", "Clothing"},
                                                     {"35", "[See Class 9]"},
                                                     {"42", ""}})},
                           {"HISTORY", "5 Jan 2004: Filed\\by post\\6 Jul 2004: Registered\\"
                                       "7 Aug 2004:"},
                           {"TXHISTORY1", TxHistory({{"5 Jan 2004", "??", "Filed"},
                                                     {"6 Jan 2004", "??", "Examined"},
                                                     {"", "", "Note"},
                                                     {"Unknown", "DE", "Refused"},
                                                     {"8 Jan 2004", "??", "Again"}})},
                           {"PROPS", FormatPairList({{"ACME Ltd", "1 High St,\\Leeds\\UK"},
                                                     {"Tel", "Phone: 0113"}})}});
        uk.SetRecord(kLapsed | 200, {{"APPNUM", "2,000"}, {"CLIENT", "Record Client"}});
        report_.registers.Add('c', "EU", "EU Trade Marks").SetRecord(300, {{"APPNUM", "EU-1"}});
        document.AddMark(100, 'u', 0, 1, 77, CMark::kPermanentKeep | CMark::kKept);
        document.AddMark(kLapsed | 200, 'u', 0, 1, 2048000000, CMark::kKept | CMark::kLong);
        document.AddMark(300, 'c', 1, 2, 3, 0);
    }
    std::string Write(std::string_view text, bool rtf = false) { return report_.Write(text, rtf); }

    CMemoryReport report_;
};

TEST_F(ReportFields, TheInnermostBlockThatKnowsANameAnswersIt) {
    // DBNAME is the database block's; the mark block answers its record's fields, and an empty
    // or missing one falls through to the root.
    EXPECT_EQ(Write("[[STARTDB][DB=cu]][[DBNAME]]:[[STARTMARK]]<[[DBNAME]]|[[APPNUM]]|[[CLIENT]]|"
                    "[[TOTAL_KEPT]]|[[WATCH_APPNUM]]|[[CLASSES2]]|[[APPDATE_Y_M_D]]>"
                    "[[ENDMARK]];[[ENDDB]]"),
              "EU:;UK:<UK|1,234-5|Client Ltd|2||9, 42|2004-01-05>"
              "<UK|2,000|Record Client|2|||>;");
    EXPECT_EQ(Write("[[STARTMARK]][[TMNUM]] [[TMNUM2]] [[DATABASE2]] [[QSTATUS]] [[QAPPNUM]] "
                    "[[LONG]][[KEPT]][[ISFIRST]][[ISLAST]];[[ENDMARK]][[TODAY]] [[TODAY2]]"
                    "[[OSB]][[CSB]]"),
              "EU-1 EU_1 EU Registered 3 FIRST;"
              "1,234-5 1234_5 UK Registered 77 KEPT;"
              "2,000 2000 INT Lapsed 2048000000 LONGKEPTLAST;"
              "7 Mar 2004 7/ 3/2004[]");
}

TEST_F(ReportFields, ConditionsTestValuesIgnoringCase) {
    EXPECT_EQ(Write("[[STARTMARK]][[?QSTATUS=lapsed]]L[[]][[!KEPT]]U[[]][[?APPNUM=]]N[[]]"
                    "[[?APPNUM=eu-1]]E[[]][[!NOPE=x]]X[[]];[[ENDMARK]]"),
              "UNEX;NX;LNX;");
}

TEST_F(ReportFields, ListBlocksGoThroughTheRecordsLists) {
    const auto marks = [](const std::string& body) {
        return "[[STARTSECTION][LAST=1]][[STARTMARK]]" + body + "[[ENDMARK]][[ENDSECTION]]";
    };
    // Classes in English only: a class without English keeps its first entry, emptied.
    EXPECT_EQ(Write(marks("[[STARTVECTOR][FIELD=ENGOODS]][[#]]:[[1]]=[[2]];[[ENDVECTOR]]")),
              "1:9=Computers;2:12=;3:25=Clothing;4:35=[See Class 9];5:42=;");
    // A backslash that no date follows stays in the entry; an entry without text is left out.
    EXPECT_EQ(Write(marks("[[STARTVECTOR][FIELD=HISTORY]][[1]]=[[2]];[[ENDVECTOR]]")),
              "5 Jan 2004=Filed\\by post;6 Jul 2004=Registered;");
    EXPECT_EQ(Write(marks("[[STARTVECTOR][FIELD=TXHISTORY1]][[1]]{[[STARTVECTOR]"
                          "[FIELD=TXHISTORY2]][[1]] [[2]],[[ENDVECTOR]]}[[ENDVECTOR]]")),
              "International{5 Jan 2004 Filed,6 Jan 2004 Examined,}"
              "DE{-- --- ---- Refused,}International{8 Jan 2004 Again,}");
    // Record fields reach through list blocks; the entry's parts are the block's own.
    EXPECT_EQ(Write(marks("[[STARTVECTOR][FIELD=PROPS][FIRST=-1]][[2SINGLELINE]]|[[2P1]]|[[2P2]]|"
                          "[[CLASSES]];[[ENDVECTOR]]")),
              "1 High St, Leeds, UK|1 High St,\\Leeds\\UK||9,42;Phone: 0113|Phone| 0113|9,42;");
    EXPECT_EQ(Write(marks("[[STARTVECTOR][FIELD=PROPS][FIRST=1][LAST=1]][[#]][[1]][[ENDVECTOR]]")),
              "2Tel");
}

TEST_F(ReportFields, CriteriaAreShownWithTheUsersWildcards) {
    report_.options.SetMatchAny('%');
    report_.options.SetHideDuplicates(true);
    CSearch search(0);
    CCriteria& criteria = search.GetCriteria();
    criteria.ResetWithDbIds("u");
    ASSERT_TRUE(criteria.AddWordTerm("ZEN-", kValidateSearchDialog, nullptr, kTermWordMatch));
    ASSERT_TRUE(
        criteria.AddAndWordTerm("ACME ZENITH", kValidateSearchDialog, nullptr, kTermSimilarMark));
    ASSERT_TRUE(criteria.AddExcludedWordTerm("NOVA", kValidateSearchDialog, nullptr, kTermAnagram));
    search.SetFound(7);
    search.SetMarkCount(3);
    report_.document.AddSearch(search);
    report_.document.AddSearch(CSearch(1));
    EXPECT_EQ(Write("[[STARTCRITERIA]][[CRITTYPEA]] [[CRITWORDSA]]|[[CRITTYPEB]] [[CRITWORDSB]]|"
                    "[[CRITTYPEC]] [[CRITWORDSC]]|[[CRITTERMSA]]|[[CRITCLASSES]]|[[NUMFOUND]]/"
                    "[[NUMSEARCHFOUND]]/[[NUMNEW]];[[ENDCRITERIA]]"),
              "Match Word: ZEN%|Similar Mark: Similar to: \"ACME ZENITH\"|But not Anagram: "
              "Anagram of: NOVA|ZEN%|All|3/7/3; | | ||All|0/0/0;");
}

TEST_F(ReportFields, RtfValuesAreEscapedAndTemplateTextIsNot) {
    report_.registers.Add('u', "UK", "UK")
        .SetRecord(100, {{"NOTE", "a\\b{c}&eacute;&#xFF01;&bogus;"}});
    EXPECT_EQ(
        Write("{\\b [[STARTSECTION][LAST=1]][[STARTMARK]][[NOTE]][[ENDMARK]][[ENDSECTION]]}", true),
        "{\\b a\\line b\\{c\\}{\\uc8\\u233&eacute;}{\\uc8\\u-255&#xFF01;}&bogus;}");
    EXPECT_EQ(Write("[[STARTSECTION][LAST=1]][[STARTMARK]][[NOTE]][[ENDMARK]][[ENDSECTION]]"),
              "a\\b{c}&eacute;&#xFF01;&bogus;");
    // An ESCAPES tag replaces the table, wherever it stands, and a later key of the same first
    // character wins.
    EXPECT_EQ(Write("[[STARTSECTION][LAST=1]][[STARTMARK]][[NOTE]][[ENDMARK]][[ENDSECTION]]"
                    "[[ESCAPES][&=+][bx=B][b=C]]",
                    true),
              "a\\C{c}+eacute;+#xFF01;+Cogus;");
}

TEST_F(ReportFields, CancelWhileCountingWritesNothing) {
    report_.host.cancelAt = "Initialising";
    bool written = true;
    EXPECT_EQ(report_.Write("a[[STARTSECTION]][[STARTMARK]]x[[ENDMARK]][[ENDSECTION]]b", false,
                            &written),
              "");
    EXPECT_FALSE(written);
}

TEST_F(ReportFields, EachMarkIsAProgressStepAndCancelStopsAfterTheNodeInProgress) {
    report_.host.cancelAt = "Reporting mark 2 of 3";
    bool written = true;
    EXPECT_EQ(report_.Write("[[STARTMARK]]<[[APPNUM]]>[[ENDMARK]]end", false, &written), "<EU-1><");
    EXPECT_FALSE(written);
    EXPECT_EQ(report_.host.progressCaptions, std::vector<std::string>{"Report Progress"});
    EXPECT_EQ(report_.host.progressSteps,
              (std::vector<std::string>{"Initialising @0", "range 3 0-100", "Initialising @0",
                                        "Reporting mark 1 of 3 @1", "Reporting mark 2 of 3 @2"}));
}

} // namespace
