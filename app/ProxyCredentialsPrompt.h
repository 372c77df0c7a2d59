#pragma once
// The program's answer to a proxy that asks for credentials (web/WebClient.h): its dialog, shown
// on the window thread whichever thread's fetch asked. A fetch on a worker thread waits for the
// answer.

#include "web/HttpTransport.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

class CProxyCredentialsPrompt {
public:
    // Shows the dialog for the proxy; no answer when the user cancelled.
    using Dialog = std::function<std::optional<ProxyCredentials>(const std::string& proxy)>;
    // Runs a function on the window thread later.
    using Post = std::function<void(std::function<void()>)>;

    // Made on the window thread.
    CProxyCredentialsPrompt(Dialog dialog, Post post);
    ~CProxyCredentialsPrompt() { Close(); }
    CProxyCredentialsPrompt(const CProxyCredentialsPrompt&) = delete;
    CProxyCredentialsPrompt& operator=(const CProxyCredentialsPrompt&) = delete;

    // A worker's fetch that is cancelled while it waits for the answer goes on unanswered: the
    // window thread may be about to wait for it.
    std::optional<ProxyCredentials> Ask(const std::string& proxy,
                                        const std::function<bool()>& isCancelled);
    // For when the window thread is about to wait for the workers: a worker that waits for an
    // answer, or asks from now on, is answered as if the user cancelled.
    void Close();

private:
    // Shared with what is posted, which may run after the prompt has gone.
    struct Shared;

    std::shared_ptr<Shared> shared_;
    Post post_;
    std::thread::id windowThread_;
};
