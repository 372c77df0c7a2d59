// The built-in registers' texts, numbers and record checks, over records put into the register
// table's caches: no engine is needed for a record the caches hold.

#include "core/Criteria.h"
#include "core/Dib.h"
#include "core/UserOptions.h"
#include "registers/AppNumFormats.h"
#include "registers/ZrDbs.h"
#include "tests/core/RecordBytes.h"
#include "tests/registers/TestRecords.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class BuiltInDbs : public ::testing::Test {
protected:
    BuiltInDbs() {
        table_.GetSummaryCache().SetLimits(1, 100, 0);
        table_.GetTextCache().SetLimits(1, 100, 0);
    }

    CZrDb& Db(char code) { return *table_.GetDb(code); }

    // A mark of the register whose summary and text records are both the record.
    CMark Mark(char code, const CZrData& record, std::uint32_t recordId = 0x108) {
        const CMark mark(recordId, code, 0, 0);
        table_.GetSummaryCache().Add(mark, record);
        table_.GetTextCache().Add(mark, record);
        return mark;
    }

    Lines SummaryLines(char code, const CZrData& record) {
        return Db(code).GetSummaryLines(Mark(code, record));
    }

    CHeaderTexts Header(char code, const CZrData& record) {
        CHeaderTexts texts;
        std::string error;
        EXPECT_TRUE(Db(code).GetHeaderTexts(Mark(code, record), texts, error));
        EXPECT_EQ(error, "");
        return texts;
    }

    CZrDbs table_;
};

const CZrData kUkRecord = MakeRecord({{"WORDMARK", "ACME"},
                                      {"APPNUM", "2000001"},
                                      {"STATUS", "Registered"},
                                      {"CLASSES", "9, 35"},
                                      {"APPDATE", "5 Jan 2004"},
                                      {"JOURNAL", "6001"}});

// Sets the user's language options for one test and puts the old ones back.
class ScopedLangOptions {
public:
    explicit ScopedLangOptions(const std::string& options)
        : previous_(TheUserOptions().GetLangOptions()) {
        TheUserOptions().SetLangOptions(options);
    }
    ~ScopedLangOptions() { TheUserOptions().SetLangOptions(previous_); }

private:
    std::string previous_;
};

// A 4-bit icon bitmap of 2 x 2 pixels, cut to `length` bytes when given.
std::string IconDib(std::size_t length = std::string::npos) {
    BitmapInfoHeader header;
    header.biWidth = 2;
    header.biHeight = 2;
    header.biBitCount = 4;
    std::string dib(40 + 16 * 4 + 2 * 4, '\0');
    header.Write(reinterpret_cast<std::uint8_t*>(dib.data()));
    dib[40 + 4] = '\xff'; // colour 1 blue
    dib[40 + 16 * 4] = 0x10;
    return dib.substr(0, length);
}

CZrData IconRecord(const std::string& dib) {
    const auto bytes = record_bytes::RecordBytes(
        {record_bytes::Text("WORDMARK", "ACME ZENITH"), record_bytes::Entry("ICON", dib)});
    CZrData record;
    record.Assign(bytes.data(), bytes.size());
    return record;
}

} // namespace

