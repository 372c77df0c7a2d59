#include "core/ZrData.h"

#include "core/TagTokeniser.h"
#include "tests/core/RecordBytes.h"

#include <climits>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace record_bytes;

namespace {

CZrData Record(const Bytes& bytes) {
    CZrData record;
    record.Assign(bytes.data(), bytes.size());
    return record;
}

Bytes BytesOf(const CZrData& record) {
    const auto bytes = record.GetBytes();
    return Bytes(bytes.begin(), bytes.end());
}

} // namespace

TEST(ZrData, EmptyAndClearedRecordsAreJustTheHeader) {
    const Bytes emptyRecord{'1', 5, 0, 0, 0};
    CZrData record;
    EXPECT_EQ(BytesOf(record), emptyRecord);
    EXPECT_FALSE(record.HasField(""));

    record = Record(RecordBytes({Text("WORDMARK", "ACME")}));
    ASSERT_TRUE(record.HasField("WORDMARK"));
    record.Clear();
    EXPECT_EQ(BytesOf(record), emptyRecord);
    EXPECT_FALSE(record.HasField("WORDMARK"));
}

TEST(ZrData, ByteExactRecord) {
    // WORDMARK "ACME" (kind 1), APPNUM "2001" (kind 1), ICON0 three raw bytes (kind -1).
    // clang-format off
    const Bytes bytes{
        '1', 55, 0, 0, 0,
        'W', 'O', 'R', 'D', 'M', 'A', 'R', 'K', 0, 1, 5, 0, 0, 0, 'A', 'C', 'M', 'E', 0,
        'A', 'P', 'P', 'N', 'U', 'M', 0, 1, 5, 0, 0, 0, '2', '0', '0', '1', 0,
        'I', 'C', 'O', 'N', '0', 0, 0xff, 3, 0, 0, 0, 0x89, 0, 'P'};
    // clang-format on
    ASSERT_EQ(bytes.size(), 55u);
    const CZrData record = Record(bytes);

    EXPECT_EQ(record.GetField("WORDMARK"), "ACME");
    EXPECT_EQ(record.GetInt("APPNUM"), 2001);
    int kind = 0;
    const auto icon = record.GetFieldBytes("ICON0", &kind);
    EXPECT_EQ(Bytes(icon.begin(), icon.end()), (Bytes{0x89, 0, 'P'}));
    EXPECT_EQ(kind, -1);
    EXPECT_EQ(record.GetField("ICON0"), "\x89");
    EXPECT_EQ(BytesOf(record), bytes);
}

TEST(ZrData, HeaderIsRewrittenAndNeverTrusted) {
    Bytes bytes = RecordBytes({Text("STATUS", "R")});
    bytes[0] = 'x';
    bytes[1] = 2; // a stated length shorter than the record
    const CZrData record = Record(bytes);
    EXPECT_EQ(record.GetField("STATUS"), "R");
    const Bytes written = BytesOf(record);
    EXPECT_EQ(written[0], '1');
    EXPECT_EQ(written[1], bytes.size());
    EXPECT_TRUE(std::equal(written.begin() + 5, written.end(), bytes.begin() + 5));
}

TEST(ZrData, LookupByExactName) {
    const CZrData record = Record(RecordBytes({Text("WORDMARK", "first"), Text("Status", "L"),
                                               Text("WORDMARK", "second"), Text("", "nameless")}));
    EXPECT_EQ(record.GetField("WORDMARK"), "first");
    EXPECT_FALSE(record.HasField("WORD"));
    EXPECT_FALSE(record.HasField("WORDMARKS"));
    EXPECT_FALSE(record.HasField("STATUS"));
    EXPECT_EQ(record.GetField("Status"), "L");
    EXPECT_EQ(record.GetField(""), "nameless");
    EXPECT_EQ(record.GetField("APPDATE"), "");

    int kind = 7;
    EXPECT_TRUE(record.GetFieldBytes("SOUND", &kind).empty());
    EXPECT_EQ(kind, 7) << "the kind is written only when the field exists";
}

