// The examination file against files assembled by hand from its layout: what this program
// writes, byte for byte, and what it reads of every version.

#include "ExamFakes.h"
#include "HandBytes.h"
#include "app/document/TextException.h"
#include "app/document/ZreFile.h"
#include "core/MarkList.h"
#include "core/SearchList.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kId = 0x2763961C;

struct CSmallExam {
    CExamInfo info;
    std::vector<CDbInfo> databases;
    CSearchList searches;
    CMarkList marks;
};

CCriteria CriteriaOf(const std::string& text) {
    CCriteria criteria;
    criteria.ReadCriteriaText(text);
    return criteria;
}

const std::string kCriteriaText = CriteriaOf("WORDM=\"ACME\"").WriteCriteriaText(true);

CSmallExam MakeSmallExam() {
    CSmallExam exam;
    exam.info.SetCreated(0x5F000001);
    exam.info.SetSections(3);
    exam.info.SetOneClassOnly(true);
    exam.info.SetWatchMarkCount(9);
    exam.info.SetValue(CExamInfo::kClient, "Acme");
    exam.info.SetValue(CExamInfo::kExaminer, "");
    exam.info.SetValue(CExamInfo::kExamId, "X-7");

    CDbInfo database;
    database.SetRegisterCode('u');
    database.SetDates(MakeDate(2004, 1, 5), MakeDate(2004, 1, 6));
    database.SetEngine("Office", 0x20000);
    exam.databases.push_back(database);

    CSearch run(2, 1);
    run.SetOrder(1);
    run.SetFlags(0x9);
    run.SetFound(12);
    run.SetMarkCount(3);
    run.SetRunDatabases("uc");
    run.SetCriteria(CriteriaOf("WORDM=\"ACME\""));
    exam.searches.Add(run);
    CSearch unrun(2, 2);
    exam.searches.Add(unrun);

    exam.marks.Append(CMark(100, 'u', 2, 1, 5000, 0x11));
    exam.marks.Append(CMark(7, 'c', 2, 0, 0, 0x1));
    return exam;
}

std::string Written(const CSmallExam& exam) {
    CZreFile file;
    file.OpenForWrite("unused.zre");
    file.WriteHeader(exam.info, exam.databases);
    file.WriteSearches(exam.searches, nullptr);
    file.WriteMarks(exam.marks, nullptr);
    return file.GetWrittenBytes();
}

// The small examination as version `version`, written by a program of `versionWord`.
std::string HandBuilt(std::uint32_t version, std::uint32_t versionWord,
                      const std::string& criteriaText = kCriteriaText) {
    CHandBytes file;
    file.U32(kId).U32(version).U32(0).U32(0x5F000001).U32(3).U32(4).U32(256).U32(4).U32(0);
    file.U32(9).U32(versionWord).PadTo(256);
    const std::size_t directory = file.Size();
    file.Zeros(4 * 32);

    const std::size_t texts = file.Size();
    file.U16(9).U16(1).Bytes(std::string("Acme", 5));
    file.U16(5).U16(4).Zeros(1);
    file.U16(8).U16(101).Bytes(std::string("X-7", 4));
    const std::size_t database = file.Size();
    file.U32(0x07D40105).U32(0x07D40105).U32(0x07D40106).Zeros(32);
    file.Text("Office", 32).U32(0x20000).Zeros(176);
    const std::size_t searches = file.Size();
    file.U32(1).U32(1).U32(2).U32(9).U32(12).Text("uc", 32);
    file.U32(static_cast<std::uint32_t>(criteriaText.size() + 1)).U32(3).Zeros(8);
    file.Bytes(criteriaText).Zeros(1);
    file.U32(2).U32(0).U32(2).U32(0).U32(0).Zeros(32).U32(1).U32(0).Zeros(8).Zeros(1);
    const std::size_t marks = file.Size();
    file.U32(100).U32('u').U32(5000).U32(1).U32(2).U32(0x11);
    file.U32(7).U32('c').U32(0).U32(0).U32(2).U32(0x1);

    CHandBytes entries;
    const auto length = [](std::size_t from, std::size_t to) {
        return static_cast<std::uint32_t>(to - from);
    };
    AddEntry(entries, 1, 0, texts, length(texts, database), 3);
    AddEntry(entries, 2, 'u', database, 256, 1);
    AddEntry(entries, 3, 0, searches, length(searches, marks), 2);
    AddEntry(entries, 6, 0, marks, 48, 2);
    std::string bytes = file.Get();
    bytes.replace(directory, entries.Size(), entries.Get());
    return bytes;
}

