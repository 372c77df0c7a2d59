#include "testsvc/server/SearchServant.h"

#include "testsvc/server/Sequences.h"

#include <algorithm>
#include <utility>

CSearchServant::CSearchServant(CServiceState& state, char dbCode, std::vector<std::uint32_t> ids,
                               PortableServer::POA_ptr poa)
    : state_(state), dbCode_(dbCode), ids_(std::move(ids)),
      poa_(PortableServer::POA::_duplicate(poa)) {}

EngineBehaviour CSearchServant::Enter(const std::string& call) {
    return state_.EnterEngineCall(dbCode_, std::string("search.") + dbCode_ + "." + call);
}

bool CSearchServant::IsDone() const {
    std::lock_guard lock(mutex_);
    return done_;
}

bool CSearchServant::HasResults() const {
    std::lock_guard lock(mutex_);
    return done_ && !failed_;
}

void CSearchServant::Deactivate() {
    PortableServer::ObjectId_var id = poa_->servant_to_id(this);
    poa_->deactivate_object(id);
}

CORBA::ULong CSearchServant::GetErrorInfo(CORBA::String_out errorText) {
    Enter("GetErrorInfo()");
    std::lock_guard lock(mutex_);
    errorText = CORBA::string_dup(failed_ ? failReason_.c_str() : "");
    return failed_ ? 1 : 0;
}

CORBA::Boolean CSearchServant::GetProgress(CORBA::String_out statusText) {
    const EngineBehaviour behaviour = Enter("GetProgress()");
    bool lost = false;
    std::string status;
    {
        std::lock_guard lock(mutex_);
        ++polls_;
        lost = behaviour.loseSearch && polls_ > behaviour.loseAfterPolls;
        if (!done_ && polls_ >= behaviour.pollsToFinish) {
            done_ = true;
            failed_ = behaviour.failSearch;
            failReason_ = behaviour.failReason;
        }
        if (failed_)
            status = "Failed";
        else if (done_)
            status = "Completed: " + std::to_string(ids_.size()) + " found";
        else
            status = "Searching " + std::to_string(polls_ * 100 / behaviour.pollsToFinish) + "%";
    }
    if (lost) {
        // The engine has dropped the search: from now on the object does not exist.
        Deactivate();
        throw CORBA::OBJECT_NOT_EXIST(0, CORBA::COMPLETED_NO);
    }
    statusText = CORBA::string_dup(status.c_str());
    return IsDone();
}

UlongSeq* CSearchServant::GetMarks(CORBA::ULong first, CORBA::ULong last) {
    const EngineBehaviour behaviour =
        Enter("GetMarks(" + std::to_string(first) + "," + std::to_string(last) + ")");
    if (!HasResults() || first > last || first >= ids_.size())
        return NewUlongSeq(ids_, 0, 0);
    const std::size_t end = std::min<std::size_t>(last, ids_.size() - 1) + 1;
    std::size_t count = end - first;
    count -= std::min<std::size_t>(count, behaviour.marksShortBy);
    return NewUlongSeq(ids_, first, count);
}

UlongSeq* CSearchServant::GetResults(CORBA::ULong& total) {
    const EngineBehaviour behaviour = Enter("GetResults()");
    if (!HasResults()) {
        total = 0;
        return NewUlongSeq(ids_, 0, 0);
    }
    const std::size_t first = std::min<std::size_t>(ids_.size(), behaviour.firstListSize);
    total = static_cast<CORBA::ULong>(ids_.size() -
                                      std::min<std::size_t>(ids_.size(), behaviour.totalShortBy));
    return NewUlongSeq(ids_, 0, first);
}

void CSearchServant::Dispose() {
    Enter("Dispose()");
    Deactivate();
}
