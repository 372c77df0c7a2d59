// Page fetches against a real web server on loopback: requests as sent, redirects, failures of
// every kind, cookies, proxies and https.

#include "WebFixture.h"
#include "web/HttpStatus.h"
#include "web/NoAnswer.h"

#include <future>
#include <gmock/gmock.h>

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

namespace {

class PageFetch : public WebFixture {
protected:
    // The page's error, or its texts joined by "|".
    std::string Get(const std::string& path, CWebOptions options = QuickOptions()) {
        CWebClient client(options);
        TextPage page;
        FetchInto(client, page, server_.Url(path));
        return page.GetError().empty() ? Joined(page.texts) : "error: " + page.GetError();
    }
    static std::string Joined(const Lines& texts) {
        std::string joined;
        for (const std::string& text : texts)
            joined += (joined.empty() ? "" : "|") + text;
        return joined;
    }
};

// Answers each exchange with the next of its replies and records the addresses asked for, so
// that addresses and failures no loopback server gives are met too.
class CScriptedTransport : public IHttpTransport {
public:
    CScriptedTransport(std::vector<HttpReply> replies, Lines& asked)
        : replies_(std::move(replies)), asked_(asked) {}
    HttpReply Exchange(const HttpExchange& exchange) override {
        asked_.push_back(exchange.url);
        return replies_.at(asked_.size() - 1);
    }

private:
    std::vector<HttpReply> replies_;
    Lines& asked_;
};

HttpReply Answer(int status, const std::string& headerLines, std::string body) {
    HttpReply reply;
    reply.status = status;
    reply.headers = "HTTP/1.1 " + std::to_string(status) + " X\r\n" + headerLines + "\r\n";
    reply.body = std::move(body);
    return reply;
}

HttpReply Refused() {
    HttpReply reply;
    reply.error = "Failed to connect to start.example port 80: Connection refused";
    reply.connectFailed = true;
    return reply;
}

} // namespace

TEST_F(PageFetch, FormFieldsGoOnTheGetObjectOrInThePostBody) {
    server_.Page("/a.htm", "<p>a</p>");
    CWebClient client(QuickOptions());
    TextPage page;
    FetchInto(client, page, server_.Url("/a.htm?x=1"), {{"f", "v w"}, {"g", "&"}});
    FetchInto(client, page, server_.Url("/a.htm"), {{"f", "v"}});
    FetchInto(client, page, server_.Url("/a.htm"));
    FetchInto(client, page, server_.Url("/a.htm?q=1"), {{"f", "v w"}, {"g", ""}}, true);
    EXPECT_EQ(page.texts, Lines{"a"});
    EXPECT_EQ(server_.Log(), (Lines{"GET /a.htm?x=1&f=v+w&g=%26", "GET /a.htm?f=v", "GET /a.htm",
                                    "POST /a.htm?q=1"}));
    const LoggedRequest post = server_.Requests().back();
    EXPECT_EQ(post.body, "f=v+w&g=");
    EXPECT_EQ(post.Header("Content-Type"), "application/x-www-form-urlencoded");
}

TEST_F(PageFetch, RedirectsByKind) {
    struct Row {
        int status;
        Lines log;
        std::string secondBody;
    };
    for (const Row& row :
         {Row{301, {"POST /r.htm", "GET /t.htm"}, ""}, Row{302, {"POST /r.htm", "GET /t.htm"}, ""},
          Row{303, {"POST /r.htm", "GET /t.htm"}, ""},
          Row{307, {"POST /r.htm", "POST /t.htm"}, "f=1"},
          Row{308, {"POST /r.htm", "POST /t.htm"}, "f=1"}}) {
        server_.ClearRequests();
        server_.Redirect("/r.htm", row.status, "t.htm");
        server_.Page("/t.htm", "<p>target</p>");
        CWebClient client(QuickOptions());
        TextPage page;
        FetchInto(client, page, server_.Url("/r.htm"), {{"f", "1"}}, true);
        EXPECT_EQ(page.GetError(), "") << row.status;
        EXPECT_EQ(page.texts, Lines{"target"}) << row.status;
        EXPECT_EQ(page.GetFinalUrl(), server_.Url("/t.htm")) << row.status;
        EXPECT_EQ(server_.Log(), row.log) << row.status;
        EXPECT_EQ(server_.Requests().back().body, row.secondBody) << row.status;
    }
}

