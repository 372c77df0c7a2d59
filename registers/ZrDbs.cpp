#include "registers/ZrDbs.h"

#include "core/SystemOptions.h"
#include "engines/ZrDbEngineSet.h"
#include "platform/SystemInfo.h"
#include "registers/DbCodes.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// Cache limits by the machine's physical memory: the first row whose threshold it reaches.
struct CCacheRow {
    std::uint64_t thresholdKb;
    int summaryMaxMemory;
    int summaryMaxSlots;
    int otherMaxMemory; // text records and images
    int otherMaxSlots;
};
constexpr CCacheRow kCacheRows[] = {
    {261120, 8192, 4096, 2048, 40},
    {130048, 4096, 2048, 1024, 20},
    {64512, 1024, 512, 512, 20},
    {31744, 512, 128, 256, 10},
    {0, 128, 32, 64, 5},
};

// The three limits of one cache from its [Cache] keys "<prefix>_min_slots" and so on.
struct CCacheLimits {
    int minSlots;
    int maxSlots;
    int maxMemoryKb;
};
CCacheLimits ReadLimits(const CSystemOptions& settings, const std::string& prefix,
                        int defaultMinSlots, int defaultMaxSlots, int defaultMaxMemory) {
    return {settings.GetCacheSetting(prefix + "_min_slots", defaultMinSlots),
            settings.GetCacheSetting(prefix + "_max_slots", defaultMaxSlots),
            settings.GetCacheSetting(prefix + "_max_mem", defaultMaxMemory)};
}

std::size_t BuiltInSlot(int code) {
    if (code <= 0 || code > 0xff)
        return std::string_view::npos;
    return std::string_view(CZrDbs::kBuiltInCodes).find(static_cast<char>(code));
}

} // namespace

CZrDbs::CZrDbs()
    : a6_(*this), uk_(*this), ctm_(*this), us_(*this), in_(*this), de_(*this), ie_(*this),
      pl_(*this), au_(*this), ca_(*this), ukdom_(*this), cd_(*this), oldUk_(*this, '0'),
      oldA6_(*this, '1'), builtIns_{&a6_, &uk_, &ctm_, &us_,    &in_, &de_,    &ie_,
                                    &pl_, &au_, &ca_,  &ukdom_, &cd_, &oldUk_, &oldA6_},
      codes_(kBuiltInCodes) {}

CZrDbs::~CZrDbs() {
    if (&GetRegisterServices() == this)
        InstallRegisterServices(nullptr);
}

CZrDb* CZrDbs::GetDb(int code) {
    return const_cast<CZrDb*>(std::as_const(*this).GetDb(code));
}

const CZrDb* CZrDbs::GetDb(int code) const {
    if (const std::size_t slot = BuiltInSlot(code); slot != std::string_view::npos)
        return builtIns_[slot];
    const auto web = webDbs_.find(code);
    return web == webDbs_.end() ? nullptr : web->second.get();
}

CZrDb* CZrDbs::FindWebDb(int code) {
    const auto web = webDbs_.find(code);
    return web == webDbs_.end() ? nullptr : web->second.get();
}

CZrDb* CZrDbs::AddWebDb(std::unique_ptr<CZrDb> db) {
    const int code = db->GetCode();
    if (IsKnownCode(code) || code <= 0 || code > 0xff)
        return nullptr;
    codes_ += static_cast<char>(code);
    return webDbs_.emplace(code, std::move(db)).first->second.get();
}

void CZrDbs::AddDbGroupToSelection(int code) {
    const CZrDb* db = GetDb(code);
    const CDbGroup* group = db ? db->GetDbGroup() : nullptr;
    if (group && !group->databases.empty())
        selection_.AddGroup(*group);
}

std::uint64_t CZrDbs::GetMarkKey(const CMark& mark) const {
    const CZrDb* db = GetDb(mark.GetRegisterCode());
    return db ? db->GetSortKey(mark) : 0;
}

