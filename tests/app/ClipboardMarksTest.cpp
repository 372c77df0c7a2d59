#include "app/document/ClipboardMarks.h"

#include "app/document/TextException.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipboardMarksTest, NoMarksIsACountOfZero) {
    const std::string data = EncodeClipboardMarks({});
    EXPECT_EQ(data, std::string(4, '\0'));
    std::vector<CMark> marks;
    DecodeClipboardMarks(data, marks);
    EXPECT_TRUE(marks.empty());
}

TEST(ClipboardMarksTest, MarksTravelWithTheirFlags) {
    const std::vector<CMark> copied = {CMark(12, 'u', 3, 4, 0x1234, CMark::kKept),
                                       CMark(0xfffffff0u, 'c', 0, 0, -5, CMark::kPermanentKeep)};
    const std::string data = EncodeClipboardMarks(copied);
    ASSERT_EQ(data.size(), 4u + 2 * 24);
    EXPECT_EQ(data.substr(0, 8), std::string("\2\0\0\0\x0c\0\0\0", 8));
    // Record number, register code, application number, search id, section, flags.
    EXPECT_EQ(data.substr(8, 20), std::string("u\0\0\0\x34\x12\0\0\4\0\0\0\3\0\0\0\x10\0\0\0", 20));

    std::vector<CMark> pasted = {CMark(1, 'k', 1, 1)};
    DecodeClipboardMarks(data + std::string(8, '\0'), pasted); // blocks may be rounded up
    ASSERT_EQ(pasted.size(), 3u);
    EXPECT_EQ(pasted[1].GetRecordNumber(), 12u);
    EXPECT_EQ(pasted[1].GetFlags(), CMark::kKept);
    EXPECT_EQ(pasted[1].GetAppNumber(), 0x1234);
    EXPECT_EQ(pasted[2].GetRecordNumber(), 0xfffffff0u);
    EXPECT_EQ(pasted[2].GetAppNumber(), -5);
    EXPECT_EQ(pasted[2].GetFlags(), CMark::kPermanentKeep);
}

TEST(ClipboardMarksTest, DamagedDataIsRefused) {
    std::vector<CMark> marks;
    const auto failure = [&marks](const std::string& data) -> std::string {
        try {
            DecodeClipboardMarks(data, marks);
        } catch (const CTextException& e) {
            return e.what();
        }
        return "no failure";
    };
    EXPECT_EQ(failure(std::string("\1\0", 2)),
              "ZrMarks data is damaged or incomplete: a 32-bit field at offset 0 would take "
              "1 x 4 bytes, but the data ends at 2");
    EXPECT_EQ(failure(std::string("\3\0\0\0", 4) + std::string(48, '\0')),
              "ZrMarks data is damaged or incomplete: the marks at offset 4 would take 3 x 24 "
              "bytes, but the data ends at 52");
    EXPECT_EQ(failure(std::string("\xff\xff\xff\xff", 4)),
              "ZrMarks data is damaged or incomplete: the number of marks -1 is below 0");
    EXPECT_TRUE(marks.empty());
}

} // namespace
