// The rules that tie a sheet's pages together: which pages it has, when OK is enabled, what
// clearing does, and what OK stores.

#include "SearchFakes.h"
#include "search/DatabasesPageModel.h"
#include "search/EnquiryPageModel.h"
#include "search/GeneralPageModel.h"
#include "search/SearchSheetModel.h"
#include "search/SelectionPageModel.h"
#include "search/StatusPageModel.h"

#include <gtest/gtest.h>

namespace {

using EKind = CSearchSheetModel::EKind;

class SearchSheet : public SearchModelFixture {
protected:
    std::unique_ptr<CSearchSheetModel> Open(EKind kind, const CCriteria& criteria) {
        CSearch search(0, 7);
        search.SetCriteria(criteria);
        auto sheet = std::make_unique<CSearchSheetModel>(kind, search, exam_, options_);
        sheet->SetChangeListener([this] { ++changes_; });
        return sheet;
    }
    template <class Page>
    static Page& PageAt(CSearchSheetModel& sheet, int index) {
        return dynamic_cast<Page&>(sheet.GetPage(index));
    }
    static std::vector<std::string> Captions(const CSearchSheetModel& sheet) {
        std::vector<std::string> captions;
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            captions.push_back(sheet.GetPage(i).GetCaption());
        return captions;
    }
    // Every page's state and message, and the edited search's criteria text.
    static std::string Picture(const CSearchSheetModel& sheet) {
        std::string picture;
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            picture += std::to_string(sheet.GetPage(i).GetState()) + ":" +
                       sheet.GetPage(i).GetMessage() + "|";
        return picture + sheet.GetSearch().GetCriteria().WriteCriteriaText(true);
    }

