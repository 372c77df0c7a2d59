#include "app/ProxyCredentialsPrompt.h"

#include <condition_variable>
#include <mutex>

struct CProxyCredentialsPrompt::Shared {
    struct Request {
        std::optional<ProxyCredentials> answer;
        bool answered = false;
    };

    // On the window thread.
    void Answer(Request& request, const std::string& proxy) {
        std::optional<ProxyCredentials> answer;
        if (!IsClosed())
            answer = dialog(proxy);
        {
            std::lock_guard lock(mutex);
            request.answer = std::move(answer);
            request.answered = true;
        }
        changed.notify_all();
    }
    bool IsClosed() {
        std::lock_guard lock(mutex);
        return closed;
    }

    Dialog dialog;
    std::mutex mutex;
    std::condition_variable changed;
    bool closed = false;
};

CProxyCredentialsPrompt::CProxyCredentialsPrompt(Dialog dialog, Post post)
    : shared_(std::make_shared<Shared>()), post_(std::move(post)),
      windowThread_(std::this_thread::get_id()) {
    shared_->dialog = std::move(dialog);
}

std::optional<ProxyCredentials> CProxyCredentialsPrompt::Ask(const std::string& proxy) {
    if (std::this_thread::get_id() == windowThread_)
        return shared_->dialog(proxy);
    if (shared_->IsClosed())
        return std::nullopt;
    const auto request = std::make_shared<Shared::Request>();
    post_([shared = shared_, request, proxy] { shared->Answer(*request, proxy); });
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait(lock, [&] { return request->answered || shared_->closed; });
    return request->answered ? request->answer : std::nullopt;
}

void CProxyCredentialsPrompt::Close() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->closed = true;
    }
    shared_->changed.notify_all();
}
