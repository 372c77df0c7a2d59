#pragma once
// A difference-check run with its web work on a thread of its own, so that the window stays live
// while pages take their time. The register table stays on the run's thread: records are read
// there a few marks ahead and handed to the worker, whose outcomes wait in a queue for a call
// through `post`, which must run the call on the run's thread (a window's queued call).
//
// Cancel stops before the next mark and ends the transfer in flight; the marks checked so far
// keep their lines, count in the summary and are flagged. CancelAndFinish does the same at once,
// for a window that closes mid-run. Destroying the worker cancels and waits for its thread;
// outcomes still on their way are then dropped.

#include "web/DiffRun.h"

#include <functional>
#include <memory>
#include <thread>

class CDiffWorker {
public:
    using Post = std::function<void(std::function<void()>)>;

    // What the run's thread is told, in order.
    struct Events {
        std::function<void(const std::string& text, int item)> progress;
        std::function<void(const std::vector<std::string>& lines)> lines;
        std::function<void(const std::string& summary)> finished;
    };

    CDiffWorker(CDiffRun& run, const CWebServers& servers, const CWebOptions& options,
                Events events, Post post);
    ~CDiffWorker();
    CDiffWorker(const CDiffWorker&) = delete;
    CDiffWorker& operator=(const CDiffWorker&) = delete;

    void Start();
    void Cancel();
    // Cancels, waits for the mark in flight and finishes the run before it returns.
    void CancelAndFinish();
    bool IsFinished() const { return finished_; }

private:
    struct Shared;

    void Feed();
    // Every outcome come back from the thread so far, in order.
    void TakeOutcomes();
    void OnOutcome(const CDiffJob& job, CDiffOutcome outcome);
    void FinishIfDone();
    void StopThread();

    CDiffRun& run_;
    Events events_;
    Post post_;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
    int handed_ = 0;
    int returned_ = 0;
    bool allRead_ = false;
    bool cancelled_ = false;
    bool finished_ = false;
};
