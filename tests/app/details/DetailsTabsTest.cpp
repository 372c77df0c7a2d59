// The tabbed pane of a details window over the local service's registers: which pane shows, the
// page requests it makes and what becomes of their results, and the quick compare.

#include "app/details/DetailsTabs.h"

#include "registers/AppNumFormats.h"
#include "tests/support/LocalService.h"
#include "tests/support/ServiceRegisters.h"

#include <gtest/gtest.h>

namespace {

class CFakeTabsWindow : public IDetailsTabsWindow {
public:
    void ShowPanes(const CPaneVisibility& shown) override { visibility = shown; }
    void RedrawStrip() override {}
    void SetInfoText(const std::string& text, bool error) override {
        calls.push_back("info " + text + (error ? " (red)" : ""));
    }
    void ShowImageOf(const CMark& mark) override {
        calls.push_back("image " + std::to_string(mark.GetRecordNumber()));
    }
    void StopNavigation() override { calls.push_back("stop"); }
    void ShowBlankPage() override { calls.push_back("blank"); }
    void ShowPage(const std::string& html, const std::string& url) override {
        calls.push_back("page " + html + " at " + url);
        browserUrl = url;
    }
    std::string GetBrowserUrl() const override { return browserUrl; }
    void RefreshWebPane() override { calls.push_back("refresh"); }
    void SetCompareHtml(const std::string& html) override { compare = html; }

    std::vector<std::string> calls;
    CPaneVisibility visibility;
    std::string browserUrl = "about:blank";
    std::string compare;
};

class CFakeRequests : public IPageRequests {
public:
    struct CPending {
        CPageOrder order;
        std::function<void(CPageResult)> deliver;
        std::shared_ptr<std::atomic<bool>> cancelled;
    };
    CPageRequest Start(CPageOrder order, std::function<void(CPageResult)> deliver) override {
        auto cancelled = std::make_shared<std::atomic<bool>>(false);
        pending.push_back({std::move(order), std::move(deliver), cancelled});
        return CPageRequest(cancelled);
    }
    std::vector<bool> Cancelled() const {
        std::vector<bool> cancelled;
        for (const CPending& request : pending)
            cancelled.push_back(*request.cancelled);
        return cancelled;
    }
    // Hands request i its page, named after it.
    void Deliver(std::size_t i, const std::string& url) {
        pending.at(i).deliver({url, "<p>" + url, "text of " + url, ""});
    }
    std::vector<CPending> pending;
};

// Reports one difference for a page whose text says "differs".
class CFakeComparer : public IPageComparer {
public:
    bool Compare(int code, std::string_view page, const CZrData& record, CDiffReporter& reporter,
                 std::vector<std::string>& checkedFields) override {
        compared.push_back(std::string(1, static_cast<char>(code)) + ":" + std::string(page));
        if (code == 'o')
            return true;
        if (code != 'u')
            return false;
        if (page.find("differs") != std::string_view::npos)
            reporter.ReportDifference("Mark", std::string(record.GetField("WORDMARK")), "ACME2");
        checkedFields = {"Mark", "Status"};
        return true;
    }
    std::vector<std::string> compared;
};

constexpr CPaneVisibility kInfo{false, false, true, false};
constexpr CPaneVisibility kImage{true, false, false, false};
constexpr CPaneVisibility kWeb{false, true, false, false};
constexpr CPaneVisibility kCompare{false, false, false, true};

class DetailsTabs : public ::testing::Test {
protected:
    static CServiceRegisters& Registers() {
        static CServiceRegisters registers("uoks");
        return registers;
    }
    std::unique_ptr<CDetailsTabsModel> Make(int tabs) {
        return std::make_unique<CDetailsTabsModel>(tabs, Registers().Table(), window_, requests_,
                                                   comparer_);
    }
    // The pane on the PTO tab with the mark's page complete.
    void OpenPage(const CMark& mark, const std::string& url) {
        tabs_->ShowMark(mark);
        tabs_->SelectTab(CDetailsTabsModel::kPto);
        requests_.Deliver(requests_.pending.size() - 1, url);
        tabs_->OnPageComplete(url);
    }

