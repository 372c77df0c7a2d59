#pragma once
// What the service's objects share: the accounts that may log on, the open sessions, how each
// engine and repository is told to misbehave, and the log of calls received. Calls arrive on
// several ORB threads, so everything here is locked.

#include "testsvc/data/MarkRecords.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct Account {
    std::string companyId;
    std::string userId;
    std::string password;
};

// How the engines of one database behave; the default is a healthy engine.
struct EngineBehaviour {
    std::string exception;            // system exception to raise: "", "transient", ...
    std::uint32_t exceptionAfter = 0; // calls that still succeed before it is raised
    std::uint32_t callsMade = 0;
    std::uint32_t delayMs = 0;
    std::uint32_t pollsToFinish = 3;
    bool failSearch = false;
    std::string failReason;
    bool loseSearch = false;
    std::uint32_t loseAfterPolls = 0;
    std::uint32_t firstListSize = 1000;
    std::uint32_t marksShortBy = 0;
    std::uint32_t totalShortBy = 0; // GetResults reports this many fewer than its first list
    bool rejectCriteria = false;
    std::string rejectText;
    RecordDefect recordDefect;
    std::uint32_t replyShortBy = 0; // bytes left off the end of record and image replies
    bool layoutNotFound = false;    // GetLayout raises TrademarkNotFound
};

// How one repository ("remote" or "local") behaves.
struct RepositoryBehaviour {
    std::string exception;
    std::uint32_t delayMs = 0;
    std::string errorText;     // not empty: the logon fails with it
    bool offersAnyway = false; // a failing logon still offers the engines with their sessions
    std::string newVersion;    // the new-version notice of a remote repository
};

class CServiceState {
public:
    CServiceState(std::vector<Account> accounts, std::string databaseCodes);

    bool CheckLogon(const std::string& companyId, const std::string& userId,
                    const std::string& password) const;
    // A new session on an engine for a user who logged on with this password.
    std::uint32_t OpenSession(int engineId, const std::string& password);
    bool HasSession(int engineId, std::uint32_t session) const;
    // Closes the session when the password is the one it was opened with.
    bool DropSession(int engineId, std::uint32_t session, const std::string& password);
    std::size_t CountSessions() const;

    // Logs one engine call, waits and raises as the database's behaviour says, and returns the
    // behaviour for the call to follow.
    EngineBehaviour EnterEngineCall(char dbCode, const std::string& logEntry);
    RepositoryBehaviour EnterRepositoryCall(const std::string& repository,
                                            const std::string& logEntry);
    void Log(const std::string& entry);

    // The control object's settings; std::invalid_argument for an unknown fault or target.
    void SetEngineFault(const std::string& dbCodes, const std::string& fault,
                        const std::string& text, std::uint32_t value);
    void SetRepositoryFault(const std::string& repository, const std::string& fault,
                            const std::string& text, std::uint32_t value);
    void Reset();
    std::vector<std::string> GetCallLog() const;
    void ClearCallLog();

private:
    struct Session {
        int engineId;
        std::string password;
    };

    static void Pause(std::uint32_t delayMs);
    static void Raise(const std::string& exception);

    const std::vector<Account> accounts_;
    const std::string databaseCodes_;
    mutable std::mutex mutex_;
    std::uint32_t nextSession_ = 1000;
    std::map<std::uint32_t, Session> sessions_;
    std::map<char, EngineBehaviour> engines_;
    std::map<std::string, RepositoryBehaviour> repositories_;
    std::vector<std::string> log_;
};