struct CReadBack {
    CExamInfo info;
    std::vector<CDbInfo> databases;
    std::string codes;
    CSearchList searches;
    CMarkList marks;
    bool countrySubset = false;
};

CReadBack Read(const std::string& bytes) {
    CFakeRegisters registers;
    CZreFile file;
    file.OpenBytes(bytes, registers);
    CReadBack read;
    file.ReadHeader(read.info, read.databases);
    read.codes = file.GetDatabaseCodes();
    file.ReadSearches(read.searches);
    file.ReadMarks(read.marks);
    read.countrySubset = file.HasCountrySubsetCriteria();
    return read;
}

std::string ReadFailure(const std::string& bytes) {
    try {
        Read(bytes);
    } catch (const CTextException& e) {
        return e.what();
    }
    return "no failure";
}

TEST(ZreFileGoldenTest, WritesVersionFiveByteForByte) {
    EXPECT_EQ(Written(MakeSmallExam()), HandBuilt(5, 0x40526));
}

TEST(ZreFileGoldenTest, ExaminationWithoutDatabasesHasThreeEntriesAndBlocksAt352) {
    CSmallExam exam;
    exam.info.Reset();
    const std::string bytes = Written(exam);
    ASSERT_EQ(bytes.size(), 352u);
    CHandBytes expected;
    expected.U32(kId).U32(5).U32(0).U32(static_cast<std::uint32_t>(exam.info.GetCreated()));
    expected.U32(4).U32(0).U32(256).U32(3).U32(0).U32(0).U32(0x40526).PadTo(256);
    AddEntry(expected, 1, 0, 352, 0, 0);
    AddEntry(expected, 3, 0, 352, 0, 0);
    AddEntry(expected, 6, 0, 352, 0, 0);
    EXPECT_EQ(bytes, expected.Get());
}

TEST(ZreFileGoldenTest, EngineNamesKeep31CharactersAndRunDatabasesTheirLetters) {
    CSmallExam exam = MakeSmallExam();
    exam.databases[0].SetEngine(std::string(40, 'n'), 0x80000);
    CSearch search = exam.searches.GetAt(0);
    search.SetRunDatabases("ucsidep");
    exam.searches.Replace(search);
    const CReadBack read = Read(Written(exam));
    EXPECT_EQ(read.databases[0].GetEngineName(), std::string(31, 'n'));
    EXPECT_EQ(read.searches.GetAt(0).GetRunDatabases(), "ucsidep");

    // Runs append their databases: a text too long for its field keeps its letters once.
    search.SetRunDatabases(std::string(20, 'u') + std::string(20, 'c'));
    exam.searches.Replace(search);
    EXPECT_EQ(Read(Written(exam)).searches.GetAt(0).GetRunDatabases(), "uc");

    // The field holds 31 letters and a zero: one shorter and exactly full stay as they are, one
    // longer keeps its letters once; the last database is never cut off.
    for (const std::size_t length : {30u, 31u, 32u}) {
        const std::string text = std::string(length - 1, 'u') + "c";
        search.SetRunDatabases(text);
        exam.searches.Replace(search);
        EXPECT_EQ(Read(Written(exam)).searches.GetAt(0).GetRunDatabases(),
                  length < 32 ? text : "uc")
            << length;
    }
}

