#include "testsvc/server/ServiceState.h"

#include "engines/idl/ZrEngine.hh"

#include <chrono>
#include <stdexcept>
#include <strings.h>
#include <thread>
#include <utility>

namespace {

bool IsException(const std::string& fault) {
    return fault == "transient" || fault == "commFailure" || fault == "objectNotExist";
}

} // namespace

CServiceState::CServiceState(std::vector<Account> accounts, std::string databaseCodes)
    : accounts_(std::move(accounts)), databaseCodes_(std::move(databaseCodes)) {}

bool CServiceState::CheckLogon(const std::string& companyId, const std::string& userId,
                               const std::string& password) const {
    for (const Account& account : accounts_)
        if (strcasecmp(account.companyId.c_str(), companyId.c_str()) == 0 &&
            strcasecmp(account.userId.c_str(), userId.c_str()) == 0 && account.password == password)
            return true;
    return false;
}

std::uint32_t CServiceState::OpenSession(int engineId, const std::string& password) {
    std::lock_guard lock(mutex_);
    const std::uint32_t session = nextSession_++;
    sessions_.emplace(session, Session{engineId, password});
    return session;
}

bool CServiceState::HasSession(int engineId, std::uint32_t session) const {
    std::lock_guard lock(mutex_);
    const auto found = sessions_.find(session);
    return found != sessions_.end() && found->second.engineId == engineId;
}

bool CServiceState::DropSession(int engineId, std::uint32_t session, const std::string& password) {
    std::lock_guard lock(mutex_);
    const auto found = sessions_.find(session);
    if (found == sessions_.end() || found->second.engineId != engineId ||
        found->second.password != password)
        return false;
    sessions_.erase(found);
    return true;
}

std::size_t CServiceState::CountSessions() const {
    std::lock_guard lock(mutex_);
    return sessions_.size();
}

void CServiceState::Pause(std::uint32_t delayMs) {
    if (delayMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
}

void CServiceState::Raise(const std::string& exception) {
    if (exception == "transient")
        throw CORBA::TRANSIENT(0, CORBA::COMPLETED_NO);
    if (exception == "commFailure")
        throw CORBA::COMM_FAILURE(0, CORBA::COMPLETED_MAYBE);
    if (exception == "objectNotExist")
        throw CORBA::OBJECT_NOT_EXIST(0, CORBA::COMPLETED_NO);
}

EngineBehaviour CServiceState::EnterEngineCall(char dbCode, const std::string& logEntry) {
    EngineBehaviour behaviour;
    {
        std::lock_guard lock(mutex_);
        log_.push_back(logEntry);
        EngineBehaviour& current = engines_[dbCode];
        ++current.callsMade;
        behaviour = current;
    }
    Pause(behaviour.delayMs);
    if (!behaviour.exception.empty() && behaviour.callsMade > behaviour.exceptionAfter)
        Raise(behaviour.exception);
    return behaviour;
}

RepositoryBehaviour CServiceState::EnterRepositoryCall(const std::string& repository,
                                                       const std::string& logEntry) {
    RepositoryBehaviour behaviour;
    {
        std::lock_guard lock(mutex_);
        log_.push_back(logEntry);
        behaviour = repositories_[repository];
    }
    Pause(behaviour.delayMs);
    Raise(behaviour.exception);
    return behaviour;
}

void CServiceState::Log(const std::string& entry) {
    std::lock_guard lock(mutex_);
    log_.push_back(entry);
}

void CServiceState::SetEngineFault(const std::string& dbCodes, const std::string& fault,
                                   const std::string& text, std::uint32_t value) {
    const std::string codes = dbCodes == "*" ? databaseCodes_ : dbCodes;
    for (char code : codes)
        if (databaseCodes_.find(code) == std::string::npos)
            throw std::invalid_argument(std::string("no engine for database ") + code);
    std::lock_guard lock(mutex_);
    for (char code : codes) {
        EngineBehaviour& behaviour = engines_[code];
        if (fault == "none") {
            behaviour = {};
        } else if (IsException(fault)) {
            behaviour.exception = fault;
            behaviour.exceptionAfter = value;
            behaviour.callsMade = 0;
        } else if (fault == "slow") {
            behaviour.delayMs = value;
        } else if (fault == "polls") {
            behaviour.pollsToFinish = value ? value : 1;
        } else if (fault == "failSearch") {
            behaviour.failSearch = true;
            behaviour.failReason = text;
        } else if (fault == "loseSearch") {
            behaviour.loseSearch = true;
            behaviour.loseAfterPolls = value;
        } else if (fault == "firstList") {
            behaviour.firstListSize = value;
        } else if (fault == "shortMarks") {
            behaviour.marksShortBy = value;
        } else if (fault == "overTotal") {
            behaviour.totalShortBy = value;
        } else if (fault == "criteriaInvalid") {
            behaviour.rejectCriteria = true;
            behaviour.rejectText = text;
        } else if (fault == "damagedRecord") {
            behaviour.recordDefect.damaged = true;
        } else if (fault == "errorRecord") {
            behaviour.recordDefect.errorText = text.empty() ? "Record damaged" : text;
        } else if (fault == "shortReply") {
            behaviour.replyShortBy = value;
        } else if (fault == "layoutNotFound") {
            behaviour.layoutNotFound = true;
        } else {
            throw std::invalid_argument("unknown engine fault " + fault);
        }
    }
}

void CServiceState::SetRepositoryFault(const std::string& repository, const std::string& fault,
                                       const std::string& text, std::uint32_t value) {
    if (repository != "remote" && repository != "local")
        throw std::invalid_argument("no repository " + repository);
    std::lock_guard lock(mutex_);
    RepositoryBehaviour& behaviour = repositories_[repository];
    if (fault == "none")
        behaviour = {};
    else if (IsException(fault))
        behaviour.exception = fault;
    else if (fault == "slow")
        behaviour.delayMs = value;
    else if (fault == "error" || fault == "refuseOffering") {
        behaviour.errorText = text;
        behaviour.offersAnyway = fault == "refuseOffering";
    } else if (fault == "newVersion")
        behaviour.newVersion = text;
    else
        throw std::invalid_argument("unknown repository fault " + fault);
}

void CServiceState::Reset() {
    std::lock_guard lock(mutex_);
    engines_.clear();
    repositories_.clear();
    log_.clear();
}

std::vector<std::string> CServiceState::GetCallLog() const {
    std::lock_guard lock(mutex_);
    return log_;
}

void CServiceState::ClearCallLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}