TEST_F(BuiltInDbs, NamesFlagsAndCountries) {
    const struct {
        char code;
        const char* shortName;
        const char* longName;
        int bitmapId;
        std::size_t countries;
    } registers[] = {{'a', "RW", "Reserved Words", 208, 0},
                     {'t', "AU", "Australian Trade Marks", 218, 1},
                     {'n', "CA", "Canadian Trade Marks", 217, 1},
                     {'o', "RCD", "Community Designs", 210, 27},
                     {'c', "EUTM", "European Community Trade Marks", 153, 27},
                     {'d', "DE", "German Trade Marks", 157, 2},
                     {'e', "IE", "Irish Trade Marks", 159, 1},
                     {'i', "IR", "International Trade Marks", 158, 0},
                     {'p', "PL", "Polish Trade Marks", 214, 1},
                     {'u', "UK", "United Kingdom Trade Marks", 152, 1},
                     {'k', "UKDOM", "United Kingdom Domain Names", 156, 1},
                     {'s', "US", "USA Federal Trade Marks", 155, 1},
                     {'0', "UK", "United Kingdom Trade Marks", 152, 1},
                     {'1', "RW", "Reserved Words", 208, 0}};
    for (const auto& r : registers) {
        const CZrDb& db = Db(r.code);
        EXPECT_EQ(db.GetCode(), r.code);
        EXPECT_EQ(db.GetShortName(), r.shortName);
        EXPECT_EQ(db.GetLongName(), r.longName);
        EXPECT_EQ(db.GetBitmapId(), r.bitmapId);
        EXPECT_EQ(db.GetCountryCodes().size(), r.countries) << r.code;
        EXPECT_EQ(db.IsDomainRegister(), r.code == 'k');
        EXPECT_EQ(db.GetAppNumPattern(), r.code == 'p' ? "P?L?\\d+" : "\\d+");
        EXPECT_EQ(db.GetTitle(), std::string(r.longName) + " to Unknown");
    }
    EXPECT_EQ(Db('d').GetCountryCodes(), (Lines{"DD", "DE"}));
    EXPECT_EQ(Db('t').GetCountryCodes(), (Lines{"AU"}));
    const Lines european = Db('c').GetCountryCodes();
    EXPECT_EQ(european, Db('o').GetCountryCodes());
    EXPECT_EQ(european.front(), "AT");
    EXPECT_EQ(european[13], "GB");
    EXPECT_EQ(european.back(), "SK");
}

TEST_F(BuiltInDbs, DeviceMarksByRecordIdBit) {
    const CMark bit0(0x401, 0, 0, 0);
    const CMark bit3(0x408, 0, 0, 0);
    for (const char code : std::string(CZrDbs::kBuiltInCodes)) {
        const bool auOrCa = code == 't' || code == 'n';
        EXPECT_EQ(Db(code).IsDeviceMark(bit0), auOrCa) << code;
        EXPECT_EQ(Db(code).IsDeviceMark(bit3), !auOrCa && code != 'k') << code;
        EXPECT_TRUE(Db(code).HasWordMark(bit0));
    }
}

TEST_F(BuiltInDbs, ApplicationNumbersOfMarks) {
    CMark mark(0x108, 'u', 0, 0);
    Db('u').SetMarkAppNum(mark, kUkRecord);
    EXPECT_EQ(static_cast<std::uint32_t>(mark.GetAppNumber()), ParseUkAppNum("2000001"));
    EXPECT_EQ(Db('u').FormatMarkAppNum(mark), "2,000,001");

    // A number the mark has stays.
    mark.SetAppNumber(77);
    Db('u').SetMarkAppNum(mark, kUkRecord);
    EXPECT_EQ(mark.GetAppNumber(), 77);

    // IE, PL and US take the serial number; without one the mark keeps none.
    for (const char code : {'e', 'p', 's'}) {
        CMark serial(0x108, code, 0, 0);
        Db(code).SetMarkAppNum(serial, kUkRecord);
        EXPECT_EQ(serial.GetAppNumber(), 0) << code;
        Db(code).SetMarkAppNum(serial, MakeRecord({{"SERNUM", "75000001"}}));
        EXPECT_NE(serial.GetAppNumber(), 0) << code;
    }
    EXPECT_EQ(table_.GetMarkKey(mark), Db('u').GetSortKey(mark));
}

TEST_F(BuiltInDbs, SummaryTexts) {
    EXPECT_EQ(Db('u').GetSummaryText(kUkRecord), "2000001  Registered  Class 9, 35");
    EXPECT_EQ(Db('u').GetSummaryText(MakeRecord({{"APPNUM", "1"}, {"STATUS", "Pending"}})),
              "1  Pending");
    const CZrData reserved = MakeRecord(
        {{"SUBSET", "RWO"}, {"APPNUM", "0042"}, {"STATUS", "Registered"}, {"CLASSES", "3"}});
    EXPECT_EQ(Db('a').GetSummaryText(reserved), "RWO  0042  Registered  Class 3");
    EXPECT_EQ(Db('a').GetSummaryText(MakeRecord({{"APPNUM", "0042"}, {"STATUS", "Lapsed"}})),
              "0042  Lapsed");
    EXPECT_EQ(Db('o').GetSummaryText(
                  MakeRecord({{"APPNUM", "1-1"}, {"STATUS", "Registered"}, {"LOCAR", "06.01"}})),
              "1-1  Registered  Locarno: 06.01");
    EXPECT_EQ(Db('s').GetSummaryText(MakeRecord(
                  {{"SERNUM", "75000001"}, {"APPNUM", "1234567"}, {"STATUS", "Registered"}})),
              "75000001  Registered");

    bool wide = true;
    EXPECT_EQ(Db('u').GetWordMarkText(MakeRecord({{"WORDMARK", "ACME"}, {"CHARSET2", "1"}}), wide),
              "ACME");
    EXPECT_FALSE(wide);
    EXPECT_EQ(Db('c').GetWordMarkText(MakeRecord({{"WORDMARK", "ACME"}, {"CHARSET2", "1"}}), wide),
              "ACME");
    EXPECT_TRUE(wide);
}