// A file of unrun searches in one section with these ids, in this order.
std::string WithSearchIds(std::uint32_t version, const std::vector<std::uint32_t>& ids) {
    CHandBytes file;
    file.U32(kId).U32(version).U32(0).U32(0).U32(1).U32(0).U32(256).U32(1);
    file.U32(0).U32(0).U32(0x40526).PadTo(256);
    const std::size_t directory = file.Size();
    file.Zeros(32);
    const std::size_t searches = file.Size();
    for (std::uint32_t id : ids) {
        if (version == 3)
            file.U8(1).Zeros(7).U16(static_cast<std::uint16_t>(id)).Zeros(22).Zeros(884);
        else
            file.U32(id).U32(0).U32(1).Zeros(40).U32(1).Zeros(12).Zeros(1);
    }
    CHandBytes entry;
    AddEntry(entry, version == 3 ? 4 : 3, 0, static_cast<std::uint32_t>(searches),
             static_cast<std::uint32_t>(file.Size() - searches),
             static_cast<std::uint32_t>(ids.size()));
    std::string bytes = file.Get();
    bytes.replace(directory, entry.Size(), entry.Get());
    return bytes;
}

TEST(ZreFileGoldenTest, SearchesWithoutIdTakeTheNextIdInFileOrder) {
    for (const std::uint32_t version : {3u, 5u}) {
        SCOPED_TRACE(version);
        // The 0 comes after 4 and 2: it takes 5, before 9 and 7 are read.
        CReadBack read = Read(WithSearchIds(version, {4, 2, 0, 9, 7}));
        std::vector<int> ids;
        for (int i = 0; i < read.searches.GetCount(); ++i)
            ids.push_back(read.searches.GetAt(i).GetSearchId());
        EXPECT_EQ(ids, (std::vector<int>{2, 4, 5, 7, 9}));
        EXPECT_EQ(read.searches.NewSearchId(), 10);
    }
}

TEST(ZreFileGoldenTest, NumbersAFileCannotHoldAreRefused) {
    // The last id a file holds leaves none for a search without one.
    EXPECT_EQ(ReadFailure(WithSearchIds(5, {0x3fffffff, 0})),
              "ZRE file is damaged or incomplete: a search without an id at offset 357 finds no "
              "id left");
    CSmallExam exam = MakeSmallExam();
    CSearch search(1, 0x40000000);
    exam.searches.Add(search);
    try {
        Written(exam);
        ADD_FAILURE() << "written";
    } catch (const CTextException& e) {
        EXPECT_STREQ(e.what(),
                     "The examination cannot be saved: a search id 1073741824 is out of range");
    }
}

TEST(ZreFileGoldenTest, ReadsVersionFive) {
    const CReadBack read = Read(HandBuilt(5, 0x40526));
    EXPECT_EQ(read.info.GetCreated(), 0x5F000001);
    EXPECT_EQ(read.info.GetSections(), 3);
    EXPECT_TRUE(read.info.IsOneClassOnly());
    EXPECT_EQ(read.info.GetType(), CExamInfo::kExamination);
    EXPECT_EQ(read.info.GetWatchMarkCount(), 9);
    EXPECT_EQ(read.info.GetValues(),
              (std::map<int, std::string>{{1, "Acme"}, {4, ""}, {101, "X-7"}}));
    ASSERT_EQ(read.databases.size(), 1u);
    EXPECT_EQ(read.databases[0].GetRegisterCode(), 'u');
    EXPECT_EQ(read.databases[0].GetFromDate(), MakeDate(2004, 1, 5));
    EXPECT_EQ(read.databases[0].GetToDate(), MakeDate(2004, 1, 6));
    EXPECT_EQ(read.databases[0].GetEngineName(), "Office");
    EXPECT_EQ(read.databases[0].GetEngineVersion(), 0x20000);
    EXPECT_EQ(read.codes, "u");

    ASSERT_EQ(read.searches.GetCount(), 2);
    const CSearch& run = read.searches.GetAt(0);
    EXPECT_EQ(run.GetSearchId(), 1);
    EXPECT_EQ(run.GetOrder(), 1);
    EXPECT_EQ(run.GetSection(), 2);
    EXPECT_EQ(run.GetFlags(), 0x9u);
    EXPECT_EQ(run.GetFound(), 12);
    EXPECT_EQ(run.GetMarkCount(), 3);
    EXPECT_EQ(run.GetRunDatabases(), "uc");
    EXPECT_EQ(run.GetCriteria().WriteCriteriaText(true), kCriteriaText);
    EXPECT_EQ(read.searches.GetAt(1).GetSearchId(), 2);
    EXPECT_FALSE(read.searches.GetAt(1).HasRun());
    // Searches run later come after those of the file.
    CSearchList searches = read.searches;
    EXPECT_EQ(searches.NewOrder(), 2);
    EXPECT_EQ(searches.NewSearchId(), 3);

    ASSERT_EQ(read.marks.GetCount(), 2);
    const CMark& mark = read.marks.GetAt(0);
    EXPECT_EQ(mark.GetRecordNumber(), 100u);
    EXPECT_EQ(mark.GetRegisterCode(), 'u');
    EXPECT_EQ(mark.GetAppNumber(), 5000);
    EXPECT_EQ(mark.GetSearchId(), 1);
    EXPECT_EQ(mark.GetSection(), 2);
    EXPECT_EQ(mark.GetFlags(), 0x11u);
    EXPECT_EQ(read.marks.GetAt(1).GetRecordNumber(), 7u);
    EXPECT_FALSE(read.countrySubset);
}

