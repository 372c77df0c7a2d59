#pragma once
// The register table: every register of the program under its one-letter code, the engines
// handed to them, the database catalogue, and the caches through which records and images are
// fetched. The program has one (TheZrDbs), which answers the core's questions about registers;
// tests make their own. Used on the user-interface thread only.
//
// Registers of codes the program has not built in come from the engines that serve them; they
// are made elsewhere and handed to AddWebDb, which files them with the others.

#include "core/CoreServices.h"
#include "core/DataCache.h"
#include "registers/BuiltInDbs.h"
#include "registers/DbSelection.h"
#include "registers/ImageCache.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

class CSystemOptions;
class CZrDbEngineSet;

class CZrDbs : public IRegisterServices {
public:
    // The codes of the built-in registers, in table order; '0' and '1' are the training
    // databases, served by a second UK and Reserved Words register.
    static constexpr const char* kBuiltInCodes = "aucsideptnko01";
    static constexpr unsigned kDefaultCallTimeoutMs = 30000;

    // Told of every engine a register takes, so that the choice can be kept for the next login.
    using EngineChoiceHook = std::function<void(int code, const CZrDbEngine& engine)>;

    // The built-in registers without engines, the built-in catalogue, and the caches off until
    // InitCaches.
    CZrDbs();
    CZrDbs(const CZrDbs&) = delete;
    CZrDbs& operator=(const CZrDbs&) = delete;
    ~CZrDbs() override;

    // The register of the code; null when none.
    CZrDb* GetDb(int code);
    const CZrDb* GetDb(int code) const;
    CZrDb* GetDbOfMark(const CMark& mark) { return GetDb(mark.GetRegisterCode()); }
    bool IsKnownCode(int code) const { return GetDb(code) != nullptr; }
    // The register that AddWebDb filed under the code; null when none.
    CZrDb* FindWebDb(int code);
    bool HasWebDbs() const { return !webDbs_.empty(); }
    // Files a register for a code that is not known yet, after the others in the code string;
    // null, and the register dropped, when its code is known already.
    CZrDb* AddWebDb(std::unique_ptr<CZrDb> db);
    // Adds the register's own catalogue group, when it has one with a database in it.
    void AddDbGroupToSelection(int code);

    // The codes of all registers: the built-in ones, then those filed by AddWebDb.
    const std::string& GetDbCodes() const { return codes_; }
    CDbSelection& GetDbSelection() { return selection_; }
    const CDbSelection& GetDbSelection() const { return selection_; }

    // The sort key of the mark's register; 0 (first of all) for a code without register.
    std::uint64_t GetMarkKey(const CMark& mark) const override;
    void GetMarkKeys(int registerCode, std::span<const std::uint32_t> recordNumbers,
                     std::span<std::uint64_t> keys) const override;
    // The register's short name, else the catalogue's, else the code in single quotes.
    std::string GetDbShortName(int code) const;
    std::string GetShortName(char code) const override {
        return GetDbShortName(static_cast<unsigned char>(code));
    }
    // The short names of the codes, sorted, separated by " ".
    std::string GetDbShortNames(const std::string& codes) const override;

    // Hands every register the set's engine and restriction for its code, or none.
    void SetEngines(const CZrDbEngineSet& engines);
    // Every register's current engine and restriction.
    void GetEngines(CZrDbEngineSet& engines) const;
    // The codes, in table order, whose register has an engine.
    std::string GetConnectedDatabaseCodes() const override;
    bool HasConnectedTrainingDb() const;
    void SetEngineChoiceHook(EngineChoiceHook hook) { engineChoiceHook_ = std::move(hook); }
    void RecordEngineChoice(int code, const CZrDbEngine& engine) const;

    // Every engine call of the registers fails with TIMEOUT after this long.
    void SetCallTimeoutMs(unsigned milliseconds) { callTimeoutMs_ = milliseconds; }
    unsigned GetCallTimeoutMs() const { return callTimeoutMs_; }

    // Sizes the caches from the machine's memory and the [Cache] keys of the system settings.
    void InitCaches();
    void InitCaches(std::uint64_t totalMemoryBytes, const CSystemOptions& settings);
    CDataCache& GetSummaryCache() { return summaryCache_; }
    CDataCache& GetTextCache() { return textCache_; }
    CImageCache& GetImageCache() { return imageCache_; }
    // Drops the register's cached records and images.
    void FlushCaches(int code);
    // Drops the records whose text depends on the user's language options.
    void DropLanguageDependentRecords() const override;

private:
    CZrDb_A6 a6_;
    CZrDb_UK uk_;
    CZrDb_CTM ctm_;
    CZrDb_US us_;
    CZrDb_IN in_;
    CZrDb_DE de_;
    CZrDb_IE ie_;
    CZrDb_PL pl_;
    CZrDb_AU au_;
    CZrDb_CA ca_;
    CZrDb_UKDOM ukdom_;
    CZrDb_CD cd_;
    CZrDb_UK oldUk_;
    CZrDb_A6 oldA6_;
    // In the order of kBuiltInCodes.
    std::array<CZrDb*, 14> builtIns_;
    std::map<int, std::unique_ptr<CZrDb>> webDbs_;
    std::string codes_;
    CDbSelection selection_;
    // What the caches hold is no part of what the table answers.
    mutable CDataCache summaryCache_{0, 0, 0};
    mutable CDataCache textCache_{0, 0, 0};
    mutable CImageCache imageCache_{0, 0, 0};
    unsigned callTimeoutMs_ = kDefaultCallTimeoutMs;
    EngineChoiceHook engineChoiceHook_;
};

// The program's register table, made on first use and installed as the core's register
// services.
CZrDbs& TheZrDbs();