TEST_F(BuiltInDbs, SummaryLines) {
    EXPECT_EQ(SummaryLines('u', kUkRecord),
              (Lines{"UK 2000001", "5 Jan 2004", "Registered", "Jnl 6001"}));
    EXPECT_EQ(SummaryLines('a', MakeRecord({{"APPNUM", "0042"}})),
              (Lines{"RW 0042", "No Date", "", ""}));
    EXPECT_EQ(SummaryLines('t', MakeRecord({{"APPNUM", "12"},
                                            {"STATUS", "Registered"},
                                            {"REGDATE", "2 Feb 2005"},
                                            {"APPDATE", "5 Jan 2004"}})),
              (Lines{"AU 12", "Reg: 2 Feb 2005", "Registered"}));
    EXPECT_EQ(SummaryLines('e', MakeRecord({{"SERNUM", "7"}, {"APPDATE", "5 Jan 2004"}}))[1],
              "App: 5 Jan 2004");
    EXPECT_EQ(SummaryLines('p', MakeRecord({{"SERNUM", "7"}}))[1], "No Date");
    EXPECT_EQ(SummaryLines('c', MakeRecord({{"APPNUM", "1"}, {"LANG1", "EN"}, {"LANG2", "FR"}})),
              (Lines{"EUTM 1", "No Date", "", "EN/FR"}));
    EXPECT_EQ(SummaryLines('o', MakeRecord({{"APPNUM", "1-1"}, {"LANG1", "DE"}})).back(), "DE");
    EXPECT_EQ(SummaryLines('s', MakeRecord({{"SERNUM", "75000001"}, {"APPNUM", "1234567"}})),
              (Lines{"US 75000001", "No Date", "", "1234567"}));
    for (const char code : {'d', 'i', 'k', 'n'})
        EXPECT_EQ(SummaryLines(code, kUkRecord).size(), 3u) << code;

    // No record, no lines.
    EXPECT_EQ(Db('u').GetSummaryLines(CMark(0x999, 'u', 0, 0)), Lines{});
}

TEST_F(BuiltInDbs, DetailsHeaders) {
    CHeaderTexts uk = Header('u', kUkRecord);
    EXPECT_EQ(uk.line1Left, "2000001");
    EXPECT_EQ(uk.line1Right, "5 Jan 2004");
    EXPECT_EQ(uk.line2Left, "Class 9, 35");
    EXPECT_EQ(uk.line2Right, "Registered");
    EXPECT_EQ(uk.line3Left, "Jnl 6001");
    EXPECT_EQ(uk.wordMark, "ACME");

    // Reserved Words begin with the subset and two blanks, even without a subset.
    const CHeaderTexts reserved = Header('a', MakeRecord({{"APPNUM", "0042"}}));
    EXPECT_EQ(reserved.line1Left, "  0042");
    EXPECT_EQ(reserved.line1Right, "No Date");
    EXPECT_EQ(reserved.line2Left, "Class ");
    EXPECT_EQ(reserved.line3Left, "");

    const CHeaderTexts australian =
        Header('t', MakeRecord({{"APPNUM", "12"}, {"APPDATE", "5 Jan 2004"}}));
    EXPECT_EQ(australian.line1Right, "App:5 Jan 2004");
    EXPECT_EQ(Header('n', MakeRecord({{"APPNUM", "12"}})).line1Right, "");

    const CHeaderTexts ctm = Header('c', MakeRecord({{"APPNUM", "1"},
                                                     {"WORDMARK", "ΑΛΦΑ"},
                                                     {"CHARSET2", "1"},
                                                     {"LANG1", "EL"},
                                                     {"LANG2", "EN"}}));
    EXPECT_EQ(ctm.line1Right, "EL/EN");
    EXPECT_EQ(ctm.line3Left, "No Date");
    EXPECT_TRUE(ctm.wideWordMark);
    const CHeaderTexts published =
        Header('d', MakeRecord({{"APPNUM", "1"}, {"PUBDATE", "1 Mar 2004"}}));
    EXPECT_EQ(published.line1Right, "Pub:1 Mar 2004");
    EXPECT_EQ(Header('i', kUkRecord).line1Right, "");

    const CHeaderTexts designs = Header(
        'o',
        MakeRecord(
            {{"APPNUM", "1-1"}, {"LOCAR", "06.01"}, {"APPDATE", "5 Jan 2004"}, {"LANG1", "EN"}}));
    EXPECT_EQ(designs.line1Right, "EN");
    EXPECT_EQ(designs.line2Left, "Locarno 06.01");
    EXPECT_EQ(designs.line3Left, "5 Jan 2004");
    EXPECT_EQ(Header('o', MakeRecord({{"APPNUM", "1-1"}})).line2Left, "");

    EXPECT_EQ(Header('k', kUkRecord).line2Left, "");
    const CHeaderTexts us = Header('s', MakeRecord({{"SERNUM", "75000001"}, {"APPNUM", "123"}}));
    EXPECT_EQ(us.line1Left, "75000001");
    EXPECT_EQ(us.line3Left, "123");

    CHeaderTexts none;
    std::string error;
    EXPECT_FALSE(Db('u').GetHeaderTexts(CMark(0x999, 'u', 0, 0), none, error));
    EXPECT_EQ(error, "UK connection error");
}

