// The register sites' requests: each register's exact target, fetched from the loopback server
// as the difference check fetches it, and the special registers of the reserved words and the
// UK domain names.

#include "WebFixture.h"
#include "registers/AppNumFormats.h"
#include "web/HttpStatus.h"
#include "web/RecordPageSites.h"
#include "web/RegisterSites.h"

#include <functional>

using Lines = std::vector<std::string>;

namespace {

using SiteMaker = std::function<std::unique_ptr<CHtmlSite>(CWebClient&, const CWebServers&)>;

template <typename Site>
SiteMaker Make() {
    return [](CWebClient& client, const CWebServers& servers) {
        return std::make_unique<Site>(client, servers);
    };
}

class Sites : public WebFixture {
protected:
    CWebClient client_{QuickOptions()};
    CWebServers servers_ = ServersAt(server_.BaseUrl());
};

} // namespace

TEST_F(Sites, EachRegisterRequestsItsExactTargetAndFetchesIt) {
    struct Row {
        SiteMaker make;
        std::uint32_t number;
        std::string target;
    };
    const std::vector<Row> rows = {
        {Make<CHtmlSiteUk>(), ParseUkAppNum("B1,234,567"), "/tmcase/Results/1/UK00001234567"},
        {Make<CHtmlSiteUk>(), ParseUkAppNum("M1234567"), "/tmcase/Results/2/WO0000001234567"},
        {Make<CHtmlSiteCtm>(), ParseAppNum("1,234"), "/tmview/get-detail?st13=EM500000000001234"},
        {Make<CHtmlSiteCd>(), ParseCdAppNum("123-4"),
         "/tmdsview-web/get-detail?st13=EM700000000000123-0004"},
        // The Irish formatter writes "IR0001234"; its letters are dropped.
        {Make<CHtmlSiteIe>(), ParseIeAppNum("IR1234"), "/register/TMRegister.aspx?idappli=0001234"},
        {Make<CHtmlSiteIe>(), ParseIeAppNum("M56"), "/register/TMRegister.aspx?idappli=0000056"},
        {Make<CHtmlSiteIn>(), ParseInAppNum("1,234,567"),
         "/romarin/advSearch.do?ID=0&searchString=+%2fMARKGR%2fINTREGN+contains+1234567"},
        {Make<CHtmlSiteUs>(), ParseUsAppNum("75-123456"),
         "/servlet/tarr?regser=serial&entry=75123456&action=Request+Status"},
        {Make<CHtmlSiteCa>(), ParseCaAppNum("123,456-01"),
         "/app/opic-cipo/trdmrks/srch/viewTrademark?id=0123456&lang=eng&tab=reg"},
        {Make<CHtmlSiteAu>(), ParseAuAppNum("1,234,567"),
         "/trademarks/search/view/1234567?q=1234567"},
    };
    for (const Row& row : rows)
        server_.Page(CHtmlUrl(row.target).GetDirectory() + "/" + CHtmlUrl(row.target).GetFile(),
                     "<p>details</p>");
    Lines log;
    for (const Row& row : rows) {
        const std::unique_ptr<CHtmlSite> site = row.make(client_, servers_);
        CHtmlRequest request;
        std::string error = "stale";
        EXPECT_TRUE(site->BuildDetailsRequest(row.number, request, error)) << row.target;
        EXPECT_EQ(error, "");
        EXPECT_EQ(request.GetUrl(), server_.Url(row.target));
        EXPECT_FALSE(request.IsPost());
        TextPage page;
        EXPECT_TRUE(site->FetchDetails(request, page, error)) << error;
        EXPECT_EQ(page.texts, Lines{"details"}) << row.target;
        log.push_back("GET " + row.target);
    }
    EXPECT_EQ(server_.Log(), log);
}

TEST_F(Sites, NumbersAsTheRegistersWriteThem) {
    const CHtmlSiteUk uk(client_, servers_);
    // A final run of letters starts at index 7, when it starts before.
    EXPECT_EQ(uk.FormatAppNum(ParseUkAppNum("12,345A")), "12345  a");
    EXPECT_EQ(uk.FormatAppNum(ParseUkAppNum("1234567AB")), "1234567ab");
    EXPECT_EQ(uk.FormatAppNum(ParseUkAppNum("B1234AB")), "1234   ab");
    EXPECT_EQ(uk.FormatAppNum(ParseUkAppNum("M1234567A")), "M1234567a");
    EXPECT_EQ(uk.FormatAppNum(ParseUkAppNum("123")), "123");
    EXPECT_EQ(CHtmlSiteCa(client_, servers_).FormatAppNum(ParseCaAppNum("12-05")), "0000012");
    EXPECT_EQ(CHtmlSiteCd(client_, servers_).FormatAppNum(ParseCdAppNum("7-1023")),
              "000000007-1023");
}

