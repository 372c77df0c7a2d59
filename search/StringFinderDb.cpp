#include "search/StringFinderDb.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t kMinIndex = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMaxIndex = std::numeric_limits<std::int32_t>::max();

int ClampIndex(std::int64_t index) {
    return static_cast<int>(std::clamp(index, kMinIndex, kMaxIndex));
}

// Whether an entry follows the reply's marker at k: the markers before it stand before the
// list's start.
bool EntryFollows(const std::vector<CFinderReplyEntry>& reply, std::size_t k, std::size_t count) {
    return std::any_of(reply.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                       reply.begin() + static_cast<std::ptrdiff_t>(count),
                       [](const CFinderReplyEntry& entry) { return !entry.IsMarker(); });
}

} // namespace

CStringFinderDb::CStringFinderDb(char code, std::unique_ptr<IRemoteStringFinder> finder,
                                 CFinderOrder order)
    : code_(code), finder_(std::move(finder)), order_(order) {}

void CStringFinderDb::SetPageSize(int n) {
    if (n > 0)
        pageSize_ = std::min(n, kMaxPageSize);
}

bool CStringFinderDb::IsPastBoundary(int index) const {
    return (startKnown_ && index <= startIndex_) || (endKnown_ && index >= endIndex_);
}

const CKeyedString* CStringFinderDb::Peek(int index) const {
    const std::int64_t offset = std::int64_t{index} - first_;
    if (offset < 0 || offset >= static_cast<std::int64_t>(window_.size()))
        return nullptr;
    return &window_[static_cast<std::size_t>(offset)];
}

const CKeyedString* CStringFinderDb::GetAt(int index) {
    if (IsPastBoundary(index))
        return nullptr;
    if (const CKeyedString* held = Peek(index))
        return held;
    if (!finder_ || !fetching_)
        return nullptr;
    const std::int64_t first = first_;
    const std::int64_t last = first + static_cast<std::int64_t>(window_.size()) - 1;
    if (!window_.empty() && index < first && index >= first - pageSize_) {
        FetchBackwards();
    } else if (!window_.empty() && index > last && index <= last + pageSize_) {
        FetchForwards(static_cast<int>(last + 1));
    } else {
        window_.clear();
        first_ = index;
        FetchForwards(index);
    }
    return Peek(index);
}

void CStringFinderDb::FetchNext() {
    const std::int64_t next = std::int64_t{first_} + static_cast<std::int64_t>(window_.size());
    if (next <= kMaxIndex)
        GetAt(static_cast<int>(next));
}

void CStringFinderDb::Dispose() {
    if (finder_)
        finder_->Dispose();
    finder_.reset();
    fetching_ = false;
}

bool CStringFinderDb::Fetch(int from, int to, std::vector<CFinderReplyEntry>& reply) {
    if (finder_->GetStrings(from, to, reply))
        return true;
    // Keep the remote finder for its disposal, but ask it nothing more.
    fetching_ = false;
    return false;
}

void CStringFinderDb::FetchForwards(int from) {
    const int to = ClampIndex(std::int64_t{from} + pageSize_ - 1);
    std::vector<CFinderReplyEntry> reply;
    if (!Fetch(from, to, reply))
        return;
    // Entries beyond the range asked for have no index the cursor could trust.
    const std::size_t count =
        std::min(reply.size(), static_cast<std::size_t>(std::int64_t{to} - from + 1));
    for (std::size_t k = 0; k < count; ++k) {
        const int index = from + static_cast<int>(k);
        if (!reply[k].IsMarker()) {
            Append(reply[k]);
        } else if (window_.empty() && EntryFollows(reply, k, count)) {
            // A window restarted before the list's start: the list begins after this marker.
            startKnown_ = true;
            startIndex_ = index;
            first_ = index + 1;
        } else {
            endKnown_ = true;
            endIndex_ = index;
            return;
        }
    }
}

void CStringFinderDb::FetchBackwards() {
    const int to = first_ - 1;
    const int from = ClampIndex(std::int64_t{first_} - pageSize_);
    std::vector<CFinderReplyEntry> reply;
    if (!Fetch(from, to, reply))
        return;
    // A short reply cannot be placed: its last entry need not stand just before the window.
    const auto count = static_cast<std::size_t>(std::int64_t{to} - from + 1);
    if (reply.size() < count)
        return;
    for (std::size_t k = count; k-- > 0;) {
        if (reply[k].IsMarker()) {
            startKnown_ = true;
            startIndex_ = from + static_cast<int>(k);
            return;
        }
        Prepend(reply[k]);
    }
}

void CStringFinderDb::Append(const CFinderReplyEntry& entry) {
    window_.push_back(MakeEntry(entry));
    if (window_.size() > kMaxWindow) {
        window_.pop_front();
        ++first_;
    }
}

void CStringFinderDb::Prepend(const CFinderReplyEntry& entry) {
    window_.push_front(MakeEntry(entry));
    --first_;
    if (window_.size() > kMaxWindow)
        window_.pop_back();
}

CKeyedString CStringFinderDb::MakeEntry(const CFinderReplyEntry& entry) const {
    // Positions and counts travel unsigned; the list reads them as signed 32-bit values.
    return order_.MakeKeyed(CFoundString(entry.text, static_cast<std::int32_t>(entry.position),
                                         static_cast<std::int32_t>(entry.count), code_));
}
