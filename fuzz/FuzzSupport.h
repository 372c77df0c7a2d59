#pragma once
// What the fuzz targets share: a private folder for the files a target writes, the splitting of
// one input into several files, and an examination document over registers, engines and a host
// held as plain data.

#include "app/document/ZR2000Doc.h"
#include "core/CoreServices.h"
#include "core/MarkOrder.h"
#include "core/SystemOptions.h"
#include "registers/SortKeys.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fuzz {

// One folder per process, in memory where the system offers it so that the many small writes
// and flushes of a run cost little, removed when the process ends. Targets write only below it.
class CFuzzFolder {
public:
    CFuzzFolder() {
        const std::filesystem::path shm("/dev/shm");
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory(shm, error)
                                               ? shm
                                               : std::filesystem::temp_directory_path();
        path_ = base / ("zr_fuzz_" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_, error);
        std::filesystem::create_directories(path_);
    }
    ~CFuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    CFuzzFolder(const CFuzzFolder&) = delete;
    CFuzzFolder& operator=(const CFuzzFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline const std::filesystem::path& Folder() {
    static const CFuzzFolder folder;
    return folder.Path();
}

// Empties the folder: each input starts from nothing.
inline void ClearFolder() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(Folder(), error))
        std::filesystem::remove_all(entry.path(), error);
}

// Writes the bytes to a file below the folder, making its folders; its full name.
inline std::string WriteFile(const std::string& name, std::string_view bytes) {
    const std::filesystem::path path = Folder() / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

// As if the file had last been written an hour ago: settings files are then read once per
// load, as on a user's machine, rather than again for every value.
inline void Settle(const std::string& path) {
    std::error_code error;
    std::filesystem::last_write_time(
        path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1), error);
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The input cut at its first `count - 1` NUL bytes: always `count` parts, the last ones empty
// when there are fewer NUL bytes.
inline std::vector<std::string> SplitAtNul(std::string_view input, std::size_t count) {
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const std::size_t nul = input.find('\0');
        if (nul == std::string_view::npos)
            break;
        parts.emplace_back(input.substr(0, nul));
        input.remove_prefix(nul + 1);
    }
    parts.emplace_back(input);
    parts.resize(count);
    return parts;
}

// An installation without a code ini in the folder: "prog/ZrSystem.ini" names "home" as the
// home folder, where the user "fuzz" gets a folder. The system settings are loaded and the user
// set.
inline void LoadInstallation(CSystemOptions& system) {
    const std::string home = (Folder() / "home").string();
    std::filesystem::create_directories(home);
    WriteFile("prog/ZrSystem.ini", "[Locations]\nHome=" + home + "\n");
    system.Load((Folder() / "prog").string());
    system.SetUser("ACME", "fuzz", "secret");
}

// The built-in registers: UK and EUTM have engines and answer application numbers (the record
// number plus 1000), the others have none. Keys are the registers' own sort keys.
class CFuzzRegisters : public IExamRegisters, public IRegisterServices {
public:
    CFuzzRegisters() { InstallRegisterServices(this); }
    ~CFuzzRegisters() override { InstallRegisterServices(nullptr); }
    CFuzzRegisters(const CFuzzRegisters&) = delete;
    CFuzzRegisters& operator=(const CFuzzRegisters&) = delete;

    // Every register back to its engine, or none.
    void Reset() { engines_ = {{'u', Engine('u')}, {'c', Engine('c')}}; }

    static CZrDbEngine Engine(char code) {
        return CZrDbEngine(code, code == 'u' ? CZrDbEngine::kLan : CZrDbEngine::kInternet,
                           CZrDate(2020 << 16 | 3 << 8 | 1), code == 'u' ? "Office" : "Web",
                           ZrEngine::_nil(), 0);
    }