TEST(ZreFileGoldenTest, WatchFlagAndMissingBlocks) {
    CHandBytes file;
    file.U32(kId).U32(4).U32(0).U32(1).U32(1).U32(0).U32(256).U32(0).U32(1).PadTo(256);
    const CReadBack read = Read(file.Get());
    EXPECT_EQ(read.info.GetType(), CExamInfo::kWatch);
    EXPECT_TRUE(read.info.GetValues().empty());
    EXPECT_EQ(read.searches.GetCount(), 0);
    EXPECT_EQ(read.marks.GetCount(), 0);
}

// A version-4 file of criteria with doubled backslashes and a subset of countries.
std::string OldCriteriaFile(std::uint32_t versionWord) {
    CCriteria criteria;
    criteria.AddGoods("e\\\\f");
    criteria.AddCountry("FR", true);
    return HandBuilt(4, versionWord, criteria.WriteCriteriaText(true));
}

TEST(ZreFileGoldenTest, CriteriaOfOlderProgramsAreConverted) {
    const auto goods = [](const CReadBack& read) {
        return read.searches.GetAt(0).GetCriteria().GetGoodsTerms().at(0);
    };
    const CReadBack unknown = Read(OldCriteriaFile(0));
    EXPECT_EQ(goods(unknown), "e\\f");
    EXPECT_TRUE(unknown.countrySubset);

    const CReadBack lastDoubling = Read(OldCriteriaFile(0x40202));
    EXPECT_EQ(goods(lastDoubling), "e\\f");
    const CReadBack firstSingle = Read(OldCriteriaFile(0x40203));
    EXPECT_EQ(goods(firstSingle), "e\\\\f");
    EXPECT_TRUE(firstSingle.countrySubset);
    EXPECT_FALSE(Read(OldCriteriaFile(0x40319)).countrySubset);
    const CReadBack current = Read(OldCriteriaFile(0x40526));
    EXPECT_EQ(goods(current), "e\\\\f");
    EXPECT_FALSE(current.countrySubset);
}

TEST(ZreFileGoldenTest, RefusesOtherFilesAndVersions) {
    CHandBytes notZre;
    notZre.U32(0x12345678).U32(5).PadTo(256);
    EXPECT_EQ(ReadFailure(notZre.Get()),
              "Not a ZRE file or not supported by this version of ZRPro (ID:0x12345678, Ver:5)");
    CHandBytes version2;
    version2.U32(kId).U32(2).PadTo(256);
    EXPECT_EQ(ReadFailure(version2.Get()),
              "Not a ZRE file or not supported by this version of ZRPro (ID:0x2763961C, Ver:2)");
    CHandBytes version6;
    version6.U32(kId).U32(6).PadTo(256);
    EXPECT_EQ(ReadFailure(version6.Get()),
              "ZRE file not supported by this version of ZRPro (ID:0x2763961C, Ver:6)");
}

