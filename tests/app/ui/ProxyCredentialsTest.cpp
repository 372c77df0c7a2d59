// The proxy credentials dialog behind every web fetch of the program: a fetch on a worker thread
// asks it on the window thread, and a fetch left waiting when the program ends is let go.

#include "WxTestSupport.h"
#include "app/ProxyCredentialsPrompt.h"
#include "app/ui/ProxyCredentialsDlg.h"
#include "tests/support/LoopbackPorts.h"
#include "tests/support/WebServer.h"
#include "web/WebClient.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/textctrl.h>

namespace {

using Texts = std::vector<std::string>;

class ProxyCredentialsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearProxyEnvironment();
        proxy_.ActAsProxy("user", "pa ss", "<p>via proxy</p>");
    }
    // A page fetched through the proxy on a worker thread, while the window thread runs.
    HttpReply FetchOnWorker() {
        HttpReply reply;
        std::atomic<bool> done = false;
        std::thread worker([&] {
            CWebOptions options;
            options.proxy = proxy_.BaseUrl();
            CWebClient client(options);
            HttpExchange exchange;
            exchange.url = "http://www.velorin.example/news.htm";
            reply = client.Exchange(exchange);
            done = true;
        });
        EXPECT_TRUE(wx_test::PumpUntil([&done] { return done.load(); }));
        worker.join();
        return reply;
    }

    LoopbackWebServer proxy_;
    CProxyCredentialsPrompt prompt_{
        [](const std::string& proxy) { return AskProxyCredentials(nullptr, proxy); },
        [](std::function<void()> task) { wxTheApp->CallAfter(std::move(task)); }};
    CScopedProxyCredentialsHandler handler_{
        [this](const std::string& proxy) { return prompt_.Ask(proxy); }};
};

TEST_F(ProxyCredentialsTest, AWorkersFetchIsAnsweredByTheDialogOnTheWindowThread) {
    wx_test::DialogScripts scripts;
    scripts.Add([](wxDialog& dialog) {
        auto& password = wx_test::Child<wxTextCtrl>(dialog, CProxyCredentialsDlg::kPassword);
        EXPECT_TRUE(password.HasFlag(wxTE_PASSWORD));
        wx_test::Child<wxTextCtrl>(dialog, CProxyCredentialsDlg::kUserName).SetValue("user");
        password.SetValue("pa ss");
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
    });
    const HttpReply reply = FetchOnWorker();
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, "<p>via proxy</p>");
    EXPECT_EQ(scripts.Opened(), Texts{"Enter Network Password"});
    EXPECT_EQ(proxy_.Requests().back().Header("Proxy-Authorization"), "Basic dXNlcjpwYSBzcw==");
}

TEST(ProxyCredentialsPrompt, ClosingItLetsAWaitingWorkerGoWithoutAsking) {
    std::mutex mutex;
    std::condition_variable posted;
    std::vector<std::function<void()>> questions;
    int dialogs = 0;
    CProxyCredentialsPrompt prompt(
        [&dialogs](const std::string&) {
            ++dialogs;
            return std::optional<ProxyCredentials>({"user", "secret"});
        },
        [&](std::function<void()> question) {
            std::lock_guard lock(mutex);
            questions.push_back(std::move(question));
            posted.notify_all();
        });
    std::optional<ProxyCredentials> answer = ProxyCredentials{};
    std::thread worker([&] { answer = prompt.Ask("http://proxy.example:3128"); });
    {
        std::unique_lock lock(mutex);
        posted.wait(lock, [&questions] { return !questions.empty(); });
    }
    // The window thread is about to wait for the worker, as the program does when it ends.
    prompt.Close();
    worker.join();
    EXPECT_FALSE(answer);
    // The question it posted comes too late to open the dialog.
    questions.front()();
    EXPECT_EQ(dialogs, 0);
}

} // namespace
