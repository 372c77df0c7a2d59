// Register-specific rows of the built-in presenters on hand-made records.

#include "registers/RecordPresenters.h"

#include "registers/PresentationFlags.h"
#include "tests/registers/TestRecords.h"
#include "tests/support/RecordingPresenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace {

std::vector<std::string> Present(RecordPresenter present, const CZrData& record,
                                 std::uint32_t flags) {
    CRecordingPresenter output;
    present(record, output, flags, 3, 4);
    return output.Calls();
}

TEST(RecordPresenters, EuropeanWordMarksInTheSecondCharacterSetUseTheGreekFont) {
    EXPECT_THAT(Present(PresentCtmRecord, MakeRecord({{"WORDMARK", "\xc1\xc2"}, {"CHARSET2", "1"}}),
                        kPresentWordMark),
                ElementsAre("AddPlainField(\"Mark:\", \"\xc1\xc2\", 0x12, 0, 0, 1)"));
    EXPECT_THAT(Present(PresentCtmRecord, MakeRecord({{"WORDMARK", "ACME"}}), kPresentWordMark),
                ElementsAre("AddPlainField(\"Mark:\", \"ACME\", 0x12, 1, 0, 1)"));
}

TEST(RecordPresenters, UsFirstUseBeforeTheRegisterAndExtensionNotes) {
    const CZrData record = MakeRecord({{"USEDATE", "1 Jan 1775"},
                                       {"SEC66A", "FC"},
                                       {"SECTIONS", "8, 15"},
                                       {"ASSOCIATIONS", "see 1234567"}});
    const std::vector<std::string> rows = Present(PresentUsRecord, record, kPresentDetails);
    EXPECT_THAT(rows, Contains("AddPlainField(\"First use:\", \"prior to 1776\", 0x10, 1, 0, 0)"));
    EXPECT_THAT(rows, Contains("AddPlainField(\"Sections:\", \"8, 15\", 0x10, 1, 0, 0)"));
    EXPECT_THAT(rows, Contains("AddPlainField(\"\", \"Request for extension of protection used as "
                               "filing basis for US application\", 0x4, 1, 0, 0)"));
    EXPECT_THAT(rows, Contains("AppendTo(\"1234567\", 0x12d68700, 's', 3, 4)"));
    EXPECT_THAT(Present(PresentUsRecord, MakeRecord({{"USEDATE", "1 Jan 1776"}}), kPresentDetails),
                ElementsAre("AddPlainField(\"First use:\", \"1 Jan 1776\", 0x10, 1, 0, 0)"));
}

TEST(RecordPresenters, ReservedWordsGoodsJoinRunsOfClasses) {
    const CZrData record = MakeRecord(
        {{"GOODS", FormatPairList({{"3", "Soap"}, {"4", "Soap"}, {"5", "Soap"}, {"7", "Tools"}})}});
    EXPECT_THAT(Present(PresentA6Record, record, kPresentGoods),
                ElementsAre("AddField(4, \"Class 3-5: \", \"Soap\", 0x10, 1, 1, 0)",
                            "AddField(4, \"Class 7: \", \"Tools\", 0x10, 1, 0, 1)"));
}

TEST(RecordPresenters, ReservedWordsSource) {
    auto source = [](std::initializer_list<std::pair<std::string_view, std::string>> fields) {
        return Present(PresentA6Record, MakeRecord(fields), kPresentDetails);
    };
    EXPECT_THAT(source({{"SUBSET", "inn"}, {"PKEY", "K1"}, {"APPNUM", "12"}}),
                ElementsAre("AddPlainField(\"Source:\", \"International Nonproprietary Names: "
                            "K1\", 0x10, 1, 0, 0)"));
    EXPECT_THAT(source({{"SUBSET", "A6"}, {"PKEY", "k1"}, {"APPNUM", "K1"}}),
                ElementsAre("AddPlainField(\"Source:\", \"Article 6Ter\", 0x10, 1, 0, 0)"));
    EXPECT_THAT(source({{"SUBSET", "A6"}, {"PKEY", "EUROPA GEOGRAPHICAL INDICATIONS x"}}),
                ElementsAre("AddPlainField(\"Source:\", \"EUROPA GEOGRAPHICAL INDICATIONS x\", "
                            "0x10, 1, 0, 0)"));
    EXPECT_THAT(source({{"SUBCAT", "Cat"}}),
                ElementsAre("AddPlainField(\"Description:\", \"Cat\", 0x10, 1, 0, 0)"));
}