TEST_F(BuiltInDbs, DesignDescriptions) {
    const CMark chair =
        Mark('o', MakeRecord({{"DESDESCR", FormatPairList({{"EN", "chair"}, {"EN", "seat"}})}}));
    bool wide = true;
    EXPECT_EQ(Db('o').GetWordMark(chair, &wide), "[EN]chair\\[EN]seat");
    EXPECT_FALSE(wide);
    std::string error;
    const RecordPtr record = Db('o').GetSummaryRecord(chair, error);
    ASSERT_TRUE(record);
    EXPECT_EQ(Db('o').GetWordMarkText(*record, wide), "[EN]chair\\seat");
    EXPECT_EQ(Db('o').GetWordMark(chair, nullptr), "[EN]chair\\[EN]seat");

    const CZrData greek = MakeRecord({{"DESDESCR", FormatPairList({{"EL", "α"}, {"EL", "β"}})}});
    EXPECT_EQ(Db('o').GetWordMarkText(greek, wide), "[EL]α\\β");
    EXPECT_TRUE(wide);

    const CZrData mixed =
        MakeRecord({{"DESDESCR", FormatPairList({{"EN", "chair"}, {"EL", "α"}, {"EN", "seat"}})}});
    EXPECT_EQ(Db('o').GetWordMarkText(mixed, wide), "[EN]chair\\[EL]α\\[EN]seat");
    EXPECT_FALSE(wide);
    {
        const ScopedLangOptions greekReader("y7");
        Db('o').GetWordMarkText(mixed, wide);
        EXPECT_TRUE(wide);
    }
    EXPECT_EQ(Db('o').GetWordMark(CMark(0x999, 'o', 0, 0), &wide), "");
    EXPECT_FALSE(wide);
}

TEST_F(BuiltInDbs, ClassesOfAMark) {
    EXPECT_EQ(Db('u').GetClasses(Mark('u', MakeRecord({{"CLASS", "9, 35"}, {"CLASSES", "9"}}))),
              "9, 35");
    EXPECT_EQ(Db('o').GetClasses(Mark('o', MakeRecord({{"LOCAR", "06.01,06.02"}}))), "06.01");
    EXPECT_EQ(Db('o').GetClasses(Mark('o', MakeRecord({{"LOCAR", ",06.02"}}))), ",06.02");
    EXPECT_EQ(Db('o').GetClasses(Mark('o', MakeRecord({{"LOCAR", "06.01"}}))), "06.01");
    EXPECT_EQ(Db('o').GetClasses(CMark(0x999, 'o', 0, 0)), "");
    EXPECT_EQ(Db('u').GetClasses(CMark(0x999, 'u', 0, 0)), "");
}

