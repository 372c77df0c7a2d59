// URLs, requests, form encoding, query strings and status texts.

#include "web/HtmlRequest.h"
#include "web/HttpStatus.h"
#include "web/UrlCoding.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Every part, separated by "|", which none of the test URLs holds.
std::string Parts(const CHtmlUrl& url) {
    return url.GetScheme() + "|" + url.GetHost() + "|" + std::to_string(url.GetPort()) + "|" +
           url.GetDirectory() + "|" + url.GetFile() + "|" + url.GetFragment() + "|" +
           url.GetQuery();
}

std::string Resolved(const std::string& base, const std::string& link) {
    const CHtmlUrl baseUrl(base);
    return CHtmlUrl(link, &baseUrl).ToString();
}

} // namespace

TEST(HtmlUrl, SplitsIntoParts) {
    EXPECT_EQ(Parts(CHtmlUrl("http://h/a/b.htm#top")), "http://|h|80|/a|b.htm|#top|");
    // The fragment is looked for in the file part only.
    EXPECT_EQ(Parts(CHtmlUrl("http://h/a/b.htm?x=1#top")), "http://|h|80|/a|b.htm||x=1#top");
    // A host and a bare path without "." name a directory.
    EXPECT_EQ(Parts(CHtmlUrl("http://h/abc")), "http://|h|80|/abc|||");
    EXPECT_EQ(Parts(CHtmlUrl("HTTPS://h")), "HTTPS://|h|443||||");
    EXPECT_EQ(Parts(CHtmlUrl("c.htm?q")), "||0||c.htm||q");
    EXPECT_EQ(CHtmlUrl("http://h").ToString(), "http://h/");
    EXPECT_EQ(CHtmlUrl("http://h/a/b.htm?x=1").GetObject(), "/a/b.htm?x=1");
}

TEST(HtmlUrl, PortComesFromTheHost) {
    EXPECT_EQ(Parts(CHtmlUrl("http://H:8080/x.htm")), "http://|H:8080|8080||x.htm||");
    EXPECT_EQ(CHtmlUrl("http://H:8080/x.htm").GetHostName(), "h");
    EXPECT_EQ(CHtmlUrl("https://h:99999/").GetPort(), 443);
    EXPECT_EQ(CHtmlUrl("https://h:/").GetPort(), 443);
    EXPECT_EQ(CHtmlUrl("http://[::1]/").GetHostName(), "[::1]");
    EXPECT_EQ(CHtmlUrl("http://[::1]:81/").GetPort(), 81);
}

TEST(HtmlUrl, SchemeOnlyAtTheStart) {
    EXPECT_EQ(Parts(CHtmlUrl("/a?next=http://x")), "||0||a||next=http://x");
    EXPECT_EQ(Resolved("http://h/d/e.htm", "/a?next=http://x"), "http://h/a?next=http://x");
    EXPECT_EQ(Resolved("http://h/d/e.htm", "x/y://z.htm"), "http://h/d/x/y://z.htm");
    EXPECT_EQ(CHtmlUrl("svn+ssh.1-x://h/").GetScheme(), "svn+ssh.1-x://");
    EXPECT_EQ(CHtmlUrl("1x://h/").GetScheme(), "");
}

TEST(HtmlUrl, ResolvesAgainstABase) {
    const std::string base = "http://h:8080/a/b/c.htm?q=1";
    EXPECT_EQ(Resolved(base, "../d/e.htm"), "http://h:8080/a/d/e.htm");
    // "../" is dropped only from a directory longer than two characters.
    EXPECT_EQ(Resolved(base, "../e.htm"), "http://h:8080/a/b/../e.htm");
    EXPECT_EQ(Resolved(base, "../../../../e/f.htm"), "http://h:8080/e/f.htm");
    EXPECT_EQ(Resolved(base, "/x/y.htm"), "http://h:8080/x/y.htm");
    EXPECT_EQ(Resolved(base, "y.htm"), "http://h:8080/a/b/y.htm");
    EXPECT_EQ(Resolved(base, "sub/y.htm"), "http://h:8080/a/b/sub/y.htm");
    EXPECT_EQ(Resolved(base, "https://o/p.htm"), "https://o/p.htm");
    EXPECT_EQ(Resolved(base, "/"), "http://h:8080/");
    // A file in the root stays there.
    EXPECT_EQ(Resolved(base, "/y.htm?r"), "http://h:8080/y.htm?r");
    EXPECT_EQ(Resolved(base, "\\y.htm"), "http://h:8080/y.htm");
}

TEST(HtmlUrl, AnEmptyOrQueryOnlyReferenceKeepsTheBaseDocument) {
    const std::string base = "http://h/a/b/c.htm?q=1";
    EXPECT_EQ(Resolved(base, ""), "http://h/a/b/c.htm?q=1");
    EXPECT_EQ(Resolved(base, "#part"), "http://h/a/b/c.htm?q=1");
    EXPECT_EQ(Resolved(base, "?z=2"), "http://h/a/b/c.htm?z=2");
    CHtmlUrl url(base);
    url.Resolve("?z=3");
    EXPECT_EQ(url.ToString(), "http://h/a/b/c.htm?z=3");
}

