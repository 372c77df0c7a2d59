// The search sheets validate a page on every keystroke, and load and validate every page when
// they open; the automatic search design turns long term lists into searches as the wizard
// ends. A full sheet here edits a search that sets every criterion, with 300 characters of
// class keywords and the number patterns of fourteen registers.

#include "core/ClassList.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "search/AutoSearchDesign.h"
#include "search/EnquiryPageModel.h"
#include "search/GeneralPageModel.h"
#include "search/SearchExamination.h"
#include "search/SearchSheetModel.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr const char* kRegisterCodes = "aucsideptnko01";

class CBenchExamination : public ISearchExamination {
public:
    CBenchExamination() {
        selection_.SetSelected("UK", "", true);
        selection_.SelectDb('o', true);
        selection_.SetSelected("GL", "", true);
        selection_.SetSelected("GL", "IN", true);
    }
    std::string GetConnectedDatabaseCodes() const override { return kRegisterCodes; }
    const CDbSelection& GetDbSelection() const override { return selection_; }
    std::vector<std::string> GetSetNames() const override {
        return {"AddedLastWeek", "UpdatedLastWeek"};
    }
    bool HasRegister(char) const override { return true; }
    std::string GetLongName(char code) const override { return std::string("Register ") + code; }
    // Every register a pattern of its own, as web registers bring theirs.
    std::string GetAppNumPattern(char code) const override {
        return std::string("(?:") + code + "|TM)?\\d{2,8}(?:[/-]\\d{1,4})?[A-Z]?";
    }
    std::vector<std::string> GetCountryCodes(char) const override { return {"GB", "FR"}; }

private:
    CDbSelection selection_;
};

// A user whose keyword file defines 50 class keywords.
class CKeywordUser {
public:
    CKeywordUser()
        : folder_(std::filesystem::temp_directory_path() /
                  ("zr_search_bench_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_ / "velorin");
        std::ofstream(folder_ / "ZrSystem.ini")
            << "[Locations]\nHome=" << (folder_ / "velorin").string() << "\n";
        std::ofstream macros(folder_ / "velorin" / "ZrMacros.ini");
        macros << "[Class]\n";
        for (int i = 0; i < 50; ++i)
            macros << "k" << (10 + i) << "=" << (1 + i % 40) << "-" << (2 + i % 40) << "\n";
        macros.close();
        system_.Load(folder_.string());
        if (system_.SetUser("ACME", "bench", "pw") != 0)
            throw std::runtime_error("cannot make the user's folder");
        options_.Load(system_);
    }
    ~CKeywordUser() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const CUserOptions& Options() const { return options_; }

    // ".k10, .k11, ..." of 300 characters.
    static std::string ClassKeywords() {
        std::string text;
        for (int i = 0; text.size() < 300; ++i)
            text += (i ? ", .k" : ".k") + std::to_string(10 + i % 50);
        return text.substr(0, text.rfind(','));
    }

private:
    std::filesystem::path folder_;
    CSystemOptions system_;
    CUserOptions options_;
};

CKeywordUser& User() {
    static CKeywordUser user;
    return user;
}

const CBenchExamination& Examination() {
    static const CBenchExamination examination;
    return examination;
}

CSearch SearchOfEveryCriterion() {
    CCriteria criteria;
    criteria.SetDbIds("ucsidept");
    criteria.SetClasses("9, 35-38");
    criteria.SetWordTerms({"ACME", "ZEN-", "AC?E"});
    criteria.AddAndWordTerm("STAR", kValidateSearchDialog, nullptr, kTermSimilarWord);
    criteria.AddExcludedWord("ACNE");
    criteria.SetStatus("rpl");
    criteria.SetAppNumRange("1000", "2000");
    criteria.SetAppDateRange("1 Mar 2001", "31 Dec 2001");
    criteria.SetImageCats({"1.1.1", "2.3"});
    criteria.SetImageCatsMatchAll(true);
    criteria.SetLocarnoClasses({"0101"});
    criteria.SetOwnerNames({"Acme Holdings"});
    criteria.SetAgentNames({"Agents LLP"});
    criteria.SetSet("AddedLastWeek");
    criteria.AddGoods("shoes");
    criteria.AddGoods("boo-");
    criteria.AddAndGoods("leather");
    criteria.AddExcludedGoods("socks");
    criteria.AddCountry("FR", true);
    CSearch search;
    search.SetCriteria(criteria);
    return search;
}

} // namespace

static void BM_ValidateFullSheetPage(benchmark::State& state) {
    CSearchSheetModel sheet(CSearchSheetModel::EKind::Full, SearchOfEveryCriterion(), Examination(),
                            User().Options());
    CSearchPageModel& page = sheet.GetPage(static_cast<int>(state.range(0)));
    if (page.GetCaption() == "General")
        dynamic_cast<CGeneralPageModel&>(page).SetClasses(CKeywordUser::ClassKeywords());
    if (page.GetState() == kPageError)
        throw std::runtime_error(page.GetCaption() + ": " + page.GetMessage());
    state.SetLabel(page.GetCaption());
    for (auto _ : state)
        page.Validate();
}
BENCHMARK(BM_ValidateFullSheetPage)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

static void BM_ValidateEnquiryOverFourteenPatterns(benchmark::State& state) {
    CEnquiryPageModel page(Examination(), false);
    // No pattern matches, so every one is tried.
    page.SetNumber("X12/3456-78Q");
    for (auto _ : state)
        page.Validate();
}
BENCHMARK(BM_ValidateEnquiryOverFourteenPatterns)->Unit(benchmark::kMicrosecond);

static void BM_OpenFullSheetOfEveryCriterion(benchmark::State& state) {
    const CSearch search = SearchOfEveryCriterion();
    for (auto _ : state) {
        CSearchSheetModel sheet(CSearchSheetModel::EKind::Full, search, Examination(),
                                User().Options());
        benchmark::DoNotOptimize(sheet.IsOkEnabled());
    }
}
BENCHMARK(BM_OpenFullSheetOfEveryCriterion)->Unit(benchmark::kMillisecond);

static void BM_BuildAutoSearchesOf1000Lines(benchmark::State& state) {
    // Two-word lines over a few heads and many tails, and single words.
    CAutoDesignTerms terms;
    for (int i = 0; i < 1000; ++i) {
        const std::string head = "head" + std::to_string(i % 40);
        const std::string tail = "tail" + std::to_string(i % 300);
        std::vector<std::string>& list =
            i % 3 == 0 ? terms.exact : (i % 3 == 1 ? terms.substring : terms.similar);
        list.push_back(i % 5 == 0 ? tail : head + " " + tail);
    }
    CClassList primary;
    primary.SetFromText("9, 35-38");
    CClassList secondary;
    secondary.SetFromText("42");
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildAutoSearches(terms, primary, secondary));
}
BENCHMARK(BM_BuildAutoSearchesOf1000Lines)->Unit(benchmark::kMillisecond);
