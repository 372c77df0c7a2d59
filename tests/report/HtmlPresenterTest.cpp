#include "report/presenter/HtmlPresenter.h"

#include <gtest/gtest.h>

namespace {

std::string Body(const CHtmlPresenter& html) {
    const std::string document = html.GetHtml();
    const std::string head = "<html><body>\n";
    const std::string tail = "</body></html>\n";
    EXPECT_TRUE(document.starts_with(head) && document.ends_with(tail)) << document;
    return document.substr(head.size(), document.size() - head.size() - tail.size());
}

TEST(HtmlPresenter, RecordTextNeverBecomesMarkup) {
    CHtmlPresenter html;
    html.AddPlainField("<b>Owner</b>", "A & B <script>alert(\"x\")</script>", kStyleLabelBold,
                       kTextLatin, false, false);
    // References are the record's own characters; a lone "&" stays one.
    html.AddPlainField("", "Caf&eacute; &amp; &#60;i&#62; &bogus; x&", 0, kTextLatin, false, false);
    EXPECT_EQ(Body(html), "<b>&lt;b&gt;Owner&lt;/b&gt;</b> A &amp; B &lt;script&gt;alert("
                          "&quot;x&quot;)&lt;/script&gt;<br>\n"
                          "Caf\xC3\xA9 &amp; &lt;i&gt; &amp;bogus; x&amp;<br>\n");
}

TEST(HtmlPresenter, CodePagesAndLineSeparators) {
    CHtmlPresenter html;
    // 0xE1 0xE2 0xE3 read as Greek alpha beta gamma, or as Western a-acute a-circumflex a-tilde.
    html.AddPlainField("", "\xE1\xE2\xE3", 0, kTextGreek, false, false);
    html.AddPlainField("", "\xE1\xE2\xE3\\\x80", 0, kTextLatin, false, false);
    EXPECT_EQ(Body(html), "\xCE\xB1\xCE\xB2\xCE\xB3<br>\n"
                          "\xC3\xA1\xC3\xA2\xC3\xA3<br>\xE2\x82\xAC<br>\n");
    // A reference beyond the code pages, or to half a surrogate pair, is still valid UTF-8.
    EXPECT_EQ(html.ConvertText("&#937;&#55296;", kTextLatin), "\xCE\xA9\xEF\xBF\xBD");
}

TEST(HtmlPresenter, ParagraphsStylesAndColumnLines) {
    CHtmlPresenter html;
    html.AddPlainField("Mark:", "ACME", kStyleLabelBold | kStyleTextItalic, kTextLatin, false,
                       true);
    html.AddPlainField("Owner:", "", kStyleLabelBold, kTextLatin, false, false); // nothing
    EXPECT_TRUE(html.IsParagraphPending());
    html.AddTwoColumns("Have:", "<1>", kStyleLabelBold, kTextDecide);
    html.AddThreeColumns("Filed", "a", "b", 0, kTextLatin);
    html.AddPlainField("", "Soap", 0, kTextLatin, false, false);
    html.AddTwoColumns("", "", 0, kTextLatin);
    EXPECT_EQ(Body(html),
              "<b>Mark:</b> <i>ACME</i><br>\n"
              "<table cellspacing=\"0\" cellpadding=\"1\">\n"
              "<tr><td valign=\"top\" nowrap><b>Have:</b></td><td width=\"12\"></td>"
              "<td valign=\"top\">&lt;1&gt;</td></tr>\n"
              "<tr><td valign=\"top\" nowrap>Filed</td><td width=\"12\"></td>"
              "<td valign=\"top\">a</td><td width=\"12\"></td><td valign=\"top\">b</td></tr>\n"
              "</table>\n<p>\nSoap<br>\n"
              "<table cellspacing=\"0\" cellpadding=\"1\">\n"
              "<tr><td valign=\"top\" nowrap></td><td width=\"12\"></td><td valign=\"top\"></td>"
              "</tr>\n</table>\n");
    html.Clear();
    EXPECT_TRUE(html.IsEmpty());
    EXPECT_FALSE(html.IsParagraphPending());
    EXPECT_EQ(Body(html), "");
}

} // namespace
