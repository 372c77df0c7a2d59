// The register table without engines: finding registers, names, filing registers of codes it
// has not built in, cache sizes and flushing.

#include "registers/ZrDbs.h"

#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/ZrDbEngineSet.h"
#include "registers/AppNumFormats.h"
#include "registers/SortKeys.h"
#include "registers/ZrDb_Web.h"
#include "tests/core/TempFolder.h"
#include "tests/registers/TestRecords.h"

#include <gtest/gtest.h>

namespace {

constexpr CRecordLayout kPlainLayout = {SummaryDate::Application, SummaryNote::None,
                                        HeaderDate::Application, HeaderNote::None,
                                        HeaderClasses::Nice};

// A register of a code the program has not built in, with a catalogue group of its own.
class CExtraDb : public CBuiltInDb {
public:
    CExtraDb(CZrDbs& table, int code, CDbGroup group)
        : CBuiltInDb(table, code,
                     {0,
                      "WT",
                      "Web Test Marks",
                      {"XA"},
                      FormatUkdomAppNum,
                      ParseUkdomAppNum,
                      "APPNUM",
                      GetUkSortKey,
                      1,
                      false,
                      kPlainLayout,
                      PresentUkRecord}),
          group_(std::move(group)) {}
    const CDbGroup* GetDbGroup() const override { return &group_; }

private:
    CDbGroup group_;
};

CDbGroup Group(const std::string& code, int databases) {
    CDbGroup group{code, "Example region", false, true, false, {}};
    for (int i = 0; i < databases; ++i)
        group.databases.push_back({"WT" + std::to_string(i), 'w', "Web marks", "", false});
    return group;
}

// A system settings file with the given [Cache] section.
class CCacheSettings {
public:
    explicit CCacheSettings(const std::string& cacheSection) {
        folder_.Write("ZrSystem.ini", "[Cache]\n" + cacheSection);
        settings_.Load(folder_.Path().string());
    }
    const CSystemOptions& Get() const { return settings_; }

private:
    CTempFolder folder_;
    CSystemOptions settings_;
};

struct CLimits {
    int minSlots, maxSlots, maxMemory;
    bool operator==(const CLimits&) const = default;
};
CLimits Limits(const CDataCache& cache) {
    return {cache.GetMinSlots(), cache.GetMaxSlots(), cache.GetMaxMemoryKb()};
}
CLimits Limits(const CImageCache& cache) {
    return {cache.GetMinSlots(), cache.GetMaxSlots(), cache.GetMaxMemoryKb()};
}

constexpr std::uint64_t kKb = 1024;

} // namespace

TEST(ZrDbs, EveryBuiltInCodeHasItsRegister) {
    CZrDbs table;
    EXPECT_EQ(table.GetDbCodes(), "aucsideptnko01");
    for (const char code : table.GetDbCodes()) {
        ASSERT_NE(table.GetDb(code), nullptr) << code;
        EXPECT_EQ(table.GetDb(code)->GetCode(), code);
        EXPECT_TRUE(table.IsKnownCode(code));
    }
    EXPECT_NE(table.GetDb('0'), table.GetDb('u'));
    for (const int code : {0, int{'I'}, int{'f'}, int{'w'}, int{'x'}, 0x175})
        EXPECT_EQ(table.GetDb(code), nullptr) << code;
    EXPECT_EQ(table.GetDbOfMark(CMark(1, 'k', 0, 0)), table.GetDb('k'));
    EXPECT_FALSE(table.HasWebDbs());

    // Marks of unknown registers sort first.
    EXPECT_EQ(table.GetMarkKey(CMark(0x400008, 'x', 0, 0)), 0u);
    EXPECT_EQ(table.GetMarkKey(CMark(0x400008, 't', 0, 0)), GetAuSortKey(0x400008));
}

