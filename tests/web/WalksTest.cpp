// The German and Polish walks through the registers' pages and forms, on loopback.

#include "WebFixture.h"
#include "registers/AppNumFormats.h"
#include "web/HttpStatus.h"
#include "web/WalkSites.h"

using Lines = std::vector<std::string>;

namespace {

class Walks : public WebFixture {
protected:
    // The request and error of one walk, and the requests the server saw.
    template <typename Site>
    bool Walk(std::uint32_t number) {
        server_.ClearRequests();
        request_.Clear();
        error_ = "stale";
        CWebClient client(QuickOptions());
        Site site(client, servers_);
        return site.BuildDetailsRequest(number, request_, error_);
    }

    CWebServers servers_ = ServersAt(server_.BaseUrl());
    CHtmlRequest request_;
    std::string error_;
};

class GermanWalk : public Walks {
protected:
    void SetUp() override {
        Walks::SetUp();
        server_.Page("/DPMAregister/Uebersicht",
                     "<a href='/DPMAregister/en/Uebersicht.do'>English version</a>",
                     {"Set-Cookie: JSESSIONID=de1; Path=/DPMAregister"});
        server_.Page("/DPMAregister/en/Uebersicht.do",
                     "<a href=hilfe.do>Help</a><a title='TRADE MARKS' href=marke.do>Marks</a>");
        server_.Page("/DPMAregister/en/marke.do", "<a href=x.do>Expert</a>"
                                                  "<a href=einsteiger.do>Beginner's search</a>");
        server_.Page("/DPMAregister/marke/einsteiger.do",
                     "<form name=other action=no.do></form><form name=form method=post "
                     "action=ergebnis.do><input type=hidden name=token value=t1><input name=rn>"
                     "<input type=submit name=go value=Go></form>",
                     {"Set-Cookie: step=3"});
        server_.Page("/DPMAregister/marke/ergebnis.do",
                     "<table><tr><td>1<td>M<td>EM<td><a href=em.do>x</a></tr>"
                     "<tr><td>2<td>M<td>DE<td><a href=register/302.do?n=1>y</a></tr></table>");
    }
    const std::uint32_t number_ = ParseDeAppNum("DE30212345");
};

class PolishWalk : public Walks {
protected:
    void SetUp() override {
        Walks::SetUp();
        server_.Page("/patentwebaccess/DatabaseChoose.aspx",
                     "<a href='en/Choose.aspx'> Link to English version </a>",
                     {"Set-Cookie: ASP.NET_SessionId=pl1"});
        const std::string choice =
            // Without an address the form posts to its own page.
            "<form name=Form1 method=post><input type=hidden "
            "name=__VIEWSTATE value=v1><input type=hidden name=__EVENTTARGET></form>";
        const std::string search =
            "<form name=Form1 method=post action=Search.aspx><input type=hidden "
            "name=__VIEWSTATE value=v2><input name=TextBoxSzukaj><input type=radio "
            "name=RadioButtonList2 value=ALL checked><input name=pytanie></form>";
        server_.Route("/patentwebaccess/en/Choose.aspx", [=](const httplib::Request& request,
                                                             httplib::Response& response) {
            response.set_content(request.method == "GET" ? choice : search, "text/html");
        });
        server_.Page("/patentwebaccess/en/Search.aspx",
                     "<table><tr onclick=\"Select('x')\"><td>a</tr>"
                     "<tr onclick=\"PatentDetails('4711','PL')\"><td>b</tr></table>");
    }
    const std::uint32_t number_ = ParsePlAppNum("PL123,456");
};

} // namespace

TEST_F(GermanWalk, ReachesTheDetailsOfTheFirstGermanResult) {
    EXPECT_TRUE(Walk<CHtmlSiteDe>(number_));
    EXPECT_EQ(error_, "");
    EXPECT_EQ(request_.GetUrl(), server_.Url("/DPMAregister/marke/register/302.do?n=1"));
    EXPECT_FALSE(request_.IsPost());
    // The browser gets every cookie the walk was given for the host.
    EXPECT_EQ(request_.GetCookies(), (NameValuePairs{{"JSESSIONID", "de1"}, {"step", "3"}}));
    EXPECT_EQ(server_.Log(),
              (Lines{"GET /DPMAregister/Uebersicht", "GET /DPMAregister/en/Uebersicht.do",
                     "GET /DPMAregister/en/marke.do", "GET /DPMAregister/marke/einsteiger.do",
                     "POST /DPMAregister/marke/ergebnis.do"}));
    const std::vector<LoggedRequest> requests = server_.Requests();
    EXPECT_EQ(requests[1].Header("Cookie"), "JSESSIONID=de1");
    EXPECT_EQ(requests[4].Header("Cookie"), "JSESSIONID=de1; step=3");
    EXPECT_EQ(requests[4].body, "token=t1&rn=30212345&rechercheStarten=Start+search");
}

