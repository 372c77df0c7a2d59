// Examinations written and read back keep every field; damaged and hostile files give a text
// exception that says what is wrong, never a crash, a hang or a huge allocation.

#include "ExamFakes.h"
#include "HandBytes.h"
#include "app/document/MarkRecord.h"
#include "app/document/TextException.h"
#include "app/document/ZreFile.h"
#include "core/MarkList.h"
#include "core/SearchList.h"

#include <gtest/gtest.h>
#include <random>

namespace {

constexpr std::uint32_t kId = 0x2763961C;

struct CExam {
    CExamInfo info;
    std::vector<CDbInfo> databases;
    CSearchList searches;
    CMarkList marks;
};

const char* const kCriteriaTexts[] = {
    "",
    "WORDM=\"ACME\" AND CLASS=\"9,35\"",
    "DBIDS=\"uc\" AND (WORDM=\"A*B\" OR WORDM=\"C?D\") AND STATS=\"rp\"",
    "GOODS=\"socks\" ANDNOT (WORDM=\"X\") AND CNTRY=\"FR\"",
    "PROPN=\"Acme Ltd\" AND SET=\"AddedLastWeek\" AND APPDATE>=20040105",
};

class CRandomExam {
public:
    explicit CRandomExam(unsigned seed) : random_(seed) {}

    CExam Make() {
        CExam exam;
        exam.info.SetCreated(Word());
        exam.info.SetSections(Small(kMaxStoredNumber));
        exam.info.SetOneClassOnly(Small(1) == 1);
        exam.info.SetType(Small(1));
        exam.info.SetWatchMarkCount(static_cast<int>(Word()));
        for (int i = Small(8); i > 0; --i)
            exam.info.SetValue(Small(0xffff), Text(Small(300), 1));
        for (int i = Small(5); i > 0; --i) {
            CDbInfo database;
            database.SetRegisterCode(static_cast<char>(Small(255)));
            database.SetDates(CZrDate(Word()), CZrDate(Word()));
            database.SetEngine(Text(Small(31), 1), static_cast<int>(Word()));
            exam.databases.push_back(database);
        }
        for (int i = Small(20); i > 0; --i) {
            CSearch search(Small(kMaxStoredNumber), Small(kMaxStoredNumber));
            search.SetOrder(Small(kMaxStoredNumber));
            search.SetFlags(Word());
            search.SetFound(static_cast<int>(Word()));
            search.SetMarkCount(static_cast<int>(Word()));
            search.SetRunDatabases(Text(Small(31), 'a'));
            CCriteria criteria;
            criteria.ReadCriteriaText(kCriteriaTexts[Small(4)]);
            search.SetCriteria(criteria);
            exam.searches.Add(search);
        }
        for (int i = Small(200); i > 0; --i)
            exam.marks.Append(CMark(Word(), static_cast<int>(Word()), Small(kMaxStoredNumber),
                                    Small(kMaxStoredNumber), static_cast<int>(Word()), Word()));
        return exam;
    }

private:
    std::uint32_t Word() { return static_cast<std::uint32_t>(random_()); }
    int Small(int limit) { return std::uniform_int_distribution<int>(0, limit)(random_); }
    // Bytes from `low` to 255, never zero.
    std::string Text(int length, int low) {
        std::string text;
        for (int i = 0; i < length; ++i)
            text += static_cast<char>(std::uniform_int_distribution<int>(low, 255)(random_));
        return text;
    }

