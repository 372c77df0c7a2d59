// The tokenizer rule by rule, over bytes in memory.

#include "web/HtmlParser.h"

#include <gtest/gtest.h>

namespace {

using Tokens = std::vector<std::pair<int, std::string>>;

Tokens Tokenize(std::string_view html) {
    CMemorySource source(html);
    CHtmlParser parser(source);
    Tokens tokens;
    for (CHtmlToken token; parser.NextToken(token);)
        tokens.emplace_back(token.GetKind(), token.GetRawText());
    return tokens;
}

CHtmlToken FirstToken(std::string_view html) {
    CMemorySource source(html);
    CHtmlParser parser(source);
    CHtmlToken token;
    parser.NextToken(token);
    return token;
}

NameValuePairs Attributes(std::string_view tag) {
    return FirstToken(tag).GetAttributes();
}

} // namespace

TEST(HtmlTokenizer, TextTagsDeclarationsAndComments) {
    EXPECT_EQ(Tokenize("abc<b>x</b>"), (Tokens{{4, "abc"}, {1, "<b>"}, {4, "x"}, {2, "</b>"}}));
    // Quotes do not protect ">".
    EXPECT_EQ(Tokenize("<a href=\"x>y\">z"), (Tokens{{1, "<a href=\"x>"}, {4, "y\">z"}}));
    EXPECT_EQ(Tokenize("<!-- a > b -->x"), (Tokens{{3, "<!-- a > b -->"}, {4, "x"}}));
    EXPECT_EQ(Tokenize("<!DOCTYPE html><p>"), (Tokens{{3, "<!DOCTYPE html>"}, {1, "<p>"}}));
    EXPECT_EQ(Tokenize("<!><>"), (Tokens{{3, "<!>"}, {1, "<>"}}));
}

TEST(HtmlTokenizer, CommentsEndAfterTwoDashesReadPastTheOpening) {
    // The dash right after "<!" is not counted: "<!-->" does not end there.
    EXPECT_EQ(Tokenize("<!-->a-->b"), (Tokens{{3, "<!-->a-->"}, {4, "b"}}));
    EXPECT_EQ(Tokenize("<!---->b"), (Tokens{{3, "<!---->"}, {4, "b"}}));
    EXPECT_EQ(Tokenize("<!--->b"), (Tokens{{3, "<!--->"}, {4, "b"}}));
    EXPECT_EQ(Tokenize("<!-- -x> -->"), (Tokens{{3, "<!-- -x> -->"}}));
}

TEST(HtmlTokenizer, InputThatEndsInsideAToken) {
    EXPECT_EQ(Tokenize(""), Tokens{});
    EXPECT_EQ(Tokenize("abc<"), (Tokens{{4, "abc"}, {0, "<"}}));
    EXPECT_EQ(Tokenize("<!"), (Tokens{{0, "<!"}}));
    EXPECT_EQ(Tokenize("<!-- open"), (Tokens{{3, "<!-- open"}}));
    EXPECT_EQ(Tokenize("<a href"), (Tokens{{1, "<a href"}}));
    EXPECT_EQ(Tokenize("</"), (Tokens{{2, "</"}}));
}

TEST(HtmlTokenizer, TokensAcrossTheReadBlocks) {
    const std::size_t block = CHtmlParser::kBlockSize;
    for (std::size_t lead = block - 3; lead <= block + 1; ++lead) {
        const std::string text(lead, 'a');
        EXPECT_EQ(Tokenize(text + "<!-- x -->" + "<td class=c>" + "b"),
                  (Tokens{{4, text}, {3, "<!-- x -->"}, {1, "<td class=c>"}, {4, "b"}}))
            << lead;
    }
}

TEST(HtmlTokenizer, TagNames) {
    EXPECT_EQ(FirstToken("</TD>").GetTagName(), "TD");
    EXPECT_EQ(FirstToken("<h1 class=x>").GetTagName(), "h1");
    EXPECT_EQ(FirstToken("<my-tag_x>").GetTagName(), "my-tag");
    EXPECT_EQ(FirstToken("< b>").GetTagName(), "");
    EXPECT_EQ(FirstToken("text").GetTagName(), "");
    EXPECT_EQ(FirstToken("<!DOCTYPE html>").GetTagName(), "");
    EXPECT_TRUE(FirstToken("<TaBle>").IsStartTag("table"));
    EXPECT_FALSE(FirstToken("</table>").IsStartTag("table"));
    EXPECT_TRUE(FirstToken("</table>").IsEndTag("TABLE"));
}

TEST(HtmlTokenizer, AttributeValuesQuotedUnquotedAndDecoded) {
    EXPECT_EQ(Attributes("<a title='say \"hi\"' href=x&amp;y CHECKED>"),
              (NameValuePairs{{"title", "say \"hi\""}, {"href", "x&y"}, {"CHECKED", ""}}));
    EXPECT_EQ(Attributes("<a b = \"1 2\"c=3 b=4>"),
              (NameValuePairs{{"b", "1 2"}, {"c", "3"}, {"b", "4"}}));
    // An unmatched quote runs to the end of the tag.
    EXPECT_EQ(Attributes("<a href=\"x>"), (NameValuePairs{{"href", "x"}}));
    EXPECT_EQ(Attributes("< img src=p.png>"), (NameValuePairs{{"src", "p.png"}}));
}

TEST(HtmlTokenizer, AttributeNamesTakeDashUnderscoreColonAndDot) {
    EXPECT_EQ(Attributes("<meta http-equiv=\"Content-Type\" content=\"text/html\">"),
              (NameValuePairs{{"http-equiv", "Content-Type"}, {"content", "text/html"}}));
    EXPECT_EQ(Attributes("<x data_a=1 xml:lang=en v.1=2>"),
              (NameValuePairs{{"data_a", "1"}, {"xml:lang", "en"}, {"v.1", "2"}}));
    // What cannot start a name is skipped up to white space or "=", with its value.
    EXPECT_EQ(Attributes("<a \"q\"=1 /x b=2 =3>"), (NameValuePairs{{"b", "2"}}));
    EXPECT_EQ(Attributes("<br/>"), NameValuePairs{});
}

TEST(HtmlTokenizer, AttributeLookUp) {
    const CHtmlToken tag = FirstToken("<input Type=text TYPE=hidden value='&lt;v&gt;'>");
    std::string value = "untouched";
    EXPECT_TRUE(tag.GetAttribute("type", &value));
    EXPECT_EQ(value, "text");
    EXPECT_EQ(tag.GetAttribute("VALUE"), "<v>");
    EXPECT_FALSE(tag.GetAttribute("name", &value));
    EXPECT_EQ(value, "text");
    EXPECT_EQ(tag.GetAttribute("name"), "");
    // Only start tags have attributes.
    EXPECT_EQ(FirstToken("</a href=x>").GetAttributes(), NameValuePairs{});
    EXPECT_EQ(FirstToken("a=b").GetAttribute("a"), "");
}

TEST(HtmlTokenizer, TextIsDecoded) {
    EXPECT_EQ(FirstToken("a &amp; b&#65;&eacute;&bogus;").GetText(), "a & bA\xE9&bogus;");
}
