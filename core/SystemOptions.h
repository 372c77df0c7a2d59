#pragma once
// The site-wide settings: where the installation's files and folders are, how to reach the
// repositories, the saved login, test and cache switches; and the logged-in user with that
// user's folder.
//
// Two files may hold them. With "ZrCode.ini" beside the program, that file is the system ini and
// "ZrData.ini" in the data folder (by default "Velorin" in the documents folder) is the site ini;
// otherwise "ZrSystem.ini" beside the program serves as both. Folders written for Windows are
// mapped to this system (MapWindowsFolder).

#include "core/IniFile.h"
#include "core/RepositoryListSource.h"

#include <memory>
#include <string>
#include <vector>

class CSystemOptions {
public:
    // The path of the maker's repository list page.
    static constexpr const char* kRepositoryListPath = "/repositories/index.html";

    CSystemOptions() = default;
    CSystemOptions(const CSystemOptions&) = delete;
    CSystemOptions& operator=(const CSystemOptions&) = delete;
    virtual ~CSystemOptions() = default;

    // Finds the settings files in the program's folder and reads the folders and switches.
    void Load();
    void Load(const std::string& programDir);

    // Stores the logged-in user and makes sure the user's folder exists (in code-folder mode
    // copying the user's old folder from the home folder first). 0 when the user folder is set;
    // 2 when it cannot be made, or when the user id cannot be a folder name (then the reason is
    // shown and nothing is stored); the user folder then keeps its old value.
    int SetUser(const std::string& companyId, const std::string& userId,
                const std::string& password);

    const std::string& GetCompanyId() const { return companyId_; }
    const std::string& GetUserId() const { return userId_; }
    const std::string& GetPassword() const { return password_; }
    const std::string& GetHomeDir() const { return homeDir_; }
    const std::string& GetDataDir() const { return dataDir_; }
    const std::string& GetUserDir() const { return userDir_; }
    const std::string& GetTemplateDir() const { return templatesDir_; }
    bool GetPreCache() const { return preCache_; }
    bool GetSortByLocation() const { return sortByLocation_; }

    // The names of the files (not folders) in the templates folder, in byte order.
    void ListTemplates(std::vector<std::string>& names) const;

    // [DefaultLogin] of the site ini.
    std::string GetDefaultCompId() const;
    std::string GetDefaultUserId() const;
    std::string GetDefaultPassword() const;
    bool GetAutoLogin() const;
    // Writes CompId, UserId and the password in its stored form; a file that then holds a
    // password is made readable by its owner alone. False when the file cannot be written.
    bool SaveDefaultLogin(const std::string& companyId, const std::string& userId,
                          const std::string& password);

    // [Repository].
    std::string GetRepositoryProxy() const;
    // Entry 1, 2, 3 ... of the remote repositories, "" past the last: [Repository] Override of
    // the site ini when set, then the repositories listed on the maker's web page (fetched again
    // for entry 1), then Remote1, Remote2 ... of the system ini, Remote standing in for an empty
    // Remote1. An entry below 1 is "".
    std::string GetRemoteRepository(int index);
    // Local1 (or Local when that is empty), Local2 ... of the site ini; "" below 1.
    std::string GetLocalRepository(int index) const;
    std::string GetIgnoreRemoteEngines() const;
    std::string GetLocalVariant() const;

    // [WebServers] of the system ini: the base address (scheme, host, port) of a web server the
    // program reads pages from; "" when not set.
    std::string GetWebServer(const std::string& key) const;

    int GetTestSetting(const std::string& key, int defaultValue) const;
    int GetCacheSetting(const std::string& key, int defaultValue) const;
    bool GetRequireClientName() const;
    // [About] Email and WebSite: the maker's addresses that the about box shows; placeholders
    // of the documentation ranges until a site names its own.
    std::string GetMakerEmail() const;
    std::string GetMakerWebSite() const;

    // [Locations] of the system ini, each by default the user's folder.
    std::string GetPendingDir() const;
    std::string GetSaveAsDir() const;
    std::string GetOpenDir() const;
    std::string GetReportDir() const;

    void SetRepositoryListSource(std::unique_ptr<CRepositoryListSource> source) {
        repositoryListSource_ = std::move(source);
    }

private:
    const CIniFile& SystemIni() const { return mainFile_; }
    const CIniFile& SiteIni() const { return codeFolderMode_ ? dataFile_ : mainFile_; }
    CIniFile& SiteIni() { return codeFolderMode_ ? dataFile_ : mainFile_; }
    // A folder of the [Locations] section, mapped; an empty value counts as missing.
    std::string GetFolder(const CIniFile& ini, const std::string& key,
                          const std::string& defaultFolder) const;
    void FetchWebRepositories();

    bool codeFolderMode_ = false;
    CIniFile mainFile_;
    CIniFile dataFile_;
    std::string companyId_;
    std::string userId_;
    std::string password_;
    std::string homeDir_;
    std::string dataDir_;
    std::string userDir_;
    std::string templatesDir_;
    bool preCache_ = false;
    bool sortByLocation_ = false;
    bool overrideUsed_ = false;
    std::vector<std::string> webRepositories_;
    std::unique_ptr<CRepositoryListSource> repositoryListSource_;
};

// The program's system settings.
CSystemOptions& TheSystemOptions();

// Why the user id cannot name the user's folder, or "" when it can: it must be a plain file
// name, not empty, not "." or "..", without "/", "\" or control characters.
std::string CheckUserIdFolderName(const std::string& userId);

// A folder as settings written for Windows give it, made a folder of this system: the
// "%MYDOCUMENTS%" placeholder becomes the documents folder, a drive ("C:\") the user's home
// folder, and backslashes become slashes. "C:\Velorin" gives "Velorin" in the home folder.
std::string MapWindowsFolder(const std::string& folder);
