#include "core/UserOptions.h"

#include "core/TermMapper.h"
#include "platform/AtomicFile.h"
#include "tests/core/SettingsFixture.h"
#include "tests/core/TestServices.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::string kLegacyUserFile = std::string(ZR_TEST_DATA_DIR) + "/settings/ZrUser.ini";

std::string Describe(const CFormatBlock& f) {
    std::ostringstream text;
    text << f.bigFontWordmark << f.allClasses << f.specialNotices << f.goodsSpec << f.serviceName
         << f.serviceAddr << f.agentName << f.agentAddr << f.updateHistory << f.deviceCat
         << f.printOnNewPage << " prop " << f.prop << " device " << f.device;
    return text.str();
}

std::string Describe(const CColour& c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// Every setting of the object, one per line, for comparing whole states.
std::string Describe(const CUserOptions& o) {
    std::ostringstream text;
    int size = 0;
    CMarginRect margins;
    bool vertical = false, horizontal = false;
    std::string deUser, dePassword;
    o.GetPageMargins(margins);
    o.GetPrintLines(vertical, horizontal);
    o.GetDeLogin(deUser, dePassword);
    text << "exam " << o.GetAgency() << "|" << o.GetExaminer() << "|" << o.GetOneClassOnly()
         << o.GetDeleteDuplicates() << o.GetMultiClassDuplicates() << "|" << o.GetSections() << "|"
         << o.GetDbIds() << "|" << o.GetDbSelection() << "\n";
    text << "search " << o.GetDefaultStatus() << "|" << o.GetHideDuplicates() << "|"
         << o.GetAutoLong() << "|" << o.GetAutoKeep() << "|" << o.GetSortOrder() << "\n";
    text << "watch " << o.GetWatchAutoKeep() << o.GetWatchAutoLong() << o.GetWatchSkipReview()
         << o.GetWatchAutoReport() << "|" << o.GetWatchDefaultReport() << "|"
         << o.GetWatchReportDir() << "|" << o.GetWatchIncludeCrossClasses() << o.GetWatchDevices()
         << "|" << o.GetWatchSet() << "|" << o.GetWatchTermMatch() << "\n";
    text << "fonts " << o.GetDisplayMainFont(size) << ":" << size;
    text << "|" << o.GetDisplayWordmarkFont(size) << ":" << size;
    text << "|" << o.GetPrinterMainFont(size) << ":" << size;
    text << "|" << o.GetPrinterWordmarkFont(size) << ":" << size << "\n";
    text << "colours " << Describe(o.GetFgrColour(false)) << "|" << Describe(o.GetBgrColour(false))
         << "|" << Describe(o.GetFgrColour(true)) << "|" << Describe(o.GetBgrColour(true)) << "\n";
    text << "lang " << o.GetLangOptions() << "\n";
    text << "page " << margins.left << "," << margins.top << "," << margins.right << ","
         << margins.bottom << "|" << o.GetPageHeading() << "|" << vertical << horizontal
         << o.GetPrintCriteria() << o.GetPageOption() << "\n";
    text << "report " << o.GetReportTemplate() << "\n";
    text << "long " << Describe(o.GetLongFormat()) << "\n";
    text << "short " << Describe(o.GetShortFormat()) << "\n";
    text << "sections " << o.GetSectionName(0) << "|" << o.GetSectionName(1) << "|"
         << o.GetSectionName(2) << "|" << o.GetSectionName(98) << "\n";
    text << "chars " << o.GetMacroPrefix() << o.GetMatchAny() << o.GetMatchOne()
         << o.GetMatchOneOrNone() << "\n";
    text << "misc " << deUser << "|" << dePassword << "|" << o.GetEnquiryShowDetails() << "|"
         << o.GetDefaultCaveatSet() << "|" << o.GetConfirmedDirectDbs() << "|"
         << o.GetLatestDontShowDate() << "\n";
    return text.str();
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

class UserOptions : public SettingsFixture {
protected:
    std::string Defaults() const {
        return "exam ||100|4||\n"
               "search rpla|0|1|0|0\n"
               "watch 1000|watch.rtf|" +
               UserDir() +
               "/WatchReports|11|AddedLastWeek|1\n"
               "fonts Arial:10|Arial:14|Arial:10|Arial:20\n"
               "colours 0,0,0|255,255,255|0,0,0|255,192,192\n"
               "lang y3\n"
               "page 10,10,10,10|VO Voruderevoze Darivedod Adodiv Uvedar&b&d&bPage &p|1110\n"
               "report default.rtf\n"
               "long 10111111111 prop 4 device 4\n"
               "short 00000000000 prop 0 device 0\n"
               "sections Section 1|Section 2|Section 3|Section 99\n"
               "chars .-*?\n"
               "misc ||1|UpdatedLastWeek||\n";
    }
    void Reload() {
        fresh_ = std::make_unique<CUserOptions>();
        fresh_->Load(system_);
    }

    CUserOptions options_;
    std::unique_ptr<CUserOptions> fresh_;
};

} // namespace

TEST_F(UserOptions, NoFileGivesEveryDefaultAndSavingWritesNothing) {
    options_.Load(system_);
    EXPECT_EQ(Describe(options_), Defaults());
    const std::string reportDir = UserDir() + "/WatchReports";
    EXPECT_EQ(Describe(CUserOptions()),
              std::string(Defaults()).replace(Defaults().find(reportDir), reportDir.size(), ""))
        << "the defaults hold before any load, the report folder without a user folder";
    EXPECT_FALSE(options_.IsChanged());
    EXPECT_TRUE(options_.Save());
    EXPECT_FALSE(fs::exists(UserFile()));
}

TEST_F(UserOptions, AFileOfTheWindowsProgramIsReadKeyByKey) {
    fs::copy_file(kLegacyUserFile, UserFile());
    options_.Load(system_);
    EXPECT_EQ(Describe(options_),
              "exam Marks & Partners|J. Smith|000|7|ucs|u,c,s\n"
              "search rp|1|0|2|3\n"
              "watch 0111|weekly.rtf|" +
                  home_.Path() +
                  "/Reports/Watch|00|AddedLastMonth|0\n"
                  "fonts Times New Roman:12|Courier New:16|Arial Narrow:9|Georgia:24\n"
                  "colours 16,32,48|240,240,224|128,0,0|192,255,192\n"
                  "lang n37\n"
                  "page 15,20,5,25|Marks & Partners&b&d|0000\n"
                  "report agency.rtf\n"
                  "long 01010101010 prop 2 device 3\n"
                  "short 10101010101 prop 1 device 1\n"
                  "sections Identical marks|Similar marks|Section 3|Last one\n"
                  "chars #%_!\n"
                  "misc jsmith|geheim|0|AddedLastMonth|xy|20170420\n");
    EXPECT_FALSE(options_.IsChanged());
    EXPECT_FALSE(options_.GetShowMsgId("SaveOptions"));
    EXPECT_TRUE(options_.GetShowMsgId("SaveKeywords"));
}

TEST_F(UserOptions, ForcedSaveRoundTripsAndKeepsWhatItDoesNotKnow) {
    fs::copy_file(kLegacyUserFile, UserFile());
    options_.Load(system_);
    ASSERT_TRUE(options_.Save(true));
    Reload();
    EXPECT_EQ(Describe(*fresh_), Describe(options_));
    const std::string text = home_.Folder().Read("velorin/jsmith/ZrUser.ini");
    EXPECT_NE(text.find("\r\n; kept by other versions of the program\r\nUnknown=stays\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("UK_Engine=1 Jan 2017,Internet UK\r\n"), std::string::npos);
    EXPECT_NE(text.find("StdBgrColour=F0F0e0\r\n"), std::string::npos) << "colours are not saved";
}

TEST_F(UserOptions, EverySetterIsSavedAndLoadedBack) {
    options_.Load(system_);
    options_.SetAgency("Agency & Co");
    options_.SetExaminer("Examiner");
    options_.SetOneClassOnly(false);
    options_.SetSections(9);
    options_.SetDbIds("dk");
    options_.SetDbSelection("d,k");
    options_.SetDefaultStatus("r");
    options_.SetHideDuplicates(true);
    options_.SetAutoLong(0);
    options_.SetAutoKeep(1);
    options_.SetSortOrder(2);
    options_.SetWatchAutoKeep(false);
    options_.SetWatchAutoLong(true);
    options_.SetWatchSkipReview(true);
    options_.SetWatchAutoReport(true);
    options_.SetWatchDefaultReport("w.rtf");
    options_.SetWatchReportDir("/srv/watch");
    options_.SetWatchIncludeCrossClasses(false);
    options_.SetWatchDevices(false);
    options_.SetWatchSet("Custom");
    options_.SetWatchTermMatch(7);
    options_.SetDisplayMainFont("DejaVu Sans", 11);
    options_.SetDisplayWordmarkFont("Face:With:Colons", 15);
    options_.SetPrinterMainFont("Liberation Serif", 8);
    options_.SetPrinterWordmarkFont("Noto", 30);
    options_.SetLangOptions("y5");
    options_.SetPageSetup({1, 2, 3, 4}, "  Heading with blanks  ", false, true, false);
    options_.SetReportTemplate("r.rtf");
    CFormatBlock block;
    block.goodsSpec = block.printOnNewPage = true;
    block.prop = 3;
    block.device = 2;
    options_.SetLongFormat(block);
    block.agentName = true;
    options_.SetShortFormat(block);
    options_.SetMacroPrefix('@');
    options_.SetMatchAny('+');
    options_.SetMatchOne('#');
    options_.SetMatchOneOrNone('\0');
    options_.SetDeLogin("de", "pw");
    options_.SetEnquiryShowDetails(false);
    options_.SetDefaultCaveatSet("Caveat");
    options_.SetConfirmedDirectDbs("zz");
    options_.SetLatestDontShowDate("20240101");
    EXPECT_TRUE(options_.SetSectionName(0, "First"));
    EXPECT_TRUE(options_.SetSectionName(98, "Last"));
    EXPECT_TRUE(options_.IsChanged());
    ASSERT_TRUE(options_.Save()) << options_.GetLastError();
    EXPECT_FALSE(options_.IsChanged());

    Reload();
    EXPECT_EQ(Describe(*fresh_), Describe(options_));
    EXPECT_EQ(fresh_->GetWatchTermMatch(), 1);
    EXPECT_EQ(fresh_->GetMatchOneOrNone(), '\0');
    const CIniFile file(UserFile());
    EXPECT_EQ(file.GetString("Page", "Heading", "missing"), "");
    EXPECT_EQ(file.GetString("Page", "HeadingEx", ""), "  Heading with blanks  ");
    EXPECT_EQ(file.GetString("Font", "DisplayWordmark", ""), "Face:With:Colons:15");
    for (const char* key : {"DeleteDuplicates", "MultiClassDuplicates"})
        EXPECT_EQ(file.GetString("Exam", key, "absent"), "absent");
    EXPECT_EQ(file.GetString("Font", "KeptBgrColour", "absent"), "absent");
    EXPECT_EQ(file.GetString("Page", "PrintNewPage", "absent"), "absent");
    EXPECT_EQ(ModeOf(UserFile()), 0600u) << "the file holds a password";
}

TEST_F(UserOptions, OldHeadingGetsThePageNumbering) {
    home_.Folder().Write("velorin/jsmith/ZrUser.ini", "[Page]\nHeading=Smith & Co\n");
    options_.Load(system_);
    EXPECT_EQ(options_.GetPageHeading(), "Smith & Co&b&d&bPage &p");
    options_.SetSections(5);
    ASSERT_TRUE(options_.Save());
    EXPECT_EQ(home_.Folder().Read("velorin/jsmith/ZrUser.ini").find("Heading=Smith"),
              std::string::npos);
    Reload();
    EXPECT_EQ(fresh_->GetPageHeading(), "Smith & Co&b&d&bPage &p");
}

TEST_F(UserOptions, ValuesOutsideTheirFormsGiveDefaultsOrTheirNormalForm) {
    home_.Folder().Write("velorin/jsmith/ZrUser.ini",
                         "[Font]\nKeptBgrColour=FFC0C\nStdFgrColour=zz00ff\nDisplayMain=NoColon\n"
                         "PrinterMain=Mono:\n"
                         "[Watch]\nTermMatch=5\n"
                         "[Exam]\nDeleteDuplicates=1\nMultiClassDuplicates=1\nOneClassOnly=0\n"
                         "[Page]\nPrintNewPage=0\n");
    options_.Load(system_);
    EXPECT_EQ(options_.GetBgrColour(true), (CColour{255, 192, 192}));
    EXPECT_EQ(options_.GetFgrColour(false), (CColour{0, 0, 255})) << "non-digits count as 0";
    int size = 0;
    EXPECT_EQ(options_.GetDisplayMainFont(size), "Arial");
    EXPECT_EQ(size, 10);
    EXPECT_EQ(options_.GetPrinterMainFont(size), "Mono");
    EXPECT_EQ(size, 0);
    EXPECT_EQ(options_.GetWatchTermMatch(), 1);
    EXPECT_FALSE(options_.GetDeleteDuplicates());
    EXPECT_TRUE(options_.GetMultiClassDuplicates());
    EXPECT_TRUE(options_.GetOneClassOnly());
    EXPECT_FALSE(options_.GetLongFormat().printOnNewPage);
    EXPECT_FALSE(options_.GetShortFormat().printOnNewPage);

    options_.SetSections(4);
    ASSERT_TRUE(options_.Save());
    EXPECT_TRUE(CIniFile(UserFile()).GetBool("Exam", "OneClassOnly", false))
        << "the effective value is saved";
}

TEST_F(UserOptions, LanguageOptionsDropDependentRecordsOnlyWhenChanged) {
    const CTestServices registers;
    const int& drops = registers.languageDrops;
    home_.Folder().Write("velorin/jsmith/ZrUser.ini", "[Lang]\nOptions=y37\n");
    options_.Load(system_);
    EXPECT_EQ(drops, 1);
    EXPECT_FALSE(options_.IsChanged());
    options_.SetLangOptions("y37");
    EXPECT_EQ(drops, 1);
    EXPECT_FALSE(options_.IsChanged());
    options_.SetLangOptions("n3");
    EXPECT_EQ(drops, 2);
    EXPECT_TRUE(options_.IsChanged());
}

TEST_F(UserOptions, SectionNamesAreRangeCheckedAndSavedApart) {
    options_.Load(system_);
    EXPECT_EQ(options_.GetSectionName(-1), "");
    EXPECT_EQ(options_.GetSectionName(99), "");
    EXPECT_FALSE(options_.SetSectionName(99, "x"));
    EXPECT_FALSE(options_.SetSectionName(-1, "x"));

    EXPECT_TRUE(options_.SetSectionName(4, "Fifth"));
    EXPECT_FALSE(options_.IsChanged());
    ASSERT_TRUE(options_.Save());
    const CIniFile file(UserFile());
    EXPECT_EQ(file.GetString("SectionNames", "5", ""), "Fifth");
    EXPECT_EQ(file.GetString("SectionNames", "99", ""), "Section 99");
    EXPECT_EQ(file.GetString("Exam", "Sections", "absent"), "absent");
}

TEST_F(UserOptions, ImmediateKeysAreWrittenAtOnce) {
    options_.Load(system_);
    EXPECT_TRUE(options_.GetShowMsgId("SaveOptions"));
    EXPECT_TRUE(options_.ClearShowMsgId("SaveOptions"));
    {
        const CTestServices registers;
        EXPECT_TRUE(options_.SetPreferredEngine('u', "1 Jan 2017,Internet UK"));
        EXPECT_FALSE(options_.IsChanged());
        EXPECT_EQ(options_.GetPreferredEngine('u'), "1 Jan 2017,Internet UK");
    }

    const CIniFile file(UserFile());
    EXPECT_EQ(file.GetString("ShowMsgId", "SaveOptions", ""), "0");
    EXPECT_EQ(file.GetString("Exam", "DB-u_Engine", ""), "1 Jan 2017,Internet UK");
    Reload();
    EXPECT_FALSE(fresh_->GetShowMsgId("SaveOptions"));
    EXPECT_EQ(fresh_->GetPreferredEngine('u'), "") << "without the register table's names";
}

TEST_F(UserOptions, MappersFollowTheSpecialCharacters) {
    options_.Load(system_);
    options_.SetMatchAny('%');
    CTermMapper input;
    input.Add('x', 'y');
    options_.FillInputMapper(input);
    EXPECT_EQ(input.Map("BRAND%"), "BRAND-");
    EXPECT_EQ(input.Map("SEMI-SOFT"), "SEMI\\-SOFT");
    EXPECT_EQ(input.Map("x*?"), "x*?") << "the earlier pairs are gone";

    CTermMapper display;
    options_.FillDisplayMapper(display);
    EXPECT_EQ(display.Map("BRAND-"), "BRAND%");
    EXPECT_EQ(display.Map("A*B?"), "A*B?");
    EXPECT_EQ(display.Map(input.Map("SEMI-SOFT%")), "SEMI-SOFT%")
        << "input and display undo each other";
}

TEST_F(UserOptions, LoadingReadsTheUserFileOnce) {
    home_.Folder().Write("velorin/jsmith/ZrUser.ini", "[Exam]\nAgency=Smith & Co\n");
    fs::last_write_time(UserFile(), fs::file_time_type::clock::now() - std::chrono::hours(1));
    int reads = 0;
    const platform::ScopedFileReadCheck counting([&](const std::string& path) {
        reads += path == UserFile() ? 1 : 0;
        return true;
    });
    options_.Load(system_);
    EXPECT_EQ(options_.GetAgency(), "Smith & Co");
    EXPECT_EQ(reads, 1);
}

TEST_F(UserOptions, AFailedSaveIsReportedAndTriedAgain) {
    options_.Load(system_);
    options_.SetAgency("kept in memory");
    fs::remove_all(UserDir());
    EXPECT_FALSE(options_.Save());
    EXPECT_FALSE(options_.GetLastError().empty());
    EXPECT_TRUE(options_.IsChanged());
    fs::create_directory(UserDir());
    EXPECT_TRUE(options_.Save());
    EXPECT_EQ(CIniFile(UserFile()).GetString("Exam", "Agency", ""), "kept in memory");
}

TEST_F(UserOptions, AValueTheFileCannotHoldCostsNoOtherKey) {
    options_.Load(system_);
    options_.SetLatestDontShowDate("1 Mar 2017");
    ASSERT_TRUE(options_.Save());
    options_.SetLatestDontShowDate("5 January\n2024");
    options_.SetConfirmedDirectDbs("pd");
    options_.SetSectionName(0, "Clearance");
    EXPECT_FALSE(options_.Save());
    EXPECT_EQ(options_.GetLastError(),
              "The file cannot hold the value of [Misc] LatestDontShowDate");
    EXPECT_TRUE(options_.IsChanged());

    // Every other key is saved; the refused one keeps what the file had.
    Reload();
    EXPECT_EQ(fresh_->GetConfirmedDirectDbs(), "pd");
    EXPECT_EQ(fresh_->GetSectionName(0), "Clearance");
    EXPECT_EQ(fresh_->GetLatestDontShowDate(), "1 Mar 2017");
}

TEST(UserOptionsFormat, FlagWordOfAFormatBlock) {
    CFormatBlock block;
    EXPECT_EQ(GetFormatFlags(block), 0u);
    block.bigFontWordmark = block.printOnNewPage = true;
    block.device = 4;
    EXPECT_EQ(GetFormatFlags(block), 0u);
    block = {false, true, true, true, true, true, true, true, true, true, false, 0, 0};
    EXPECT_EQ(GetFormatFlags(block), 0x3F0Eu);
    const std::pair<int, std::uint32_t> owners[] = {{1, 0x10}, {2, 0x30}, {3, 0x50},
                                                    {4, 0xF0}, {5, 0},    {-1, 0}};
    for (const auto& [prop, bits] : owners) {
        CFormatBlock owner;
        owner.prop = prop;
        EXPECT_EQ(GetFormatFlags(owner), bits) << prop;
    }
}

TEST(UserOptionsFormat, LanguageOptionsOfRecordRequests) {
    EXPECT_EQ(BuildLangOptions(false), "y3:11");
    EXPECT_EQ(BuildLangOptions(true), "y3:12");
}
