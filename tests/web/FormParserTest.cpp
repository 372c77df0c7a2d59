// The forms a page holds, with the values a browser would submit, and the site pages' picks.

#include "web/FormParser.h"

#include "web/SitePages.h"

#include <gtest/gtest.h>

namespace {

NameValuePairs Fields(std::string_view html, std::string_view form = "f") {
    CHtmlPageFormParser page;
    page.ParseBuffer(html);
    const CHtmlRequest* request = page.GetForm(form);
    return request ? request->GetParams().GetPairs() : NameValuePairs{{"no form", ""}};
}

} // namespace

TEST(FormParser, FormsByNameIdOrNumber) {
    CHtmlPageFormParser page;
    // A stray end tag adds no form.
    page.ParseBuffer("<form name=form1 id=x action='a.do?x=1' method=Post></form></form>"
                     "<form id=search></form><FORM action=c.htm></FORM>");
    ASSERT_EQ(page.GetForms().size(), 3u);
    EXPECT_EQ(page.GetForms()[2].first, "_2");
    const CHtmlRequest* first = page.GetForm("Form1");
    ASSERT_NE(first, nullptr);
    // A parsed page has no address: the form's stays as written.
    EXPECT_EQ(first->GetUrl(), "/a.do?x=1");
    EXPECT_TRUE(first->IsPost());
    EXPECT_FALSE(page.GetForm("SEARCH")->IsPost());
    EXPECT_EQ(page.GetForm("x"), nullptr);
}

TEST(FormParser, InputsAsABrowserSubmitsThem) {
    EXPECT_EQ(
        Fields("<form name=f><input name=a value=1><input type=HIDDEN name=b value='x y'>"
               "<input type=password name=c><input type=checkbox name=d>"
               "<input type=checkbox name=e checked><input type=Checkbox name=g value=v "
               "checked><input type=radio name=r value=1><input type=radio name=r "
               "value=2 checked><input type=submit name=s value=Go><input type=image "
               "name=i><input type=button name=t value=b><input type=file name=u>"
               "<input type=text name=a value=2></form>"),
        (NameValuePairs{
            {"a", "1"}, {"b", "x y"}, {"c", ""}, {"e", "on"}, {"g", "v"}, {"r", "2"}, {"a", "2"}}));
}

TEST(FormParser, SelectListsAndTextAreas) {
    EXPECT_EQ(Fields("<form name=f><select name=s><option value=a>A<option value=b selected>B"
                     "<option value=c selected>C</select></form>"),
              (NameValuePairs{{"s", "c"}}));
    EXPECT_EQ(Fields("<form name=f><select name=s><option value=a>A<option value=b></select>"
                     "</form>"),
              (NameValuePairs{{"s", "a"}}));
    // An option without a value submits its trimmed, decoded text.
    EXPECT_EQ(Fields("<form name=f><select name=s><option>one<option selected>\r\n T&amp;C "
                     "</option></select></form>"),
              (NameValuePairs{{"s", "T&C"}}));
    // An input, or the form's end, closes an open select list first.
    EXPECT_EQ(Fields("<form name=f><select name=s><option>x<input name=i value=1></form>"),
              (NameValuePairs{{"s", "x"}, {"i", "1"}}));
    EXPECT_EQ(Fields("<form name=f><select name=s><option>x</form>"), (NameValuePairs{{"s", "x"}}));
    EXPECT_EQ(Fields("<form name=f><textarea name=t>a &amp; <b>b</b></textarea></form>"),
              (NameValuePairs{{"t", "a & b"}}));
}

TEST(SitePages, HitsOfThePolishRegister) {
    CHtmlPagePlHits hits;
    hits.ParseBuffer("<tr onclick=\"PatentDetails('12\"><tr onclick=\"PatentDetails('34','\">"
                     "<tr onclick=\"PatentDetails('56','PL')\"><tr onclick=\"PatentDetails('78',"
                     "'X')\">");
    EXPECT_EQ(hits.GetPatentId(), "56");
    EXPECT_EQ(hits.GetSourceCode(), "PL");
    hits.ParseBuffer("<tr onclick=\"PatentDetails('12\">");
    EXPECT_EQ(hits.GetPatentId(), "");
}

TEST(SitePages, HitCountAndFirstLinkOfTheEmblemResults) {
    CHtmlPageWipoResults results;
    results.ParseBuffer("<table><tr><td><b>Results</b> \r\n</td></tr></table>");
    EXPECT_EQ(results.GetHitCount(), std::nullopt);
    results.ParseBuffer(
        "<table><tr><td><b>12</b> found 34 of 56<td>7</table><table></table>"
        "<table><tr><td><a href=one.htm>1</a><td><a href=two.htm>2</a><td><a href=three.htm>"
        "</table>");
    EXPECT_EQ(results.GetHitCount(), 34);
    EXPECT_EQ(results.GetFirstLink(), "two.htm");
    results.ParseBuffer("<table><tr><td>99999999999 hits</table>");
    EXPECT_EQ(results.GetHitCount(), 2147483647);
    EXPECT_EQ(results.GetFirstLink(), "");
}

TEST(SitePages, GermanResultsRowOfTheRegisterDe) {
    CHtmlPageDeResults results;
    results.ParseBuffer("<table><tr><td>1<td>x<td>EM<td><a href=em.htm>a</a></tr>"
                        "<tr><td>2<td>y<td> d<b>E</b>\r\n<td><a href=de.htm>b</a><a href=last.htm>"
                        "c</a></tr><tr><td>3<td>z<td>DE<td><a href=later.htm>d</a></tr></table>");
    EXPECT_EQ(results.GetDetailsLink(), "last.htm");
}