TEST(ZrData, TextStaysInsideItsStatedLength) {
    // Values without their NUL: the next entry's name must not run into the text.
    const CZrData record = Record(RecordBytes(
        {Entry("APPNUM", "42"), Entry("9TAG", "ABC"), Entry("CUT", std::string("ab\0cd", 5))}));
    EXPECT_EQ(record.GetField("APPNUM"), "42");
    EXPECT_EQ(record.GetInt("APPNUM"), 42);
    EXPECT_EQ(record.GetField("9TAG"), "ABC");
    EXPECT_EQ(record.GetField("CUT"), "ab");
    EXPECT_EQ(record.GetFieldBytes("CUT").size(), 5u);

    // The last value ends the buffer: nothing after it may be read.
    const Bytes last = RecordBytes({Entry("PROPS", "a\\1b")});
    const CZrData tail = Record(last);
    PairList pairs;
    EXPECT_TRUE(tail.GetPairList("PROPS", pairs));
    EXPECT_THAT(pairs, ElementsAre(StringPair{"a", "b"}));
}

TEST(ZrData, DamagedEntriesEndTheScan) {
    const Bytes good = Text("APPNUM", "1");
    const std::initializer_list<std::pair<const char*, Bytes>> damages = {
        {"value overruns", Entry("WORDMARK", 1, "ACME", 5)},
        {"huge length", Entry("WORDMARK", 1, "ACME", 0xffffffffu)},
        {"length cut short", Bytes{'W', 'O', 'R', 'D', 'M', 'A', 'R', 'K', 0, 1, 4, 0}},
        {"kind cut short", Bytes{'W', 'O', 'R', 'D', 'M', 'A', 'R', 'K', 0}},
        {"name without NUL", Bytes{'W', 'O', 'R', 'D', 'M', 'A', 'R', 'K'}},
    };
    for (const auto& [what, damaged] : damages) {
        const CZrData record = Record(RecordBytes({good, damaged}));
        EXPECT_EQ(record.GetField("APPNUM"), "1") << what;
        EXPECT_FALSE(record.HasField("WORDMARK")) << what;
        EXPECT_EQ(record.GetField("WORDMARK"), "") << what;
        EXPECT_EQ(record.GetInt("WORDMARK"), 0) << what;
        std::vector<std::string> strings{"stale"};
        EXPECT_FALSE(record.GetStringList("WORDMARK", strings)) << what;
        EXPECT_THAT(strings, IsEmpty()) << what;
    }

    // An overrunning entry hides everything after it, even well-formed fields.
    const CZrData hidden = Record(RecordBytes({Entry("A", 1, "x", 100), good}));
    EXPECT_FALSE(hidden.HasField("APPNUM"));
}

TEST(ZrData, TooShortForAHeader) {
    for (std::size_t length : {0u, 1u, 4u}) {
        const Bytes bytes{'1', 0xff, 0xff, 0xff};
        CZrData record;
        record.Assign(bytes.data(), length);
        EXPECT_EQ(BytesOf(record), (Bytes{'1', 5, 0, 0, 0})) << length;
        EXPECT_FALSE(record.HasField(""));
    }
}

TEST(ZrData, CopiesAreIndependent) {
    CZrData original = Record(RecordBytes({Text("WORDMARK", "ACME")}));
    CZrData copy(original);
    CZrData assigned;
    assigned = original;
    original.Clear();
    EXPECT_EQ(copy.GetField("WORDMARK"), "ACME");
    EXPECT_EQ(assigned.GetField("WORDMARK"), "ACME");
    const CZrData& same = assigned;
    assigned = same;
    EXPECT_EQ(assigned.GetField("WORDMARK"), "ACME");
}

TEST(ZrData, IntegersReadAsAtoi) {
    const CZrData record =
        Record(RecordBytes({Text("A", " \t-12x"), Text("B", "+7"), Text("C", "99999999999"),
                            Text("D", "-99999999999"), Text("E", "x1"), Text("F", "+-3")}));
    EXPECT_EQ(record.GetInt("A"), -12);
    EXPECT_EQ(record.GetInt("B"), 7);
    EXPECT_EQ(record.GetInt("C"), INT_MAX);
    EXPECT_EQ(record.GetInt("D"), INT_MIN);
    EXPECT_EQ(record.GetInt("E"), 0);
    EXPECT_EQ(record.GetInt("F"), 0);
    EXPECT_EQ(record.GetInt("absent"), 0);
}