    std::string CodeToString(char code, std::uint32_t value, int kind) const override {
        return std::string(1, code) + std::to_string(kind) + "-" + std::to_string(value);
    }
    std::string GetDbCodes() const override { return "aucsideptnko01"; }
    bool HasDb(char code) const override { return GetDbCodes().find(code) != std::string::npos; }
    std::string GetDbShortName(char code) const override { return std::string("DB-") + code; }
    const CDbSelection& GetDbSelection() const override { return catalogue_; }
    CZrDbEngine GetDbEngine(char code) const override {
        const auto found = engines_.find(code);
        return found == engines_.end() ? CZrDbEngine(code) : found->second;
    }
    void SetEngine(char code, const CZrDbEngine& engine, const std::string&) override {
        engines_.insert_or_assign(code, engine);
    }
    void SwitchEngine(char code, const CZrDbEngine& engine) override {
        engines_.insert_or_assign(code, engine);
    }
    void SetEngines(const CZrDbEngineSet&) override {}
    bool SgesToAppNums(char code, std::span<const std::uint32_t> recordNumbers,
                       std::span<int> appNumbers) override {
        if (!IsConnected(code))
            return false;
        for (std::size_t i = 0; i < recordNumbers.size(); ++i)
            appNumbers[i] = static_cast<int>(recordNumbers[i] + 1000);
        return true;
    }
    bool AppNumsToSges(char code, std::span<std::uint32_t> recordNumbers,
                       std::span<const int> appNumbers) override {
        if (!IsConnected(code))
            return false;
        for (std::size_t i = 0; i < recordNumbers.size(); ++i)
            recordNumbers[i] = static_cast<std::uint32_t>(appNumbers[i]) - 1000;
        return true;
    }
    bool CaveatSearch(char, const std::string&, const std::string&, const std::string&,
                      std::vector<std::uint32_t>&, std::span<const int>) override {
        return false;
    }
    std::vector<std::string> GetSystemSets(char) const override { return {}; }

    std::uint64_t GetMarkKey(const CMark& mark) const override {
        const std::uint32_t record = mark.GetRecordNumber();
        switch (mark.GetRegisterCode()) {
        case 'u':
            return GetUkSortKey(record);
        case 'c':
            return GetCtmSortKey(record);
        case 's':
            return GetUsSortKey(record);
        case 'o':
            return GetCdSortKey(record);
        case 'k':
            return GetUkdomSortKey(record);
        default:
            return std::uint64_t{static_cast<std::uint32_t>(mark.GetRegisterCode())} << 32 | record;
        }
    }
    // The registers that have an engine, as the register table answers.
    std::string GetConnectedDatabaseCodes() const override {
        std::string codes;
        for (char code : GetDbCodes()) {
            if (GetDbEngine(code).GetFlags() != 0)
                codes += code;
        }
        return codes;
    }
    std::string GetDbShortNames(const std::string& codes) const override { return codes; }
    std::string GetShortName(char code) const override { return GetDbShortName(code); }
    void DropLanguageDependentRecords() const override {}

private:
    static bool IsConnected(char code) { return code == 'u' || code == 'c'; }

    std::map<char, CZrDbEngine> engines_;
    CDbSelection catalogue_;
};

// The repository has the registers' engines and nothing more.
class CFuzzRepository : public IExamRepository {
public:
    std::vector<CZrDbEngine> GetEngines(char code) const override {
        if (code != 'u' && code != 'c')
            return {};
        return {CFuzzRegisters::Engine(code)};
    }
    CZrDbEngine GetPreferredEngine(char code) const override {
        const std::vector<CZrDbEngine> engines = GetEngines(code);
        return engines.empty() ? CZrDbEngine(code) : engines.front();
    }
    void LogSearch(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {}
};

// Answers every question with No and shows nothing.
class CQuietHost : public IDocumentHost {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void ChangeEngines(const std::string&) override {}
    void SetWatchMode(bool) override {}
    void SetStatusText(const std::string&) override {}
    void SaveAs(const std::string&) override {}
    std::unique_ptr<IProgress> OpenProgress(const std::string&) override {
        return std::make_unique<CSilentProgress>();
    }
};

// What documents of a target are made over.
struct CFuzzServices {
    CFuzzRegisters registers;
    CFuzzRepository repository;
    CQuietHost host;
};

// The stand-ins as they are at the start of every input.
inline CFuzzServices& FreshServices() {
    static CFuzzServices services;
    services.registers.Reset();
    return services;
}

// Whether the marks are in mark order and grouped: no mark goes before the one in front of it,
// and a mark is a duplicate exactly when it continues that one's group.
inline bool IsOrderedAndGrouped(const CZrDocData& data) {
    for (int i = 0; i < data.GetMarkCount(); ++i) {
        const CMark& mark = data.GetMark(i);
        const bool continues = i > 0 && mark.IsSameGroup(data.GetMark(i - 1));
        if (mark.IsDuplicate() != continues ||
            (i > 0 && IsBeforeInMarkOrder(mark, data.GetMark(i - 1))))
            return false;
    }
    return true;
}

// Saves the document, opens the file and saves it again: whether the two files are the same.
inline bool SavesAlike(CZR2000Doc& doc, CFuzzServices& services) {
    const std::string first = (Folder() / "saved.zre").string();
    const std::string second = (Folder() / "saved-again.zre").string();
    if (!doc.OnSaveDocument(first))
        return true;
    CZR2000Doc reopened(services.registers, services.repository, services.host);
    return reopened.OnOpenDocument(first) && reopened.OnSaveDocument(second) &&
           ReadFile(first) == ReadFile(second);
}

} // namespace fuzz
