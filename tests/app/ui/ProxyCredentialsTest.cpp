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
        [this](const std::string& proxy, const std::function<bool()>& isCancelled) {
            return prompt_.Ask(proxy, isCancelled);
        }};
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

// A prompt whose questions wait until the test runs them, as if the window thread were busy.
class ProxyCredentialsPromptTest : public ::testing::Test {
protected:
    void WaitForQuestions(std::size_t count) {
        std::unique_lock lock(mutex_);
        posted_.wait(lock, [&] { return questions_.size() == count; });
    }
    // Waits until this many questions have been posted and runs the last.
    void AnswerQuestion(std::size_t count) {
        WaitForQuestions(count);
        std::function<void()> question;
        {
            std::lock_guard lock(mutex_);
            question = questions_.back();
        }
        question();
    }

    std::mutex mutex_;
    std::condition_variable posted_;
    std::vector<std::function<void()>> questions_;
    int dialogs_ = 0;
    CProxyCredentialsPrompt prompt_{[this](const std::string&) {
                                        ++dialogs_;
                                        return std::optional<ProxyCredentials>({"user", "secret"});
                                    },
                                    [this](std::function<void()> question) {
                                        std::lock_guard lock(mutex_);
                                        questions_.push_back(std::move(question));
                                        posted_.notify_all();
                                    }};
};

TEST_F(ProxyCredentialsPromptTest, ClosingItLetsAWaitingWorkerGoWithoutAsking) {
    std::optional<ProxyCredentials> answer = ProxyCredentials{};
    std::thread worker([&] { answer = prompt_.Ask("http://proxy.example:3128", {}); });
    WaitForQuestions(1);
    // The window thread is about to wait for the worker, as the program does when it ends.
    prompt_.Close();
    worker.join();
    EXPECT_FALSE(answer);
    // The question it posted comes too late to open the dialog.
    AnswerQuestion(1);
    EXPECT_EQ(dialogs_, 0);
}

TEST_F(ProxyCredentialsPromptTest, ACancelledFetchStopsWaitingAndItsQuestionOpensNoDialog) {
    // As a window that ends its run cancels the fetch, then waits for its thread.
    std::atomic<bool> cancelled = false;
    std::optional<ProxyCredentials> answer = ProxyCredentials{};
    std::thread worker([&] {
        answer =
            prompt_.Ask("http://proxy.example:3128", [&cancelled] { return cancelled.load(); });
    });
    WaitForQuestions(1);
    cancelled = true;
    worker.join();
    EXPECT_FALSE(answer);
    AnswerQuestion(1);
    EXPECT_EQ(dialogs_, 0);

    // The prompt still answers the next fetch.
    std::thread next([&] { answer = prompt_.Ask("http://proxy.example:3128", {}); });
    AnswerQuestion(2);
    next.join();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->user, "user");
    EXPECT_EQ(dialogs_, 1);
}

} // namespace
