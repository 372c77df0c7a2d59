#include "core/IniFile.h"

#include "platform/AtomicFile.h"
#include "tests/core/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::string kLegacy = std::string(ZR_TEST_DATA_DIR) + "/settings/legacy.ini";

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

// As if the file had last been written an hour ago.
void Settle(const std::string& path) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));
}

} // namespace

TEST(IniFile, ReadsAFileWrittenByTheWindowsInstallation) {
    const CIniFile ini(kLegacy);
    EXPECT_EQ(ini.GetString("locations", "HOME", ""), "C:\\Velorin");
    EXPECT_EQ(ini.GetString("Locations", "Templates", ""), "C:\\Velorin\\template");
    EXPECT_EQ(ini.GetString(" Repository ", "REMOTE1", ""),
              "corbaloc::repo1.example:13573/Repository");
    EXPECT_EQ(ini.GetString("Repository", "Quoted", ""), "  padded  ");
    EXPECT_EQ(ini.GetString("Repository", "Apostrophes", ""), "single");
    EXPECT_EQ(ini.GetString("Repository", "Half", ""), "\"open");
    EXPECT_EQ(ini.GetInt("Config", "PreCache", 0), 1);
    EXPECT_EQ(ini.GetInt("Config", "RequireClientName", 7), 0) << "no number reads as 0";

    // Comments, lines outside sections, lines without a key and later duplicates are not read.
    EXPECT_EQ(ini.GetString("Repository", "Remote2", "none"), "none");
    EXPECT_EQ(ini.GetString("", "orphan", "none"), "none");
    EXPECT_EQ(ini.GetString("Repository", "this line has no equals sign", "none"), "none");
    // A header without "]" is no header: its keys belong to the section before it.
    EXPECT_EQ(ini.GetString("Test", "CheckAnnouncements", "none"), "none");
    EXPECT_EQ(ini.GetString("Repository", "CheckAnnouncements", "none"), "0");

    CIniPairs pairs{{"stale", "entry"}};
    ini.ReadSection("REPOSITORY", pairs);
    const CIniPairs expected{{"Remote1", "corbaloc::repo1.example:13573/Repository"},
                             {"Override", ""},
                             {"Quoted", "  padded  "},
                             {"Apostrophes", "single"},
                             {"Half", "\"open"},
                             {"CheckAnnouncements", "0"}};
    EXPECT_EQ(pairs, expected);
}

TEST(IniFile, MissingKeysAndFilesGiveTheDefaults) {
    CTempFolder folder;
    for (const CIniFile& ini : {CIniFile(folder / "absent.ini"), CIniFile(kLegacy), CIniFile()}) {
        EXPECT_EQ(ini.GetString("Nowhere", "Key", "dflt"), "dflt");
        EXPECT_EQ(ini.GetInt("Nowhere", "Key", -4), -4);
        EXPECT_TRUE(ini.GetBool("Nowhere", "Key", true));
        EXPECT_EQ(ini.GetChar("Nowhere", "Key", '.'), '.');
        std::string value = "old";
        EXPECT_FALSE(ini.GetStringIfSet("Nowhere", "Key", value));
        EXPECT_EQ(value, "");
        CIniPairs pairs{{"a", "b"}};
        ini.ReadSection("Nowhere", pairs);
        EXPECT_TRUE(pairs.empty());
    }
}

