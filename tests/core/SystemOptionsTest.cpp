#include "core/SystemOptions.h"

#include "platform/MessageBox.h"
#include "tests/core/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Hands out fixed repository lists, or fails with a text, and remembers the paths asked for.
class CFakeRepositoryList : public CRepositoryListSource {
public:
    CFakeRepositoryList(std::vector<std::string> list, bool reachable)
        : list_(std::move(list)), reachable_(reachable) {}
    bool FetchRepositoryList(const std::string& path, std::vector<std::string>& repositories,
                             std::string& error) override {
        paths.push_back(path);
        if (!reachable_) {
            error = "The server name or address could not be resolved";
            return false;
        }
        repositories = list_;
        return true;
    }
    std::vector<std::string> paths;

private:
    std::vector<std::string> list_;
    bool reachable_;
};

// Records the texts of the message boxes shown while it lives.
class CShownMessages {
public:
    CShownMessages()
        : handler_([this](const platform::Message& message) {
              texts.push_back(message.text);
              return platform::MessageAnswer::Ok;
          }) {}
    std::vector<std::string> texts;

private:
    platform::ScopedMessageBoxHandler handler_;
};

class SystemOptions : public ::testing::Test {
protected:
    std::string Prog() const { return home_.Folder() / "prog"; }
    std::string Home() const { return home_.Path(); }
    void WriteProgFile(const std::string& name, const std::string& text) {
        home_.Folder().Write("prog/" + name, text);
    }
    CFakeRepositoryList& UseRepositoryList(std::vector<std::string> list, bool reachable) {
        auto source = std::make_unique<CFakeRepositoryList>(std::move(list), reachable);
        CFakeRepositoryList& fake = *source;
        options_.SetRepositoryListSource(std::move(source));
        return fake;
    }

    CFakeHome home_;
    CSystemOptions options_;
};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

} // namespace

TEST_F(SystemOptions, WithoutSettingsFilesTheWindowsDefaultsLieInTheHomeFolder) {
    fs::create_directories(Prog());
    options_.Load(Prog());
    EXPECT_EQ(options_.GetHomeDir(), Home() + "/Velorin");
    EXPECT_EQ(options_.GetDataDir(), Home() + "/Velorin");
    EXPECT_EQ(options_.GetTemplateDir(), Home() + "/Velorin/template");
    EXPECT_FALSE(options_.GetPreCache());
    EXPECT_FALSE(options_.GetSortByLocation());
    EXPECT_EQ(options_.GetLocalVariant(), "*");
    EXPECT_EQ(options_.GetIgnoreRemoteEngines(), "");
    EXPECT_EQ(options_.GetRepositoryProxy(), "");
    EXPECT_EQ(options_.GetTestSetting("DetailTabs", 2), 2);
    EXPECT_EQ(options_.GetCacheSetting("Text_max_slots", 300), 300);
    EXPECT_FALSE(options_.GetRequireClientName());
    EXPECT_FALSE(options_.GetAutoLogin());
    EXPECT_EQ(options_.GetDefaultCompId(), "");
    EXPECT_EQ(options_.GetDefaultPassword(), "");
    EXPECT_EQ(options_.GetRemoteRepository(1), "");
    EXPECT_EQ(options_.GetLocalRepository(1), "");
}