// An old criteria record: 884 bytes.
std::string OldCriteria(bool ukClasses, std::uint32_t statusBits) {
    CHandBytes record;
    record.U32(statusBits).Text("Week1", 64);
    const std::size_t classes = record.Size();
    record.Zeros(256);
    std::string bytes = record.Get();
    if (ukClasses) {
        bytes[classes + 2] = 1;   // 301
        bytes[classes + 100] = 1; // 350
        bytes[classes + 130] = 1; // 1
        bytes[classes + 212] = 1; // 42
    } else {
        for (int i = 1; i <= 43; ++i)
            bytes[classes + i] = 1; // Nice 1-42 and A: every class
    }
    CHandBytes rest;
    rest.Bytes(bytes).U32(0x07D40105).U32(0).U32(1234 << 8 | 7).U32(0);
    rest.U32(5).U32(0).U32(9).Zeros(13 * 4);
    rest.U32(3).Zeros(15 * 4);
    rest.U32(0x010203).Zeros(15 * 4);
    rest.Text("ALPHA", 16).Zeros(16).Text("BETA", 16).Zeros(5 * 16);
    rest.Text("GAMMA", 16).Zeros(7 * 16);
    rest.PadTo(884);
    return rest.Get();
}

// Version 3: a database of each of the two old registers, one search and one mark of each,
// and a block whose old register number (3) names no register.
std::string HandBuiltVersion3() {
    CHandBytes file;
    file.U32(kId).U32(3).U32(0).U32(0x40000000).U32(2).U32(4).U32(256).U32(7).PadTo(256);
    const std::size_t directory = file.Size();
    file.Zeros(7 * 32);
    const std::size_t databases = file.Size();
    file.Zeros(4).U32(0x07D40105).U32(0x07D40106).Zeros(244);
    file.Zeros(4).U32(0x07D30101).U32(0x07D30102).Zeros(244);
    const std::size_t searches = file.Size();
    file.U8(2).Zeros(3).U32(1).U32(0x70005).U32(15).Zeros(16);
    file.Bytes(OldCriteria(true, 0x200000 | 0x400000));
    file.U8(1).Zeros(3).U32(0).U32(6).U32(0).Zeros(16).Bytes(OldCriteria(false, 0));
    const std::size_t marks = file.Size();
    file.U32(100).U8(2).U8(0x11).U16(5).U32(4000);
    file.U32(200).U8(1).U8(0x1).U16(6).U32(0);
    file.U32(300).U8(1).U8(0).U16(0).U32(0);

    CHandBytes entries;
    AddEntry(entries, 2, 1, databases, 256, 1);
    AddEntry(entries, 2, 2, databases + 256, 256, 1);
    AddEntry(entries, 4, 1, searches, 916, 1);
    AddEntry(entries, 4, 2, searches + 916, 916, 1);
    AddEntry(entries, 5, 1, marks, 12, 1);
    AddEntry(entries, 5, 2, marks + 12, 12, 1);
    AddEntry(entries, 5, 3, marks + 24, 12, 1);
    std::string bytes = file.Get();
    bytes.replace(directory, entries.Size(), entries.Get());
    return bytes;
}

