// The registers' own pages fetched through their web sites, on worker threads, from a real web
// server on loopback.

#include "app/details/PageFetch.h"
#include "app/details/WebRegisterPages.h"
#include "tests/support/LoopbackPorts.h"
#include "tests/support/WebServer.h"
#include "web/HttpStatus.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <gtest/gtest.h>
#include <mutex>

using namespace std::chrono_literals;

namespace {

// Tasks posted from the workers, run when the test says.
class CTaskQueue {
public:
    void Post(std::function<void()> task) {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        posted_.notify_all();
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
    const CPageResult page = pages.FetchPage(DomainOrder("acme.co.uk"));
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
    EXPECT_EQ(pages.FetchPage(DomainOrder("cafe.co.uk")).html, "<p>caf\xC3\xA9</p>");
}

TEST_F(RegisterPages, FailuresComeBackAsTheirText) {
    server_.Status("/query.cgi", 500);
    CWebRegisterPages pages(servers_, Options());
    EXPECT_EQ(pages.FetchPage(DomainOrder("gone.co.uk")).error, HttpStatusText(500));
    CPageOrder web;
    web.code = 'x';
    EXPECT_EQ(pages.FetchPage(web).error, "No PTO support for database");
    EXPECT_EQ(server_.Log().size(), 2u);
}

TEST_F(RegisterPages, FetchesRunOnWorkersAndComeBackThroughTheQueue) {
    server_.Slow("/query.cgi", 300ms, "<p>slow</p>");
    CWebRegisterPages pages(servers_, Options());
    CTaskQueue queue;
    std::vector<std::string> delivered;
    {
        CPageFetcher fetcher(pages,
                             [&queue](std::function<void()> task) { queue.Post(std::move(task)); });
        for (const char* domain : {"one.co.uk", "two.co.uk"})
            fetcher.Start(DomainOrder(domain),
                          [&delivered](CPageResult result) { delivered.push_back(result.url); });
        // Nothing reaches the caller but through the queue.
        EXPECT_TRUE(delivered.empty());
    }
    // The fetcher waited for both on its way out.
    ASSERT_TRUE(queue.RunNext() && queue.RunNext());
    std::sort(delivered.begin(), delivered.end());
    EXPECT_EQ(delivered, (std::vector<std::string>{server_.Url("/query.cgi?query=one.co.uk"),
                                                   server_.Url("/query.cgi?query=two.co.uk")}));
}

} // namespace
