#pragma once
// A web client with short limits and a loopback web server, for the tests that fetch pages.

#include "core/ZrData.h"
#include "platform/Process.h"
#include "tests/core/RecordBytes.h"
#include "tests/support/LoopbackPorts.h"
#include "tests/support/WebServer.h"
#include "web/HtmlPage.h"
#include "web/WebServers.h"

#include <gtest/gtest.h>
#include <httplib.h>

// A page that keeps its text tokens.
class TextPage : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override {
        CHtmlPage::Reset();
        texts.clear();
    }
    void OnToken(const CHtmlToken& token) override {
        CHtmlPage::OnToken(token);
        if (token.GetKind() == CHtmlToken::kText)
            texts.push_back(token.GetText());
    }
    std::vector<std::string> texts;
};

class WebFixture : public ::testing::Test {
protected:
    void SetUp() override { ClearProxyEnvironment(); }

    static CWebOptions QuickOptions() {
        CWebOptions options;
        options.connectTimeout = std::chrono::milliseconds(2000);
        options.connectBackOff = std::chrono::milliseconds(50);
        options.connectRetries = 0;
        options.receiveTimeout = std::chrono::milliseconds(1000);
        options.totalTimeout = std::chrono::milliseconds(8000);
        return options;
    }

    // GET (or POST with the fields) of the address into the page.
    static void FetchInto(CWebClient& client, CHtmlPage& page, const std::string& url,
                          const NameValuePairs& fields = {}, bool isPost = false) {
        CHtmlRequest request;
        request.SetUrl(url, isPost);
        for (const auto& [name, value] : fields)
            request.AddParam(name, value);
        CWebConnection connection(client, CHtmlUrl(url));
        page.FetchRequest(connection, request);
    }

    LoopbackWebServer server_;
};

// Every register and maker's server at the one loopback server.
inline CWebServers ServersAt(const std::string& baseUrl) {
    CWebServers servers;
    for (std::size_t i = 0; i < CWebServers::kCount; ++i)
        servers.Set(static_cast<WebServer>(i), baseUrl);
    return servers;
}

// A record of text fields.
inline CZrData Record(const std::vector<std::pair<std::string, std::string>>& fields) {
    return record_bytes::TextRecord(fields);
}