TEST_F(SystemOptions, EveryKeyOfTheSystemFileIsRead) {
    WriteProgFile("ZrSystem.ini", "[Locations]\r\n"
                                  "Home=/srv/velorin\r\n"
                                  "Templates=D:\\Shared\\Templates\r\n"
                                  "PendingDir=/srv/pending\r\n"
                                  "SaveAsDir=/srv/saved\r\n"
                                  "OpenDir=/srv/open\r\n"
                                  "ReportDir=/srv/reports\r\n"
                                  "[Config]\r\n"
                                  "PreCache=1\r\n"
                                  "RequireClientName=1\r\n"
                                  "[Repository]\r\n"
                                  "SortByLocation=1\r\n"
                                  "Proxy1=iiop://proxy:13573\r\n"
                                  "IgnoreRemoteEngines=ko\r\n"
                                  "LocalVariant=lan\r\n"
                                  "Local=iiop://local-fallback\r\n"
                                  "Local2=iiop://local-two\r\n"
                                  "[DefaultLogin]\r\n"
                                  "CompId=ACME\r\n"
                                  "UserId=jsmith\r\n"
                                  "AutoLogin=1\r\n"
                                  "[Test]\r\n"
                                  "ShowWebDiff=1\r\n"
                                  "[Cache]\r\n"
                                  "Images_max_mem=4096\r\n");
    options_.Load(Prog());
    EXPECT_EQ(options_.GetHomeDir(), "/srv/velorin");
    EXPECT_EQ(options_.GetDataDir(), "/srv/velorin");
    EXPECT_EQ(options_.GetTemplateDir(), Home() + "/Shared/Templates");
    EXPECT_EQ(options_.GetPendingDir(), "/srv/pending");
    EXPECT_EQ(options_.GetSaveAsDir(), "/srv/saved");
    EXPECT_EQ(options_.GetOpenDir(), "/srv/open");
    EXPECT_EQ(options_.GetReportDir(), "/srv/reports");
    EXPECT_TRUE(options_.GetPreCache());
    EXPECT_TRUE(options_.GetRequireClientName());
    EXPECT_TRUE(options_.GetSortByLocation());
    EXPECT_EQ(options_.GetRepositoryProxy(), "iiop://proxy:13573");
    EXPECT_EQ(options_.GetIgnoreRemoteEngines(), "ko");
    EXPECT_EQ(options_.GetLocalVariant(), "lan");
    EXPECT_EQ(options_.GetLocalRepository(1), "iiop://local-fallback");
    EXPECT_EQ(options_.GetLocalRepository(2), "iiop://local-two");
    EXPECT_EQ(options_.GetLocalRepository(3), "");
    EXPECT_EQ(options_.GetLocalRepository(0), "");
    EXPECT_EQ(options_.GetDefaultCompId(), "ACME");
    EXPECT_EQ(options_.GetDefaultUserId(), "jsmith");
    EXPECT_TRUE(options_.GetAutoLogin());
    EXPECT_EQ(options_.GetTestSetting("ShowWebDiff", 0), 1);
    EXPECT_EQ(options_.GetCacheSetting("Images_max_mem", 0), 4096);
}