TEST(ZreFileGoldenTest, ReadsVersionThree) {
    const CReadBack read = Read(HandBuiltVersion3());
    EXPECT_EQ(read.info.GetCreated(), 0x40000000);
    EXPECT_EQ(read.info.GetSections(), 2);
    // The rest of the header is not read in version 3.
    EXPECT_FALSE(read.info.IsOneClassOnly());
    EXPECT_EQ(read.codes, "uc");
    ASSERT_EQ(read.databases.size(), 2u);
    EXPECT_EQ(read.databases[1].GetRegisterCode(), 'c');
    EXPECT_EQ(read.databases[1].GetFromDate(), MakeDate(2003, 1, 1));
    EXPECT_EQ(read.databases[1].GetToDate(), MakeDate(2003, 1, 2));
    EXPECT_EQ(read.databases[1].GetEngineName(), "");

    ASSERT_EQ(read.searches.GetCount(), 2);
    const CSearch& eu = read.searches.GetAt(0); // section 1 sorts first
    EXPECT_EQ(eu.GetSearchId(), 6);
    EXPECT_EQ(eu.GetRunDatabases(), "");
    // No status bits and every class flag: no status and no classes, as the old record gives
    // them; they are not completed here.
    EXPECT_EQ(eu.GetCriteria().WriteCriteriaText(true),
              "DBIDS=\"c\" AND (WORDM=\"ALPHA\" OR WORDM=\"BETA\") AND WORDM=\"GAMMA\" AND "
              "APPNO=\"1234-\" AND APPDA=\"20040105-\" AND IMCAT=\"c2-66051\" AND "
              "(PROPN=\"c0-5\" OR PROPN=\"c0-9\") AND SERVN=\"c1-3\" AND SET=\"Week1\"");
    const CSearch& uk = read.searches.GetAt(1);
    EXPECT_EQ(uk.GetSection(), 2);
    EXPECT_EQ(uk.GetSearchId(), 5); // the low 16 bits
    EXPECT_EQ(uk.GetFlags(), 1u);
    EXPECT_EQ(uk.GetFound(), 15);
    EXPECT_EQ(uk.GetOrder(), 0);
    EXPECT_EQ(uk.GetRunDatabases(), "u");
    const CCriteria& criteria = uk.GetCriteria();
    EXPECT_EQ(criteria.GetDbIds(), "u");
    EXPECT_EQ(criteria.GetStatus(), "rl");
    EXPECT_EQ(criteria.GetSet(), "Week1");
    EXPECT_EQ(criteria.GetClassesText(), "1,42,301,350");
    EXPECT_EQ(criteria.GetAppDateFrom(), MakeDate(2004, 1, 5));
    EXPECT_TRUE(criteria.GetAppDateTo().IsEmpty());
    EXPECT_EQ(criteria.GetAppNumFrom().GetText(), "1234");
    EXPECT_TRUE(criteria.GetAppNumTo().IsEmpty());
    EXPECT_EQ(criteria.GetOwnerNames(), (std::vector<std::string>{"u0-5", "u0-9"}));
    EXPECT_EQ(criteria.GetAgentNames(), (std::vector<std::string>{"u1-3"}));
    EXPECT_EQ(criteria.GetImageCats(), (std::vector<std::string>{"u2-66051"}));
    EXPECT_EQ(criteria.GetWordTerms(), (std::vector<std::string>{"ALPHA", "BETA"}));
    EXPECT_EQ(criteria.GetAndWordTerms(), (std::vector<std::string>{"GAMMA"}));

    ASSERT_EQ(read.marks.GetCount(), 3);
    const CMark& mark = read.marks.GetAt(0);
    EXPECT_EQ(mark.GetRecordNumber(), 100u);
    EXPECT_EQ(mark.GetRegisterCode(), 'u');
    EXPECT_EQ(mark.GetSection(), 2);
    EXPECT_EQ(mark.GetFlags(), 0x11u);
    EXPECT_EQ(mark.GetSearchId(), 5);
    EXPECT_EQ(mark.GetAppNumber(), 4000);
    EXPECT_EQ(read.marks.GetAt(1).GetRegisterCode(), 'c');
    EXPECT_EQ(read.marks.GetAt(2).GetRegisterCode(), 0);
}

TEST(ZreFileGoldenTest, HeaderReadTwiceLoadsTheDirectoryOnce) {
    CFakeRegisters registers;
    CZreFile file;
    file.OpenBytes(HandBuiltVersion3(), registers);
    CExamInfo info;
    std::vector<CDbInfo> databases;
    file.ReadHeader(info, databases);
    file.ReadHeader(info, databases);
    // Old register numbers are turned into letters once only.
    EXPECT_EQ(file.GetDatabaseCodes(), "uc");
    EXPECT_EQ(databases.size(), 4u);
}

TEST(ZreFileGoldenTest, VersionThreeIsWrittenAsVersionFive) {
    const CReadBack read = Read(HandBuiltVersion3());
    CSmallExam exam;
    exam.info = read.info;
    exam.databases = read.databases;
    exam.searches = read.searches;
    exam.marks = read.marks;
    const std::string bytes = Written(exam);
    EXPECT_EQ(bytes.substr(4, 4), std::string("\5\0\0\0", 4));
    const CReadBack again = Read(bytes);
    EXPECT_EQ(again.searches.GetAt(1).GetCriteria().WriteCriteriaText(true),
              read.searches.GetAt(1).GetCriteria().WriteCriteriaText(true));
    EXPECT_EQ(again.codes, "uc");
}

} // namespace
