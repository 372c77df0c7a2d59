// The maker's server as the program reads it, from a web server on loopback: the repository
// list behind the settings' remote repositories, and the announcements page.

#include "app/MakerServer.h"

#include "core/SystemOptions.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LoopbackPorts.h"
#include "tests/support/WebServer.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

using Texts = std::vector<std::string>;
using namespace std::chrono_literals;

class MakerServerTest : public ::testing::Test {
protected:
    void SetUp() override { ClearProxyEnvironment(); }

    // The settings with a remote repository of their own and these [WebServers] lines.
    void Load(const std::string& webServers) {
        folder_.Write("prog/ZrSystem.ini",
                      "[Repository]\nRemote1=corbaloc::ini:2809/Zr\n[WebServers]\n" + webServers);
        settings_.Load(folder_ / "prog");
        UseMakerRepositoryList(settings_);
    }
    static CWebOptions QuickOptions() {
        CWebOptions options = MakerPageOptions();
        options.connectRetries = 0;
        options.receiveTimeout = 1s;
        return options;
    }
    // "date|url|title" of each announcement the page gives, and the error.
    static Texts Fetch(const std::string& server) {
        CWebAnnouncementSource source{CHtmlUrl(server), QuickOptions()};
        std::string error;
        Texts lines;
        for (const CAnnouncementItem& item : source.Fetch(error, {}))
            lines.push_back(item.date + "|" + item.url + "|" + item.title);
        lines.push_back("error: " + error);
        return lines;
    }

    CTempFolder folder_;
    CSystemOptions settings_;
    LoopbackWebServer server_;
};

TEST_F(MakerServerTest, TheRepositoryListIsReadOnlyFromAMakerServerTheSettingsName) {
    server_.Page("/repositories/index.html", "<repository>corbaloc::web:2809/Zr</repository>");
    Load("UK=" + server_.BaseUrl() + "\n");
    EXPECT_EQ(settings_.GetRemoteRepository(1), "corbaloc::ini:2809/Zr");

    Load("Maker=" + server_.BaseUrl() + "\n");
    EXPECT_EQ(settings_.GetRemoteRepository(1), "corbaloc::web:2809/Zr");
    EXPECT_EQ(settings_.GetRemoteRepository(2), "corbaloc::ini:2809/Zr");

    // Settings that no longer name it stop reading it.
    Load("");
    settings_.GetRemoteRepository(1);
    EXPECT_EQ(server_.Log(), Texts{"GET /repositories/index.html"});
}

TEST_F(MakerServerTest, AnnouncementsComeFromThePageAndOnlyAMissingConnectionIsAnError) {
    server_.Page(CWebAnnouncementSource::kPath,
                 "<table id=announcements><tr><td>1 Mar 2017</td>"
                 "<td><a href='news/a.htm'>Prices</a></td></tr></table>");
    EXPECT_EQ(
        Fetch(server_.BaseUrl()),
        (Texts{"1 Mar 2017|" + server_.Url("/announcements/news/a.htm") + "|Prices", "error: "}));

    server_.Status(CWebAnnouncementSource::kPath, 404, "<table id=announcements>");
    EXPECT_EQ(Fetch(server_.BaseUrl()), Texts{"error: "});

    // The library's own text, which names the port and the time taken.
    const RefusedPort refused;
    const Texts nothing = Fetch("http://127.0.0.1:" + std::to_string(refused.Port()));
    ASSERT_EQ(nothing.size(), 1u);
    EXPECT_TRUE(nothing[0].starts_with("error: Failed to connect to 127.0.0.1") &&
                nothing[0].ends_with("Couldn't connect to server"))
        << nothing[0];
}

TEST_F(MakerServerTest, AReadingThatGoesIsStoppedNotWaitedForTillItsTimeOut) {
    const SilentPort silent;
    const auto started = std::chrono::steady_clock::now();
    {
        CAnnouncementsFetch fetch(
            std::make_unique<CWebAnnouncementSource>(
                CHtmlUrl("http://127.0.0.1:" + std::to_string(silent.Port())), MakerPageOptions()),
            [](std::function<void()>) {},
            [](std::vector<CAnnouncementItem>, const std::string&) {});
        std::this_thread::sleep_for(200ms);
    }
    // The connection alone would be given 10 s, twice.
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
}

} // namespace