TEST_F(GermanWalk, StopsWithoutARequestWhereALinkOrFormIsMissing) {
    // Without an English link the walk goes on from the German start page.
    server_.Page("/DPMAregister/Uebersicht", "<a href=en/marke.do title='Trade marks'>M</a>");
    EXPECT_TRUE(Walk<CHtmlSiteDe>(number_));
    EXPECT_EQ(server_.Log().size(), 4u);

    struct Row {
        std::string path;
        std::string body;
        std::size_t requests;
    };
    for (const Row& row : {Row{"/DPMAregister/Uebersicht", "<a href=e.do>Deutsch</a>", 1},
                           Row{"/DPMAregister/en/marke.do", "<a href=b.do>Expert</a>", 3},
                           Row{"/DPMAregister/marke/einsteiger.do", "<form name=x></form>", 4},
                           Row{"/DPMAregister/marke/einsteiger.do",
                               "<form name=form action='mailto:a@b.example'></form>", 4},
                           Row{"/DPMAregister/marke/ergebnis.do", "<td>1<td>2<td>AT<td>x", 5}}) {
        SetUp();
        server_.Page(row.path, row.body);
        EXPECT_FALSE(Walk<CHtmlSiteDe>(number_)) << row.body;
        EXPECT_EQ(error_, "") << row.body;
        EXPECT_EQ(server_.Log().size(), row.requests) << row.body;
        EXPECT_EQ(request_.GetUrl(), "/");
    }
}

TEST_F(GermanWalk, StopsAtTheFirstFailedFetch) {
    server_.Status("/DPMAregister/en/marke.do", 500);
    EXPECT_FALSE(Walk<CHtmlSiteDe>(number_));
    EXPECT_EQ(error_, HttpStatusText(500));
    EXPECT_EQ(server_.Log().size(), 3u);
}

TEST_F(PolishWalk, PostsTheFirstHitToTheDetailsPage) {
    EXPECT_TRUE(Walk<CHtmlSitePl>(number_));
    EXPECT_EQ(error_, "");
    EXPECT_EQ(request_.GetUrl(), server_.Url("/patentwebaccess/PatentDetails.aspx"));
    EXPECT_TRUE(request_.IsPost());
    EXPECT_EQ(request_.GetPostData(), "PatentID=4711&Zrodlo=PL&Strona=&PokazRysunki=&KolumnaSort=");
    EXPECT_EQ(request_.GetCookies(), (NameValuePairs{{"ASP.NET_SessionId", "pl1"}}));
    EXPECT_EQ(
        server_.Log(),
        (Lines{"GET /patentwebaccess/DatabaseChoose.aspx", "GET /patentwebaccess/en/Choose.aspx",
               "POST /patentwebaccess/en/Choose.aspx", "POST /patentwebaccess/en/Search.aspx"}));
    const std::vector<LoggedRequest> requests = server_.Requests();
    EXPECT_EQ(requests[2].body, "__VIEWSTATE=v1&__EVENTTARGET=LinkButtonSzybkie&CheckBox_TOW=on");
    EXPECT_EQ(requests[3].body, "__VIEWSTATE=v2&TextBoxSzukaj=123456&RadioButtonList2=NZL"
                                "&pytanie=123456&ButSzukaj=Search");
    EXPECT_EQ(requests[3].Header("Cookie"), "ASP.NET_SessionId=pl1");
}

TEST_F(PolishWalk, StopsWhereALinkFormOrHitIsMissingOrAFetchFails) {
    struct Row {
        std::string path;
        int status;
        std::string body;
        std::string error;
        std::size_t requests;
    };
    for (const Row& row :
         {Row{"/patentwebaccess/DatabaseChoose.aspx", 200, "<a href=x>Polski</a>", "", 1},
          Row{"/patentwebaccess/en/Choose.aspx", 200, "<form name=Form2></form>", "", 2},
          Row{"/patentwebaccess/en/Search.aspx", 200, "<tr onclick=\"PatentDetails('1\">", "", 4},
          Row{"/patentwebaccess/en/Search.aspx", 502, "", HttpStatusText(502), 4},
          Row{"/patentwebaccess/DatabaseChoose.aspx", 404, "", HttpStatusText(404), 1}}) {
        SetUp();
        if (row.status == 200)
            server_.Page(row.path, row.body);
        else
            server_.Status(row.path, row.status);
        EXPECT_FALSE(Walk<CHtmlSitePl>(number_)) << row.path << row.body;
        EXPECT_EQ(error_, row.error);
        EXPECT_EQ(server_.Log().size(), row.requests) << row.path << row.body;
    }
}