TEST(RecordPresenters, AustralianRowsWrittenWhateverTheFlags) {
    const CZrData record = MakeRecord({{"MADRIDTEXT", "International registration: 123"}});
    EXPECT_THAT(Present(PresentAuCaRecord, record, 0),
                ElementsAre("RequestParagraph()",
                            "AddPlainField(\"International registration:\", \" 123\", 0x14, 1, 0, "
                            "0)"));
    EXPECT_THAT(Present(PresentPlRecord, record, 0), ElementsAre(::testing::HasSubstr("123")));
    EXPECT_THAT(Present(PresentUsRecord, record, 0), ::testing::IsEmpty());
}

TEST(RecordPresenters, StatusRows) {
    EXPECT_THAT(Present(PresentAuCaRecord,
                        MakeRecord({{"PTOSTATUS", "Registered"}, {"STDATE", "1 Jan 2004"}}),
                        kPresentDetails),
                Contains("AddPlainField(\"Last IPO status:\", \"Registered on 1 Jan 2004\", 0x10, "
                         "1, 0, 0)"));
    const std::vector<std::string> ie = Present(
        PresentIeRecord, MakeRecord({{"STDATE", "1 Jan 2004"}, {"SERNUM", "5"}}), kPresentDetails);
    EXPECT_THAT(ie, ElementsAre("AddPlainField(\"Current status from:\", \"1 Jan 2004\", 0x10, 1, "
                                "0, 0)"));
    EXPECT_THAT(Present(PresentCtmRecord,
                        MakeRecord({{"PTOSTATUS", "Filed"}, {"LANG1", "EN"}, {"LANG2", "FR"}}),
                        kPresentDetails),
                ElementsAre("RequestParagraph()",
                            "AddPlainField(\"Last OHIM status:\", \"Filed\", 0x10, 1, 0, 0)",
                            "AddPlainField(\"Official languages:\", \"EN/FR\", 0x10, 1, 0, 1)"));
}

TEST(RecordPresenters, UkNotesMakeReferences) {
    const std::vector<std::string> rows =
        Present(PresentUkRecord,
                MakeRecord({{"CONDITIONS", "registration no. 1234567 and 2345678 (see "
                                           "3456789)"}}),
                kPresentDetails);
    EXPECT_THAT(rows, Contains(::testing::StartsWith("AppendTo(\"1234567\"")));
    EXPECT_THAT(rows, Contains(::testing::StartsWith("AppendTo(\"2345678\"")));
    EXPECT_THAT(rows, Not(Contains(::testing::StartsWith("AppendTo(\"3456789\""))));
}

TEST(RecordPresenters, DesignersAndOwners) {
    const CZrData record = MakeRecord({{"DESTX", FormatPairList({{"D1", "a"}, {"D2", "b"}})},
                                       {"PROPS", FormatPairList({{"O1", "a1"}, {"O2", "a2"}})}});
    EXPECT_THAT(Present(PresentCdRecord, record, kPresentDetails),
                ElementsAre("RequestParagraph()",
                            "AddPlainField(\"Designer:\", \"D1\", 0x10, 1, 1, 0)",
                            "RequestParagraph()"));
    EXPECT_THAT(Present(PresentCdRecord, record,
                        kPresentOwnerName | kPresentFurtherOwners | kPresentFurtherAddresses),
                ElementsAre("AddPlainField(\"Owner:\", \"O1\", 0x10, 1, 1, 0)",
                            "AddPlainField(\"Owner:\", \"O2\", 0x10, 1, 0, 0)",
                            "AddPlainField(\"\", \"a2\", 0x0, 1, 0, 0)", "RequestParagraph()"));
}

} // namespace