TEST(ZrDbs, KeysOfManyRecordsAreThoseOfTheirMarks) {
    CZrDbs table;
    // A register that fetches its keys one mark at a time.
    ASSERT_NE(table.AddWebDb(std::make_unique<CZrDb_Web>(table, 'x')), nullptr);
    const std::vector<std::uint32_t> records = {0,          1,          8,          0x400008,
                                                0x20000009, 0x60000003, 0xc0fffff9, 0xffffffff};
    for (const int code : table.GetDbCodes() + "y") {
        std::vector<std::uint64_t> keys(records.size(), 7);
        table.GetMarkKeys(code, records, keys);
        for (std::size_t i = 0; i < records.size(); ++i)
            EXPECT_EQ(keys[i], table.GetMarkKey(CMark(records[i], code, 0, 0)))
                << static_cast<char>(code) << " " << records[i];
    }
}

TEST(ZrDbs, ShortNames) {
    CZrDbs table;
    EXPECT_EQ(table.GetDbShortName('u'), "UK");
    EXPECT_EQ(table.GetDbShortName('0'), "UK"); // the training register is a UK register
    EXPECT_EQ(table.GetDbShortName('f'), "FR"); // known to the catalogue only
    EXPECT_EQ(table.GetDbShortName('x'), "'x'");
    EXPECT_EQ(table.GetDbShortNames("su"), "UK US");
    EXPECT_EQ(table.GetDbShortNames("uca"), "EUTM RW UK");
    EXPECT_EQ(table.GetDbShortNames(""), "");
}

TEST(ZrDbs, RegistersOfOtherCodesJoinTheTable) {
    CZrDbs table;
    CZrDb* web = table.AddWebDb(std::make_unique<CExtraDb>(table, 'w', Group("XY", 1)));
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(table.GetDb('w'), web);
    EXPECT_EQ(table.FindWebDb('w'), web);
    EXPECT_EQ(table.FindWebDb('u'), nullptr);
    EXPECT_TRUE(table.HasWebDbs());
    EXPECT_EQ(table.GetDbCodes(), "aucsideptnko01w");
    EXPECT_EQ(table.GetDbShortNames("wu"), "UK WT");

    // A code that is known already keeps its register.
    EXPECT_EQ(table.AddWebDb(std::make_unique<CExtraDb>(table, 'u', Group("XY", 1))), nullptr);
    EXPECT_EQ(table.AddWebDb(std::make_unique<CExtraDb>(table, 'w', Group("XY", 1))), nullptr);
    EXPECT_EQ(table.GetDb('w'), web);
    EXPECT_EQ(table.GetDbCodes(), "aucsideptnko01w");

    // Its catalogue group joins the catalogue when it holds a database.
    const std::size_t groups = table.GetDbSelection().GetGroups().size();
    table.AddDbGroupToSelection('w');
    ASSERT_EQ(table.GetDbSelection().GetGroups().size(), groups + 1);
    EXPECT_EQ(table.GetDbSelection().GetGroups().back().code, "XY");
    table.AddWebDb(std::make_unique<CExtraDb>(table, 'v', Group("VV", 0)));
    table.AddDbGroupToSelection('v');
    table.AddDbGroupToSelection('u'); // built-in registers have none of their own
    table.AddDbGroupToSelection('x');
    EXPECT_EQ(table.GetDbSelection().GetGroups().size(), groups + 1);

    // Without engines nothing is connected, web registers included.
    CZrDbEngineSet engines;
    table.GetEngines(engines);
    EXPECT_EQ(engines.GetCodes(), "01acdeiknopstuvw");
    EXPECT_EQ(table.GetConnectedDatabaseCodes(), "");
    EXPECT_FALSE(table.HasConnectedTrainingDb());
}

