#include "core/SystemOptions.h"

#include "core/Base64.h"
#include "core/Buffer.h"
#include "core/FilePath.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const kMyDocuments = "%MYDOCUMENTS%";
// The folders a Windows installation defaults to; MapWindowsFolder places them on this system.
const char* const kDefaultHome = "C:\\Velorin";
const char* const kDefaultDataDir = "%MYDOCUMENTS%\\Velorin";

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool StartsWithDrive(const std::string& folder) {
    return folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
           folder[1] == ':' && IsSeparator(folder[2]);
}

// The stored password is the password's bytes mixed with a fixed key, as Base64 text: not
// secret, but not legible at a glance. The file's permissions keep it from other users.
std::string MixWithKey(std::string text) {
    static const std::string key = "Velorin ZrPro default login";
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>(text[i] ^ key[i % key.size()]);
    return text;
}

std::string StoredPassword(const std::string& password) {
    const std::string mixed = MixWithKey(password);
    return Base64Encode(mixed.data(), mixed.size());
}

std::string PasswordFromStored(const std::string& stored) {
    CBuffer bytes;
    if (!Base64Decode(stored, bytes))
        return {};
    return MixWithKey(
        std::string(reinterpret_cast<const char*>(bytes.GetData()), bytes.GetLength()));
}

} // namespace

std::string MapWindowsFolder(const std::string& folder) {
    std::string mapped = folder;
    for (std::size_t at = mapped.find(kMyDocuments); at != std::string::npos;
         at = mapped.find(kMyDocuments, at)) {
        const std::string documents = GetMyDocumentsDir();
        mapped.replace(at, std::char_traits<char>::length(kMyDocuments), documents);
        at += documents.size();
    }
    if (StartsWithDrive(mapped))
        mapped = platform::HomeDir() + mapped.substr(2);
    std::replace(mapped.begin(), mapped.end(), '\\', '/');
    return mapped;
}

std::string CheckUserIdFolderName(const std::string& userId) {
    const bool hasBadCharacter = std::any_of(userId.begin(), userId.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return IsSeparator(c) || byte < 0x20 || byte == 0x7F;
    });
    if (userId.empty() || userId == "." || userId == ".." || hasBadCharacter)
        return "The user id \"" + userId +
               "\" cannot be used: it names the user's folder, so it must not be empty, \".\" or "
               "\"..\", nor contain \"/\", \"\\\" or control characters.";
    return {};
}

CSystemOptions& TheSystemOptions() {
    static CSystemOptions options;
    return options;
}

void CSystemOptions::Load() {
    Load(DirOfPath(GetModuleFilePath()));
}

void CSystemOptions::Load(const std::string& programDir) {
    const std::string codeIni = AppendPath(programDir, "ZrCode.ini");
    std::error_code ignored;
    codeFolderMode_ = fs::is_regular_file(codeIni, ignored);
    if (codeFolderMode_) {
        homeDir_ = programDir;
        mainFile_.SetFileName(codeIni);
        dataDir_ = GetFolder(mainFile_, "DataDir", kDefaultDataDir);
        // A folder that cannot be made is still used; later file operations fail there.
        MakeDirPath(AppendPath(dataDir_, ""));
        dataFile_.SetFileName(AppendPath(dataDir_, "ZrData.ini"));
    } else {
        mainFile_.SetFileName(AppendPath(programDir, "ZrSystem.ini"));
        homeDir_ = GetFolder(mainFile_, "Home", kDefaultHome);
        dataDir_ = homeDir_;
        dataFile_.SetFileName("");
    }
    templatesDir_ = GetFolder(SystemIni(), "Templates", AppendPath(homeDir_, "template"));
    preCache_ = SystemIni().GetBool("Config", "PreCache", false);
    sortByLocation_ = SystemIni().GetBool("Repository", "SortByLocation", false);
}

std::string CSystemOptions::GetFolder(const CIniFile& ini, const std::string& key,
                                      const std::string& defaultFolder) const {
    const std::string folder = ini.GetString("Locations", key, "");
    return MapWindowsFolder(folder.empty() ? defaultFolder : folder);
}

