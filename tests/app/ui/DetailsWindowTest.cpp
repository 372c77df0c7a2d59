// Details windows under the display over the local search service's records: the Device tab's
// thumbnails, keeping from the header and by key, a sound mark's clip, and the register's page
// and its comparison from a web server on loopback. And the announcements window, which its page
// closes.

#include "DocFixture.h"
#include "WxTestSupport.h"
#include "app/details/ImagePane.h"
#include "app/details/WebRegisterPages.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/details/ui/DetailsImageView.h"
#include "app/details/ui/DetailsTabbedView.h"
#include "app/details/ui/DetailsTextView.h"
#include "app/details/ui/WxSoundBackend.h"
#include "app/ui/HtmlDlg.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "core/ui/MyRichEditCtrl.h"
#include "core/ui/WxText.h"
#include "registers/DisplayInfo.h"
#include "tests/support/LoopbackPorts.h"
#include "tests/support/RegisterPageMaker.h"
#include "tests/support/ServiceRegisters.h"
#include "tests/support/WebServer.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/html/htmlcell.h>
#include <wx/stattext.h>
#include <wx/webview.h>

namespace {

// Every web server at the one on loopback.
CWebServers AllAt(const std::string& baseUrl) {
    CWebServers servers;
    for (std::size_t i = 0; i < CWebServers::kCount; ++i)
        servers.Set(static_cast<WebServer>(i), baseUrl);
    return servers;
}

class DetailsWindow : public DocFixture {
protected:
    static CServiceRegisters& Registers() {
        static CServiceRegisters registers("uc");
        return registers;
    }
    void SetUp() override {
        DocFixture::SetUp();
        ClearProxyEnvironment();
        folder.Write("ZrSystem.ini", "[Test]\nDetailTabs=3\nViewAllDetails=1\n");
        system_.Load(folder.Path().string());
    }
    void TearDown() override {
        for (wxWindow* window : wxTopLevelWindows)
            window->Destroy();
        wx_test::Pump();
    }