void CZrDbs::GetMarkKeys(int registerCode, std::span<const std::uint32_t> recordNumbers,
                         std::span<std::uint64_t> keys) const {
    if (const CZrDb* db = GetDb(registerCode))
        db->GetSortKeys(recordNumbers, keys);
    else
        std::fill_n(keys.begin(), recordNumbers.size(), 0);
}

std::string CZrDbs::GetDbShortName(int code) const {
    if (const CZrDb* db = GetDb(code)) {
        if (std::string name = db->GetShortName(); !name.empty())
            return name;
    }
    const char letter = static_cast<char>(code);
    if (const std::string_view name = GetCatalogueShortName(letter); !name.empty())
        return std::string(name);
    return std::string("'") + letter + "'";
}

std::string CZrDbs::GetDbShortNames(const std::string& codes) const {
    std::vector<std::string> names;
    for (const char code : codes)
        names.push_back(GetDbShortName(static_cast<unsigned char>(code)));
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : " ") + name;
    return text;
}

void CZrDbs::SetEngines(const CZrDbEngineSet& engines) {
    for (const char letter : codes_) {
        const int code = static_cast<unsigned char>(letter);
        CZrDbEngine engine(code);
        std::string restriction;
        engines.GetEngine(code, engine, restriction);
        GetDb(code)->SetEngine(engine, restriction);
    }
}

void CZrDbs::GetEngines(CZrDbEngineSet& engines) const {
    engines.Clear();
    for (const char letter : codes_) {
        const CZrDb* db = GetDb(static_cast<unsigned char>(letter));
        engines.AddEngine(db->GetDbEngine(), db->GetRestriction());
    }
}

std::string CZrDbs::GetConnectedDatabaseCodes() const {
    std::string connected;
    for (const char letter : codes_) {
        if (!GetDb(static_cast<unsigned char>(letter))->GetDbEngine().IsNil())
            connected += letter;
    }
    return connected;
}

bool CZrDbs::HasConnectedTrainingDb() const {
    bool anyTraining = false;
    CheckTrainingMix(GetConnectedDatabaseCodes(), anyTraining);
    return anyTraining;
}

void CZrDbs::RecordEngineChoice(int code, const CZrDbEngine& engine) const {
    if (engineChoiceHook_)
        engineChoiceHook_(code, engine);
}

void CZrDbs::InitCaches() {
    InitCaches(platform::TotalPhysicalMemory(), TheSystemOptions());
}

void CZrDbs::InitCaches(std::uint64_t totalMemoryBytes, const CSystemOptions& settings) {
    const std::uint64_t memoryKb = totalMemoryBytes / 1024;
    const CCacheRow& row =
        *std::find_if(std::begin(kCacheRows), std::end(kCacheRows),
                      [&](const CCacheRow& r) { return memoryKb >= r.thresholdKb; });
    const CCacheLimits summary =
        ReadLimits(settings, "Summary", 10, row.summaryMaxSlots, row.summaryMaxMemory);
    const CCacheLimits text =
        ReadLimits(settings, "Text", 1, row.otherMaxSlots, row.otherMaxMemory);
    const CCacheLimits images =
        ReadLimits(settings, "Images", 1, row.otherMaxSlots, row.otherMaxMemory);
    summaryCache_.SetLimits(summary.minSlots, summary.maxSlots, summary.maxMemoryKb);
    textCache_.SetLimits(text.minSlots, text.maxSlots, text.maxMemoryKb);
    imageCache_.SetLimits(images.minSlots, images.maxSlots, images.maxMemoryKb);
}

void CZrDbs::FlushCaches(int code) {
    summaryCache_.Remove(code);
    textCache_.Remove(code);
    imageCache_.RemoveDb(code);
}

void CZrDbs::DropLanguageDependentRecords() const {
    // Designs and EU trade-mark texts come in the languages the options ask for.
    textCache_.Remove('c');
    textCache_.Remove('o');
    summaryCache_.Remove('o');
}

CZrDbs& TheZrDbs() {
    static CZrDbs table;
    static const bool installed = (InstallRegisterServices(&table), true);
    (void)installed;
    return table;
}
