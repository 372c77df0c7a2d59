#include "web/DiffWorker.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

namespace {

// Records read ahead of the check: enough to keep the worker busy, few enough that a cancelled
// run wastes no engine calls to speak of.
constexpr int kReadAhead = 4;

} // namespace

struct CDiffWorker::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<CDiffJob> jobs;
    // Checked on the thread, waiting for the run's thread.
    std::deque<std::pair<CDiffJob, CDiffOutcome>> outcomes;
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
            {
                const std::lock_guard lock(shared->mutex);
                shared->outcomes.emplace_back(std::move(job), std::move(outcome));
            }
            post_([this, alive] {
                if (alive.lock())
                    TakeOutcomes();
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

// The thread takes every job handed to it before it stops, so once it has stopped each one's
// outcome is in.
void CDiffWorker::CancelAndFinish() {
    Cancel();
    StopThread();
    TakeOutcomes();
    FinishIfDone();
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

void CDiffWorker::TakeOutcomes() {
    for (;;) {
        std::unique_lock lock(shared_->mutex);
        if (shared_->outcomes.empty())
            return;
        auto [job, outcome] = std::move(shared_->outcomes.front());
        shared_->outcomes.pop_front();
        lock.unlock();
        OnOutcome(job, std::move(outcome));
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
