// The maker's pages on loopback: announcements, the repository list as the system settings read
// it, the web login, and form posts whose failures are shown to the user.

#include "web/MakerPages.h"

#include "WebFixture.h"
#include "core/SystemOptions.h"
#include "platform/MessageBox.h"
#include "tests/core/TempFolder.h"
#include "web/HttpRepositoryList.h"
#include "web/HttpStatus.h"

using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {

class MakerPages : public WebFixture {
protected:
    MakerPages()
        : messages_([this](const platform::Message& message) {
              shown_.push_back(message.text);
              return platform::MessageAnswer::Ok;
          }) {}

    CWebClient client_{QuickOptions()};
    CWebConnection connection_{client_, CHtmlUrl(server_.BaseUrl())};
    Lines shown_;
    platform::ScopedMessageBoxHandler messages_;
};

// "date|url|title" of each announcement.
Lines Announced(const CHtmlPageAnnouncements& page) {
    Lines lines;
    for (const CAnnouncement& announcement : page.GetAnnouncements())
        lines.push_back(announcement.GetDate() + "|" + announcement.GetUrl() + "|" +
                        announcement.GetTitle());
    return lines;
}

} // namespace

TEST_F(MakerPages, AnnouncementsAreRowsWithAWebLinkAndATitle) {
    server_.Page("/announcements/index.html",
                 "<table><tr><td>1 Jan 2004<td><a href=x.htm>Outside</a></tr></table>"
                 "<table ID=Announcements>"
                 "<tr><td>\r\n 2 Feb 2004 \n<td><a href='news/1.htm'>\nNew <b>register</b>\r\n"
                 "</a><td>ignored third cell</tr>"
                 "<tr><td>3 Mar 2004<td>No link</tr>"
                 "<tr><td>4 Apr 2004<td><a href=4.htm></a></tr>"
                 "<tr><td>5 May 2004<td><a href='mailto:a@b.example'>Mail us</a></tr>"
                 "<tr><td>6 Jun 2004<td><a href='javascript:go()'>Script</a></tr>"
                 "<tr><td>7 Jul 2004<td><a href='https://other.example/7.htm'>Seven</a></tr>"
                 "<tr><td><table><tr><td>inner</table>8 Aug 2004<td><a href=8.htm>Lost</a></tr>"
                 "</table>");
    // Control characters, which the settings file and the menu cannot hold, read as blanks;
    // letters beyond ASCII stay.
    server_.Page("/controls.html", "<table id=announcements><tr><td>9\0Sep\r\n2004"
                                   "<td><a href=9.htm>Neu f\xC3\xBCr Z\xC3\xBCrich\x01\x7F</a>"
                                   "</tr></table>"s);
    CHtmlPageAnnouncements page(&connection_);
    page.SetUrl("http://ignored.example/announcements/index.html");
    page.FetchPage(false);
    EXPECT_EQ(page.GetError(), "");
    EXPECT_EQ(Announced(page),
              (Lines{" 2 Feb 2004 |" + server_.Url("/announcements/news/1.htm") + "|New register",
                     "7 Jul 2004|https://other.example/7.htm|Seven"}));
    page.SetUrl("/controls.html");
    page.FetchPage(false);
    EXPECT_EQ(Announced(page),
              Lines{"9 Sep  2004|" + server_.Url("/9.htm") + "|Neu f\xC3\xBCr Z\xC3\xBCrich  "});
    // A page that cannot be fetched gives no announcements.
    page.SetUrl("/announcements/index.html");
    server_.Status("/announcements/index.html", 404);
    page.FetchPage(false);
    EXPECT_EQ(page.GetError(), HttpStatusText(404));
    EXPECT_EQ(Announced(page), Lines{});
}

TEST_F(MakerPages, RepositoryElementsGiveTheirTexts) {
    CHtmlPageRepositories page;
    page.ParseBuffer("<repository>\r\n  Z\xC3\xBCrich\x1F \n</repository><p>outside</p>"
                     "<Repository>a<b>corbaloc::h:1/x</b> </REPOSITORY><repository></repository>");
    EXPECT_EQ(page.GetRepositories(), (Lines{"Z\xC3\xBCrich", "a", "corbaloc::h:1/x"}));
}

