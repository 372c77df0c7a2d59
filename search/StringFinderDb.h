#pragma once
// A cursor over one register's remote string finder: it pages the register's list on demand into
// a window of consecutive list indexes, at most 256 entries, and remembers where the list starts
// and ends once the finder has shown its boundary markers. Reading just outside the window
// fetches one page in that direction; reading further away restarts the window there.
//
// A remote call that fails ends the cursor's fetching: it serves what its window holds and no
// more, so a register whose engine fails or hangs (held to the call time-out) costs its share of
// the list once, not at every line. The owner disposes of the remote finder.

#include "search/FinderOrder.h"
#include "search/RemoteStringFinder.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <utility>

class CStringFinderDb {
public:
    static constexpr int kDefaultPageSize = 15;
    static constexpr int kMaxPageSize = 256;
    static constexpr std::size_t kMaxWindow = 256;

    // A null finder is a register that gave none: every read answers nothing.
    CStringFinderDb(char code, std::unique_ptr<IRemoteStringFinder> finder, CFinderOrder order);
    CStringFinderDb(CStringFinderDb&&) = default;
    CStringFinderDb& operator=(CStringFinderDb&&) = default;

    char GetCode() const { return code_; }
    // 1 .. 256; larger sizes give 256, sizes below 1 leave the page size as it was.
    void SetPageSize(int n);
    int GetPageSize() const { return pageSize_; }

    // The entry at the list index, fetched when needed; null when there is none. Valid until
    // the cursor's next read.
    const CKeyedString* GetAt(int index);
    // The entry at the list index when the window holds it; never fetches.
    const CKeyedString* Peek(int index) const;
    // Reads the entry after the window; on an empty window the first page from index 0.
    void FetchNext();
    // The list indexes of the window's first and last entries (last < first when empty).
    std::pair<int, int> GetRange() const {
        return {first_, first_ + static_cast<int>(window_.size()) - 1};
    }
    // Ends the remote finder; later reads fetch nothing.
    void Dispose();

private:
    bool IsPastBoundary(int index) const;
    void FetchForwards(int from);
    void FetchBackwards();
    bool Fetch(int from, int to, std::vector<CFinderReplyEntry>& reply);
    void Append(const CFinderReplyEntry& entry);
    void Prepend(const CFinderReplyEntry& entry);
    CKeyedString MakeEntry(const CFinderReplyEntry& entry) const;

    char code_;
    std::unique_ptr<IRemoteStringFinder> finder_;
    CFinderOrder order_;
    int pageSize_ = kDefaultPageSize;
    std::deque<CKeyedString> window_;
    int first_ = 0;
    bool startKnown_ = false;
    int startIndex_ = 0;
    bool endKnown_ = false;
    int endIndex_ = 0;
    // Off after a failed call and after Dispose.
    bool fetching_ = true;
};