    CFakeTabsWindow window_;
    CFakeRequests requests_;
    CFakeComparer comparer_;
    std::unique_ptr<CDetailsTabsModel> tabs_ = Make(3);
    const CMark acme_ = Registers().MarkOf('u', "ACME");
    const CMark zenith_ = Registers().MarkOf('u', "ZENITH");
};

TEST_F(DetailsTabs, TheSettingDecidesTheTabs) {
    EXPECT_EQ(CDetailsTabsModel::TabCountOf(-1), 0);
    EXPECT_EQ(CDetailsTabsModel::TabCountOf(2), 2);
    EXPECT_EQ(CDetailsTabsModel::TabCountOf(4), 3);
    EXPECT_EQ(CDetailsTabsModel::GetTabName(2), "Quick Compare");
    EXPECT_EQ(CDetailsTabsModel::GetTabName(3), "???");
    // With the image alone there is no page and no request.
    for (const int count : {0, 1}) {
        tabs_ = Make(count);
        window_.calls.clear();
        tabs_->ShowMark(acme_);
        tabs_->SelectTab(CDetailsTabsModel::kPto);
        EXPECT_EQ(window_.calls,
                  (std::vector<std::string>{"image " + std::to_string(acme_.GetRecordNumber())}));
        EXPECT_EQ(tabs_->GetCurrentTab(), CDetailsTabsModel::kDevice);
    }
    EXPECT_TRUE(requests_.pending.empty());
}

TEST_F(DetailsTabs, ThePageIsRequestedOnceAndShownWhenComplete) {
    tabs_->ShowMark(acme_);
    EXPECT_EQ(window_.visibility, kImage);
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    EXPECT_EQ(tabs_->GetContextMenuId(), CDetailsTabsModel::kDetailTabsMenu);
    tabs_->SelectTab(CDetailsTabsModel::kQuickCompare);
    EXPECT_EQ(tabs_->GetPageState(), EPageState::Requesting);
    EXPECT_EQ(window_.visibility, kInfo);
    EXPECT_EQ(window_.calls.back(), "info Requesting page...");
    ASSERT_EQ(requests_.pending.size(), 1u);
    const CPageOrder& order = requests_.pending[0].order;
    EXPECT_EQ(order.code, 'u');
    EXPECT_EQ(order.key, static_cast<std::uint32_t>(acme_.GetAppNumber()));
    EXPECT_EQ(order.record.GetField("WORDMARK"), "ACME");

    requests_.Deliver(0, "http://uk.example/acme");
    EXPECT_EQ(tabs_->GetPageState(), EPageState::Navigating);
    EXPECT_EQ(window_.calls.back(), "page <p>http://uk.example/acme at http://uk.example/acme");
    tabs_->OnPageComplete("about:blank");
    EXPECT_EQ(window_.visibility, kInfo);
    // The comparison runs when the page completes while its tab is current.
    tabs_->OnPageComplete("http://uk.example/acme");
    EXPECT_EQ(window_.visibility, kCompare);
    EXPECT_TRUE(tabs_->CanCopyCompare());
    EXPECT_EQ(comparer_.compared, (std::vector<std::string>{"u:text of http://uk.example/acme"}));
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    EXPECT_EQ(window_.visibility, kWeb);
    EXPECT_EQ(tabs_->GetContextMenuId(), CDetailsTabsModel::kDetailTabsMenu);
    tabs_->OnDocumentUpdate();
    EXPECT_EQ(window_.calls.back(), "refresh");

    // The same mark again keeps the page and the comparison.
    tabs_->ShowMark(acme_);
    tabs_->SelectTab(CDetailsTabsModel::kQuickCompare);
    EXPECT_EQ(requests_.pending.size(), 1u);
    EXPECT_EQ(comparer_.compared.size(), 1u);
    EXPECT_EQ(tabs_->GetContextMenuId(), 0);
}

TEST_F(DetailsTabs, OnlyTheNewestRequestCounts) {
    tabs_->ShowMark(acme_);
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    tabs_->ShowMark(zenith_);
    EXPECT_EQ(window_.visibility, kImage);
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    ASSERT_EQ(requests_.pending.size(), 2u);
    EXPECT_EQ(requests_.Cancelled(), (std::vector<bool>{true, false}));
    // The first mark's page, already on its way, is dropped.
    window_.calls.clear();
    requests_.Deliver(0, "http://uk.example/acme");
    EXPECT_TRUE(window_.calls.empty());
    requests_.Deliver(1, "http://uk.example/zenith");
    EXPECT_EQ(window_.browserUrl, "http://uk.example/zenith");

    // Reload asks again; the page then on its way no longer counts.
    tabs_->OnPageComplete("http://uk.example/zenith");
    tabs_->Reload();
    tabs_->Reload();
    ASSERT_EQ(requests_.pending.size(), 4u);
    EXPECT_EQ(requests_.Cancelled(), (std::vector<bool>{true, true, true, false}));
    requests_.Deliver(2, "http://uk.example/old");
    EXPECT_EQ(window_.browserUrl, "http://uk.example/zenith");

    // The pane's going ends its fetch; a page that comes after reaches nothing.
    tabs_.reset();
    EXPECT_TRUE(*requests_.pending[3].cancelled);
    requests_.Deliver(3, "http://uk.example/late");
    EXPECT_EQ(window_.browserUrl, "http://uk.example/zenith");
}

TEST_F(DetailsTabs, FollowingALinkAwayMakesThePtoTabRequestAgain) {
    OpenPage(acme_, "http://uk.example/acme");
    tabs_->SelectTab(CDetailsTabsModel::kDevice);
    window_.browserUrl = "http://uk.example/elsewhere";
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    EXPECT_EQ(tabs_->GetPageState(), EPageState::Requesting);
    EXPECT_EQ(requests_.pending.size(), 2u);
    // The address compares without regard to case.
    requests_.Deliver(1, "http://UK.example/acme");
    tabs_->OnPageComplete("http://UK.example/acme");
    tabs_->SelectTab(CDetailsTabsModel::kDevice);
    window_.browserUrl = "http://uk.example/acme";
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    EXPECT_EQ(window_.visibility, kWeb);
    EXPECT_EQ(requests_.pending.size(), 2u);
}

TEST_F(DetailsTabs, FailuresShowInRedAndAreTriedAgain) {
    tabs_->ShowMark(CMark(1, 'x', 0, 0));
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    EXPECT_EQ(tabs_->GetPageState(), EPageState::Error);
    EXPECT_EQ(window_.calls.back(), "info No PTO support for database (red)");
    // A register without engine cannot give the record.
    tabs_->ShowMark(CMark(5, 'd', 0, 0));
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    EXPECT_EQ(window_.calls.back(), "info DE connection error (red)");
    EXPECT_TRUE(requests_.pending.empty());

    tabs_->ShowMark(acme_);
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    requests_.pending[0].deliver({"", "", "", "Cannot connect to uk.example"});
    EXPECT_EQ(window_.calls.back(), "info Cannot connect to uk.example (red)");
    tabs_->SelectTab(CDetailsTabsModel::kQuickCompare);
    EXPECT_EQ(requests_.pending.size(), 2u);
    EXPECT_EQ(window_.calls.back(), "info Requesting page...");
}

TEST_F(DetailsTabs, PagesOfUsAndDomainMarksAreFoundBySerialNumberAndName) {
    CMark us = Registers().MarkOf('s', "ACME");
    const RecordPtr record = Registers().Db('s').FetchTextRecord(us);
    us.SetAppNumber(0);
    tabs_->ShowMark(us);
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    const CMark domain =
        Registers().FindMark('k', "APPNO=\"1-\"", [](const CMark&) { return true; });
    tabs_->ShowMark(domain);
    tabs_->SelectTab(CDetailsTabsModel::kPto);
    ASSERT_EQ(requests_.pending.size(), 2u);
    EXPECT_EQ(requests_.pending[0].order.key, ParseUsAppNum(record->GetField("SERNUM")));
    EXPECT_NE(record->GetField("SERNUM"), record->GetField("APPNUM"));
    EXPECT_EQ(requests_.pending[1].order.wordMark,
              Registers().Db('k').FetchTextRecord(domain)->GetField("WORDMARK"));
}

TEST_F(DetailsTabs, QuickCompareReportsAndFlagsADifferentRecord) {
    const ZrTestControl_var control = local_service::ResetControl();
    OpenPage(acme_, "http://uk.example/differs");
    tabs_->SelectTab(CDetailsTabsModel::kQuickCompare);
    for (const char* part :
         {"<b>Mark</b>", ">Have:</td><td width=\"12\"></td><td valign=\"top\">ACME</td>",
          ">Should be:</td><td width=\"12\"></td><td valign=\"top\">ACME2</td>",
          "<p>\nThe following fields were checked: Mark, Status.<br>"})
        EXPECT_NE(window_.compare.find(part), std::string::npos) << part;
    EXPECT_EQ(local_service::LoggedCalls(control, "FlagSuspectSGEs").size(), 1u);

    // Without differences, and for a register without page parser.
    OpenPage(zenith_, "http://uk.example/zenith");
    tabs_->SelectTab(CDetailsTabsModel::kQuickCompare);
    EXPECT_NE(window_.compare.find("<b>No differences found</b>"), std::string::npos);
    const CMark design =
        Registers().FindMark('o', "APPNO=\"1-\"", [](const CMark&) { return true; });
    OpenPage(design, "http://designs.example/1");
    tabs_->SelectTab(CDetailsTabsModel::kQuickCompare);
    EXPECT_NE(window_.compare.find("<b>No differences found</b><br>\n<p>\n"
                                   "The following fields were checked: .<br>"),
              std::string::npos);
    EXPECT_EQ(local_service::LoggedCalls(control, "FlagSuspectSGEs").size(), 1u);
}

} // namespace