TEST(HtmlUrl, OnlyWebAddressesResolveForFetching) {
    const CHtmlUrl base("http://h/a/b.htm");
    EXPECT_EQ(ResolveWebUrl("c.htm", base).ToString(), "http://h/a/c.htm");
    EXPECT_EQ(ResolveWebUrl("HTTPS://o/x.htm", base).ToString(), "HTTPS://o/x.htm");
    for (const char* link : {"file:///etc/passwd", "mailto:a@b.example", "javascript:alert(1)",
                             "ftp://h/x", "c:\\\\windows\\\\x.htm", "http://"})
        EXPECT_EQ(ResolveWebUrl(link, base).ToString(), "/") << link;
    // A page read from a file has no address to resolve against.
    EXPECT_FALSE(ResolveWebUrl("c.htm", CHtmlUrl()).IsWeb());
}

TEST(UrlCoding, EncodeAndDecode) {
    EXPECT_EQ(UrlEncode("a b&c"), "a+b%26c");
    EXPECT_EQ(UrlEncode("\xE9"), "%e9");
    EXPECT_EQ(UrlEncode("$-_@.!*(),~/+="), "$-_@.!*(),%7e%2f%2b%3d");
    EXPECT_EQ(UrlDecode("%41%2"), "A%2");
    EXPECT_EQ(UrlDecode("a+b%4a%4A%"), "a bJJ%");
    // Control characters never come out decoded.
    EXPECT_EQ(UrlDecode("a%0D%0Ab%00"), "a%0d%0ab%00");
    EXPECT_EQ(EncodePathValue("a b/../?#%\xE9"), "a%20b%2F..%2F%3F%23%25%E9");
    EXPECT_EQ(EncodePathValue("x/y z", true), "x/y%20z");
}

TEST(UrlCoding, DecodeUndoesEncodeWithoutControlBytes) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(32, 255);
    for (int round = 0; round < 500; ++round) {
        std::string text(static_cast<std::size_t>(round % 40), ' ');
        for (char& c : text)
            c = static_cast<char>(byte(random));
        EXPECT_EQ(UrlDecode(UrlEncode(text)), text);
    }
}

TEST(UrlCoding, QueryParameters) {
    EXPECT_EQ(ParseQuery("http://h/p?a=1&&=2&b&c=x=y%20"),
              (NameValuePairs{{"a", "1"}, {"b", ""}, {"c", "x=y%20"}}));
    EXPECT_EQ(ParseQuery("http://h/p"), NameValuePairs{});
    std::string value = "untouched";
    EXPECT_TRUE(GetUrlParam("/f?Cookie=a%20b+c&cookie=2", "COOKIE", value));
    EXPECT_EQ(value, "a b c");
    EXPECT_FALSE(GetUrlParam("/f?cookies=1", "cookie", value));
    EXPECT_EQ(value, "a b c");
}

TEST(HtmlRequest, ParamsAndRequests) {
    CHtmlParams params;
    params.Add("a b", "1&2");
    params.Add("X", "old");
    params.Add("x", "second");
    params.Set("x", "new");
    params.Set("y", "");
    EXPECT_EQ(params.ToString(), "a+b=1%262&X=new&x=second&y=");

    CHtmlRequest request;
    request.SetCookies({{"s", "1"}});
    request.Set("https://", "h:81", "/x/p", "q=1", true);
    request.AddParam("f", "v");
    request.AddUrlParam("n m", "o");
    EXPECT_EQ(request.GetUrl(), "https://h:81/x/p?q=1&n+m=o");
    EXPECT_EQ(request.GetObject(), "/x/p?q=1&n+m=o");
    EXPECT_EQ(request.GetPostData(), "f=v");
    EXPECT_TRUE(request.IsPost());
    request.SetUrl("local/file.htm", false);
    EXPECT_EQ(request.GetPostData(), "");
    EXPECT_EQ(request.GetCookies(), (NameValuePairs{{"s", "1"}}));
    EXPECT_TRUE(request.IsLocalFile());
    request.Clear();
    EXPECT_EQ(request.GetCookies(), NameValuePairs{});
}

TEST(HttpStatus, Texts) {
    EXPECT_EQ(HttpStatusText(404), "The server has not found anything matching the requested URI "
                                   "(Uniform Resource Identifier).");
    EXPECT_EQ(HttpStatusText(100), "The request can be continued.");
    for (const int other : {9991, 9992, 306, 0, -1})
        EXPECT_EQ(HttpStatusText(other), "HTTP error code: " + std::to_string(other));
}
