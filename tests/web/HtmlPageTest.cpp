// What the page base keeps while tokens pass, page text encodings and header scans; no network.

#include "web/HtmlPage.h"

#include "tests/core/TempFolder.h"
#include "web/HeaderScan.h"
#include "web/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

// For every text token: the text and where it stands, "text@depth:t1.r1.c1/t.r.c" with the
// counters of level 1 and of the current level, then the inline flags that are set.
class PositionPage : public CHtmlPage {
public:
    void OnToken(const CHtmlToken& token) override {
        CHtmlPage::OnToken(token);
        if (token.GetKind() != CHtmlToken::kText)
            return;
        std::string line = token.GetRawText() + "@" + std::to_string(GetDepth()) + ":" +
                           Counters(1) + "/" + Counters(-1);
        for (auto [set, name] : {std::pair{IsInAnchor(), "a"},
                                 {IsInPre(), "pre"},
                                 {IsItalic(), "i"},
                                 {IsBold(), "b"},
                                 {IsStrong(), "strong"},
                                 {IsCentered(), "center"}})
            if (set)
                line += std::string(" ") + name;
        lines.push_back(line);
    }
    std::string Counters(int level) const {
        return std::to_string(GetTableOrdinal(level)) + "." + std::to_string(GetRowOrdinal(level)) +
               "." + std::to_string(GetCellOrdinal(level));
    }
    std::vector<std::string> lines;
};

std::vector<std::string> Positions(std::string_view html) {
    PositionPage page;
    page.ParseBuffer(html);
    return page.lines;
}

std::string Nested(int tables) {
    std::string html;
    for (int i = 0; i < tables; ++i)
        html += "<table><tr><td>";
    return html;
}

} // namespace

TEST(HtmlPage, TablesRowsAndCellsPerLevel) {
    EXPECT_EQ(Positions("<table><tr><td>A<table><tr><td>B<td>C</table><td>D</tr>"
                        "<tr><th>H<td>E</table><TABLE><TR><TD>F</TD></TABLE>G"),
              (std::vector<std::string>{"A@1:1.1.1/1.1.1", "B@2:1.1.1/1.1.1", "C@2:1.1.1/1.1.2",
                                        "D@1:1.1.2/1.1.2", "H@1:1.2.0/1.2.0", "E@1:1.2.1/1.2.1",
                                        "F@1:2.1.1/2.1.1", "G@0:2.0.0/0.0.0"}));
    // The nested tables' counter restarts whenever a table opens on the level above.
    EXPECT_EQ(Positions("<table><tr><td><table></table><table><tr><td>X</table></table>"
                        "<table><tr><td><table><tr><td>Y"),
              (std::vector<std::string>{"X@2:1.1.1/2.1.1", "Y@2:2.1.1/1.1.1"}));
}

TEST(HtmlPage, LevelsOutsideTheDepthReadZero) {
    PositionPage page;
    page.ParseBuffer("<table><tr><td><table><tr><td>x");
    EXPECT_EQ(page.GetDepth(), 2);
    EXPECT_EQ(page.GetTableOrdinal(5), 0);
    EXPECT_EQ(page.GetTableOrdinal(0), 0);
    EXPECT_EQ(page.GetTableOrdinal(2), 1);
    EXPECT_EQ(page.GetTableOrdinal(3), 0);
    EXPECT_EQ(page.GetRowOrdinal(0), 0);
    EXPECT_EQ(page.GetRowOrdinal(3), 0);
    EXPECT_EQ(page.GetCellOrdinal(2), 1);
}

TEST(HtmlPage, TwentyNestedTablesAreAnErrorButParsingGoesOn) {
    EXPECT_EQ(Positions(Nested(19) + "x"), (std::vector<std::string>{"x@19:1.1.1/1.1.1"}));
    PositionPage page;
    page.ParseBuffer(Nested(19) + "<table><tr><td><tr><td>x" + std::string("</table>") + "y");
    EXPECT_EQ(page.GetError(), "Too many nested tables");
    // The twentieth table restarts the row and cell counters of level 19.
    EXPECT_EQ(page.lines, (std::vector<std::string>{"x@19:1.1.1/1.2.1", "y@18:1.1.1/1.1.1"}));
    page.ParseBuffer("<p>z");
    EXPECT_EQ(page.GetError(), "");
}