TEST_F(PageFetch, ARedirectIsFetchedAsWrittenFromItsOwnHost) {
    LoopbackWebServer other;
    other.Page("/p.htm", "<p>other</p>");
    other.Page("/p", "<p>bare</p>");
    server_.Page("/search", "<p>search</p>");
    server_.Page("/dir/next.htm", "<p>next</p>");
    // The Location, the page's text and the address it was read from.
    struct Row {
        std::string location;
        std::string text;
        std::string finalUrl;
    };
    // "//host:port/p", on the scheme of the address that answered.
    const std::string schemeRelative = other.BaseUrl().substr(5) + "/p";
    for (const Row& row : {
             Row{other.Url("/p.htm?q=1"), "other", other.Url("/p.htm?q=1")},
             // A host with a bare path names no folder.
             Row{other.Url("/p?q=1"), "bare", other.Url("/p?q=1")},
             Row{other.Url("/p#top"), "bare", other.Url("/p")},
             Row{schemeRelative, "bare", other.Url("/p")},
             Row{"/search", "search", server_.Url("/search")},
             Row{"next.htm?n=2", "next", server_.Url("/dir/next.htm?n=2")},
         }) {
        SCOPED_TRACE(row.location);
        server_.Redirect("/dir/r", 302, row.location);
        CWebClient client(QuickOptions());
        TextPage page;
        FetchInto(client, page, server_.Url("/dir/r"));
        EXPECT_EQ(page.GetError(), "");
        EXPECT_EQ(page.texts, Lines{row.text});
        EXPECT_EQ(page.GetFinalUrl(), row.finalUrl);
    }
}

TEST_F(PageFetch, ARedirectToAnHttpsAddressIsFollowedToExactlyThatAddress) {
    Lines asked;
    CWebClient client(QuickOptions(),
                      std::make_unique<CScriptedTransport>(
                          std::vector{Answer(302, "Location: https://other.example/p?q=1\r\n", ""),
                                      Answer(200, "", "<p>secure</p>")},
                          asked));
    TextPage page;
    FetchInto(client, page, "http://start.example/dir/r");
    EXPECT_EQ(page.GetError(), "");
    EXPECT_EQ(page.texts, Lines{"secure"});
    EXPECT_EQ(page.GetFinalUrl(), "https://other.example/p?q=1");
    EXPECT_EQ(asked, (Lines{"http://start.example/dir/r", "https://other.example/p?q=1"}));
}

TEST_F(PageFetch, RedirectsThatAreRefused) {
    server_.Redirect("/none.htm", 302, "");
    server_.Redirect("/self.htm", 302, "/self.htm");
    server_.Redirect("/file.htm", 301, "file:///etc/passwd");
    server_.Redirect("/ping.htm", 302, "/pong.htm");
    server_.Redirect("/pong.htm", 307, "/ping.htm");
    EXPECT_EQ(Get("/none.htm"), "error: 302 without a Location");
    EXPECT_EQ(Get("/self.htm"), "error: 302 resulting in recursion");
    EXPECT_EQ(Get("/file.htm"), "error: 301 to an address that is not http or https: "
                                "file:///etc/passwd");
    EXPECT_EQ(Get("/ping.htm"), "error: More than 10 redirects");
    EXPECT_EQ(server_.Log().size(), 3u + 11u);

    // A POST redirected to its own address is followed once, as a GET.
    server_.ClearRequests();
    CWebClient client(QuickOptions());
    TextPage page;
    FetchInto(client, page, server_.Url("/self.htm"), {{"f", "1"}}, true);
    EXPECT_EQ(page.GetError(), "302 resulting in recursion");
    EXPECT_EQ(server_.Log(), (Lines{"POST /self.htm", "GET /self.htm"}));
}