TEST_F(SystemOptions, CodeIniPutsTheDataInTheDocumentsFolder) {
    home_.Folder().Write(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    for (const std::string dataDir : {"", "DataDir=\r\n"}) {
        WriteProgFile("ZrCode.ini", "[Locations]\r\n" + dataDir + "[Repository]\r\nRemote=sys\r\n");
        options_.Load(Prog());
        EXPECT_EQ(options_.GetHomeDir(), Prog());
        EXPECT_EQ(options_.GetDataDir(), Home() + "/Dokumente/Velorin");
        EXPECT_TRUE(fs::is_directory(options_.GetDataDir()));
        EXPECT_EQ(options_.GetTemplateDir(), Prog() + "/template");
    }
    // The site settings come from the data folder's file, the rest from the code ini.
    home_.Folder().Write("Dokumente/Velorin/ZrData.ini",
                         "[DefaultLogin]\nCompId=ACME\n[Repository]\nLocal=site\nRemote=ignored\n");
    EXPECT_EQ(options_.GetDefaultCompId(), "ACME");
    EXPECT_EQ(options_.GetLocalRepository(1), "site");
    EXPECT_EQ(options_.GetRemoteRepository(1), "sys");
}

TEST_F(SystemOptions, CodeIniDataFolderIsMappedAndMadeWithItsParents) {
    WriteProgFile("ZrCode.ini", "[Locations]\nDataDir=%MYDOCUMENTS%\\Velorin\\Shared Data\n");
    options_.Load(Prog());
    EXPECT_EQ(options_.GetDataDir(), Home() + "/Documents/Velorin/Shared Data");
    EXPECT_TRUE(fs::is_directory(options_.GetDataDir()));
}

TEST_F(SystemOptions, WindowsFoldersAreMappedToThisSystem) {
    EXPECT_EQ(MapWindowsFolder("C:\\Velorin"), Home() + "/Velorin");
    EXPECT_EQ(MapWindowsFolder("d:/Data\\Velorin"), Home() + "/Data/Velorin");
    EXPECT_EQ(MapWindowsFolder("%MYDOCUMENTS%\\Velorin"), Home() + "/Documents/Velorin");
    EXPECT_EQ(MapWindowsFolder("/opt/velorin/template"), "/opt/velorin/template");
    EXPECT_EQ(MapWindowsFolder("relative"), "relative");
    EXPECT_EQ(MapWindowsFolder(""), "");
}

TEST_F(SystemOptions, RemoteRepositoriesComeFromOverrideWebPageThenSettings) {
    WriteProgFile("ZrSystem.ini", "[Repository]\nOverride=over\nRemote1=first\nRemote2=second\n");
    options_.Load(Prog());
    CFakeRepositoryList& web = UseRepositoryList({"web1", "web2"}, true);
    const std::vector<std::string> expected = {"over", "web1", "web2", "first", "second", ""};
    for (int index = 1; index <= 6; ++index)
        EXPECT_EQ(options_.GetRemoteRepository(index), expected[index - 1]) << index;
    EXPECT_EQ(web.paths, std::vector<std::string>{"/repositories/index.html"})
        << "the page is fetched for entry 1 only";
    EXPECT_EQ(options_.GetRemoteRepository(0), "");
    EXPECT_EQ(options_.GetRemoteRepository(-3), "");
}

TEST_F(SystemOptions, RemoteStandsInForAnEmptyRemote1) {
    WriteProgFile("ZrSystem.ini", "[Repository]\nRemote1=\nRemote=plain\nRemote2=second\n");
    options_.Load(Prog());
    EXPECT_EQ(options_.GetRemoteRepository(1), "plain");
    EXPECT_EQ(options_.GetRemoteRepository(2), "second");
    EXPECT_EQ(options_.GetRemoteRepository(3), "");
}

TEST_F(SystemOptions, AnUnreachableListPageIsReportedAndKeepsTheLastList) {
    WriteProgFile("ZrSystem.ini", "[Repository]\nRemote=plain\n");
    options_.Load(Prog());
    UseRepositoryList({"web1"}, true);
    EXPECT_EQ(options_.GetRemoteRepository(1), "web1");

    UseRepositoryList({}, false);
    CShownMessages shown;
    EXPECT_EQ(options_.GetRemoteRepository(1), "web1");
    EXPECT_EQ(options_.GetRemoteRepository(2), "plain");
    EXPECT_EQ(shown.texts,
              std::vector<std::string>{"The server name or address could not be resolved"});
}

TEST_F(SystemOptions, NoRepositoryAnywhereGivesAnEmptyFirstEntry) {
    fs::create_directories(Prog());
    options_.Load(Prog());
    UseRepositoryList({}, false);
    CShownMessages shown;
    EXPECT_EQ(options_.GetRemoteRepository(1), "");
    EXPECT_EQ(shown.texts.size(), 1u);
}

TEST_F(SystemOptions, TheSavedLoginKeepsThePasswordUnreadableByOthers) {
    const std::string file = Prog() + "/ZrSystem.ini";
    WriteProgFile("ZrSystem.ini", "[DefaultLogin]\nAutoLogin=1\n");
    ::chmod(file.c_str(), 0644);
    options_.Load(Prog());

    EXPECT_TRUE(options_.SaveDefaultLogin("ACME", "jsmith", ""));
    EXPECT_EQ(ModeOf(file), 0644u);
    EXPECT_EQ(options_.GetDefaultPassword(), "");

    const std::string password = "p\xe4ss w=rd;\"#";
    EXPECT_TRUE(options_.SaveDefaultLogin("ACME", "jsmith", password));
    EXPECT_EQ(ModeOf(file), 0600u);
    EXPECT_EQ(options_.GetDefaultCompId(), "ACME");
    EXPECT_EQ(options_.GetDefaultUserId(), "jsmith");
    EXPECT_EQ(options_.GetDefaultPassword(), password);
    EXPECT_TRUE(options_.GetAutoLogin()) << "other keys of the section stay";

    const std::string stored = CIniFile(file).GetString("DefaultLogin", "Pwd", "");
    EXPECT_EQ(stored.find("ss w"), std::string::npos);
    EXPECT_EQ(stored.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                       "0123456789+/="),
              std::string::npos);

    CIniFile(file).WriteString("DefaultLogin", "Pwd", "not base64!");
    EXPECT_EQ(options_.GetDefaultPassword(), "");
}