TEST(IniFile, AnEmptyValueIsSetButNumbersAndCharactersTreatItAsTheirs) {
    CTempFolder folder;
    CIniFile ini(
        folder.Write("a.ini", "[S]\nEmpty=\nNumber=12abc\nNegative=-7\nHuge=99999999999\n"));
    std::string value = "old";
    EXPECT_TRUE(ini.GetStringIfSet("S", "Empty", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(ini.GetString("S", "Empty", "dflt"), "");
    EXPECT_EQ(ini.GetChar("S", "Empty", '.'), '\0');
    EXPECT_EQ(ini.GetInt("S", "Empty", 5), 5);
    EXPECT_TRUE(ini.GetBool("S", "Empty", true));
    EXPECT_EQ(ini.GetInt("S", "Number", 0), 12);
    EXPECT_EQ(ini.GetInt("S", "Negative", 0), -7);
    EXPECT_EQ(ini.GetInt("S", "Huge", 0), INT_MAX);
    EXPECT_EQ(ini.GetChar("S", "Number", '.'), '1');
}

TEST(IniFile, WritesRoundTripInTheirStoredForms) {
    CTempFolder folder;
    CIniFile ini(folder / "new.ini");
    const std::string longValue(100000, 'x');
    EXPECT_TRUE(ini.WriteString("Exam", "Agency", "Smith & Co"));
    EXPECT_TRUE(ini.WriteBool("Exam", "OneClassOnly", false));
    EXPECT_TRUE(ini.WriteInt("Exam", "Sections", -12));
    EXPECT_TRUE(ini.WriteChar("SpecialChars", "MacroPrefix", '#'));
    EXPECT_TRUE(ini.WriteChar("SpecialChars", "None", '\0'));
    EXPECT_TRUE(ini.WriteString("Exam", "Long", longValue));
    EXPECT_TRUE(ini.WriteString("Exam", "Padded", "  both ends "));
    EXPECT_TRUE(ini.WriteString("Exam", "Quoted", "\"quoted\""));

    const std::string text = folder.Read("new.ini");
    EXPECT_EQ(text.rfind("[Exam]\nAgency=Smith & Co\nOneClassOnly=0\nSections=-12\nLong=x", 0), 0u);
    EXPECT_NE(text.find("\nPadded=\"  both ends \"\nQuoted=\"\"quoted\"\"\n\n[SpecialChars]\n"
                        "MacroPrefix=#\nNone=\n"),
              std::string::npos);
    EXPECT_EQ(ini.GetString("Exam", "Agency", ""), "Smith & Co");
    EXPECT_FALSE(ini.GetBool("Exam", "OneClassOnly", true));
    EXPECT_EQ(ini.GetInt("Exam", "Sections", 0), -12);
    EXPECT_EQ(ini.GetChar("SpecialChars", "MacroPrefix", '.'), '#');
    EXPECT_EQ(ini.GetChar("SpecialChars", "None", '.'), '\0');
    EXPECT_EQ(ini.GetString("Exam", "Long", ""), longValue);
    EXPECT_EQ(ini.GetString("Exam", "Padded", ""), "  both ends ");
    EXPECT_EQ(ini.GetString("Exam", "Quoted", ""), "\"quoted\"");
}

TEST(IniFile, WritingAKeyKeepsEveryOtherLineOfTheFile) {
    CTempFolder folder;
    const std::string path = folder / "legacy.ini";
    fs::copy_file(kLegacy, path);
    const std::string before = folder.Read("legacy.ini");
    CIniFile ini(path);

    EXPECT_TRUE(ini.WriteString("repository", "OVERRIDE", "iiop://override"));
    std::string expected = before;
    expected.replace(expected.find("Override="), 9, "Override=iiop://override");
    EXPECT_EQ(folder.Read("legacy.ini"), expected) << "CR LF, comments and odd lines stay";

    EXPECT_TRUE(ini.WriteString("Config", "Added", "1"));
    expected.replace(expected.find("RequireClientName=yes\r\n") + 23, 0, "Added=1\r\n");
    EXPECT_EQ(folder.Read("legacy.ini"), expected) << "a new key goes to its section's end";
}

TEST(IniFile, TextsALineCannotHoldAreRefusedAndTheFileKept) {
    CTempFolder folder;
    CIniFile ini(folder.Write("a.ini", "[S]\nKey=old\n"));
    EXPECT_FALSE(ini.WriteString("S", "Key", "two\nlines"));
    EXPECT_FALSE(ini.WriteString("S", "Key", std::string("nul\0", 4)));
    EXPECT_FALSE(ini.WriteString("S", "a=b", "x"));
    EXPECT_FALSE(ini.WriteString("S", ";comment", "x"));
    EXPECT_FALSE(ini.WriteString("S", "  ", "x"));
    EXPECT_FALSE(ini.WriteString("S]", "Key", "x"));
    EXPECT_FALSE(ini.WriteSection("S", {{"Fine", "1"}, {"Bad", "a\rb"}}, {"Key"}));
    EXPECT_FALSE(ini.GetLastError().empty());
    EXPECT_EQ(folder.Read("a.ini"), "[S]\nKey=old\n");
}

TEST(IniFile, SectionsAreWrittenWholeAfterTheDeletions) {
    CTempFolder folder;
    CIniFile ini(folder.Write("m.ini", "[Class]\nxa=1\nxb=2\nxc=3\n[Other]\nxa=9\n"));
    EXPECT_TRUE(ini.WriteSection("CLASS", {{"XB", "20"}, {"xd", "4"}}, {"xa", "xc", "absent"}));
    EXPECT_EQ(folder.Read("m.ini"), "[Class]\nxb=20\nxd=4\n[Other]\nxa=9\n");
    CIniPairs pairs;
    ini.ReadSection("class", pairs);
    EXPECT_EQ(pairs, (CIniPairs{{"xb", "20"}, {"xd", "4"}}));
}

TEST(IniFile, FailedWritesReportAndLoseNothing) {
    CTempFolder folder;
    CIniFile noName;
    EXPECT_FALSE(noName.WriteString("S", "K", "v"));
    CIniFile noFolder(folder / "missing/a.ini");
    EXPECT_FALSE(noFolder.WriteString("S", "K", "v"));
    EXPECT_FALSE(noFolder.GetLastError().empty());
    fs::create_directory(folder / "dir.ini");
    CIniFile unreadable(folder / "dir.ini");
    EXPECT_FALSE(unreadable.WriteString("S", "K", "v"));
    EXPECT_TRUE(fs::is_directory(folder / "dir.ini"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST(IniFile, PermissionsAndLinksSurviveAWrite) {
    CTempFolder folder;
    const std::string path = folder.Write("shared.ini", "[S]\n");
    ::chmod(path.c_str(), 0640);
    CIniFile ini(path);
    EXPECT_TRUE(ini.WriteString("S", "K", "1"));
    EXPECT_EQ(ModeOf(path), 0640u);

    ini.SetOwnerOnly(true);
    EXPECT_TRUE(ini.WriteString("S", "Pwd", "secret"));
    EXPECT_EQ(ModeOf(path), 0600u);

    fs::create_symlink(path, folder / "link.ini");
    CIniFile linked(folder / "link.ini");
    EXPECT_TRUE(linked.WriteString("S", "K", "2"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
    EXPECT_EQ(CIniFile(path).GetString("S", "K", ""), "2");
}

TEST(IniFile, MixedLineBreaksSurviveARewrite) {
    CTempFolder folder;
    const std::string before = "[S]\nWindows=line\r\nKey=old\nStray\rcarriage=return\n";
    CIniFile ini(folder.Write("mixed.ini", before));
    EXPECT_EQ(ini.GetString("S", "Windows", ""), "line");
    EXPECT_TRUE(ini.WriteString("S", "Key", "new"));
    EXPECT_EQ(folder.Read("mixed.ini"), "[S]\nWindows=line\r\nKey=new\nStray\rcarriage=return\n");
}

TEST(IniFile, AFileThatExistsButCannotBeReadIsNeverWritten) {
    CTempFolder folder;
    const std::string path = folder.Write("user.ini", "[Exam]\nAgency=Smith\n[Misc]\nKept=1\n");
    CIniFile ini(path);
    {
        const platform::ScopedFileReadCheck failing(
            [&](const std::string& read) { return read != path; });
        EXPECT_EQ(ini.GetString("Exam", "Agency", "none"), "none");
        EXPECT_FALSE(ini.WriteString("Exam", "Agency", "Jones"));
        EXPECT_EQ(ini.GetLastError(), "Cannot read " + path);
        EXPECT_FALSE(ini.WriteSection("Exam", {{"Agency", "Jones"}}, {"Agency"}));
        EXPECT_EQ(folder.Read("user.ini"), "[Exam]\nAgency=Smith\n[Misc]\nKept=1\n");
    }
    EXPECT_TRUE(ini.WriteString("Exam", "Agency", "Jones"));
    EXPECT_EQ(folder.Read("user.ini"), "[Exam]\nAgency=Jones\n[Misc]\nKept=1\n");
}

TEST(IniFile, AFileIsReadOnceWhileItStaysTheSame) {
    CTempFolder folder;
    const std::string path = folder.Write("a.ini", "[S]\nA=1\nB=2\n");
    Settle(path);
    int reads = 0;
    const platform::ScopedFileReadCheck counting([&](const std::string& read) {
        reads += read == path ? 1 : 0;
        return true;
    });
    const CIniFile ini(path);
    EXPECT_EQ(ini.GetString("S", "A", ""), "1");
    EXPECT_EQ(ini.GetInt("S", "B", 0), 2);
    EXPECT_FALSE(ini.GetBool("S", "C", false));
    EXPECT_EQ(reads, 1);

    // Rewritten in place to the same length and the same time: read again.
    folder.Write("a.ini", "[S]\nA=3\nB=4\n");
    Settle(path);
    EXPECT_EQ(ini.GetString("S", "A", ""), "3");
    EXPECT_EQ(reads, 2);
    // A file written a moment ago may still change unseen within its time stamp: read each time.
    folder.Write("a.ini", "[S]\nA=5\n");
    EXPECT_EQ(ini.GetString("S", "A", ""), "5");
    EXPECT_EQ(ini.GetString("S", "A", ""), "5");
    EXPECT_EQ(reads, 4);
}
