// The registers' own pages fetched through their web sites, on worker threads, from a real web
// server on loopback, and compared as the Quick Compare tab compares them.

#include "app/details/PageFetch.h"
#include "app/details/QuickCompare.h"
#include "app/details/WebRegisterPages.h"
#include "core/Utf8.h"
#include "registers/ZrDbs.h"
#include "tests/core/RecordBytes.h"
#include "tests/support/LocalService.h"
#include "tests/support/LoopbackPorts.h"
#include "tests/support/RegisterPageMaker.h"
#include "tests/support/ServiceRegisters.h"
#include "tests/support/WebServer.h"
#include "web/DiffRun.h"
#include "web/HttpStatus.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <gtest/gtest.h>
#include <mutex>

using namespace std::chrono_literals;

namespace {

// A site that answers only once its fetch is cancelled (or after ten seconds).
class CHangingPages : public IRegisterPages {
public:
    CPageResult FetchPage(const CPageOrder&, const std::function<bool()>& isCancelled) override {
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (!isCancelled() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(5ms);
        if (isCancelled())
            ++cancelled;
        return {"http://hanging.example/", "", "", ""};
    }
    std::atomic<int> cancelled = 0;
};

// Tasks posted from the workers, run when the test says.
class CTaskQueue {
public:
    void Post(std::function<void()> task) {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        posted_.notify_all();
    }
    bool IsEmpty() {
        const std::lock_guard lock(mutex_);
        return tasks_.empty();
    }
    // Runs the next task once there is one; false when none came in time.
    bool RunNext() {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_for(lock, 10s, [this] { return !tasks_.empty(); }))
            return false;
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

class RegisterPages : public ::testing::Test {
protected:
    void SetUp() override {
        ClearProxyEnvironment();
        for (std::size_t i = 0; i < CWebServers::kCount; ++i)
            servers_.Set(static_cast<WebServer>(i), server_.BaseUrl());
        // The domain registry's start page names its query form and starts a session.
        server_.Page("/", "<form action=\"/query.cgi\"><input name=\"query\"></form>",
                     {"Set-Cookie: session=abc; Path=/"});
    }
    CWebOptions Options() const {
        CWebOptions options = CWebRegisterPages::DetailsOptions();
        options.connectRetries = 0;
        options.totalTimeout = 5s;
        return options;
    }
    static CPageOrder DomainOrder(const std::string& domain) {
        CPageOrder order;
        order.code = 'k';
        order.wordMark = domain;
        return order;
    }