TEST_F(SystemOptions, SetUserFindsOrMakesTheUserFolder) {
    fs::create_directories(Prog());
    options_.Load(Prog());
    fs::create_directories(Home() + "/Velorin");
    EXPECT_EQ(options_.SetUser("ACME", "jsmith", "pw"), 0);
    EXPECT_EQ(options_.GetUserDir(), Home() + "/Velorin/jsmith");
    EXPECT_TRUE(fs::is_directory(options_.GetUserDir()));
    EXPECT_EQ(options_.GetCompanyId(), "ACME");
    EXPECT_EQ(options_.GetUserId(), "jsmith");
    EXPECT_EQ(options_.GetPendingDir(), options_.GetUserDir());

    home_.Folder().Write("Velorin/filed", "a file, not a folder");
    EXPECT_EQ(options_.SetUser("ACME", "filed", "pw"), 2);
    EXPECT_EQ(options_.GetUserDir(), Home() + "/Velorin/jsmith");

    fs::remove_all(Home() + "/Velorin");
    EXPECT_EQ(options_.SetUser("ACME", "nobody", "pw"), 2) << "only one level is made";
}

TEST_F(SystemOptions, CodeFolderModeCopiesTheOldUserFolder) {
    WriteProgFile("ZrCode.ini", "[Locations]\nDataDir=" + Home() + "/data\n");
    WriteProgFile("jsmith/ZrUser.ini", "[Exam]\nAgency=old\n");
    WriteProgFile("jsmith/WatchReports/r.rtf", "{\\rtf1}");
    options_.Load(Prog());
    EXPECT_EQ(options_.SetUser("ACME", "jsmith", "pw"), 0);
    EXPECT_EQ(options_.GetUserDir(), Home() + "/data/jsmith");
    EXPECT_EQ(home_.Folder().Read("data/jsmith/ZrUser.ini"), "[Exam]\nAgency=old\n");
    EXPECT_EQ(home_.Folder().Read("data/jsmith/WatchReports/r.rtf"), "{\\rtf1}");
}

TEST_F(SystemOptions, UserIdsThatAreNoPlainFileNameAreRefused) {
    for (const std::string id : {"", ".", "..", "../jsmith", "a/b", "a\\b", "tab\there", "del\x7f"})
        EXPECT_NE(CheckUserIdFolderName(id), "") << id;
    for (const std::string id : {"jsmith", "J.Smith", "a..b", "user 1", "m\xfcller"})
        EXPECT_EQ(CheckUserIdFolderName(id), "") << id;

    fs::create_directories(Prog());
    options_.Load(Prog());
    fs::create_directories(Home() + "/Velorin");
    ASSERT_EQ(options_.SetUser("ACME", "jsmith", "pw"), 0);
    CShownMessages shown;
    EXPECT_EQ(options_.SetUser("EVIL", "../../etc", "pw"), 2);
    EXPECT_EQ(options_.GetUserId(), "jsmith");
    EXPECT_EQ(options_.GetCompanyId(), "ACME");
    EXPECT_EQ(options_.GetUserDir(), Home() + "/Velorin/jsmith");
    ASSERT_EQ(shown.texts.size(), 1u);
    EXPECT_NE(shown.texts[0].find("\"../../etc\" cannot be used"), std::string::npos);
}

TEST_F(SystemOptions, TemplatesAreTheFilesOfTheTemplatesFolderInByteOrder) {
    WriteProgFile("ZrSystem.ini", "[Locations]\nTemplates=" + Prog() + "/tpl\n");
    for (const char* name : {"watch.rtf", "Default.rtf", "agency.rtf", "README"})
        WriteProgFile(std::string("tpl/") + name, "x");
    fs::create_directories(Prog() + "/tpl/old");
    options_.Load(Prog());
    std::vector<std::string> names{"stale"};
    options_.ListTemplates(names);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Default.rtf", "README", "agency.rtf", "watch.rtf"}));

    fs::remove_all(Prog() + "/tpl");
    options_.ListTemplates(names);
    EXPECT_TRUE(names.empty());
}
