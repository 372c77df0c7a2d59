#include "app/ProxyCredentialsPrompt.h"

#include <condition_variable>
#include <mutex>

using namespace std::chrono_literals;

namespace {

constexpr std::chrono::milliseconds kCancelPoll = 100ms;

} // namespace

struct CProxyCredentialsPrompt::Shared {
    struct Request {
        std::optional<ProxyCredentials> answer;
        bool answered = false;
        // The worker went on without the answer.
        bool abandoned = false;
    };

    // On the window thread.
    void Answer(Request& request, const std::string& proxy) {
        std::optional<ProxyCredentials> answer;
        if (!IsUnwanted(request))
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
    bool IsUnwanted(const Request& request) {
        std::lock_guard lock(mutex);
        return closed || request.abandoned;
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

std::optional<ProxyCredentials>
CProxyCredentialsPrompt::Ask(const std::string& proxy, const std::function<bool()>& isCancelled) {
    if (std::this_thread::get_id() == windowThread_)
        return shared_->dialog(proxy);
    if (shared_->IsClosed())
        return std::nullopt;
    const auto request = std::make_shared<Shared::Request>();
    post_([shared = shared_, request, proxy] { shared->Answer(*request, proxy); });
    std::unique_lock lock(shared_->mutex);
    const auto cancelled = [&isCancelled] { return isCancelled && isCancelled(); };
    // The cancel is a flag of another thread, which tells nobody it changed: it is looked at
    // often, as the web client looks at it during a transfer.
    while (!shared_->changed.wait_for(lock, kCancelPoll,
                                      [&] { return request->answered || shared_->closed; }))
        if (cancelled()) {
            request->abandoned = true;
            return std::nullopt;
        }
    return request->answered ? request->answer : std::nullopt;
}

void CProxyCredentialsPrompt::Close() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->closed = true;
    }
    shared_->changed.notify_all();
}