TEST_F(PageFetch, ChainsOfTenRedirectsAreFollowedButNotEleven) {
    for (int i = 0; i < 11; ++i)
        server_.Redirect("/c" + std::to_string(i) + ".htm", 302,
                         "/c" + std::to_string(i + 1) + ".htm");
    server_.Page("/c11.htm", "<p>end</p>");
    EXPECT_EQ(Get("/c1.htm"), "end");
    EXPECT_EQ(Get("/c0.htm"), "error: More than 10 redirects");
}

TEST_F(PageFetch, StatusesOtherThan200LeaveTheirTextAndNothingParsed) {
    server_.Status("/gone.htm", 404, "<p>not here</p>");
    server_.Status("/broken.htm", 500, "<p>oops</p>");
    server_.Status("/empty.htm", 204);
    EXPECT_EQ(Get("/gone.htm"), "error: " + HttpStatusText(404));
    EXPECT_EQ(Get("/broken.htm"), "error: " + HttpStatusText(500));
    EXPECT_EQ(Get("/empty.htm"), "error: " + HttpStatusText(204));
    EXPECT_EQ(Get("/unrouted.htm"), "error: " + HttpStatusText(404));
}

TEST_F(PageFetch, OnlyWebAddressesAreFetched) {
    CWebClient client(QuickOptions());
    TextPage page;
    for (const char* address : {"file:///etc/passwd", "relative/page.htm", "ftp://127.0.0.1/"}) {
        FetchInto(client, page, address);
        EXPECT_EQ(page.GetError(), "Not an http or https address: " + CHtmlUrl(address).ToString());
    }
    EXPECT_EQ(server_.Log(), Lines{});
}

TEST_F(PageFetch, AProxyAsksForCredentials) {
    server_.ActAsProxy("user", "pa:ss", "<p>via proxy</p>");
    CWebOptions options = QuickOptions();
    options.proxy = server_.BaseUrl();
    CWebClient client(options);
    std::vector<std::string> asked;
    std::vector<ProxyCredentials> answers = {{"user", "wrong"}, {"user", "pa:ss"}};
    client.SetProxyCredentialsHandler([&](const std::string& proxy, const auto&) {
        asked.push_back(proxy);
        std::optional<ProxyCredentials> answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.erase(answers.begin());
        }
        return answer;
    });
    TextPage page;
    FetchInto(client, page, "http://www.velorin.example/news.htm");
    EXPECT_EQ(page.GetError(), "");
    EXPECT_EQ(page.texts, Lines{"via proxy"});
    // The credentials stay with the client for its later exchanges.
    FetchInto(client, page, "http://www.velorin.example/more.htm");
    EXPECT_EQ(page.texts, Lines{"via proxy"});
    EXPECT_EQ(asked, Lines(2, server_.BaseUrl()));
    const LoggedRequest last = server_.Requests().back();
    EXPECT_EQ(last.target, "http://www.velorin.example/more.htm");
    EXPECT_EQ(last.Header("Proxy-Authorization"), "Basic dXNlcjpwYTpzcw==");
}

TEST_F(PageFetch, ACancelledProxyDialogIsAnError) {
    server_.ActAsProxy("user", "secret", "<p>via proxy</p>");
    CWebOptions options = QuickOptions();
    options.proxy = server_.BaseUrl();
    for (const bool withHandler : {false, true}) {
        CWebClient client(options);
        if (withHandler)
            client.SetProxyCredentialsHandler(
                [](const std::string&, const auto&) { return std::nullopt; });
        TextPage page;
        FetchInto(client, page, "http://www.velorin.example/news.htm");
        EXPECT_EQ(page.GetError(), "Proxy authentication required.");
        EXPECT_EQ(page.texts, Lines{});
    }
}