TEST_F(Sites, UkBrowserRequestFromTheRecord) {
    struct Row {
        CZrData record;
        std::string target;
    };
    for (const Row& row : {
             Row{Record({{"APPNUM", "B1,234,567"}}), "/tmcase/Results/1/UK00001234567"},
             Row{Record({{"APPNUM", "M1234567"}, {"MADRID_ACTAPPNUM", "987654"}}),
                 "/tmcase/Results/2/WO0000000987654"},
             Row{Record({{"APPNUM", "M1234567"}, {"MADRID_ACTAPPNUM", ""}}),
                 "/tmcase/Results/2/WO0000001234567"},
             // Whatever the record holds stays inside the path.
             Row{Record({{"APPNUM", "12 34/../x?y#z"}}),
                 "/tmcase/Results/1/UK12%2034%2F..%2Fx%3Fy%23z"},
         }) {
        CHtmlRequest request;
        std::string error;
        EXPECT_TRUE(CHtmlSiteUk(client_, servers_).BuildBrowserRequest(row.record, request, error));
        EXPECT_EQ(request.GetUrl(), server_.Url(row.target));
    }
    CHtmlRequest request;
    std::string error;
    EXPECT_FALSE(CHtmlSiteUk(client_, servers_).BuildBrowserRequest(Record({}), request, error));
    EXPECT_EQ(error, "AppNum  not found");
    EXPECT_EQ(request.GetUrl(), "/");
}

TEST_F(Sites, SpecialRegistersOfTheReservedWords) {
    struct Row {
        std::string subset;
        std::string urlInfo;
        std::string url; // or the error
    };
    servers_.Set(WebServer::Inn, "https://inn.test");
    const std::string agriculture = "http://agri.test:8080";
    servers_.Set(WebServer::EuAgriculture, agriculture);
    for (const Row& row : {
             Row{"INN", "12 34&x", "https://inn.test/inn/db/ViewINN.aspx?i=12+34%26x"},
             Row{"inn", "", "AppNum A-1 not found"},
             Row{"USAN", "http://usan.test/a/b.htm?c=1", "http://usan.test/a/b.htm?c=1"},
             Row{"USAN", "file:///etc/passwd", "AppNum A-1 not found"},
             Row{"USAN", "usan.test/a", "AppNum A-1 not found"},
             Row{"DOOR", "77",
                 agriculture + "/agriculture/quality/door/registeredName.html"
                               "?denominationId=77"},
             Row{"WINE", "HTTP://Wine.test/a.htm", "HTTP://Wine.test/a.htm"},
             Row{"wine", "http-not-an-address", "AppNum A-1 not found"},
             Row{"WINE", "list/a b.htm",
                 agriculture + "/agriculture/markets/wine/e-bacchus/"
                               "list/a%20b.htm"},
             Row{"BAN", "x", "PTO click-through is not supported for this name."},
             Row{"", "x", "PTO click-through is not supported for this name."},
         }) {
        CHtmlRequest request;
        std::string error;
        const bool built =
            CHtmlSiteA6(client_, servers_)
                .OpenSpecialRegister(
                    Record({{"SUBSET", row.subset}, {"URLINFO", row.urlInfo}, {"APPNUM", "A-1"}}),
                    request, error);
        EXPECT_EQ(built ? request.GetUrl() : error, row.url) << row.subset << " " << row.urlInfo;
        EXPECT_EQ(built, error.empty());
    }
    EXPECT_EQ(server_.Log(), Lines{});
}

TEST_F(Sites, EmblemSearch) {
    server_.Page("/ipdl/en/6ter/", "<form name=frm action='search.jsp' method=post>"
                                   "<input type=hidden name=h value=1><input name=TERM_1>"
                                   "<input type=submit value=Search></form>");
    server_.Page("/ipdl/en/6ter/search.jsp",
                 "<table><tr><td>2 records</td></tr></table><table></table>"
                 "<table><tr><td>1<td><a href='show.jsp?id=7'>OLYMPIC</a></table>");
    const CZrData record = Record({{"SUBSET", "A6"}, {"PKEY", "OLYMPIC RINGS"}, {"APPNUM", "12"}});
    CHtmlRequest request;
    std::string error;
    EXPECT_TRUE(CHtmlSiteA6(client_, servers_).OpenSpecialRegister(record, request, error));
    EXPECT_EQ(request.GetUrl(), server_.Url("/ipdl/en/6ter/show.jsp?id=7"));
    EXPECT_EQ(server_.Log(), (Lines{"GET /ipdl/en/6ter/", "POST /ipdl/en/6ter/search.jsp"}));
    EXPECT_EQ(server_.Requests().back().body, "h=1&TERM_1=OLYMPIC+RINGS");

    server_.Page("/ipdl/en/6ter/search.jsp", "<table><tr><td>0 records</td></tr></table>");
    EXPECT_FALSE(CHtmlSiteA6(client_, servers_).OpenSpecialRegister(record, request, error));
    EXPECT_EQ(error, "AppNum 12 not found");
    server_.Status("/ipdl/en/6ter/search.jsp", 500);
    EXPECT_FALSE(CHtmlSiteA6(client_, servers_).OpenSpecialRegister(record, request, error));
    EXPECT_EQ(error, HttpStatusText(500));
    // The walk stops at its first failed fetch, with that fetch's error.
    server_.Status("/ipdl/en/6ter/", 404);
    server_.ClearRequests();
    EXPECT_FALSE(CHtmlSiteA6(client_, servers_).OpenSpecialRegister(record, request, error));
    EXPECT_EQ(error, HttpStatusText(404));
    EXPECT_EQ(server_.Log(), Lines{"GET /ipdl/en/6ter/"});
}

