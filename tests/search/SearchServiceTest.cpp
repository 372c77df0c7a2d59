// The search models over the local search service: the registers' own number patterns, a
// search edited in the full sheet and run, and the engines the wizard hands on.

#include "WordListSource.h"
#include "app/document/ZrDocData.h"
#include "search/EnquiryPageModel.h"
#include "search/GeneralPageModel.h"
#include "search/NewExamModel.h"
#include "search/NewExamPages.h"
#include "search/SearchExamination.h"
#include "search/SearchSheetModel.h"
#include "search/StatusPageModel.h"
#include "tests/engines/ConnectedFixture.h"
#include "tests/engines/PanelRows.h"

#include <set>

namespace {

using EKind = CSearchSheetModel::EKind;

class SearchService : public ConnectedFixture {
protected:
    // Every register but those given keeps its engine.
    void Disconnect(const std::string& codes) {
        CZrDbEngineSet engines;
        for (char c : zrDbs_.GetDbCodes())
            if (codes.find(c) == std::string::npos)
                engines.AddEngine(repository_.GetPreferredEngine(static_cast<unsigned char>(c)),
                                  "");
        table_.SetEngines(engines);
    }
    std::unique_ptr<CSearchSheetModel> Open(EKind kind) {
        CSearch search;
        search.GetCriteria().ResetWithDbIds(zrDbs_.GetConnectedDatabaseCodes());
        return std::make_unique<CSearchSheetModel>(kind, search, examination_, settings_.User());
    }
    // The marks a search finds, as register letter and record number.
    std::set<std::pair<int, std::uint32_t>> Run(const CSearch& search) {
        const int id = document_.Searches().Add(search);
        CSearchProgress progress(document_, Services());
        progress.AddSearch(id);
        EXPECT_TRUE(RunToEnd(progress));
        std::set<std::pair<int, std::uint32_t>> found;
        for (const CMark& mark : document_.GetFilteredMarks(MakeSearchIdFilter(id, false, true)))
            found.emplace(mark.GetRegisterCode(), mark.GetRecordNumber());
        return found;
    }

    CZrDocData examData_;
    CTableSearchExamination examination_{zrDbs_, &examData_};
};

TEST_F(SearchService, EnquiryAcceptsByTheConnectedRegistersOwnPatterns) {
    {
        auto sheet = Open(EKind::Enquiry);
        auto& enquiry = dynamic_cast<CEnquiryPageModel&>(sheet->GetPage(0));
        enquiry.SetNumber("PL4711");
        EXPECT_EQ(enquiry.GetState(), kPageEntered) << "the Polish register's own form";
        enquiry.SetNumber("PL4711X");
        EXPECT_EQ(enquiry.GetMessage(), "Invalid application number.");

        const CTableSearchExamination noExamination(zrDbs_, nullptr);
        CEnquiryPageModel closed(noExamination, false);
        closed.SetNumber("PL4711");
        EXPECT_EQ(closed.GetState(), kPageError) << "without an examination, no register's form";
    }
    Disconnect("p");
    auto sheet = Open(EKind::Enquiry);
    auto& enquiry = dynamic_cast<CEnquiryPageModel&>(sheet->GetPage(0));
    enquiry.SetNumber("PL4711");
    EXPECT_EQ(enquiry.GetState(), kPageError) << "no connected register knows the form";
    enquiry.SetNumber("4711");
    EXPECT_EQ(enquiry.GetState(), kPageEntered);
}

TEST_F(SearchService, AFullSearchEditedFindsWhatItsWrittenCriteriaFind) {
    std::string others = zrDbs_.GetDbCodes();
    std::erase_if(others, [](char c) { return c == 'u' || c == 'c'; });
    Disconnect(others);
    auto sheet = Open(EKind::Full);
    auto& general = dynamic_cast<CGeneralPageModel&>(sheet->GetPage(0));
    general.SetClasses("1-30, 35");
    general.SetGroupText(CGeneralPageModel::kGroupA, "ac-, zenith");
    general.SetGroupOn(CGeneralPageModel::kGroupC, true);
    general.SetGroupText(CGeneralPageModel::kGroupC, "acne");
    auto& status = dynamic_cast<CStatusPageModel&>(sheet->GetPage(2));
    EXPECT_EQ(status.GetSetNames(),
              (std::vector<std::string>{"", "AddedLastWeek", "UpdatedLastWeek"}))
        << "the connected engines' record sets, each once";
    status.SetStatuses({true, true, false, false});
    ASSERT_TRUE(sheet->OnOk([] { return false; }));

    CSearch written;
    ASSERT_TRUE(written.GetCriteria().ReadCriteriaText(
        "DBIDS=\"uc\" AND CLASS=\"1-30,35\" AND (WORDM=\"AC-\" OR WORDM=\"ZENITH\") AND "
        "STATS=\"rp\" ANDNOT WORDM=\"ACNE\""));
    const auto edited = Run(sheet->GetSearch());
    EXPECT_EQ(edited, Run(written));
    written.GetCriteria().ReadCriteriaText(
        "DBIDS=\"uc\" AND CLASS=\"1-30,35\" AND (WORDM=\"AC-\" OR WORDM=\"ZENITH\") AND "
        "STATS=\"rp\"");
    EXPECT_GT(Run(written).size(), edited.size()) << "the exclusion took marks away";
    EXPECT_FALSE(edited.empty());
}

class NewExamService : public SearchService {
protected:
    void PickEngine(CExamStandardPage& page, char code, int candidate) {
        CEngineDlgHelper engines = page.MakeEngineDialog();
        for (std::size_t row = 0; row < engines.GetRows().size(); ++row)
            if (engines.GetRows()[row].dbCode == code)
                engines.Pick(static_cast<int>(row), candidate);
        page.ApplyEngineChoice(engines);
    }
    void SetSections(CExamStandardPage& page, int sections) {
        CExamStandardDetails details = page.GetDetails();
        details.sections = sections;
        page.SetDetails(details);
    }

