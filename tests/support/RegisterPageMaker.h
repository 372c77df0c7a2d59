#pragma once
// The registers' public web sites on a loopback web server, for the difference check's tests and
// benchmarks: each mark's details page is made from the search service's own record in the
// layout its register's parser reads, optionally with one named change, and served where the
// register's site asks for it, walks included (the German search, the 6ter emblem search, the
// domain registry's whois form).

#include "core/ZrData.h"

#include <map>
#include <mutex>
#include <string>

class LoopbackWebServer;

// What a page shows differently from its record.
enum class PageChange {
    None,
    Status,        // another status
    AppDate,       // another application (or filing) date
    WordMark,      // " PLUS" added to the word mark
    GoodsClass,    // the first goods under class 44 (45 when the record has 44)
    ExtraOwner,    // one more owner, "Extra Owner Ltd" of "9 Side Street, Leeds"
    SwappedOwners, // the owners in the opposite order
};

class CRegisterPageMaker {
public:
    // Serves every register's pages (and walk pages) on the server, which must outlive the maker.
    explicit CRegisterPageMaker(LoopbackWebServer& server);

    // The record's page in the layout of the register of the code, served from now on.
    void Add(char code, const CZrData& record, PageChange change = PageChange::None);
    // The page alone.
    static std::string Render(char code, const CZrData& record, PageChange change);
    // Where the UK site asks for the record's page.
    static std::string UkPath(const CZrData& record);

private:
    std::string Find(char code, const std::string& key) const;
    void Serve(char code, const std::string& key, std::string page);

    LoopbackWebServer& server_;
    mutable std::mutex mutex_;
    std::map<std::pair<char, std::string>, std::string> pages_;
};
