#include "search/StringFinderMerge.h"

#include <system_error>
#include <thread>

CStringFinderMerge::CStringFinderMerge(std::string text, int mode, int current)
    : text_(std::move(text)), order_(mode), current_(current) {}

CStringFinderMerge::~CStringFinderMerge() {
    for (CStringFinderDb& cursor : cursors_)
        cursor.Dispose();
}

void CStringFinderMerge::AddFinder(char code, std::unique_ptr<IRemoteStringFinder> finder,
                                   int startPosition, int pageSize) {
    CStringFinderDb& cursor = cursors_.emplace_back(code, std::move(finder), order_);
    cursor.SetPageSize(pageSize);
    codes_ += code;
    positions_.push_back(startPosition);
    heads_.push_back(nullptr);
}

void CStringFinderMerge::Prime() {
    if (cursors_.size() < 2)
        return;
    // Each thread touches only its own cursor.
    std::vector<std::thread> workers;
    workers.reserve(cursors_.size());
    for (CStringFinderDb& cursor : cursors_) {
        try {
            workers.emplace_back([&cursor] { cursor.FetchNext(); });
        } catch (const std::system_error&) {
            // No thread to spare: this cursor loads its first page on its first read.
        }
    }
    for (std::thread& worker : workers)
        worker.join();
}

bool CStringFinderMerge::Step(CFoundString* entry, bool fetch) {
    const CKeyedString* kept = nullptr;
    for (std::size_t k = 0; k < cursors_.size(); ++k) {
        const CKeyedString* head =
            fetch ? cursors_[k].GetAt(positions_[k]) : cursors_[k].Peek(positions_[k]);
        heads_[k] = head;
        // Among equal entries the earliest cursor's stands.
        if (head && (!kept || Compare(*head, *kept) < 0))
            kept = head;
    }
    if (!kept)
        return false;
    // A cursor's read changes only its own window, so the entries read above are still there.
    CFoundString merged;
    if (entry)
        merged = kept->entry;
    for (std::size_t k = 0; k < cursors_.size(); ++k) {
        if (!heads_[k] || (heads_[k] != kept && Compare(*heads_[k], *kept) != 0))
            continue;
        if (entry && heads_[k] != kept)
            merged.AddCodes(heads_[k]->entry);
        ++positions_[k];
    }
    if (entry)
        *entry = std::move(merged);
    ++current_;
    return true;
}

bool CStringFinderMerge::MovePrev() {
    const CKeyedString* kept = nullptr;
    for (std::size_t k = 0; k < cursors_.size(); ++k) {
        const CKeyedString* head = cursors_[k].GetAt(positions_[k] - 1);
        heads_[k] = head;
        if (head && (!kept || Compare(*head, *kept) > 0))
            kept = head;
    }
    if (!kept)
        return false;
    for (std::size_t k = 0; k < cursors_.size(); ++k)
        if (heads_[k] && Compare(*heads_[k], *kept) == 0)
            --positions_[k];
    --current_;
    return true;
}

bool CStringFinderMerge::GetAt(int n, CFoundString& entry) {
    while (n < current_ && MovePrev()) {
    }
    // The list starts after n (or an engine failed on the way back): no entry n.
    if (n < current_)
        return false;
    while (current_ < n)
        if (!Skip())
            return false;
    return Step(&entry, true);
}