TEST(ZrDataLists, WorkedExample) {
    const PairList pairs{{"Acme Ltd", "London"}, {"A\\B", ""}};
    const std::string text = FormatPairList(pairs);
    EXPECT_EQ(text, "Acme Ltd\\1London\\2A\\\\B\\1\\2");
    EXPECT_EQ(text.size(), 26u);

    PairList read{{"stale", "stale"}};
    EXPECT_TRUE(ParsePairList(text, read));
    EXPECT_EQ(read, pairs);

    const CZrData record = Record(RecordBytes({Text("PROPS", text)}));
    EXPECT_TRUE(record.GetPairList("PROPS", read));
    EXPECT_EQ(read, pairs);
    std::vector<std::string> parts;
    EXPECT_TRUE(record.GetStringList("PROPS", parts));
    EXPECT_THAT(parts, ElementsAre("Acme Ltd", "London", "A\\B", ""));
}

TEST(ZrDataLists, PairReading) {
    PairList pairs;
    EXPECT_TRUE(ParsePairList("a\\1b\\1c\\2", pairs));
    EXPECT_THAT(pairs, ElementsAre(StringPair{"a", ""}, StringPair{"b", "c"}));

    // Codes "3"-"9" are plain digits; a code "2" in the first part ends the pair; the end of
    // the text ends the last pair; a backslash before anything else, or last, is plain.
    EXPECT_TRUE(ParsePairList("x\\3y\\1z\\9\\2only\\2\\q\\1end\\", pairs));
    EXPECT_THAT(pairs, ElementsAre(StringPair{"x3y", "z9"}, StringPair{"only", ""},
                                   StringPair{"\\q", "end\\"}));

    EXPECT_FALSE(ParsePairList("", pairs));
    EXPECT_THAT(pairs, IsEmpty());
}

TEST(ZrDataLists, StringLists) {
    EXPECT_EQ(FormatStringList({"x"}), "x\\1\\2");
    EXPECT_EQ(FormatStringList({"a\\b", ""}), "a\\\\b\\1\\2\\1\\2");

    const CZrData record = Record(RecordBytes(
        {Text("DEVCATS", FormatStringList({"x"})), Text("EMPTY", ""), Text("TAIL", "v\\")}));
    std::vector<std::string> strings;
    EXPECT_TRUE(record.GetStringList("DEVCATS", strings));
    EXPECT_THAT(strings, ElementsAre("x", ""));
    EXPECT_FALSE(record.GetStringList("EMPTY", strings));
    EXPECT_FALSE(record.GetStringList("absent", strings));
    EXPECT_TRUE(record.GetStringList("TAIL", strings));
    EXPECT_THAT(strings, ElementsAre("v\\"));
}

TEST(ZrDataLists, ItemLists) {
    const CZrData record = Record(
        RecordBytes({Text("TXHISTORY", "1 Jan 2004\\1GB\\2Filed\\2\\1??\\2Renewed\\2trailing"),
                     Text("ODD", "a\\2b\\1c\\2")}));
    std::vector<std::vector<std::string>> items;
    EXPECT_TRUE(record.GetItemList("TXHISTORY", items));
    EXPECT_THAT(items, ElementsAre(ElementsAre("1 Jan 2004", "GB", "Filed"),
                                   ElementsAre("", "??", "Renewed", "trailing")));

    // A code "1" after another code starts the next item with the part read since.
    EXPECT_TRUE(record.GetItemList("ODD", items));
    EXPECT_THAT(items, ElementsAre(ElementsAre("a"), ElementsAre("b", "c")));

    EXPECT_FALSE(record.GetItemList("absent", items));
    EXPECT_THAT(items, IsEmpty());
}

TEST(ZrDataLists, TaggedParts) {
    std::string text;
    AppendTagged(text, "a\\b", '1');
    AppendTagged(text, "", '7');
    EXPECT_EQ(text, "a\\\\b\\1\\7");

    CTagTokeniser tokeniser(text);
    std::string part;
    EXPECT_TRUE(tokeniser.GetNextPart(part));
    EXPECT_EQ(part, "a\\b");
    EXPECT_TRUE(tokeniser.GetNextPart(part));
    EXPECT_EQ(part, "");
    EXPECT_FALSE(tokeniser.GetNextPart(part));
    char c = 0;
    EXPECT_EQ(tokeniser.ReadChar(c), CTagTokeniser::CharKind::End);
}

TEST(ZrDataLists, LocarnoRanges) {
    EXPECT_EQ(FormatLocarnoRange(0), "");
    EXPECT_EQ(FormatLocarnoRange(0x0203), "02 - 03");
    EXPECT_EQ(FormatLocarnoRange(0x1105), "11 - 05");
    EXPECT_EQ(FormatLocarnoRange(0x3200), "32 - 00");
}