int CSystemOptions::SetUser(const std::string& companyId, const std::string& userId,
                            const std::string& password) {
    if (const std::string problem = CheckUserIdFolderName(userId); !problem.empty()) {
        platform::ShowMessageBox(
            {problem, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
        return 2;
    }
    companyId_ = companyId;
    userId_ = userId;
    password_ = password;

    const std::string candidate = AppendPath(dataDir_, userId);
    std::error_code error;
    if (fs::exists(candidate, error)) {
        if (!fs::is_directory(candidate, error))
            return 2;
        userDir_ = candidate;
        return 0;
    }
    if (codeFolderMode_) {
        // Users of an older installation kept their folder in the program's folder.
        const std::string oldFolder = AppendPath(homeDir_, userId);
        if (fs::is_directory(oldFolder, error))
            fs::copy(oldFolder, candidate, fs::copy_options::recursive, error);
    }
    if (!fs::is_directory(candidate, error) && !fs::create_directory(candidate, error))
        return 2;
    userDir_ = candidate;
    return 0;
}

void CSystemOptions::ListTemplates(std::vector<std::string>& names) const {
    names.clear();
    std::error_code error;
    for (fs::directory_iterator entry(templatesDir_, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code typeError;
        if (!entry->is_directory(typeError))
            names.push_back(entry->path().filename().string());
    }
    std::sort(names.begin(), names.end());
}

std::string CSystemOptions::GetDefaultCompId() const {
    return SiteIni().GetString("DefaultLogin", "CompId", "");
}

std::string CSystemOptions::GetDefaultUserId() const {
    return SiteIni().GetString("DefaultLogin", "UserId", "");
}

std::string CSystemOptions::GetDefaultPassword() const {
    return PasswordFromStored(SiteIni().GetString("DefaultLogin", "Pwd", ""));
}

bool CSystemOptions::GetAutoLogin() const {
    return SiteIni().GetBool("DefaultLogin", "AutoLogin", false);
}

bool CSystemOptions::SaveDefaultLogin(const std::string& companyId, const std::string& userId,
                                      const std::string& password) {
    CIniFile& site = SiteIni();
    if (!password.empty())
        site.SetOwnerOnly(true);
    return site.WriteSection(
        "DefaultLogin",
        {{"CompId", companyId}, {"UserId", userId}, {"Pwd", StoredPassword(password)}}, {});
}

std::string CSystemOptions::GetRepositoryProxy() const {
    return SiteIni().GetString("Repository", "Proxy1", "");
}

void CSystemOptions::FetchWebRepositories() {
    if (!repositoryListSource_)
        return;
    std::vector<std::string> repositories;
    std::string error;
    if (repositoryListSource_->FetchRepositoryList(kRepositoryListPath, repositories, error))
        webRepositories_ = std::move(repositories);
    else
        platform::ShowMessageBox(
            {error, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}

std::string CSystemOptions::GetRemoteRepository(int index) {
    if (index < 1)
        return {};
    if (index == 1) {
        FetchWebRepositories();
        const std::string overrideRepository = SiteIni().GetString("Repository", "Override", "");
        overrideUsed_ = !overrideRepository.empty();
        if (overrideUsed_)
            return overrideRepository;
    }
    const int skipped = overrideUsed_ ? 1 : 0;
    const int webCount = static_cast<int>(webRepositories_.size());
    if (index > skipped && index <= skipped + webCount)
        return webRepositories_[static_cast<std::size_t>(index - skipped - 1)];
    const int number = index - skipped - webCount;
    const std::string remote =
        SystemIni().GetString("Repository", "Remote" + std::to_string(number), "");
    if (number == 1 && remote.empty())
        return SystemIni().GetString("Repository", "Remote", "");
    return remote;
}

std::string CSystemOptions::GetLocalRepository(int index) const {
    if (index < 1)
        return {};
    const std::string local =
        SiteIni().GetString("Repository", "Local" + std::to_string(index), "");
    if (index == 1 && local.empty())
        return SiteIni().GetString("Repository", "Local", "");
    return local;
}

std::string CSystemOptions::GetIgnoreRemoteEngines() const {
    return SystemIni().GetString("Repository", "IgnoreRemoteEngines", "");
}

std::string CSystemOptions::GetLocalVariant() const {
    return SystemIni().GetString("Repository", "LocalVariant", "*");
}

std::string CSystemOptions::GetWebServer(const std::string& key) const {
    return SystemIni().GetString("WebServers", key, "");
}

int CSystemOptions::GetTestSetting(const std::string& key, int defaultValue) const {
    return SystemIni().GetInt("Test", key, defaultValue);
}

int CSystemOptions::GetCacheSetting(const std::string& key, int defaultValue) const {
    return SystemIni().GetInt("Cache", key, defaultValue);
}

bool CSystemOptions::GetRequireClientName() const {
    return SystemIni().GetBool("Config", "RequireClientName", false);
}

std::string CSystemOptions::GetMakerEmail() const {
    return SystemIni().GetString("About", "Email", "support@velorin.example");
}

std::string CSystemOptions::GetMakerWebSite() const {
    return SystemIni().GetString("About", "WebSite", "http://www.velorin.example/");
}

std::string CSystemOptions::GetPendingDir() const {
    return GetFolder(SystemIni(), "PendingDir", userDir_);
}

std::string CSystemOptions::GetSaveAsDir() const {
    return GetFolder(SystemIni(), "SaveAsDir", userDir_);
}

std::string CSystemOptions::GetOpenDir() const {
    return GetFolder(SystemIni(), "OpenDir", userDir_);
}

std::string CSystemOptions::GetReportDir() const {
    return GetFolder(SystemIni(), "ReportDir", userDir_);
}
