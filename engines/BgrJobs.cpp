#include "engines/BgrJobs.h"

#include <algorithm>

std::string CBgrJob::GetStatus(int& percentage) const {
    std::lock_guard lock(mutex_);
    percentage = percentage_;
    return status_;
}

void CBgrJob::SetStatus(const std::string& status, int percentage) {
    std::lock_guard lock(mutex_);
    status_ = status;
    percentage_ = std::clamp(percentage, 0, 100);
}

void CBgrJobManager::AddJob(std::shared_ptr<CBgrJob> job) {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    ++total_;
}

void CBgrJobManager::RemoveJob(const CBgrJob& job) {
    std::lock_guard lock(mutex_);
    std::erase_if(jobs_, [&job](const auto& held) { return held.get() == &job; });
    if (jobs_.empty())
        total_ = 0;
}

int CBgrJobManager::GetJobList(std::vector<std::pair<std::string, std::string>>& jobs) const {
    jobs.clear();
    std::lock_guard lock(mutex_);
    for (const auto& job : jobs_) {
        int percentage = 0;
        const std::string status = job->GetStatus(percentage);
        jobs.emplace_back(job->GetName(), status + " (" + std::to_string(percentage) + "%)");
    }
    return static_cast<int>(jobs_.size());
}

int CBgrJobManager::GetProgress(int& remaining) const {
    std::lock_guard lock(mutex_);
    remaining = static_cast<int>(jobs_.size());
    if (total_ <= 0)
        return 0;
    int sum = 0;
    for (const auto& job : jobs_) {
        int percentage = 0;
        job->GetStatus(percentage);
        sum += percentage;
    }
    return (sum + (total_ - remaining) * 100) / total_;
}

CBgrJobManager& TheBgrJobManager() {
    static CBgrJobManager manager;
    return manager;
}

bool CExitTasks::Refresh(int& count) {
    std::vector<std::pair<std::string, std::string>> jobs;
    count = manager_.GetJobList(jobs);
    if (count == shown_)
        return false;
    names_.clear();
    for (const auto& job : jobs)
        names_.push_back(job.first);
    shown_ = count;
    return true;
}

bool CExitTasks::OnTick() {
    int count = 0;
    Refresh(count);
    return count == 0;
}
