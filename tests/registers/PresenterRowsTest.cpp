#include "registers/PresenterRows.h"

#include "tests/registers/TestRecords.h"
#include "tests/support/RecordingPresenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const char* const kHistoryHeader = "AddTwoColumns(\"Week Ending\", \"Recent History\", 0x12, 1)";

TEST(PresentHistory, EntriesStartAtADateAfterABackslash) {
    CRecordingPresenter output;
    PresentHistory("12 Jan 2004: Filed\\13 Feb 2004: Advertised\\ in\\Journal\\5 Mar 2004: x\\2004",
                   output);
    EXPECT_THAT(output.Calls(),
                ElementsAre("EndParagraph(1)", kHistoryHeader,
                            "AddTwoColumns(\"12 Jan 2004\", \"Filed\", 0x0, 2)",
                            "AddTwoColumns(\"13 Feb 2004\", \"Advertised\\ in\\Journal\", 0x0, 2)",
                            "AddTwoColumns(\"5 Mar 2004\", \"x\\2004\", 0x0, 2)",
                            "SetParagraphPending(1)"));
}

TEST(PresentHistory, EntriesWithoutText) {
    CRecordingPresenter output;
    PresentHistory("no colon at all", output);
    EXPECT_THAT(output.Calls(),
                ElementsAre("EndParagraph(1)", kHistoryHeader, "SetParagraphPending(1)"));

    output.Clear();
    PresentHistory("1 Jan 2004:\\2 Jan 2004:  two", output);
    EXPECT_THAT(output.Calls(), ElementsAre("EndParagraph(1)", kHistoryHeader,
                                            "AddTwoColumns(\"2 Jan 2004\", \" two\", 0x0, 2)",
                                            "SetParagraphPending(1)"));

    output.Clear();
    PresentHistory("", output);
    EXPECT_THAT(output.Calls(), IsEmpty());
}

TEST(PresentTransactionHistory, OneHeaderPerRunOfAnOffice) {
    const CZrData record = MakeRecord({{"TXHISTORY", ItemListText({{"1 Jan 2004", "GB", "Filed"},
                                                                   {"unknown", "GB", "Examined"},
                                                                   {"", "??", "Renewed"},
                                                                   {"2 Feb 2005", "??", "Lapsed"},
                                                                   {"3 Mar 2006", "GB"}})}});
    CRecordingPresenter output;
    PresentTransactionHistory(record, output);
    EXPECT_THAT(output.Calls(),
                ElementsAre("EndParagraph(1)", "AddTwoColumns(\"GB\", \"\", 0x10, 1)",
                            "AddTwoColumns(\"   1 Jan 2004\", \"Filed\", 0x0, 1)",
                            "AddTwoColumns(\"   -- --- ----\", \"Examined\", 0x0, 1)",
                            "AddTwoColumns(\"International\", \"\", 0x10, 1)",
                            "AddTwoColumns(\"   -- --- ----\", \"Renewed\", 0x0, 1)",
                            "AddTwoColumns(\"   2 Feb 2005\", \"Lapsed\", 0x0, 1)",
                            "AddTwoColumns(\"GB\", \"\", 0x10, 1)",
                            "AddTwoColumns(\"   3 Mar 2006\", \"\", 0x0, 1)",
                            "SetParagraphPending(1)"));

    output.Clear();
    PresentTransactionHistory(MakeRecord({{"APPNUM", "1"}}), output);
    EXPECT_THAT(output.Calls(), IsEmpty());
}

TEST(PresentClaimRows, CountryReferenceDateAndDescription) {
    CRecordingPresenter output;
    PresentClaimRows({{"1 Jan 2000", "GB:123456:Word mark"}, {"2 Feb 2001", "X999"}},
                     "Priorities:", output);
    EXPECT_THAT(
        output.Calls(),
        ElementsAre("AddPlainField(\"\", \"Priorities:\", 0x2, 1, 1, 0)",
                    "AddText(\"Country: \", 0x2)", "AddText(\"GB\", 0x0)", "AddText(\"   \", 0x0)",
                    "AddText(\"Ref: \", 0x2)", "AddText(\"123456\", 0x0)", "AddText(\"   \", 0x0)",
                    "AddText(\"Date: \", 0x2)", "AddText(\"1 Jan 2000\", 0x0)",
                    "AddText(\"   \", 0x0)", "AddText(\"Description: \", 0x2)",
                    "AddText(\"Word mark\", 0x0)", "AppendLineBreak()",
                    // Without any ":" the whole text is the reference.
                    "AddText(\"Country: \", 0x2)", "AddText(\"\", 0x0)", "AddText(\"   \", 0x0)",
                    "AddText(\"Ref: \", 0x2)", "AddText(\"X999\", 0x0)", "AddText(\"   \", 0x0)",
                    "AddText(\"Date: \", 0x2)", "AddText(\"2 Feb 2001\", 0x0)", "AppendLineBreak()",
                    "RequestParagraph()"));

    output.Clear();
    PresentClaimRows({}, "Priorities:", output);
    EXPECT_THAT(output.Calls(), IsEmpty());
}