TEST_F(PageFetch, CookiesAreKeptPerHost) {
    server_.Page("/login.htm", "<p>in</p>",
                 {"Set-Cookie: session=abc; Path=/x", "Set-Cookie: lang=en"});
    server_.Page("/again.htm", "<p>again</p>", {"Set-Cookie: session=def"});
    server_.Route("/hop.htm", [](const httplib::Request&, httplib::Response& response) {
        response.status = 302;
        response.set_header("Location", "/next.htm");
        response.set_header("Set-Cookie", "hop=1");
    });
    server_.Page("/next.htm", "<p>next</p>");
    CWebClient client(QuickOptions());
    TextPage page;
    for (const char* path : {"/login.htm", "/next.htm", "/again.htm", "/hop.htm"})
        FetchInto(client, page, server_.Url(path));
    // The same server by another host name gets none of them.
    FetchInto(client, page, "http://localhost:" + std::to_string(server_.Port()) + "/next.htm");
    const std::vector<LoggedRequest> requests = server_.Requests();
    ASSERT_EQ(requests.size(), 6u);
    EXPECT_EQ(requests[0].Header("Cookie"), "");
    EXPECT_EQ(requests[1].Header("Cookie"), "session=abc; lang=en");
    EXPECT_EQ(requests[2].Header("Cookie"), "session=abc; lang=en");
    EXPECT_EQ(requests[3].Header("Cookie"), "session=def; lang=en");
    EXPECT_EQ(requests[4].Header("Cookie"), "session=def; lang=en; hop=1");
    EXPECT_EQ(requests[5].Header("Cookie"), "");
    EXPECT_EQ(client.GetCookies("127.0.0.1"),
              (NameValuePairs{{"session", "def"}, {"lang", "en"}, {"hop", "1"}}));
}

TEST_F(PageFetch, ConnectionsAreKeptAlive) {
    server_.Page("/a.htm", "<p>a</p>");
    CWebClient client(QuickOptions());
    TextPage page;
    FetchInto(client, page, server_.Url("/a.htm"));
    FetchInto(client, page, server_.Url("/a.htm"), {{"f", "1"}}, true);
    const std::vector<LoggedRequest> requests = server_.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].remotePort, requests[1].remotePort);
}

TEST_F(PageFetch, SlowTricklingCutOffAndOversizedBodiesFail) {
    const std::size_t limit = CWebOptions().maxBodyBytes;
    server_.Slow("/slow.htm", 2500ms, "<p>late</p>");
    server_.Trickle("/trickle.htm", 200, 40ms);
    server_.CutOff("/cut.htm", 1000, 100);
    server_.Large("/limit.htm", limit, true);
    server_.Large("/announced.htm", limit + 1, true);
    server_.Large("/chunked.htm", limit + 1, false);
    CWebOptions options = QuickOptions();
    options.totalTimeout = 1500ms;
    EXPECT_EQ(Get("/slow.htm", options).substr(0, 25), "error: Operation too slow");
    EXPECT_EQ(Get("/trickle.htm", options).substr(0, 34), "error: Operation timed out after 1");
    EXPECT_EQ(Get("/cut.htm").substr(0, 37), "error: transfer closed with 900 bytes");
    EXPECT_EQ(Get("/limit.htm"), std::string(limit, 'x'));
    const std::string tooLarge = "error: The page is larger than 16777216 bytes";
    EXPECT_EQ(Get("/announced.htm"), tooLarge);
    EXPECT_EQ(Get("/chunked.htm"), tooLarge);
}

// Both end as connections not made. How libcurl words a connect time-out depends on how soon its
// thread runs, so the words need only name one.
TEST_F(PageFetch, RefusedAndSilentPorts) {
    const RefusedPort refused;
    const SilentPort silent;
    CWebOptions quickConnect = QuickOptions();
    quickConnect.connectTimeout = 300ms;
    const auto failure = [](int port, const CWebOptions& options) {
        CWebClient client(options);
        HttpExchange exchange;
        exchange.url = "http://127.0.0.1:" + std::to_string(port) + "/";
        const HttpReply reply = client.Exchange(exchange);
        EXPECT_TRUE(reply.connectFailed) << reply.error;
        return reply.error;
    };
    // The refusal comes at once, well within the usual limit.
    const std::string refusal = failure(refused.Port(), QuickOptions());
    EXPECT_EQ(refusal.substr(0, refusal.find(" after ")),
              "Failed to connect to 127.0.0.1 port " + std::to_string(refused.Port()));
    EXPECT_TRUE(refusal.ends_with(": Couldn't connect to server")) << refusal;
    EXPECT_THAT(failure(silent.Port(), quickConnect),
                ::testing::ContainsRegex("[Tt]ime(out|d out)"));
}

