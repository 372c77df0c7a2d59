// The usage statistics' web login against a maker's server on loopback.

#include "app/views/UsageStatistics.h"
#include "core/SystemOptions.h"
#include "platform/MessageBox.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LoopbackPorts.h"
#include "tests/support/WebServer.h"
#include "web/HttpStatus.h"
#include "web/MakerPages.h"

#include <gtest/gtest.h>

namespace {

TEST(MakerWebLogin, PostsTheUsersFormToTheNamedServerAndLeavesFailuresToItsCaller) {
    ClearProxyEnvironment();
    LoopbackWebServer server;
    server.Page(CWebLoginPage::kLoginPath,
                "<frameset><frame src='/cgi-bin/du2v.dll?cookie=k%201&cname=Client+1&"
                "company=ACME'></frameset>");
    CTempFolder folder;
    folder.Write("prog/ZrSystem.ini", "[WebServers]\nMaker=" + server.BaseUrl() + "\n");
    CSystemOptions settings;
    settings.Load(folder / "prog");
    std::vector<std::string> shown;
    const platform::ScopedMessageBoxHandler messages([&](const platform::Message& message) {
        shown.push_back(message.text);
        return platform::MessageAnswer::Ok;
    });

    CMakerWebLogin login(settings);
    // The statistics page is asked of the server that answered the login.
    EXPECT_EQ("http://" + login.GetHost(), server.BaseUrl());
    CWebLoginAnswers answers;
    std::string error;
    ASSERT_TRUE(login.Login("ACME", "examiner", "p&w", answers, error));
    EXPECT_EQ(answers.cookie, "k 1");
    EXPECT_EQ(answers.clientName, "Client 1");
    EXPECT_EQ(answers.company, "ACME");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].body, "Login=&compid=ACME&userid=examiner&pass=p%26w");

    // A failure is told once, by the view: the login shows nothing itself.
    server.Status(CWebLoginPage::kLoginPath, 500);
    EXPECT_FALSE(login.Login("ACME", "examiner", "p&w", answers, error));
    EXPECT_EQ(error, HttpStatusText(500));

    // A server that cannot be reached is named with what to try, as the details window names a
    // register's.
    const RefusedPort refused;
    const std::string refusing = "127.0.0.1:" + std::to_string(refused.Port());
    folder.Write("prog/ZrSystem.ini", "[WebServers]\nMaker=http://" + refusing + "\n");
    settings.Load(folder / "prog");
    EXPECT_FALSE(CMakerWebLogin(settings).Login("ACME", "examiner", "p&w", answers, error));
    EXPECT_TRUE(error.starts_with("The usage statistics could not be fetched from " + refusing +
                                  ", which did not accept a connection (") &&
                error.ends_with("). The site may be down, or a firewall or proxy may be in the "
                                "way: try again later with Usage Statistics on the Tools menu."))
        << error;
    EXPECT_TRUE(shown.empty());
}

} // namespace
