// The background-job registry, its overall progress and the exit-tasks dialog's logic.

#include "engines/BgrJobs.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

class CTestJob : public CBgrJob {
public:
    explicit CTestJob(std::string name) : name_(std::move(name)) {}
    std::string GetName() const override { return name_; }

private:
    std::string name_;
};

std::shared_ptr<CTestJob> Job(const std::string& name, const std::string& status, int percent) {
    auto job = std::make_shared<CTestJob>(name);
    job->SetStatus(status, percent);
    return job;
}

TEST(BgrJobs, AnEmptyRegistryReportsNothing) {
    CBgrJobManager manager;
    int remaining = -1;
    EXPECT_EQ(manager.GetProgress(remaining), 0);
    EXPECT_EQ(remaining, 0);
    std::vector<std::pair<std::string, std::string>> jobs{{"stale", "entry"}};
    EXPECT_EQ(manager.GetJobList(jobs), 0);
    EXPECT_TRUE(jobs.empty());
}

TEST(BgrJobs, FinishedJobsCountAsComplete) {
    CBgrJobManager manager;
    auto report = Job("Report", "Writing", 50);
    auto watch = Job("Watch", "Waiting", 0);
    auto save = Job("Save", "", 100);
    auto print = Job("Print", "", 70);
    for (const auto& job : {report, watch, save, print})
        manager.AddJob(job);
    manager.RemoveJob(*save);
    manager.RemoveJob(*print);
    int remaining = 0;
    EXPECT_EQ(manager.GetProgress(remaining), (50 + 0 + 2 * 100) / 4);
    EXPECT_EQ(remaining, 2);

    std::vector<std::pair<std::string, std::string>> jobs;
    EXPECT_EQ(manager.GetJobList(jobs), 2);
    EXPECT_EQ(jobs[0], std::make_pair(std::string("Report"), std::string("Writing (50%)")));
    EXPECT_EQ(jobs[1], std::make_pair(std::string("Watch"), std::string("Waiting (0%)")));

    // Once the list is empty the total starts again.
    manager.RemoveJob(*report);
    manager.RemoveJob(*watch);
    manager.AddJob(Job("Next", "", 10));
    EXPECT_EQ(manager.GetProgress(remaining), 10);
}

TEST(BgrJobs, JobsReportWhileTheListIsRead) {
    CBgrJobManager manager;
    auto job = Job("Report", "", 0);
    manager.AddJob(job);
    std::thread worker([&job] {
        for (int i = 0; i <= 100; ++i)
            job->SetStatus("Page " + std::to_string(i), i);
    });
    int remaining = 0;
    for (int i = 0; i < 200; ++i) {
        const int progress = manager.GetProgress(remaining);
        EXPECT_GE(progress, 0);
        EXPECT_LE(progress, 100);
    }
    worker.join();
    int percent = 0;
    EXPECT_EQ(job->GetStatus(percent), "Page 100");
    EXPECT_EQ(percent, 100);
    job->SetStatus("over", 250);
    job->GetStatus(percent);
    EXPECT_EQ(percent, 100);
}

TEST(BgrJobs, TheExitDialogListsJobsUntilNoneRemains) {
    CBgrJobManager manager;
    CExitTasks dialog(manager);
    int count = -1;
    EXPECT_FALSE(dialog.Refresh(count));
    EXPECT_EQ(count, 0);

    auto report = Job("Report", "", 0);
    auto watch = Job("Watch", "", 0);
    manager.AddJob(report);
    manager.AddJob(watch);
    EXPECT_TRUE(dialog.Refresh(count));
    EXPECT_EQ(dialog.GetNames(), (std::vector<std::string>{"Report", "Watch"}));
    EXPECT_FALSE(dialog.Refresh(count));
    EXPECT_FALSE(dialog.OnTick());

    manager.RemoveJob(*report);
    EXPECT_FALSE(dialog.OnTick());
    EXPECT_EQ(dialog.GetNames(), std::vector<std::string>{"Watch"});
    manager.RemoveJob(*watch);
    EXPECT_TRUE(dialog.OnTick());
    EXPECT_TRUE(dialog.GetNames().empty());
}

} // namespace
