#include "tests/engines/TestRecords.h"
#include "testsvc/data/Images.h"
#include "testsvc/data/MarkRecords.h"
#include "testsvc/data/RecordWriter.h"
#include "testsvc/data/WebLayout.h"

#include <gtest/gtest.h>

TEST(RecordWriter, ByteFormat) {
    CRecordWriter writer;
    writer.AddText("AB", "xy");
    writer.AddText("EMPTY", "");
    writer.AddRaw("R", {1, 2});
    const Bytes record = writer.Finish();
    const Bytes expected = {'1',
                            25,
                            0,
                            0,
                            0, // header
                            'A',
                            'B',
                            0,
                            CRecordWriter::kText,
                            3,
                            0,
                            0,
                            0,
                            'x',
                            'y',
                            0, // text
                            'R',
                            0,
                            CRecordWriter::kRaw,
                            2,
                            0,
                            0,
                            0,
                            1,
                            2}; // raw
    EXPECT_EQ(record, Bytes(expected.begin(), expected.end()));
    EXPECT_EQ(CRecordWriter().Finish(), (Bytes{'1', 5, 0, 0, 0}));
}

TEST(RecordWriter, ADamagedRecordOverrunsItself) {
    CRecordWriter writer;
    writer.AddText("A", "1");
    writer.AddText("B", "2");
    const Bytes damaged = writer.FinishDamaged();
    EXPECT_EQ(test_records::ReadU32(&damaged[1]), damaged.size());
    EXPECT_FALSE(test_records::Fields(damaged).has_value());
}

TEST(RecordWriter, ListEncodings) {
    EXPECT_EQ(FormatPairList({{"Acme Ltd", "London"}, {"A\\B", ""}}),
              "Acme Ltd\\1London\\2A\\\\B\\1\\2");
    EXPECT_EQ(FormatStringList({"x"}), "x\\1\\2");
    EXPECT_EQ(FormatItemList({{"1 Jan 2000", "??", "Filed"}}), "1 Jan 2000\\1??\\2Filed\\2");
}

TEST(MarkRecords, SummaryAndTextRecordsOfEveryRegister) {
    for (const RegisterInfo& info : ServedRegisters()) {
        const CTestRegisterData data(info, 60);
        for (const TestMark& mark : data.Marks()) {
            const auto summary = test_records::Fields(BuildSummaryRecord(data, mark));
            const auto text = test_records::Fields(BuildTextRecord(data, mark));
            ASSERT_TRUE(summary && text) << info.code << " " << mark.seq;
            const char* numberTag = info.traits & kSerialNumbers ? "SERNUM" : "APPNUM";
            EXPECT_EQ(summary->at(numberTag), data.AppNumberOf(mark).text);
            EXPECT_EQ(summary->at("WORDMARK"), data.WordMarkText(mark));
            EXPECT_EQ(text->at("STATUS"), StatusWord(mark.status));
            EXPECT_EQ(summary->count("ICON"), mark.device ? 1u : 0u);
            EXPECT_EQ(text->count("IMINFO"), mark.imageCount > 1 ? 1u : 0u);
            EXPECT_EQ(text->count("GOODS"), (info.traits & (kDesigns | kDomains)) ? 0u : 1u);
            EXPECT_FALSE(text->at("PROPS").empty());
        }
    }
}

TEST(MarkRecords, ErrorAndMissingRecords) {
    const CTestRegisterData data(*FindRegister('u'), 5);
    RecordDefect defect;
    defect.errorText = "Withdrawn";
    const auto fields = test_records::Fields(BuildTextRecord(data, data.Marks()[0], defect));
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->size(), 1u);
    EXPECT_EQ(fields->at("ERROR"), "Withdrawn");
    EXPECT_FALSE(test_records::Fields(BuildMissingRecord(7))->at("ERROR").empty());
}

TEST(Images, IconIsA16ColourDibWithPixelsAt104) {
    const Bytes dib = MakeIconDib(40);
    ASSERT_EQ(dib.size(), 104u + 16u * 24u);
    EXPECT_EQ(test_records::ReadU32(&dib[0]), 40u);  // header size
    EXPECT_EQ(test_records::ReadU32(&dib[4]), 32u);  // width
    EXPECT_EQ(test_records::ReadU32(&dib[8]), 24u);  // height
    EXPECT_EQ(dib[14], 4);                           // bits per pixel
    EXPECT_EQ(test_records::ReadU32(&dib[32]), 16u); // colours used
}

TEST(Images, FlagBitmapFile) {
    const Bytes file = MakeFlagBitmapFile();
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(test_records::ReadU32(&file[2]), file.size());
    EXPECT_EQ(test_records::ReadU32(&file[18]), 18u);
    EXPECT_EQ(test_records::ReadU32(&file[22]), 12u);
    EXPECT_EQ(test_records::ReadU32(&file[46]), 16u);
    EXPECT_EQ(test_records::ReadU32(&file[10]), 54u + 4u * 16u);
}

TEST(Images, PngsOfTheAskedSize) {
    const Bytes png = MakeMarkPng(40, 0, 100, 80);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png[1], 'P');
    // The IHDR chunk: width and height big-endian at 16 and 20.
    EXPECT_EQ((png[16] << 24) | (png[17] << 16) | (png[18] << 8) | png[19], 100);
    EXPECT_EQ((png[20] << 24) | (png[21] << 16) | (png[22] << 8) | png[23], 80);
    EXPECT_NE(MakeMarkPng(40, 1, 100, 80), png);
    EXPECT_THROW(MakeMarkPng(40, 0, 0, 80), std::invalid_argument);
}

TEST(WebLayout, DescribesTheRegister) {
    const auto layout = test_records::Fields(BuildWebLayout());
    ASSERT_TRUE(layout);
    for (const char* key :
         {"shortName", "longName", "regionName", "associatedCountryCodes", "appNumFormat",
          "tmNumFormat", "flag", "sum1", "sum2", "detSum1Left", "detSum1Right", "detSum2Left",
          "detSum2Right", "detSum3Left", "details", "selection"})
        EXPECT_FALSE(layout->at(key).empty()) << key;
    EXPECT_EQ(layout->at("tmNumFormat"), "\\d+");
}