    std::mt19937 random_;
};

std::string Write(const CExam& exam) {
    CZreFile file;
    file.OpenForWrite("unused.zre");
    file.WriteHeader(exam.info, exam.databases);
    file.WriteSearches(exam.searches, nullptr);
    file.WriteMarks(exam.marks, nullptr);
    return file.GetWrittenBytes();
}

CExam Read(const std::string& bytes) {
    CFakeRegisters registers;
    CZreFile file;
    file.OpenBytes(bytes, registers);
    CExam exam;
    file.ReadHeader(exam.info, exam.databases);
    file.GetDatabaseCodes();
    file.ReadSearches(exam.searches);
    file.ReadMarks(exam.marks);
    return exam;
}

std::string ReadFailure(const std::string& bytes) {
    try {
        Read(bytes);
    } catch (const CTextException& e) {
        return e.what();
    }
    return "no failure";
}

void ExpectSame(const CExam& read, const CExam& written) {
    EXPECT_EQ(read.info, written.info);
    ASSERT_EQ(read.databases.size(), written.databases.size());
    for (std::size_t i = 0; i < read.databases.size(); ++i) {
        const CDbInfo& a = read.databases[i];
        const CDbInfo& b = written.databases[i];
        EXPECT_EQ(a.GetRegisterCode(), b.GetRegisterCode());
        EXPECT_EQ(a.GetFromDate(), b.GetFromDate());
        EXPECT_EQ(a.GetToDate(), b.GetToDate());
        EXPECT_EQ(a.GetEngineName(), b.GetEngineName());
        EXPECT_EQ(a.GetEngineVersion(), b.GetEngineVersion());
    }
    ASSERT_EQ(read.searches.GetCount(), written.searches.GetCount());
    for (int i = 0; i < read.searches.GetCount(); ++i) {
        const CSearch& a = read.searches.GetAt(i);
        const CSearch& b = written.searches.GetAt(i);
        EXPECT_EQ(a.GetSearchId(), b.GetSearchId());
        EXPECT_EQ(a.GetOrder(), b.GetOrder());
        EXPECT_EQ(a.GetSection(), b.GetSection());
        EXPECT_EQ(a.GetFlags(), b.GetFlags());
        EXPECT_EQ(a.GetFound(), b.GetFound());
        EXPECT_EQ(a.GetMarkCount(), b.GetMarkCount());
        EXPECT_EQ(a.GetRunDatabases(), b.GetRunDatabases());
        EXPECT_EQ(a.GetCriteria().WriteCriteriaText(true), b.GetCriteria().WriteCriteriaText(true));
    }
    ASSERT_EQ(read.marks.GetCount(), written.marks.GetCount());
    for (int i = 0; i < read.marks.GetCount(); ++i) {
        const CMark& a = read.marks.GetAt(i);
        const CMark& b = written.marks.GetAt(i);
        EXPECT_EQ(a.GetRecordNumber(), b.GetRecordNumber());
        EXPECT_EQ(a.GetRegisterCode(), b.GetRegisterCode());
        EXPECT_EQ(a.GetAppNumber(), b.GetAppNumber());
        EXPECT_EQ(a.GetSearchId(), b.GetSearchId());
        EXPECT_EQ(a.GetSection(), b.GetSection());
        EXPECT_EQ(a.GetFlags(), b.GetFlags());
    }
}

TEST(ZreFileRoundTripTest, RandomExaminationsKeepEveryField) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const CExam exam = CRandomExam(seed).Make();
        const std::string bytes = Write(exam);
        ExpectSame(Read(bytes), exam);
        // Written again, the file is the same.
        EXPECT_EQ(Write(Read(bytes)), bytes);
    }
}

TEST(ZreFileRoundTripTest, TextsTooLongForTheirLengthAreRefused) {
    CExam exam;
    exam.info.SetValue(CExamInfo::kClient, std::string(65530, 'x'));
    const CExam read = Read(Write(exam));
    EXPECT_EQ(read.info.GetValue(CExamInfo::kClient).size(), 65530u);

    exam.info.SetValue(CExamInfo::kClient, std::string(65531, 'x'));
    try {
        Write(exam);
        ADD_FAILURE() << "a text of 65531 bytes was written";
    } catch (const CTextException& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The examination setting under key 1 is 65531 bytes long and cannot be saved: "
                  "the file holds texts of up to 65530 bytes");
    }
    CExam badKey;
    badKey.info.SetValue(70000, "x");
    EXPECT_THROW(Write(badKey), CTextException);
}