TEST_F(MakerPages, TheSettingsReadTheRepositoryListOverHttp) {
    server_.Page("/repositories/index.html",
                 "<repository>corbaloc::web1:2809/ZrRepository</repository>"
                 "<repository>corbaloc::web2:2809/ZrRepository</repository>");
    CFakeHome home;
    home.Folder().Write("prog/ZrSystem.ini", "[Repository]\nRemote1=corbaloc::ini:2809/Zr\n");
    CSystemOptions options;
    options.Load(home.Folder() / "prog");
    options.SetRepositoryListSource(
        std::make_unique<CHttpRepositoryListSource>(ServersAt(server_.BaseUrl()), QuickOptions()));
    Lines repositories;
    for (int index = 1; index <= 4; ++index)
        repositories.push_back(options.GetRemoteRepository(index));
    EXPECT_EQ(repositories,
              (Lines{"corbaloc::web1:2809/ZrRepository", "corbaloc::web2:2809/ZrRepository",
                     "corbaloc::ini:2809/Zr", ""}));
    EXPECT_EQ(server_.Log(), Lines{"GET /repositories/index.html"});
    EXPECT_EQ(shown_, Lines{});

    // An unreachable list is reported and the list fetched before stays.
    server_.Status("/repositories/index.html", 500);
    EXPECT_EQ(options.GetRemoteRepository(1), "corbaloc::web1:2809/ZrRepository");
    EXPECT_EQ(shown_, Lines{HttpStatusText(500)});
}

TEST_F(MakerPages, TheWebLoginReadsTheSessionFromTheFrameAddress) {
    server_.Page(CWebLoginPage::kLoginPath,
                 "<frameset><frame name=top src='/top.htm'>"
                 "<frame src='/cgi-bin/du2v.dll?Custom=x&COOKIE=abc%20d&cname=Client+1'>"
                 "<frame src='/cgi-bin/du2v.dll?cname=Client+2&company='></frameset>");
    CWebLoginPage login(connection_);
    login.AddParam("compid", "TESTCO");
    login.AddParam("userid", "examiner");
    login.AddParam("pass", "s&cret");
    EXPECT_TRUE(login.Post());
    EXPECT_EQ(login.GetCookie(), "abc d");
    EXPECT_EQ(login.GetCName(), "Client 2");
    EXPECT_EQ(login.GetCompany(), "");
    EXPECT_EQ(server_.Log(), Lines{"POST /cgi-bin/du2v.dll"});
    EXPECT_EQ(server_.Requests()[0].body, "Login=&compid=TESTCO&userid=examiner&pass=s%26cret");
    EXPECT_EQ(shown_, Lines{});
}

TEST_F(MakerPages, APostThatFailsIsShownToTheUser) {
    server_.Status("/form.cgi", 500, "<frame src='/x?cookie=1'>");
    CWebPage page(connection_, "/form.cgi");
    EXPECT_FALSE(page.Post());
    const RefusedPort refused;
    CWebConnection nowhere(client_, CHtmlUrl("http://127.0.0.1:" + std::to_string(refused.Port())));
    EXPECT_FALSE(CWebPage(nowhere, "/form.cgi").Post());
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[0], HttpStatusText(500));
    EXPECT_EQ(shown_[1].substr(0, 20), "Failed to connect to");
}

TEST(WebServers, TheSettingsNameTheServers) {
    CFakeHome home;
    home.Folder().Write("prog/ZrSystem.ini", "[WebServers]\nMaker=http://127.0.0.1:5\n"
                                             "UK=uk.test:8443\nDE=\n");
    CSystemOptions options;
    options.Load(home.Folder() / "prog");
    CWebServers servers;
    const std::string builtInDe = servers.Get(WebServer::De).ToString();
    // Without settings the maker's pages, the login among them, are fetched over https.
    EXPECT_EQ(servers.Get(WebServer::Maker).GetScheme(), "https://");
    servers.Load(options);
    EXPECT_EQ(servers.Get(WebServer::Maker).ToString(), "http://127.0.0.1:5/");
    EXPECT_EQ(servers.Get(WebServer::Uk).ToString(), "https://uk.test:8443/");
    EXPECT_EQ(servers.Get(WebServer::Uk).GetPort(), 8443);
    EXPECT_EQ(servers.Get(WebServer::De).ToString(), builtInDe);
}