    std::vector<CZrDbEngineSet> sourcesMadeFor_;
    CNewExamModel wizard_{CWordListSource::Factory({"ACNE"}, sourcesMadeFor_)};
    CScriptedMessages messages_;
};

TEST_F(NewExamService, TheResultCarriesTheEnginesThePanelShowed) {
    CExamStandardPage page(wizard_, {table_, repository_, settings_.User(), settings_.System()},
                           zrDbs_.GetDbSelection());
    ClickPanelRow(page.GetPanel(), "United Kingdom");
    ASSERT_TRUE(page.CanChangeEngines());
    PickEngine(page, 'c', 1);
    for (const int sections : {0, 100}) {
        SetSections(page, sections);
        EXPECT_FALSE(page.Finish());
        EXPECT_EQ(messages_.Texts().back(), "U202 Number of sections must be between 1 and 99");
        EXPECT_EQ(page.GetFocus(), EExamField::Sections);
    }
    SetSections(page, 3);
    ASSERT_TRUE(page.Finish());
    const CNewExamination result = wizard_.GetResult();
    CZrDbEngineSet shown;
    EXPECT_EQ(result.databaseCodes, page.GetPanel().GetSelectedEngines(shown));
    EXPECT_TRUE(result.engines == shown);
    ASSERT_NE(result.engines.FindEngine('c'), nullptr);
    EXPECT_TRUE(*result.engines.FindEngine('c') == repository_.GetEngines('c')[1]);
    EXPECT_EQ(result.sectionCount, 3);
    EXPECT_FALSE(result.autoDesign);
}

TEST_F(NewExamService, ChangingEnginesAloneProposesTheTermsAgain) {
    CExamStandardPage page(wizard_, {table_, repository_, settings_.User(), settings_.System()},
                           zrDbs_.GetDbSelection());
    ClickPanelRow(page.GetPanel(), "United Kingdom");
    ASSERT_TRUE(page.Next());
    ASSERT_EQ(wizard_.SetWordMark("Acme"), "");
    ASSERT_TRUE(wizard_.ProposeTerms());
    ASSERT_TRUE(page.Next()) << "back, and on with the same choice";
    EXPECT_FALSE(wizard_.AreTermsStale());

    PickEngine(page, 'c', 1);
    ASSERT_TRUE(page.Next());
    EXPECT_TRUE(wizard_.AreTermsStale());
    ASSERT_TRUE(wizard_.ProposeTerms());
    ASSERT_EQ(sourcesMadeFor_.size(), 2u);
    EXPECT_TRUE(*sourcesMadeFor_[1].FindEngine('c') == repository_.GetEngines('c')[1])
        << "the finders of the engines now chosen";
}

} // namespace