    // A details window on the marks added, at the index, from a results view (mode 1) or the
    // main view (mode 0).
    CDetailsFrame& Open(const CFilter& filter, int index, int mode) {
        return Open(services_, filter, index, mode);
    }
    CDetailsFrame& Open(const CDetailsWindowServices& services, const CFilter& filter, int index,
                        int mode) {
        auto* frame = new CDetailsFrame(nullptr, services);
        frame->GetController().SetMode(mode);
        EXPECT_TRUE(frame->GetController().ShowFilterMark(filter, index));
        frame->Show();
        wx_test::Pump();
        return *frame;
    }
    void AddMark(const CMark& mark) { doc.MergeMark(mark); }
    static void ClickAt(wxWindow& window, const CRect& rect) {
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.SetPosition({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        window.GetEventHandler()->ProcessEvent(click);
    }
    static void Command(wxWindow& window, int id) {
        wxCommandEvent command(wxEVT_MENU, id);
        window.GetEventHandler()->ProcessEvent(command);
    }
    static std::string Text(CMyRichEditCtrl& text) { return FromWx(text.ToText()); }

    CSystemOptions system_;
    CUserOptions user_;
    wxFrame* soundParent_ = new wxFrame(nullptr, wxID_ANY, "sound");
    CWxSoundBackend backend_{[this]() -> wxWindow* { return soundParent_; }};
    CSoundPlayer player_{backend_, folder.Path().string()};
    LoopbackWebServer server_;
    const CWebServers servers_ = AllAt(server_.BaseUrl());
    CWebRegisterPages pages_{servers_};
    CPageFetcher fetcher_{pages_, PostToUiThread};
    CRegisterPageComparer comparer_;
    CRegisterImages images_{Registers().Table()};
    // The services of a window whose pages come from the fetches given.
    CDetailsWindowServices WithPages(IPageRequests& pages) {
        // No status bar, help, main window or printing.
        return {doc,       Registers().Table(),
                system_,   user_,
                player_,   pages,
                comparer_, images_,
                {},        {},
                {},        {}};
    }
    CDetailsWindowServices services_ = WithPages(fetcher_);
};

TEST_F(DetailsWindow, AThumbnailClickShowsItsImage) {
    AddMark(Registers().MarkOf('u', "ACME ZENITH", 0, 0, CMark::kPermanentKeep));
    CDetailsFrame& frame = Open(MakeKeptFilter(false, false), 0, 0);
    const std::string number = Registers().Db('u').GetMarkAppNum(doc.GetMark(0));
    EXPECT_EQ(FromWx(frame.GetTitle()), "UK " + number);
    EXPECT_NE(Text(frame.GetTextView().GetText()).find("ACME ZENITH"), std::string::npos);

    CDetailsImageView& image = frame.GetTabbedView().GetImageView();
    const CImagePane& pane = image.GetPane();
    ASSERT_EQ(pane.GetImageCount(), 3);
    ASSERT_NE(pane.GetImage(), nullptr);
    ClickAt(image, pane.GetStripCells().at(2).outline);
    EXPECT_EQ(pane.GetSelected(), 2);
    ASSERT_NE(pane.GetImage(), nullptr);
    // The header was drawn, so the mark counts as viewed.
    EXPECT_TRUE(wx_test::PumpUntil([&] { return doc.GetMark(0).HasFlag(0x80); }));
}

TEST_F(DetailsWindow, KeepingByKeyAndFromTheHeaderBoxAndPrinting) {
    std::vector<std::pair<std::uint32_t, bool>> printed;
    services_.printMark = [&](wxWindow*, const CMark& mark, bool longForm) {
        printed.emplace_back(mark.GetRecordNumber(), longForm);
    };
    AddMark(Registers().MarkOf('u', "ACME", 0, 5));
    CDetailsFrame& frame = Open(MakeSearchIdFilter(5, false, true), 0, 1);
    Command(frame, CDetailsFrame::kCmdPrintLong);
    Command(frame, CDetailsFrame::kCmdPrintShort);
    const std::uint32_t id = doc.GetMark(0).GetRecordNumber();
    EXPECT_EQ(printed, (std::vector<std::pair<std::uint32_t, bool>>{{id, true}, {id, false}}));
    EXPECT_EQ(frame.GetTabbedView().GetImageView().GetPane().GetImageCount(), 0);
    Command(frame, CDetailsFrame::kCmdKeep);
    EXPECT_TRUE(doc.GetMark(0).HasFlag(CMark::kKept));

    CDetailsTextView& text = frame.GetTextView();
    const CRect box = CZrDb::GetAltBoxRect(text.GetHeaderBand(), text.GetDisplayInfo());
    ClickAt(text, box);
    EXPECT_FALSE(doc.GetMark(0).HasFlag(CMark::kKept));
    // From the main view the box makes the mark long instead.
    frame.GetController().SetMode(0);
    ClickAt(text, box);
    EXPECT_EQ(doc.GetMark(0).GetFlags() & (CMark::kKept | CMark::kLong), CMark::kLong);
}

TEST_F(DetailsWindow, ASoundMarksClipPlaysToItsEnd) {
    CZrDb& eu = Registers().Db('c');
    AddMark(Registers().FindMark('c', "APPNO=\"1-\"",
                                 [&](const CMark& mark) { return eu.HasSound(mark); }));
    CDetailsFrame& frame = Open(MakeKeptFilter(true, false), 0, 1);
    CDetailsTextView& text = frame.GetTextView();
    const CRect button =
        eu.GetSoundIconRect(doc.GetMark(0), text.GetHeaderBand(), text.GetDisplayInfo());
    ClickAt(text, button);
    ASSERT_TRUE(text.GetModel().IsPlaying());
    EXPECT_TRUE(wx_test::PumpUntil([&] { return !text.GetModel().IsPlaying(); }));
    EXPECT_FALSE(std::filesystem::exists(player_.GetFilePath()));
}

TEST_F(DetailsWindow, ThePtoPageAndItsQuickCompare) {
    const CMark acme = Registers().MarkOf('u', "ACME", 0, 0, CMark::kPermanentKeep);
    AddMark(acme);
    const RecordPtr record = Registers().Db('u').FetchTextRecord(acme);
    CRegisterPageMaker pages(server_);
    pages.Add('u', *record, PageChange::WordMark);

    CDetailsFrame& frame = Open(MakeKeptFilter(false, false), 0, 1);
    CDetailsTabbedView& tabs = frame.GetTabbedView();
    tabs.GetModel().SelectTab(CDetailsTabsModel::kPto);
    EXPECT_EQ(FromWx(tabs.GetInfoLine()->GetLabel()), "Requesting page...");
    ASSERT_TRUE(wx_test::PumpUntil([&] {
        return tabs.GetModel().GetPageState() == EPageState::Complete;
    })) << FromWx(tabs.GetInfoLine()->GetLabel())
        << " " << static_cast<int>(tabs.GetModel().GetPageState());
    EXPECT_TRUE(tabs.GetBrowser()->IsShown());
    EXPECT_NE(FromWx(tabs.GetBrowser()->GetPageText()).find("ACME PLUS"), std::string::npos);
    EXPECT_EQ(server_.Log(),
              (std::vector<std::string>{"GET " + CRegisterPageMaker::UkPath(*record)}));

    tabs.GetModel().SelectTab(CDetailsTabsModel::kQuickCompare);
    ASSERT_TRUE(tabs.GetComparePane()->IsShown());
    const std::string report = Text(*tabs.GetComparePane());
    EXPECT_NE(report.find("Should be:\nACME PLUS"), std::string::npos) << report;
    EXPECT_NE(report.find("The following fields were checked: "), std::string::npos);
}

// The text pane's words as laid out: their text and where they stand.
struct CPlacedWord {
    std::string text;
    int left;
    int right;
    int top;
};

void CollectWords(const wxHtmlCell* cell, std::vector<CPlacedWord>& words) {
    for (; cell; cell = cell->GetNext()) {
        if (const wxHtmlCell* child = cell->GetFirstChild()) {
            CollectWords(child, words);
            continue;
        }
        const std::string text = FromWx(cell->ConvertToText(nullptr));
        const wxPoint at = cell->GetAbsPos();
        if (!text.empty())
            words.push_back({text, at.x, at.x + cell->GetWidth(), at.y});
    }
}

// A record's history is a table of two columns, headed "Week Ending" and "Recent History": the
// columns stand further apart than a blank between two words, on the header and on each entry.
TEST_F(DetailsWindow, TheHistorysColumnsStandFurtherApartThanItsWords) {
    AddMark(Registers().MarkOf('u', "ACME ZENITH", 0, 0, CMark::kPermanentKeep));
    CDetailsFrame& frame = Open(MakeKeptFilter(false, false), 0, 0);
    std::vector<CPlacedWord> words;
    CollectWords(frame.GetTextView().GetText().GetInternalRepresentation(), words);
    int blank = 0;
    for (const CPlacedWord& word : words)
        if (word.text == " ")
            blank = std::max(blank, word.right - word.left);
    ASSERT_GT(blank, 0) << "the labels' blanks";

    // The second column starts where "Recent History" does; each line of the table is checked.
    const auto header = std::ranges::find(words, "Ending", &CPlacedWord::text);
    ASSERT_GE(std::distance(header, words.end()), 2);
    ASSERT_EQ((header + 1)->text, "Recent ");
    const int column = (header + 1)->left;
    const std::string history(
        Registers().Db('u').FetchTextRecord(doc.GetMark(0))->GetField("HISTORY"));
    std::vector<std::string> lines;
    for (auto word = header + 1; word != words.end(); ++word) {
        const CPlacedWord& before = *(word - 1);
        if (word->left != column || before.top != word->top)
            continue;
        lines.push_back(before.text + "|" + word->text);
        EXPECT_GT(word->left - before.right, blank) << lines.back();
    }
    // The header and one line an entry; entries are parted by backslashes.
    EXPECT_EQ(std::ssize(lines), 2 + std::ranges::count(history, '\\')) << history;
}

// A register's server that cannot be reached: the info line says which page could not be had
// from which server and what to try, broken into lines as wide as the pane.
TEST_F(DetailsWindow, AnUnreachableServerIsNamedWithWhatToTry) {
    AddMark(Registers().MarkOf('u', "ACME", 0, 0, CMark::kPermanentKeep));
    const std::string page = "The register's page for UK " +
                             Registers().Db('u').GetMarkAppNum(doc.GetMark(0)) +
                             " could not be fetched from ";
    const std::string retry = " with Reload Original Page on the PTO tab's menu.";
    const RefusedPort refused;
    const std::string refusedServer = "127.0.0.1:" + std::to_string(refused.Port());
    // The library's own words stand in brackets; those of a refusal name its timing.
    const struct {
        std::string server;
        std::string start;
        std::string end;
    } rows[] = {
        {"http://" + refusedServer, page + refusedServer + ", which did not accept a connection (",
         "). The site may be down, or a firewall or proxy may be in the way: try again later" +
             retry},
        {"http://nohost.invalid",
         page +
             "nohost.invalid (Could not resolve host: nohost.invalid). Check this computer's "
             "connection to the internet and its proxy settings, then try again" +
             retry,
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.server);
        CWebOptions options = CWebRegisterPages::DetailsOptions();
        options.connectRetries = 0;
        CWebRegisterPages pages(AllAt(row.server), options);
        CPageFetcher fetcher(pages, PostToUiThread);
        CDetailsFrame& frame = Open(WithPages(fetcher), MakeKeptFilter(false, false), 0, 1);
        CDetailsTabbedView& tabs = frame.GetTabbedView();
        tabs.GetModel().SelectTab(CDetailsTabsModel::kPto);
        ASSERT_TRUE(wx_test::PumpUntil(
            [&] { return tabs.GetModel().GetPageState() == EPageState::Error; }));
        const wxStaticText& info = *tabs.GetInfoLine();
        std::string shown = FromWx(info.GetLabel());
        std::ranges::replace(shown, '\n', ' ');
        EXPECT_TRUE(shown.starts_with(row.start) && shown.ends_with(row.end)) << shown;
        EXPECT_LE(info.GetBestSize().x, tabs.GetClientSize().x) << "clipped";
        delete &frame;
    }
}

TEST_F(DetailsWindow, TheAnnouncementsPageClosesItsWindow) {
    server_.Page("/news.html", "<html><body><a id=\"close\" href=\"APP:Close\">Close</a>"
                               "<a id=\"other\" href=\"app:foo\">Other</a></body></html>");
    for (const bool tick : {false, true}) {
        CHtmlDlg dialog(nullptr, server_.Url("/news.html"), true, {});
        wxWebView& browser = dialog.GetHtmlCtrl().GetBrowser();
        wxTheApp->CallAfter([&] {
            ASSERT_TRUE(
                wx_test::PumpUntil([&] { return browser.GetPageText().Contains("Other"); }));
            wx_test::Child<wxCheckBox>(dialog, CHtmlDlg::kDontShowAgainId).SetValue(tick);
            // Without help to show, Help does nothing.
            wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_HELP));
            // Another command neither closes the window nor leaves the page.
            browser.RunScript("document.getElementById('other').click()");
            wx_test::PumpUntil([] { return false; }, std::chrono::milliseconds(300));
            EXPECT_TRUE(dialog.IsModal());
            EXPECT_EQ(FromWx(browser.GetCurrentURL()), server_.Url("/news.html"));
            browser.RunScript("document.getElementById('close').click()");
        });
        EXPECT_EQ(dialog.ShowModal(), wxID_OK);
        EXPECT_EQ(dialog.GetShowAgain(), !tick);
    }
}

} // namespace