TEST_F(Sites, PlantVarietySearch) {
    const std::string start = "/WD120AWP/WD120Awp.exe/CONNECT/ClientExtranet";
    server_.Page(start,
                 "<form name=FRMTABLE_FILE method=post action='../CTX_1/RESULT.awp'>"
                 "<input name=A30></form>",
                 {"Set-Cookie: ctx=9"});
    server_.Page("/WD120AWP/WD120Awp.exe/CTX_1/RESULT.awp", "<a href=x>ROSE</a>");
    const CZrData record = Record({{"SUBSET", "CPVR"}, {"PKEY", "ROSA 1"}});
    CHtmlRequest request;
    std::string error;
    EXPECT_TRUE(CHtmlSiteA6(client_, servers_).OpenSpecialRegister(record, request, error));
    EXPECT_EQ(request.GetUrl(), server_.Url("/WD120AWP/WD120Awp.exe/CTX_1/RESULT.awp?A7&A1=1"));
    EXPECT_EQ(request.GetCookies(), (NameValuePairs{{"ctx", "9"}}));
    EXPECT_EQ(server_.Requests().back().body, "A30=ROSA+1");

    server_.Page("/WD120AWP/WD120Awp.exe/CTX_1/RESULT.awp", "<p>no link</p>");
    EXPECT_FALSE(CHtmlSiteA6(client_, servers_).OpenSpecialRegister(record, request, error));
    EXPECT_EQ(error, "");
    server_.Page(start, "<form name=other></form>");
    EXPECT_FALSE(CHtmlSiteA6(client_, servers_).OpenSpecialRegister(record, request, error));
    EXPECT_EQ(error, "");
    servers_.Set(WebServer::PlantVarieties, "ftp://cpvr.test");
    EXPECT_FALSE(CHtmlSiteA6(client_, servers_).OpenSpecialRegister(record, request, error));
    EXPECT_EQ(error, "Cannot get connection to cpvr.test");
}

TEST_F(Sites, WhoisOfAUkDomain) {
    servers_.Set(WebServer::UkDomainsWhois, "http://whois.test");
    server_.Page("/", "<form action='/other.cgi'><input name=q></form>"
                      "<form action='cgi/query.cgi'><input name=query></form>");
    CHtmlSiteUkdom site(client_, servers_);
    CHtmlRequest request;
    std::string error;
    for (const char* domain : {"acme.co.uk", "b c.uk"}) {
        EXPECT_TRUE(site.BuildWhoisRequest(domain, request, error));
        EXPECT_EQ(error, "");
    }
    EXPECT_EQ(request.GetUrl(), server_.Url("/cgi/query.cgi?query=b+c.uk"));
    // The form's address is looked up once per site.
    EXPECT_EQ(server_.Log(), Lines{"GET /"});

    server_.Page("/", "<form action='/other.cgi'><input name=q></form>");
    EXPECT_TRUE(CHtmlSiteUkdom(client_, servers_).BuildWhoisRequest("d.uk", request, error));
    EXPECT_EQ(request.GetUrl(), "http://whois.test/cgi-bin/whois.cgi?query=d.uk");
    server_.Status("/", 503);
    EXPECT_TRUE(CHtmlSiteUkdom(client_, servers_).BuildWhoisRequest("d.uk", request, error));
    EXPECT_EQ(error, HttpStatusText(503));
    EXPECT_EQ(request.GetUrl(), "http://whois.test/cgi-bin/whois.cgi?query=d.uk");
}

TEST_F(Sites, AServerThatIsNoWebAddressGivesNoConnection) {
    servers_.Set(WebServer::Ie, "ftp://ie.test");
    CHtmlSiteIe site(client_, servers_);
    std::string error;
    EXPECT_EQ(site.GetConnection(error), nullptr);
    EXPECT_EQ(error, "Cannot get connection to ie.test");
    CHtmlRequest request;
    EXPECT_TRUE(site.BuildDetailsRequest(ParseIeAppNum("12"), request, error));
    TextPage page;
    EXPECT_FALSE(site.FetchDetails(request, page, error));
    EXPECT_EQ(error, "Cannot get connection to ie.test");
}
