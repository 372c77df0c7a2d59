#pragma once
// Remote string finders in memory, as an engine serves them: a register's ordered list read from
// a located entry (index 0) both ways, boundary markers outside it. Every call goes to one log
// ("u.Get(0,15)", "u.Dispose()", "u.Create(ACME,4)"); a register can fail its calls from the
// n-th on (Create is the first) or answer short. Changes reach finders already made.

#include "core/FoundString.h"
#include "search/RemoteStringFinder.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Every field of an entry: "text|position|count|codes".
inline std::string Describe(const CFoundString& entry) {
    return entry.GetText() + "|" + std::to_string(entry.GetPosition()) + "|" +
           std::to_string(entry.GetCount()) + "|" + entry.GetCodes();
}

struct CFakeRegister {
    std::vector<CFinderReplyEntry> entries;
    std::size_t located = 0;
    int failFromCall = 0; // 0: never
    std::size_t shortBy = 0;
};

class CFakeFinderFactory : public IRemoteFinderFactory {
public:
    // Entries of the texts: position 0, count 1 + their index.
    static std::vector<CFinderReplyEntry> Texts(const std::vector<std::string>& texts);

    CFakeRegister& Register(char code) { return registers_[code]; }
    // Null for a register never set up or one failing from its first call.
    std::unique_ptr<IRemoteStringFinder> Create(char code, const std::string& text,
                                                int mode) override;

    void Log(std::string call);
    // The calls logged since the last clear that begin with the text.
    std::vector<std::string> Calls(const std::string& prefix = "");
    void ClearLog();

private:
    std::map<char, CFakeRegister> registers_;
    std::mutex mutex_;
    std::vector<std::string> calls_;
};