TEST(ZreFileRoundTripTest, TruncationAtEveryOffsetIsACleanError) {
    const CExam exam = CRandomExam(7).Make();
    const std::string bytes = Write(exam);
    ASSERT_GT(bytes.size(), 1000u);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const std::string failure = ReadFailure(bytes.substr(0, size));
        ASSERT_EQ(failure.rfind("ZRE file is damaged or incomplete: ", 0), 0u)
            << "at " << size << ": " << failure;
    }
}

// A version-5 header followed by the given directory entries.
std::string WithDirectory(const CHandBytes& entries, std::uint32_t count) {
    CHandBytes file;
    file.U32(kId).U32(5).U32(0).U32(0).U32(1).U32(0).U32(256).U32(count).PadTo(256);
    file.Bytes(entries.Get());
    return file.Get();
}

TEST(ZreFileRoundTripTest, HostileCountsAndLengthsAreRefused) {
    EXPECT_EQ(ReadFailure(WithDirectory(CHandBytes(), 0xffffffff)),
              "ZRE file is damaged or incomplete: the directory entries at offset 256 would take "
              "4294967295 x 32 bytes, but the data ends at 256");

    CHandBytes marks;
    AddEntry(marks, 6, 0, 256, 0, 0x7fffffff);
    EXPECT_NE(ReadFailure(WithDirectory(marks, 1))
                  .find("the marks at offset 256 would take 2147483647 x 24"),
              std::string::npos);

    CHandBytes searches;
    AddEntry(searches, 3, 0, 288, 0, 1);
    searches.U32(1).U32(1).U32(1).U32(0).U32(0).Zeros(32).U32(0xfffffff0).U32(0).Zeros(8);
    EXPECT_NE(ReadFailure(WithDirectory(searches, 1))
                  .find("a search's criteria text at offset 356 would take"),
              std::string::npos);

    CHandBytes texts;
    AddEntry(texts, 1, 0, 288, 4, 1);
    texts.U16(3).U16(1);
    EXPECT_EQ(ReadFailure(WithDirectory(texts, 1)),
              "ZRE file is damaged or incomplete: a text at offset 288 has the length 3");

    CHandBytes searchId;
    AddEntry(searchId, 3, 0, 288, 0, 1);
    searchId.U32(0x7fffffff).U32(1).U32(1).U32(0).U32(0).Zeros(32).U32(1).U32(0).Zeros(9);
    EXPECT_EQ(ReadFailure(WithDirectory(searchId, 1)),
              "ZRE file is damaged or incomplete: a search id 2147483647 at offset 288 is out "
              "of range");

    CHandBytes databaseKey;
    AddEntry(databaseKey, 2, 0x175, 288, 256, 1);
    databaseKey.Zeros(256);
    EXPECT_EQ(ReadFailure(WithDirectory(databaseKey, 1)),
              "ZRE file is damaged or incomplete: a block names the register 373");
}

TEST(ZreFileRoundTripTest, OverlappingBlocksOfOldFilesAreRefused) {
    // Thousands of entries pointing at the same old searches would read them thousands of
    // times over.
    CHandBytes file;
    constexpr std::uint32_t kEntries = 2000;
    const std::uint32_t block = 256 + 32 * kEntries;
    file.U32(kId).U32(3).U32(0).U32(0).U32(1).U32(0).U32(256).U32(kEntries).PadTo(256);
    for (std::uint32_t i = 0; i < kEntries; ++i)
        AddEntry(file, 4, 1, block, 916, 1);
    file.Zeros(916);
    EXPECT_EQ(ReadFailure(file.Get()),
              "ZRE file is damaged or incomplete: old searches of several blocks overlap");
}

} // namespace