TEST_F(PageFetch, ConnectsAreRetriedUntilTheServerComes) {
    const int port = platform::FindFreeLoopbackPort();
    CWebOptions options = QuickOptions();
    options.connectRetries = 30;
    options.connectBackOff = 100ms;
    auto fetched = std::async(std::launch::async, [&] {
        CWebClient client(options);
        TextPage page;
        FetchInto(client, page, "http://127.0.0.1:" + std::to_string(port) + "/late.htm");
        return page.GetError().empty() ? Joined(page.texts) : page.GetError();
    });
    std::this_thread::sleep_for(300ms);
    const LoopbackWebServer late(
        port, [](LoopbackWebServer& server) { server.Page("/late.htm", "<p>arrived</p>"); });
    EXPECT_EQ(fetched.get(), "arrived");
}

// A connect retried and answered: the user reads the server's answer, not the first failure.
TEST_F(PageFetch, ARetriedConnectThatIsAnsweredIsWordedByTheAnswer) {
    CNoAnswerWording wording("The usage statistics", "Usage Statistics on the Tools menu");
    CWebOptions options = QuickOptions();
    options.connectRetries = 1;
    options.connectBackOff = 0ms;
    Lines asked;
    CWebClient client(options, wording.Watch(std::make_unique<CScriptedTransport>(
                                   std::vector{Refused(), Answer(503, "", "<p>busy</p>")}, asked)));
    TextPage page;
    FetchInto(client, page, "http://start.example/stats");
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(wording.Word(page.GetError()), HttpStatusText(503));
}

TEST_F(PageFetch, NothingThatReachedAServerIsSentTwice) {
    const HttpServer hangUp(HttpServer::kHangUp, 0);
    CWebOptions options = QuickOptions();
    options.connectRetries = 3;
    CWebClient client(options);
    TextPage page;
    FetchInto(client, page, "http://127.0.0.1:" + std::to_string(hangUp.Port()) + "/order.htm",
              {{"item", "1"}}, true);
    EXPECT_EQ(page.GetError(), "Empty reply from server");
    EXPECT_EQ(hangUp.Requests().size(), 1u);
}

TEST_F(PageFetch, HttpsIsVerifiedAndTrustedOnlyWithItsAuthority) {
    const TestCertificate certificate;
    LoopbackWebServer secure(certificate);
    secure.Page("/s.htm", "<p>secret</p>");
    CWebOptions options = QuickOptions();
    TextPage page;
    {
        CWebClient client(options);
        FetchInto(client, page, secure.Url("/s.htm"));
        EXPECT_EQ(page.GetError().substr(0, 26), "SSL certificate problem: s");
    }
    options.extraCaFile = certificate.CertFile();
    {
        CWebClient client(options);
        FetchInto(client, page, secure.Url("/s.htm"));
        EXPECT_EQ(page.GetError(), "");
        EXPECT_EQ(page.texts, Lines{"secret"});
    }
    // A trusted certificate for another host is refused.
    const TestCertificate otherHost("other.example");
    LoopbackWebServer impostor(otherHost);
    impostor.Page("/s.htm", "<p>impostor</p>");
    options.extraCaFile = otherHost.CertFile();
    CWebClient client(options);
    FetchInto(client, page, impostor.Url("/s.htm"));
    EXPECT_EQ(page.GetError(), "SSL: no alternative certificate subject name matches target host "
                               "name '127.0.0.1'");
    EXPECT_EQ(impostor.Log(), Lines{});
}

TEST_F(PageFetch, ABodyDeclaredUtf8IsReadAsWindows1252) {
    server_.Page("/u.htm", "<p>caf\xC3\xA9 \xE2\x82\xAC \xCE\xA9</p>", {},
                 "text/html; charset=utf-8");
    server_.Page("/w.htm", "<p>caf\xE9</p>", {}, "text/html; charset=windows-1252");
    EXPECT_EQ(Get("/u.htm"), "caf\xE9 \x80 &#937;");
    EXPECT_EQ(Get("/w.htm"), "caf\xE9");
}
