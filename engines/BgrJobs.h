#pragma once
// Background jobs: a process-wide registry with an overall progress figure for the status pane,
// a job list for the diagnostics report, and the exit-tasks dialog's logic, which holds the
// program's exit while jobs remain. Jobs report from their own threads; the registry's lock is
// always taken before a job's own, never the other way round.

#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class CBgrJob {
public:
    CBgrJob() = default;
    CBgrJob(const CBgrJob&) = delete;
    CBgrJob& operator=(const CBgrJob&) = delete;
    virtual ~CBgrJob() = default;

    // The kind of job, for the lists.
    virtual std::string GetName() const = 0;

    // The status text, with the percentage (0 to 100) through the output.
    std::string GetStatus(int& percentage) const;
    // The job reports; the percentage is held to 0 to 100.
    void SetStatus(const std::string& status, int percentage);

private:
    mutable std::mutex mutex_;
    std::string status_;
    int percentage_ = 0;
};

class CBgrJobManager {
public:
    CBgrJobManager() = default;
    CBgrJobManager(const CBgrJobManager&) = delete;
    CBgrJobManager& operator=(const CBgrJobManager&) = delete;
    virtual ~CBgrJobManager() = default;

    void AddJob(std::shared_ptr<CBgrJob> job);
    // The job has ended; the total restarts when the list becomes empty.
    void RemoveJob(const CBgrJob& job);

    // (name, "%s (%d%%)" of status and percentage) per job in registration order; the count.
    int GetJobList(std::vector<std::pair<std::string, std::string>>& jobs) const;
    // The overall percentage, finished jobs counting 100 each; the jobs left through the output.
    int GetProgress(int& remaining) const;

private:
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<CBgrJob>> jobs_;
    int total_ = 0;
};

// The program's job registry.
CBgrJobManager& TheBgrJobManager();

// The exit-tasks dialog without its window: the names it lists, refreshed every second, and
// whether it may close by itself.
class CExitTasks {
public:
    static constexpr int kTimerId = 105;
    static constexpr int kTimerPeriodMs = 1000;

    explicit CExitTasks(const CBgrJobManager& manager) : manager_(manager) {}

    // Takes the job list; when its length changed, the names shown are replaced (and true is
    // answered, so that the skin refills its list box). The count through the output.
    bool Refresh(int& count);
    // A timer tick: refreshes; true when no job remains and the dialog ends as with OK.
    bool OnTick();
    const std::vector<std::string>& GetNames() const { return names_; }

private:
    const CBgrJobManager& manager_;
    std::vector<std::string> names_;
    int shown_ = 0;
};