    int changes_ = 0;
};

TEST_F(SearchSheet, EachSheetHasItsPagesWithDatabasesLast) {
    EXPECT_EQ(Captions(*Open(EKind::Full, NewCriteria())),
              (std::vector<std::string>{"General", "Devices", "Status", "Owners", "Agents", "Goods",
                                        "Databases"}));
    EXPECT_EQ(Captions(*Open(EKind::Enquiry, NewCriteria())),
              (std::vector<std::string>{"Application Number", "Databases"}));
    EXPECT_EQ(Captions(*Open(EKind::Identical, NewCriteria())),
              (std::vector<std::string>{"General", "Databases"}));
    exam_.selection.SetSelected("GL", "", true);
    exam_.selection.SetSelected("GL", "IN", true);
    EXPECT_EQ(Captions(*Open(EKind::Full, NewCriteria())).at(6), "IR-Desgntd");
    exam_.selection.SetSelected("UK", "", true);
    exam_.selection.SelectDb('o', true);
    EXPECT_EQ(Captions(*Open(EKind::Full, NewCriteria())),
              (std::vector<std::string>{"General", "Devices", "Status", "Owners", "Agents", "Goods",
                                        "Locarno", "IR-Desgntd", "Databases"}));
}

TEST_F(SearchSheet, AbsentPagesNeitherLoadNorStoreTheirCriteria) {
    CCriteria criteria = NewCriteria();
    criteria.SetLocarnoClasses({"0101"});
    criteria.AddCountry("FR", true);
    auto sheet = Open(EKind::Full, criteria);
    ASSERT_EQ(sheet->GetPageCount(), 7);
    EXPECT_FALSE(sheet->IsOkEnabled()) << "no page saw the Locarno classes";
    sheet->StoreCriteria();
    EXPECT_TRUE(sheet->GetSearch().GetCriteria().GetLocarnoClasses().empty());
    EXPECT_TRUE(sheet->GetSearch().GetCriteria().GetCountries().IsEmpty());
}

TEST_F(SearchSheet, OkNeedsEnteredCriteriaAndNoError) {
    auto sheet = Open(EKind::Full, NewCriteria());
    EXPECT_FALSE(sheet->IsOkEnabled()) << "databases and the default statuses alone";
    auto& general = PageAt<CGeneralPageModel>(*sheet, 0);
    general.SetGroupText(CGeneralPageModel::kGroupA, "ACME");
    EXPECT_TRUE(sheet->IsOkEnabled());
    EXPECT_EQ(sheet->GetTabColour(0), 0x008000u);
    general.SetClasses("99");
    EXPECT_FALSE(sheet->IsOkEnabled()) << "one page in error";
    EXPECT_EQ(sheet->GetTabColour(0), 0x0000FFu);
    general.SetClasses("");
    auto& databases = PageAt<CDatabasesPageModel>(*sheet, 6);
    databases.OnCheckClicked(0, false);
    EXPECT_EQ(databases.GetState(), kPagePartial);
    EXPECT_EQ(sheet->GetTabColour(6), 0xFF0000u);
    EXPECT_TRUE(sheet->IsOkEnabled()) << "a blue page neither helps nor hinders";
    databases.OnCheckClicked(1, false);
    EXPECT_FALSE(sheet->IsOkEnabled());
    EXPECT_GT(changes_, 0);

    auto identical = Open(EKind::Identical, NewCriteria());
    auto& classesOnly = PageAt<CGeneralPageModel>(*identical, 0);
    classesOnly.SetClasses("9");
    EXPECT_EQ(identical->GetTabColour(0), 0xFF0000u);
    EXPECT_FALSE(identical->IsOkEnabled()) << "a page in state 2 alone";
}

TEST_F(SearchSheet, TickingAustraliaShowsTheDeviceNoteAtOnce) {
    exam_.connected = "uct";
    auto sheet = Open(EKind::Full, NewCriteria("uc"));
    auto& devices = PageAt<CSelectionPageModel>(*sheet, 1);
    EXPECT_EQ(devices.GetMessage(), "");
    PageAt<CDatabasesPageModel>(*sheet, 6).OnCheckClicked(2, true);
    EXPECT_EQ(devices.GetMessage(),
              "Please note that device searching is unavailable on the Australian database.");
    EXPECT_EQ(devices.GetState(), kPageEmpty);
    EXPECT_EQ(devices.MakeBrowseRequest().databases, "uct");
}

TEST_F(SearchSheet, ClearAllGivesAFreshSheetOverResetCriteria) {
    options_.SetDefaultStatus("rp");
    CCriteria criteria = NewCriteria("u");
    criteria.SetClasses("9");
    criteria.SetWordTerms({"ACME"});
    criteria.SetOwnerNames({"Acme Ltd"});
    criteria.SetAppNumRange("100", "");
    for (const EKind kind : {EKind::Full, EKind::Enquiry, EKind::Identical}) {
        auto sheet = Open(kind, criteria);
        sheet->OnLeavingButtonPressed();
        sheet->ClearAll();
        EXPECT_TRUE(sheet->GetFocusCheck());
        CCriteria reset = NewCriteria(exam_.connected);
        reset.SetStatus("rp");
        EXPECT_EQ(Picture(*sheet), Picture(*Open(kind, reset)));
    }
}

TEST_F(SearchSheet, ClearPageTouchesOnlyThatPage) {
    CCriteria criteria = NewCriteria("u");
    criteria.SetWordTerms({"ACME"});
    criteria.SetStatus("r");
    auto sheet = Open(EKind::Full, criteria);
    sheet->OnLeavingButtonPressed();
    sheet->ClearPage(0);
    EXPECT_TRUE(sheet->GetFocusCheck());
    EXPECT_EQ(PageAt<CGeneralPageModel>(*sheet, 0).GetState(), kPageEmpty);
    EXPECT_EQ(PageAt<CStatusPageModel>(*sheet, 2).GetState(), kPageEntered);
    EXPECT_EQ(PageAt<CDatabasesPageModel>(*sheet, 6).GetSelectedCodes(), "u");
}

TEST_F(SearchSheet, LeavingTheSheetKeepsTheClassFieldAsTyped) {
    auto sheet = Open(EKind::Full, NewCriteria());
    auto& general = PageAt<CGeneralPageModel>(*sheet, 0);
    general.SetClasses("9 10 11");
    sheet->OnLeavingButtonPressed();
    general.OnClassesFocusLost();
    EXPECT_EQ(general.GetClasses(), "9 10 11");
    sheet->ClearPage(1);
    general.OnClassesFocusLost();
    EXPECT_EQ(general.GetClasses(), "9-11");
    general.SetClasses(".food, 9, .drink");
    general.OnClassesFocusLost();
    EXPECT_EQ(general.GetClasses(), ".food, 9, .drink") << "what cannot be read stays as typed";
}

TEST_F(SearchSheet, EmptyFullSearchIsConfirmedAndNoKeepsTheStoredCriteria) {
    auto sheet = Open(EKind::Full, NewCriteria());
    auto& status = PageAt<CStatusPageModel>(*sheet, 2);
    status.SetStatuses({true, false, false, false});
    int asked = 0;
    EXPECT_FALSE(sheet->OnOk([&asked] { return ++asked, false; }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(sheet->GetSearch().GetCriteria().WriteCriteriaText(true),
              "DBIDS=\"uc\" AND STATS=\"r\"");
    EXPECT_EQ(sheet->GetSearch().GetSearchId(), 7);
    EXPECT_TRUE(sheet->OnOk([&asked] { return ++asked, true; }));

    PageAt<CGeneralPageModel>(*sheet, 0).SetGroupText(CGeneralPageModel::kGroupA, "acm-");
    EXPECT_TRUE(sheet->OnOk([&asked] { return ++asked, false; }));
    EXPECT_EQ(asked, 2) << "criteria entered: no question";
}

TEST_F(SearchSheet, EnquiryAndIdenticalSheetsStoreFromTheirOwnOk) {
    auto enquiry = Open(EKind::Enquiry, NewCriteria());
    PageAt<CEnquiryPageModel>(*enquiry, 0).SetNumber("B1234");
    EXPECT_TRUE(enquiry->IsOkEnabled());
    EXPECT_TRUE(enquiry->OnOk([] { return false; })) << "never asked";
    EXPECT_EQ(enquiry->GetSearch().GetCriteria().WriteCriteriaText(true),
              "DBIDS=\"uc\" AND STATS=\"rpla\" AND APPNO=\"B1234-B1234\"");
    EXPECT_TRUE(enquiry->GetShowDetails()) << "the user's setting";

    auto identical = Open(EKind::Identical, NewCriteria("u"));
    auto& general = PageAt<CGeneralPageModel>(*identical, 0);
    general.SetClasses("9");
    general.SetGroupText(CGeneralPageModel::kGroupA, "ZENITH");
    EXPECT_TRUE(identical->OnOk([] { return false; }));
    EXPECT_EQ(identical->GetSearch().GetCriteria().WriteCriteriaText(true),
              "DBIDS=\"u\" AND CLASS=\"9\" AND WORDM=\"ZENITH\" AND STATS=\"rpla\"");
}

} // namespace
