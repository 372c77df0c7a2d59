#pragma once
// Remote string finders in memory, as an engine serves them: each register holds an ordered
// list; a finder lists it from a located entry (index 0) both ways and answers boundary markers
// outside it. Every call is written to a log shared by all finders of a factory ("u.Get(0,15)",
// "u.Dispose()", "u.Create(ACME,4)"), and a register can be told to fail its calls from the
// n-th on, to wait before answering, or to answer short.

#include "search/RemoteStringFinder.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct CFakeRegister {
    std::vector<CFinderReplyEntry> entries;
    // The entry that index 0 reads; entries.size() locates past the end.
    std::size_t located = 0;
    // Calls from this one on (counted from 1, Create included) fail; 0 never.
    int failFromCall = 0;
    int delayMs = 0;
    // Replies leave this many entries off their end.
    std::size_t shortBy = 0;
};

class CCallLog {
public:
    void Add(std::string call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    std::size_t Size() const { return Calls().size(); }
    // The calls that begin with the text.
    std::vector<std::string> Starting(const std::string& prefix) const;
    void Clear() {
        std::lock_guard lock(mutex_);
        calls_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

class CFakeFinderFactory : public IRemoteFinderFactory {
public:
    // Entries from texts: position 0, count 1 + their index.
    static std::vector<CFinderReplyEntry> Texts(const std::vector<std::string>& texts);

    CFakeRegister& Register(char code) { return registers_[code]; }
    // A finder over the register, located at its `located` entry; null for a register never set
    // up or one that fails from its first call. The text and mode are only logged; later changes
    // of the register reach its finders.
    std::unique_ptr<IRemoteStringFinder> Create(char code, const std::string& text,
                                                int mode) override;
    CCallLog& Log() { return log_; }

private:
    std::map<char, CFakeRegister> registers_;
    CCallLog log_;
};
