#include "engines/SearchProgress.h"

#include "engines/ExamDocument.h"
#include "engines/NameList.h"
#include "engines/RegisterTable.h"
#include "platform/MessageBox.h"

#include <strings.h>

namespace {

const char* const kCompleted = "Completed";
const std::size_t kCompletedPrefixLength = 10; // "Completed:"

// While polling, "Completed: ..." in any letter case shows as "Completed".
std::string ShortenStatus(const std::string& status) {
    if (status.size() >= kCompletedPrefixLength &&
        strncasecmp(status.c_str(), "Completed:", kCompletedPrefixLength) == 0)
        return kCompleted;
    return status;
}

} // namespace

CSearchProgress::CSearchProgress(IExamDocument& document, const CSearchServices& services)
    : document_(document), services_(services) {}

CSearchProgress::~CSearchProgress() = default;

void CSearchProgress::AddSearches(const CFilter& filter) {
    for (int id : document_.GetFilteredSearchIds(filter))
        searchIds_.push_back(id);
}

CSearch CSearchProgress::GetSearch(int index) const {
    return document_.FindSearch(searchIds_.at(static_cast<std::size_t>(index)));
}

void CSearchProgress::StoreResults() {
    runner_->CollectResults(document_);
}

void CSearchProgress::Begin() {
    current_ = 0;
    number_ = GetSearchCount();
    if (number_ <= 0) {
        // Nothing to run: done at once.
        OnAllDone();
        End(Result::Ok);
        return;
    }
    MakeRunner();
    FillRows();
    startPending_ = true;
    timerRunning_ = true;
    // Nothing has started, so nothing ends here, unless the search names no database.
    Update();
}

void CSearchProgress::MakeRunner() {
    const CSearch search = GetSearch(current_);
    runner_.reset();
    runner_ = std::make_unique<CSearchEngines>(search, document_.GetClient(), document_.GetExamId(),
                                               document_.IsOneClassOnly(), services_);
}

void CSearchProgress::FillRows() {
    const int shown = std::min(runner_->GetDbCount(), kMaxRows);
    rows_.clear();
    for (int i = 0; i < shown; ++i)
        rows_.push_back({runner_->GetDbName(i) + ":", "Waiting for search to start"});
}

void CSearchProgress::Tick() {
    if (IsEnded() || !timerRunning_)
        return;
    if (startPending_) {
        startPending_ = false;
        runner_->Start();
        FillRows();
    }
    Update();
}

void CSearchProgress::Update() {
    if (current_ >= number_)
        return;
    header_ = number_ < 2 ? std::string("Performing search")
                          : "Performing search " + std::to_string(current_ + 1) + " of " +
                                std::to_string(number_);
    bool allDone = true;
    for (int i = 0; i < runner_->GetDbCount(); ++i) {
        bool done = false;
        const std::string status = runner_->GetSearchStatus(i, done);
        if (i < kMaxRows)
            rows_[static_cast<std::size_t>(i)].status = ShortenStatus(status);
        allDone = allDone && done;
    }
    if (!allDone)
        return;
    if (!runner_->GetFailedDbs().empty() && !AcceptFailures())
        return;
    for (int i = 0; i < runner_->GetDbCount(); ++i) {
        bool done = false;
        const std::string status = runner_->GetSearchStatus(i, done);
        if (i < kMaxRows)
            rows_[static_cast<std::size_t>(i)].status = status;
    }
    StoreResults();
    NextSearch();
}

bool CSearchProgress::AcceptFailures() {
    // No poll runs while a box is open.
    timerRunning_ = false;
    const std::string& failed = runner_->GetFailedDbs();
    if (static_cast<int>(failed.size()) >= runner_->GetDbCount()) {
        platform::ShowMessageBox(
            {"The search could not be completed:\n" + runner_->GetFailureText(), "",
             platform::MessageButtons::Ok, platform::MessageIcon::Warning});
        End(Result::Cancel);
        return false;
    }
    platform::Message question{BuildFailureQuestion(failed, runner_->GetDbCount()), "",
                               platform::MessageButtons::YesNo, platform::MessageIcon::Question};
    question.secondIsDefault = true;
    if (platform::ShowMessageBox(question) != platform::MessageAnswer::Yes) {
        End(Result::Cancel);
        return false;
    }
    return true;
}

void CSearchProgress::NextSearch() {
    ++current_;
    if (current_ < number_) {
        timerRunning_ = true;
        startPending_ = false;
        MakeRunner();
        FillRows();
        runner_->Start();
        return;
    }
    timerRunning_ = false;
    OnAllDone();
    End(Result::Ok);
}

void CSearchProgress::Cancel() {
    timerRunning_ = false;
    End(Result::Cancel);
}

void CSearchProgress::End(Result result) {
    timerRunning_ = false;
    result_ = result;
    OnEnded();
}

std::string CSearchProgress::BuildFailureQuestion(const std::string& failedCodes, int total) const {
    std::vector<std::string> names;
    for (char c : failedCodes) {
        const int code = static_cast<unsigned char>(c);
        names.push_back(
            services_.registers.HasRegister(code) ? services_.registers.GetShortName(code) : "??");
    }
    const bool several = failedCodes.size() > 1;
    const bool severalRemain = static_cast<int>(failedCodes.size()) + 1 < total;
    return "Search on " + JoinNamesWithAnd(names) + " database" + (several ? "s" : "") +
           " has failed.\nWould you like to remove " +
           (several ? "these databases" : "this database") +
           " and continue searching the remaining database" + (severalRemain ? "s" : "") + "?";
}
