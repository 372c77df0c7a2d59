#pragma once
// The search progress dialog without its window: runs a list of searches of the examination one
// after the other, each on all its databases at once, and keeps the texts the dialog shows (a
// header and one name and status per database). The window is a thin skin: it calls Begin when
// it opens, Tick on each timer tick while IsTimerRunning says the timer should run, and Cancel
// for its Cancel button, and ends with GetResult once IsEnded. Failure messages go through
// message boxes (platform/MessageBox.h). The watch dialog derives and changes which searches run
// and where their results go.

#include "core/Filter.h"
#include "core/Search.h"
#include "engines/SearchEngines.h"

#include <memory>
#include <string>
#include <vector>

class IExamDocument;

// One database row of the dialog.
struct CSearchProgressRow {
    std::string name;   // "%s:" with the register's short name
    std::string status; // the engine's status text
};

class CSearchProgress {
public:
    static constexpr int kMaxRows = 22;
    static constexpr int kTimerId = 1;
    static constexpr int kTimerPeriodMs = 200;

    enum class Result { Running, Ok, Cancel };

    CSearchProgress(IExamDocument& document, const CSearchServices& services);
    CSearchProgress(const CSearchProgress&) = delete;
    CSearchProgress& operator=(const CSearchProgress&) = delete;
    // Disposes of the engine searches of the current search.
    virtual ~CSearchProgress();

    void AddSearch(int searchId) { searchIds_.push_back(searchId); }
    // The searches of the document that pass, in the document's order.
    void AddSearches(const CFilter& filter);

    // The dialog opens: the first search's rows wait for its start on the first tick.
    void Begin();
    // One timer tick: starts a pending search, polls every database, and when all have ended
    // asks about failures, stores the results and moves to the next search.
    void Tick();
    // The Cancel button: the run stops; the searches stored so far stay stored.
    void Cancel();

    bool IsTimerRunning() const { return timerRunning_; }
    bool IsEnded() const { return result_ != Result::Running; }
    Result GetResult() const { return result_; }
    const std::string& GetHeader() const { return header_; }
    // The rows shown; databases past kMaxRows are polled but not shown.
    const std::vector<CSearchProgressRow>& GetRows() const { return rows_; }

    // "Search on UK and DE databases has failed.\nWould you like to remove these databases and
    // continue searching the remaining database?" for the failed codes out of total databases.
    std::string BuildFailureQuestion(const std::string& failedCodes, int total) const;

protected:
    // Stores the current search's results; by default as marks of the document.
    virtual void StoreResults();
    // After the last search was stored.
    virtual void OnAllDone() {}
    // After the run ended, however it ended: done, cancelled, or stopped by failed databases.
    virtual void OnEnded() {}
    virtual int GetSearchCount() const { return static_cast<int>(searchIds_.size()); }
    // The index-th search to run; by default the document's search of the index-th id.
    virtual CSearch GetSearch(int index) const;

    // The index of the search being run.
    int GetCurrentIndex() const { return current_; }
    IExamDocument& GetDocument() const { return document_; }
    CSearchEngines& GetRunner() const { return *runner_; }

private:
    void MakeRunner();
    void FillRows();
    void Update();
    // Asks about the failed databases; true when the run may go on without them.
    bool AcceptFailures();
    void NextSearch();
    void End(Result result);

    IExamDocument& document_;
    CSearchServices services_;
    std::vector<int> searchIds_;
    std::unique_ptr<CSearchEngines> runner_;
    bool timerRunning_ = false;
    bool startPending_ = false;
    int current_ = 0;
    int number_ = 0;
    Result result_ = Result::Running;
    std::string header_;
    std::vector<CSearchProgressRow> rows_;
};