TEST(HtmlPage, InlineFlagsWithoutNestingCount) {
    EXPECT_EQ(Positions("<b><B>x</b>y<i><strong>z</I><a href=u><pre><center>w</a>v"),
              (std::vector<std::string>{
                  "x@0:0.0.0/0.0.0 b", "y@0:0.0.0/0.0.0", "z@0:0.0.0/0.0.0 i strong",
                  "w@0:0.0.0/0.0.0 a pre strong center", "v@0:0.0.0/0.0.0 pre strong center"}));
}

TEST(HtmlPage, ParsesFilesAndReportsWhatCannotBeRead) {
    CTempFolder folder;
    PositionPage page;
    page.ParseFile(folder.Write("page.htm", "<meta charset=utf-8><td>caf\xC3\xA9"));
    EXPECT_EQ(page.GetError(), "");
    EXPECT_EQ(page.lines, (std::vector<std::string>{"caf\xE9@0:0.0.0/0.0.0"}));
    page.ParseFile(folder / "missing.htm");
    EXPECT_EQ(page.GetError(), "Cannot open " + folder / "missing.htm");
    page.ParseFile(folder.Path().string());
    EXPECT_EQ(page.GetError(), "Cannot read " + folder.Path().string());
}

TEST(HeaderScan, LocationAndCookiesLineByLine) {
    const std::string headers = "HTTP/1.1 302 Found\r\nSet-Cookie: A=1; path=/\r\n"
                                "set-cookie:B=\r\nSet-Cookie: =skipped\r\nSet-Cookie: C\r\n"
                                "Set-Cookies: D=2\r\nlocation:   http://x/y?z \r\n"
                                "Location: second\r\nSet-Cookie: A=3";
    EXPECT_EQ(ScanSetCookies(headers), (NameValuePairs{{"A", "1"}, {"B", ""}, {"C", ""}}));
    EXPECT_EQ(ScanHeader(headers, "Location"), "http://x/y?z ");
    // A last line without its line feed is not read.
    EXPECT_EQ(ScanHeader("Location: a", "Location"), "");
    EXPECT_EQ(ScanHeader("Content-Type:text/html\n", "content-type"), "text/html");
}

TEST(TextEncoding, Utf8BecomesWindows1252) {
    EXPECT_EQ(Utf8ToWindows1252("caf\xC3\xA9 \xE2\x82\xAC \xC5\xA0"), "caf\xE9 \x80 \x8A");
    // Characters the code page lacks become decimal references.
    EXPECT_EQ(Utf8ToWindows1252("\xCE\xA9\xF0\x9F\x98\x80"), "&#937;&#128512;");
    // Bytes that start no valid shortest sequence stay as they are.
    for (const char* bytes :
         {"\xE9", "\xC0\x80", "\xE2\x82", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF", "\x80"})
        EXPECT_EQ(Utf8ToWindows1252(bytes), bytes);
}

TEST(TextEncoding, TheDeclarationDecides) {
    const std::string metaCharset = "<html><meta charset='UTF-8'>";
    const std::string metaEquiv =
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf8\">";
    EXPECT_TRUE(IsDeclaredUtf8("x", "text/html; charset=UTF-8"));
    EXPECT_TRUE(IsDeclaredUtf8("x", "text/html;charset=\"utf-8\""));
    EXPECT_TRUE(IsDeclaredUtf8(metaCharset, ""));
    EXPECT_TRUE(IsDeclaredUtf8(metaEquiv, ""));
    EXPECT_TRUE(IsDeclaredUtf8("\xEF\xBB\xBFx", "text/html"));
    // The header's charset wins over the page's own.
    EXPECT_FALSE(IsDeclaredUtf8(metaCharset, "text/html; charset=windows-1252"));
    EXPECT_FALSE(IsDeclaredUtf8(std::string(1020, ' ') + metaCharset, ""));
    EXPECT_FALSE(IsDeclaredUtf8("<meta charset=latin1>", ""));
    EXPECT_EQ(PageTextOfBody("\xEF\xBB\xBF\xC3\xA9", ""), "\xE9");
    EXPECT_EQ(PageTextOfBody("\xC3\xA9", "text/html"), "\xC3\xA9");
}