TEST(ZrDbs, CacheSizesFollowTheMachinesMemory) {
    const CCacheSettings defaults("");
    CZrDbs table;
    table.InitCaches(256 * 1024 * kKb, defaults.Get());
    EXPECT_EQ(Limits(table.GetSummaryCache()), (CLimits{10, 4096, 8192}));
    EXPECT_EQ(Limits(table.GetTextCache()), (CLimits{1, 40, 2048}));
    EXPECT_EQ(Limits(table.GetImageCache()), (CLimits{1, 40, 2048}));

    table.InitCaches(130048 * kKb, defaults.Get());
    EXPECT_EQ(Limits(table.GetSummaryCache()), (CLimits{10, 2048, 4096}));
    EXPECT_EQ(Limits(table.GetTextCache()), (CLimits{1, 20, 1024}));
    table.InitCaches(130047 * kKb, defaults.Get());
    EXPECT_EQ(Limits(table.GetSummaryCache()), (CLimits{10, 512, 1024}));
    table.InitCaches(40000 * kKb, defaults.Get());
    EXPECT_EQ(Limits(table.GetImageCache()), (CLimits{1, 10, 256}));
    table.InitCaches(0, defaults.Get());
    EXPECT_EQ(Limits(table.GetSummaryCache()), (CLimits{10, 32, 128}));
    EXPECT_EQ(Limits(table.GetImageCache()), (CLimits{1, 5, 64}));
}

TEST(ZrDbs, CacheSettingsOverrideOneKeyEach) {
    const CCacheSettings settings("Summary_max_slots=7\nText_min_slots=3\nImages_max_mem=99\n"
                                  "Images_max_slots=0\n");
    CZrDbs table;
    table.InitCaches(256 * 1024 * kKb, settings.Get());
    EXPECT_EQ(Limits(table.GetSummaryCache()), (CLimits{10, 7, 8192}));
    EXPECT_EQ(Limits(table.GetTextCache()), (CLimits{3, 40, 2048}));
    EXPECT_EQ(Limits(table.GetImageCache()), (CLimits{1, 0, 99}));

    // The machine's own memory gives at least the last row.
    table.InitCaches();
    EXPECT_GE(table.GetSummaryCache().GetMaxSlots(), 32);
}

TEST(ZrDbs, FlushingDropsOneRegistersRecordsAndImages) {
    CZrDbs table;
    table.GetSummaryCache().SetLimits(1, 100, 0);
    table.GetTextCache().SetLimits(1, 100, 0);
    table.GetImageCache().SetLimits(1, 100, 0);
    const CZrData record = MakeRecord({{"WORDMARK", "ACME"}});
    const CMark uk(8, 'u', 0, 0), ctm(8, 'c', 0, 0), designs(8, 'o', 0, 0);
    for (const CMark& mark : {uk, ctm, designs}) {
        table.GetSummaryCache().Add(mark, record);
        table.GetTextCache().Add(mark, record);
        table.GetImageCache().Add(mark, 0, "png", 3, {96, 96}, false, false);
    }
    const auto cached = [&](const CMark& mark) {
        CImageSize size{96, 96};
        return std::to_string(table.GetSummaryCache().Find(mark) != nullptr) +
               std::to_string(table.GetTextCache().Find(mark) != nullptr) +
               std::to_string(table.GetImageCache().Find(mark, 0, size) != nullptr);
    };
    table.FlushCaches('u');
    EXPECT_EQ(cached(uk), "000");
    EXPECT_EQ(cached(ctm), "111");

    // The records that the language options shape: EU texts, design summaries and texts.
    table.DropLanguageDependentRecords();
    EXPECT_EQ(cached(ctm), "101");
    EXPECT_EQ(cached(designs), "001");
}

TEST(ZrDbs, TheProgramsTableAnswersTheCore) {
    CZrDbs& table = TheZrDbs();
    EXPECT_EQ(&GetRegisterServices(), &table);
    const CMark mark(0x400008, 'u', 0, 0);
    EXPECT_EQ(GetRegisterServices().GetMarkKey(mark), GetUkSortKey(0x400008));
    EXPECT_EQ(GetRegisterServices().GetDbShortNames("ku"), "UK UKDOM");
    EXPECT_EQ(GetRegisterServices().GetShortName('t'), "AU");

    // New language options drop the records written in the old ones.
    table.GetTextCache().SetLimits(1, 10, 0);
    const CMark designs(8, 'o', 0, 0);
    table.GetTextCache().Add(designs, MakeRecord({{"DESDESCR", "x"}}));
    const std::string options = TheUserOptions().GetLangOptions();
    TheUserOptions().SetLangOptions(options + "7");
    EXPECT_FALSE(table.GetTextCache().Find(designs));
    TheUserOptions().SetLangOptions(options);
}
