#include "web/DiffWorker.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace {

// Records read ahead of the check: enough to keep the worker busy, few enough that a cancelled
// run wastes no engine calls to speak of.
constexpr int kReadAhead = 4;

} // namespace

struct CDiffWorker::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<CDiffJob> jobs;
    bool stop = false;
    std::atomic<bool> cancelled{false};
};

CDiffWorker::CDiffWorker(CDiffRun& run, const CWebServers& servers, const CWebOptions& options,
                         Events events, Post post)
    : run_(run), events_(std::move(events)), post_(std::move(post)),
      shared_(std::make_shared<Shared>()) {
    CWebOptions cancellable = options;
    cancellable.isCancelled = [shared = shared_.get()] { return shared->cancelled.load(); };
    const std::weak_ptr<Shared> alive = shared_;
    thread_ = std::thread([this, shared = shared_, servers, cancellable, alive] {
        CDiffChecker checker(servers, cancellable);
        for (;;) {
            CDiffJob job;
            {
                std::unique_lock lock(shared->mutex);
                shared->wake.wait(lock, [&] { return !shared->jobs.empty() || shared->stop; });
                if (shared->jobs.empty())
                    return;
                job = std::move(shared->jobs.front());
                shared->jobs.pop_front();
            }
            CDiffOutcome outcome;
            if (!shared->cancelled)
                outcome = checker.Check(job);
            post_([this, alive, job = std::move(job), outcome = std::move(outcome)]() mutable {
                if (alive.lock())
                    OnOutcome(job, std::move(outcome));
            });
        }
    });
}

CDiffWorker::~CDiffWorker() {
    Cancel();
    StopThread();
}

void CDiffWorker::Start() {
    if (run_.GetMarkCount() > 0)
        events_.progress(run_.ProgressText(0), 0);
    Feed();
    FinishIfDone();
}

void CDiffWorker::Cancel() {
    cancelled_ = true;
    shared_->cancelled = true;
    shared_->wake.notify_all();
}

void CDiffWorker::Feed() {
    while (!cancelled_ && !allRead_ && handed_ - returned_ < kReadAhead) {
        CDiffJob job;
        if (!run_.ReadNext(job)) {
            allRead_ = true;
            break;
        }
        {
            const std::lock_guard lock(shared_->mutex);
            shared_->jobs.push_back(std::move(job));
        }
        shared_->wake.notify_all();
        ++handed_;
    }
}

// A mark whose check was cut short by Cancel was not checked and says nothing.
void CDiffWorker::OnOutcome(const CDiffJob& job, CDiffOutcome outcome) {
    ++returned_;
    if (!cancelled_ || outcome.checked) {
        if (!outcome.lines.empty())
            events_.lines(outcome.lines);
        run_.Take(job, std::move(outcome));
    }
    if (const int next = job.index + 1; !cancelled_ && next < run_.GetMarkCount())
        events_.progress(run_.ProgressText(next), next);
    Feed();
    FinishIfDone();
}

void CDiffWorker::FinishIfDone() {
    if (finished_ || handed_ != returned_ || !(allRead_ || cancelled_))
        return;
    finished_ = true;
    StopThread();
    events_.finished(run_.Finish());
}

void CDiffWorker::StopThread() {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stop = true;
    }
    shared_->wake.notify_all();
    if (thread_.joinable())
        thread_.join();
}