TEST(PresentPairRows, LabelOnEveryFirstTextNewBlockOnce) {
    const CZrData record =
        MakeRecord({{"CLAIMS", FormatPairList({{"A", "a text"}, {"B", "b text"}})}});
    CRecordingPresenter output;
    PresentPairRows("Claims:", record, "CLAIMS", output);
    PresentPairRows("Opposition:", record, "OPPOSITION", output);
    EXPECT_THAT(output.Calls(),
                ElementsAre("AddPlainField(\"Claims:\", \"A\", 0x10, 1, 1, 0)",
                            "AddPlainField(\"\", \"a text\", 0x0, 1, 0, 0)",
                            "AddPlainField(\"Claims:\", \"B\", 0x10, 1, 0, 0)",
                            "AddPlainField(\"\", \"b text\", 0x0, 1, 0, 0)", "RequestParagraph()"));
}

TEST(PresentRefRows, UkNumbersAfterANumberWordOutsideParentheses) {
    CRecordingPresenter output;
    const std::string note =
        "registration no. 1234567 and B2345678a, 12,345 (see no. 3456789) with 99 see 42";
    PresentUkRefRow(output, "Conditions:", note, 0x14, 7, 8, true, false);
    EXPECT_THAT(output.Calls(),
                ElementsAre("AppendTo(\"1234567\", 0x12d68700, 'u', 7, 8)",
                            "AppendTo(\"B2345678a\", 0x23cace81, 'u', 7, 8)",
                            "AppendTo(\"12,345\", 0x303900, 'u', 7, 8)",
                            "AppendTo(\"99\", 0x6300, 'u', 7, 8)",
                            "AddPlainField(\"Conditions:\", \"" + note + "\", 0x14, 1, 1, 0)"));
}

TEST(PresentRefRows, UsEveryNumber) {
    CRecordingPresenter output;
    PresentUsRefRow(output, "Associated with", "1234567 and 75123456; see 12_3", 0x24, 1, 2, false,
                    true);
    EXPECT_THAT(
        output.Calls(),
        ElementsAre("AppendTo(\"1234567\", 0x12d68700, 's', 1, 2)",
                    "AppendTo(\"75123456\", 0x847a4b00, 's', 1, 2)",
                    "AppendTo(\"12_3\", 0x7b00, 's', 1, 2)",
                    "AddPlainField(\"Associated with\", \"1234567 and 75123456; see 12_3\", "
                    "0x24, 1, 0, 1)"));
}

TEST(PresentClassRangeRow, LabelsOfOneClassAndOfARange) {
    CRecordingPresenter output;
    PresentClassRangeRow(output, "3", "5", "Soap", true, false);
    PresentClassRangeRow(output, "7", "7", "Wax", false, true);
    PresentClassRangeRow(output, "a", "A", "x", false, false);
    PresentClassRangeRow(output, "", "9", "nothing", false, false);
    EXPECT_THAT(output.Calls(), ElementsAre("AddField(4, \"Class 3-5: \", \"Soap\", 0x10, 1, 1, 0)",
                                            "AddField(4, \"Class 7: \", \"Wax\", 0x10, 1, 0, 1)",
                                            "AddField(4, \"Class a: \", \"x\", 0x10, 1, 0, 0)"));
}

TEST(PresentMadridTextRow, LabelledWhenTheTextNamesTheRegistration) {
    CRecordingPresenter output;
    PresentMadridTextRow(MakeRecord({{"MADRIDTEXT", "International registration: 123"}}), output);
    PresentMadridTextRow(MakeRecord({{"MADRIDTEXT", "Protected in GB"}}), output);
    EXPECT_THAT(
        output.Calls(),
        ElementsAre("AddPlainField(\"International registration:\", \" 123\", 0x14, 1, 0, 0)",
                    "AddPlainField(\"\", \"Protected in GB\", 0x4, 1, 0, 0)"));
}

} // namespace
