#include "registers/EngineReplies.h"

#include "core/Buffer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void AppendRecord(Bytes& batch, const std::string& record, std::uint32_t statedLength) {
    for (int i = 0; i < 4; ++i)
        batch.push_back(static_cast<std::uint8_t>(statedLength >> (8 * i)));
    batch.insert(batch.end(), record.begin(), record.end());
}

void AppendRecord(Bytes& batch, const std::string& record) {
    AppendRecord(batch, record, static_cast<std::uint32_t>(record.size()));
}

std::vector<std::string> Texts(const CRecordBatch& batch) {
    std::vector<std::string> texts;
    for (const auto record : batch.records)
        texts.emplace_back(record.begin(), record.end());
    return texts;
}

Bytes PngFile(const std::string& name) {
    CBuffer file;
    EXPECT_TRUE(file.LoadFile(std::string(ZR_TEST_DATA_DIR) + "/png/" + name));
    return Bytes(file.GetData(), file.GetData() + file.GetLength());
}

} // namespace

TEST(RecordBatch, RecordsInOrder) {
    Bytes reply;
    AppendRecord(reply, "first");
    AppendRecord(reply, "");
    AppendRecord(reply, "third");
    const CRecordBatch batch = SplitRecordBatch(reply, 3);
    EXPECT_TRUE(batch.complete);
    EXPECT_EQ(Texts(batch), (std::vector<std::string>{"first", "", "third"}));

    // Records beyond those asked for are not taken.
    EXPECT_EQ(Texts(SplitRecordBatch(reply, 2)), (std::vector<std::string>{"first", ""}));
    EXPECT_TRUE(SplitRecordBatch(reply, 0).complete);
}

TEST(RecordBatch, AShortReplyKeepsTheRecordsBeforeTheBreak) {
    Bytes reply;
    AppendRecord(reply, "first");
    AppendRecord(reply, "second", 1000);
    CRecordBatch batch = SplitRecordBatch(reply, 2);
    EXPECT_FALSE(batch.complete);
    EXPECT_EQ(Texts(batch), (std::vector<std::string>{"first"}));

    // A length cut in half, a length of 2^32 - 1, fewer records than asked, nothing at all.
    Bytes cut;
    AppendRecord(cut, "first");
    cut.insert(cut.end(), {3, 0});
    batch = SplitRecordBatch(cut, 2);
    EXPECT_FALSE(batch.complete);
    EXPECT_EQ(batch.records.size(), 1u);
    Bytes huge;
    AppendRecord(huge, "x", 0xFFFFFFFF);
    EXPECT_FALSE(SplitRecordBatch(huge, 1).complete);
    EXPECT_TRUE(SplitRecordBatch(huge, 1).records.empty());
    EXPECT_FALSE(SplitRecordBatch(cut, 3).complete);
    EXPECT_FALSE(SplitRecordBatch({}, 1).complete);
}

TEST(CompletePng, WholeImagesPass) {
    for (const char* name : {"rgb8_3x2.png", "palette8_6x3.png", "grey8_interlaced_9x9.png"})
        EXPECT_TRUE(IsCompletePng(PngFile(name))) << name;
}

TEST(CompletePng, ShortOrDamagedImagesFail) {
    const Bytes png = PngFile("rgb8_3x2.png");
    ASSERT_GT(png.size(), 40u);
    for (std::size_t cut : {std::size_t{1}, std::size_t{4}, std::size_t{12}, png.size() / 2,
                            png.size() - 8, png.size()}) {
        const Bytes shorter(png.begin(), png.end() - static_cast<std::ptrdiff_t>(cut));
        EXPECT_FALSE(IsCompletePng(shorter)) << cut;
    }
    Bytes trailing = png;
    trailing.push_back(0);
    EXPECT_FALSE(IsCompletePng(trailing));

    Bytes badSignature = png;
    badSignature[1] = 'X';
    EXPECT_FALSE(IsCompletePng(badSignature));

    // The header chunk's length overrunning the image.
    Bytes overrun = png;
    overrun[8] = 0x7F;
    EXPECT_FALSE(IsCompletePng(overrun));

    // Some other chunk first.
    Bytes noHeader = png;
    noHeader[12] = 'X';
    EXPECT_FALSE(IsCompletePng(noHeader));
}
