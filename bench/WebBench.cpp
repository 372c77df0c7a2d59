// The web layer's speed targets: the HTML tokenizer on ordinary and hostile pages, and page
// fetches over kept-alive loopback connections.
//
// Targets (Release): 1 MB page >= 100 MB/s, >= 40 MB/s with GetText and GetAttributes of every
// token; each 16 MiB hostile page <= 0.5 s; 1,000 GETs of a 20 KB page <= 0.5 s.

#include "tests/support/LoopbackPorts.h"
#include "tests/support/WebServer.h"
#include "web/HtmlPage.h"
#include "web/HtmlParser.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kHostileBytes = 16 * 1024 * 1024;

// A register's result page: tables of rows with links, attributes, entities and text.
std::string OrdinaryPage(std::size_t bytes) {
    std::string page = "<!DOCTYPE html><html><head><title>Results</title></head><body>"
                       "<!-- results --><table class=\"results\" id=r>";
    for (int row = 0; page.size() < bytes; ++row)
        page += "<tr class=\"row\" onclick=\"PatentDetails('" + std::to_string(row) +
                "','PL')\"><td align=left>" + std::to_string(row) +
                "</td><td><a href=\"details.jsp?id=" + std::to_string(row) +
                "&amp;lang=en\">ACME &amp; Co. Ltd</a></td><td>Registered</td>"
                "<td><b>Class 9</b>, 42 &ndash; software</td></tr>\n";
    return page + "</table></body></html>";
}

// Reads every accessor of every token, as the page classes do.
class ReadingPage : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void OnToken(const CHtmlToken& token) override {
        CHtmlPage::OnToken(token);
        if (token.GetKind() == CHtmlToken::kText)
            benchmark::DoNotOptimize(token.GetText());
        else
            benchmark::DoNotOptimize(token.GetAttributes());
    }
};

void Tokenize(benchmark::State& state, const std::string& page, bool readTokens) {
    for (auto _ : state) {
        CMemorySource source(page);
        CHtmlParser parser(source);
        std::size_t count = 0;
        for (CHtmlToken token; parser.NextToken(token); ++count) {
            if (!readTokens)
                continue;
            if (token.GetKind() == CHtmlToken::kText)
                benchmark::DoNotOptimize(token.GetText());
            else
                benchmark::DoNotOptimize(token.GetAttributes());
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

void BM_TokenizePage(benchmark::State& state) {
    Tokenize(state, OrdinaryPage(1 << 20), false);
}
BENCHMARK(BM_TokenizePage)->Unit(benchmark::kMillisecond);

void BM_TokenizePageReadingEveryToken(benchmark::State& state) {
    Tokenize(state, OrdinaryPage(1 << 20), true);
}
BENCHMARK(BM_TokenizePageReadingEveryToken)->Unit(benchmark::kMillisecond);

std::string Repeated(std::string_view piece, std::size_t count) {
    std::string text;
    text.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

// 16 MiB pages built to be slow, parsed by a page that reads every token.
std::string HostilePage(int kind) {
    switch (kind) {
    case 0: // one comment that never ends
        return "<!--" + std::string(kHostileBytes, 'x');
    case 1: // one tag that never ends
        return std::string(kHostileBytes, '<');
    case 2: // references without their ";"
        return std::string(kHostileBytes, '&');
    case 3: // 10^5 nested tables, then text
        return Repeated("<table><tr><td>", 100000) + std::string(kHostileBytes, 't');
    default: // 10^5 attributes in one tag, then text
        return "<td " + Repeated("a=1 ", 100000) + ">" + std::string(kHostileBytes, 't');
    }
}

void BM_HostilePage(benchmark::State& state) {
    const std::string page = HostilePage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ReadingPage reader;
        reader.ParseBuffer(page);
        benchmark::DoNotOptimize(reader.GetDepth());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_HostilePage)
    ->ArgName("comment|angles|amps|tables|attributes")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

// 1,000 GETs of a 20 KB page through one client, which keeps its connection.
void BM_ThousandKeptAliveGets(benchmark::State& state) {
    ClearProxyEnvironment();
    LoopbackWebServer server;
    server.Page("/page.htm", OrdinaryPage(20 * 1024));
    CWebClient client;
    CWebConnection connection(client, CHtmlUrl(server.BaseUrl()));
    CHtmlPage page(&connection, "/page.htm");
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            page.FetchPage(false);
            if (!page.GetError().empty())
                state.SkipWithError(page.GetError().c_str());
        }
    }
}
BENCHMARK(BM_ThousandKeptAliveGets)->Unit(benchmark::kMillisecond);

} // namespace