    LoopbackWebServer server_;
    CWebServers servers_;
};

TEST_F(RegisterPages, ThePageIsFetchedOnceWithTheSessionsCookies) {
    server_.Page("/query.cgi", "<p>acme.co.uk \xC2\xA3 \xE2\x82\xAC</p>", {},
                 "text/html; charset=UTF-8");
    CWebRegisterPages pages(servers_, Options());
    const CPageResult page = pages.FetchPage(DomainOrder("acme.co.uk"), {});
    ASSERT_EQ(page.error, "") << ::testing::PrintToString(server_.Log());
    EXPECT_EQ(page.url, server_.Url("/query.cgi?query=acme.co.uk"));
    // The browser gets UTF-8, the page parsers Windows-1252.
    EXPECT_EQ(page.html, "<p>acme.co.uk \xC2\xA3 \xE2\x82\xAC</p>");
    EXPECT_EQ(page.text, "<p>acme.co.uk \xA3 \x80</p>");
    EXPECT_EQ(server_.Log(),
              (std::vector<std::string>{"GET /", "GET /query.cgi?query=acme.co.uk"}));
    EXPECT_EQ(server_.Requests().back().Header("Cookie"), "session=abc");

    // A page in the Western code page reaches the browser as UTF-8.
    server_.Page("/query.cgi", "<p>caf\xE9</p>", {}, "text/html; charset=windows-1252");
    EXPECT_EQ(pages.FetchPage(DomainOrder("cafe.co.uk"), {}).html, "<p>caf\xC3\xA9</p>");
}

// The page's address is the one the redirect names, as the browser will report it.
TEST_F(RegisterPages, ARedirectIsFollowedToTheAddressAsWritten) {
    server_.Redirect("/query.cgi", 302, server_.Url("/whois?domain=acme.co.uk"));
    server_.Page("/whois", "<p>acme.co.uk</p>");
    const CPageResult page =
        CWebRegisterPages(servers_, Options()).FetchPage(DomainOrder("acme.co.uk"), {});
    EXPECT_EQ(page.error, "");
    EXPECT_EQ(page.url, server_.Url("/whois?domain=acme.co.uk"));
}

TEST_F(RegisterPages, FailuresComeBackAsTheirText) {
    server_.Status("/query.cgi", 500);
    CWebRegisterPages pages(servers_, Options());
    EXPECT_EQ(pages.FetchPage(DomainOrder("gone.co.uk"), {}).error, HttpStatusText(500));
    CPageOrder web;
    web.code = 'x';
    EXPECT_EQ(pages.FetchPage(web, {}).error, "No PTO support for database");
    EXPECT_EQ(server_.Log().size(), 2u);
}

TEST_F(RegisterPages, FetchesRunOnWorkersAndComeBackThroughTheQueue) {
    server_.Slow("/query.cgi", 300ms, "<p>slow</p>");
    CWebRegisterPages pages(servers_, Options());
    CTaskQueue queue;
    std::vector<std::string> delivered;
    std::vector<CPageRequest> requests;
    {
        CPageFetcher fetcher(pages,
                             [&queue](std::function<void()> task) { queue.Post(std::move(task)); });
        for (const char* domain : {"one.co.uk", "two.co.uk"})
            requests.push_back(fetcher.Start(DomainOrder(domain), [&delivered](CPageResult result) {
                delivered.push_back(result.url);
            }));
        // Nothing reaches the caller but through the queue.
        EXPECT_TRUE(delivered.empty());
        ASSERT_TRUE(queue.RunNext() && queue.RunNext());
    }
    std::sort(delivered.begin(), delivered.end());
    EXPECT_EQ(delivered, (std::vector<std::string>{server_.Url("/query.cgi?query=one.co.uk"),
                                                   server_.Url("/query.cgi?query=two.co.uk")}));
}

TEST_F(RegisterPages, ACancelledFetchEndsItsTransfer) {
    // A page that would take a minute to come.
    server_.Trickle("/query.cgi", 1200, 50ms);
    CWebRegisterPages pages(servers_, Options());
    const CPageResult page =
        pages.FetchPage(DomainOrder("slow.co.uk"), [this] { return server_.Log().size() == 2; });
    EXPECT_EQ(page.error, kCancelledText);
}

TEST_F(RegisterPages, DroppingTheRequestEndsTheFetchAndItsResult) {
    CHangingPages pages;
    CTaskQueue queue;
    int delivered = 0;
    {
        CPageFetcher fetcher(pages,
                             [&queue](std::function<void()> task) { queue.Post(std::move(task)); });
        const auto deliver = [&delivered](const CPageResult&) { ++delivered; };
        { const CPageRequest dropped = fetcher.Start(DomainOrder("dropped.co.uk"), deliver); }
        CPageRequest ended = fetcher.Start(DomainOrder("ended.co.uk"), deliver);
        ended.Cancel();
        // Whatever is still running when the fetcher goes is ended too.
        CPageRequest kept = fetcher.Start(DomainOrder("kept.co.uk"), deliver);
    }
    EXPECT_EQ(pages.cancelled, 3);
    EXPECT_TRUE(queue.IsEmpty());
    EXPECT_EQ(delivered, 0);
}

// The registers' pages made from the service's records, each with a field changed,
// fetched as the PTO tab fetches them and compared as the Quick Compare tab compares them.
// The difference check finds the same differences; each flags the mark.
TEST_F(RegisterPages, EachRegistersPageIsFetchedAndCompared) {
    CServiceRegisters registers("acdeiksu");
    CRegisterPageMaker maker(server_);
    CWebRegisterPages pages(servers_, Options());
    CRegisterPageComparer comparer;
    CDiffChecker checker(servers_, Options());
    const ZrTestControl_var control = local_service::ResetControl();
    std::vector<CMark> marks;
    for (const char code : std::string("acdeiksu"))
        marks.push_back(
            registers.FindMark(code, "APPNO=\"1-\"", [](const CMark&) { return true; }));
    // A UK designation of an international registration is compared as one.
    marks.push_back(registers.FindMark('u', "APPNO=\"1-\"", [&](const CMark& mark) {
        return registers.Db('u').FetchTextRecord(mark)->GetField("APPNUM").starts_with('M');
    }));
    for (const CMark& mark : marks) {
        const char code = static_cast<char>(mark.GetRegisterCode());
        const RecordPtr record = registers.Db(code).FetchTextRecord(mark);
        SCOPED_TRACE(std::string(1, code) + " " + std::string(record->GetField("APPNUM")));
        // Ireland's page has no application date.
        maker.Add(code, *record, code == 'e' ? PageChange::WordMark : PageChange::AppDate);
        CPageOrder order;
        std::string error;
        ASSERT_TRUE(MakePageOrder(registers.Table(), mark, order, error)) << error;
        const CPageResult page = pages.FetchPage(order, {});
        ASSERT_EQ(page.error, "") << ::testing::PrintToString(server_.Log());
        control->ClearCallLog();
        const std::string report = RunQuickCompare(registers.Table(), comparer, mark, page.text);
        EXPECT_NE(report.find("Should be:"), std::string::npos) << report;
        EXPECT_NE(report.find("The following fields were checked: "), std::string::npos);

        CDiffLines compared;
        const CDiffRegister& entry = *FindDiffRegister(code);
        compared.SetCurrentMark(std::string(entry.label),
                                std::string(record->GetField(entry.numberField)));
        std::vector<std::string> fields;
        comparer.Compare(code, page.text, *record, compared, fields);
        CDiffRun run(registers.Table(), {mark});
        EXPECT_EQ(run.RunHere(checker), "1 out of 1 marks checked of which 1 had differences");
        EXPECT_EQ(compared.TakeLines(), run.GetLines());
        const std::string flag = "remote." + std::string(1, code) + ".FlagSuspectSGEs(" +
                                 std::to_string(mark.GetRecordNumber()) + ")";
        EXPECT_EQ(local_service::LoggedCalls(control, "FlagSuspectSGEs"),
                  (std::vector<std::string>{flag, flag}));
    }
}

// "MA", sharp s and a closing double quote: in Windows-1252 the bytes DF 94, which read as
// UTF-8 once more would be another character.
const std::string kWordMark = "MA\xDF\x94";

struct Encoding {
    const char* name;
    std::string contentType;
    std::string metaTag;
    bool utf8Body;
};

const Encoding kEncodings[] = {
    {"header and meta tag UTF-8", "text/html; charset=utf-8", "<meta charset=utf-8>", true},
    {"meta tag UTF-8", "text/html", "<meta charset=UTF-8>", true},
    {"header UTF-8", "text/html; charset=UTF-8", "", true},
    {"header Windows-1252, meta tag UTF-8", "text/html; charset=windows-1252",
     "<meta http-equiv=Content-Type content='text/html; charset=utf-8'>", false},
    {"header UTF-8, meta tag Windows-1252", "text/html; charset=utf-8",
     "<meta charset=windows-1252>", true},
    {"none", "text/html", "", false},
};

// A register's page for the record, its charset declared as the encoding says.
std::string PageBytes(char code, const CZrData& record, const Encoding& encoding,
                      const std::string& extraHtml) {
    std::string page = CRegisterPageMaker::Render(code, record, PageChange::None);
    page.insert(page.find("<html>") + 6, "<head>" + encoding.metaTag + "</head>");
    page.insert(page.rfind("</html>"), extraHtml);
    return encoding.utf8Body ? Utf16ToUtf8(RecordTextToUtf16(page, false)) : page;
}

// A UK page and a US page, the latter with an owner who corresponds for himself (no address for
// service where no attorney is named), served with their charset named in the header, in a meta
// tag, in both (agreeing or not) or nowhere: the Quick Compare reads each as its fetch decoded it,
// as the difference check does.
TEST_F(RegisterPages, TheQuickCompareReadsEveryPageAsItsFetchDecodedIt) {
    const CZrData uk = record_bytes::TextRecord({{"WORDMARK", kWordMark}, {"APPNUM", "2345678"}});
    const CZrData us = record_bytes::TextRecord({{"WORDMARK", kWordMark}, {"SERNUM", "78123456"}});
    const std::string ownerCorresponds =
        "<b>Correspondent (Owner)</b><br>ACME INC<br>1 MAIN ST<br>SPRINGFIELD<hr>";
    CZrDbs table;
    table.GetTextCache().SetLimits(1, 20, 1024);
    const CMark ukMark(11, 'u', 0, 0);
    const CMark usMark(12, 's', 0, 0);
    table.GetTextCache().Add(ukMark, uk);
    table.GetTextCache().Add(usMark, us);
    CWebRegisterPages pages(servers_, Options());
    CRegisterPageComparer comparer;
    for (const Encoding& encoding : kEncodings) {
        SCOPED_TRACE(encoding.name);
        server_.Page(CRegisterPageMaker::UkPath(uk), PageBytes('u', uk, encoding, ""), {},
                     encoding.contentType);
        server_.Page("/servlet/tarr", PageBytes('s', us, encoding, ownerCorresponds), {},
                     encoding.contentType);
        for (const CMark& mark : {ukMark, usMark}) {
            SCOPED_TRACE(static_cast<char>(mark.GetRegisterCode()));
            CPageOrder order;
            std::string error;
            ASSERT_TRUE(MakePageOrder(table, mark, order, error)) << error;
            const CPageResult page = pages.FetchPage(order, {});
            ASSERT_EQ(page.error, "");
            const std::string report = RunQuickCompare(table, comparer, mark, page.text);
            EXPECT_NE(report.find("No differences found"), std::string::npos) << report;
        }
    }
}

} // namespace