TEST_F(BuiltInDbs, RecordErrorTexts) {
    std::string error;
    // Known only by its number: no engine call is made.
    CMark numberOnly(0, 'u', 0, 0, static_cast<int>(ParseUkAppNum("2000001")));
    EXPECT_FALSE(Db('u').GetSummaryRecord(numberOnly, error));
    EXPECT_EQ(error, "UK 2,000,001 not found in current database");
    EXPECT_EQ(Db('u').GetErrorText(), "");
    numberOnly.SetRegisterCode('x');
    EXPECT_FALSE(Db('u').GetTextRecord(numberOnly, error));
    EXPECT_EQ(error, "UK Mark not found in current database");

    const CMark withdrawn = Mark('u', MakeRecord({{"ERROR", "Record withdrawn"}}));
    EXPECT_FALSE(Db('u').GetSummaryRecord(withdrawn, error));
    EXPECT_EQ(error, "Record withdrawn");
    EXPECT_TRUE(Db('u').FetchSummaryRecord(withdrawn));

    // Nothing cached and no engine.
    EXPECT_FALSE(Db('t').GetTextRecord(CMark(0x999, 't', 0, 0), error));
    EXPECT_EQ(error, "AU connection error");
    EXPECT_EQ(Db('t').GetErrorText(), CZrDb::kNoEngineText);

    EXPECT_TRUE(Db('u').GetSummaryRecord(Mark('u', kUkRecord), error));
    EXPECT_EQ(error, "");
}

TEST_F(BuiltInDbs, SoundsImagesAndIcons) {
    const CZrData sound = MakeRecord({{"HASSOUND", ""}});
    for (const char code : {'t', 'n', 'c'})
        EXPECT_TRUE(Db(code).HasSound(Mark(code, sound))) << code;
    EXPECT_FALSE(Db('u').HasSound(Mark('u', sound)));
    EXPECT_FALSE(Db('t').HasSound(Mark('t', kUkRecord)));
    EXPECT_FALSE(Db('t').HasSound(CMark(0x999, 't', 0, 0)));

    const CZrData images =
        MakeRecord({{"IMINFO", FormatPairList({{"0", "front"}, {"1", "back"}, {"2", "side"}})},
                    {"IMSTYLE", "colour"}});
    EXPECT_EQ(Db('u').GetImageInfo(Mark('u', images, 0x108)), 3);
    EXPECT_EQ(Db('u').GetImageInfo(Mark('u', kUkRecord, 0x208)), 1);
    EXPECT_EQ(Db('u').GetImageInfo(Mark('u', images, 0x100)), 0); // a word mark
    EXPECT_EQ(Db('u').GetImageStyle(Mark('u', images)), "colour");

    CPing icon;
    EXPECT_TRUE(Db('u').GetIcon(Mark('u', IconRecord(IconDib()), 0x108), icon));
    EXPECT_EQ(icon.GetWidth(), 2u);
    EXPECT_FALSE(Db('u').GetIcon(Mark('u', IconRecord(IconDib()), 0x100), icon)); // word mark
    EXPECT_FALSE(Db('u').GetIcon(Mark('u', kUkRecord, 0x108), icon));
    EXPECT_EQ(Db('u').GetErrorText(), "");
    for (const std::size_t cut : {std::size_t{10}, std::size_t{60}, std::size_t{105}}) {
        EXPECT_FALSE(Db('u').GetIcon(Mark('u', IconRecord(IconDib(cut)), 0x108), icon)) << cut;
        EXPECT_EQ(Db('u').GetErrorText(), CZrDb::kDamagedReplyText);
    }
}

TEST_F(BuiltInDbs, InternationalSearchesKeepToTheRestriction) {
    CCriteria criteria;
    CCountryList everywhere;
    everywhere.SetAll(true);
    criteria.SetCountries(everywhere);
    Db('i').ApplyRestriction(criteria);
    EXPECT_TRUE(criteria.GetCountries().IsAll());

    Db('i').SetEngine(CZrDbEngine('i'), "GB,FR");
    EXPECT_EQ(Db('i').GetRestriction(), "GB,FR");
    Db('i').ApplyRestriction(criteria);
    std::vector<std::string> codes;
    criteria.GetCountries().GetCodes(codes);
    EXPECT_EQ(codes.size(), 2u);

    // Other registers ignore their restriction.
    CCriteria untouched;
    untouched.SetCountries(everywhere);
    Db('u').SetEngine(CZrDbEngine('u'), "GB");
    Db('u').ApplyRestriction(untouched);
    EXPECT_TRUE(untouched.GetCountries().IsAll());
}
