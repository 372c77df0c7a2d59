#include "app/details/PageFetch.h"

#include "registers/AppNumFormats.h"
#include "registers/ZrDbs.h"
#include "web/DiffRegisters.h"

namespace {

// Where a register with a web site finds its mark's number: the record field and the parser of
// the packed number (none where the field's text itself finds the page). The registers of the
// difference check say it for themselves.
struct CNumberSource {
    std::string_view field;
    AppNumParser parse = nullptr;
};

bool FindNumberSource(int code, CNumberSource& source) {
    // The old UK and reserved-words registers are found as their successors.
    const int successor = code == '0' ? 'u' : code == '1' ? 'a' : code;
    if (const CDiffRegister* entry = FindDiffRegister(successor)) {
        source = {entry->numberField, entry->parseNumber};
        return true;
    }
    switch (code) {
    case 'n':
        source = {"APPNUM", ParseCaAppNum};
        return true;
    case 't':
        source = {"APPNUM", ParseAuAppNum};
        return true;
    default:
        return false;
    }
}

} // namespace

bool MakePageOrder(CZrDbs& registers, const CMark& mark, CPageOrder& order, std::string& error) {
    const int code = mark.GetRegisterCode();
    CNumberSource number;
    CZrDb* db = registers.GetDbOfMark(mark);
    if (!db || !FindNumberSource(code, number)) {
        error = kNoPtoSupportText;
        return false;
    }
    const RecordPtr record = db->GetTextRecord(mark, error);
    if (!record)
        return false;
    order.code = code;
    order.record = *record;
    order.wordMark = std::string(record->GetField("WORDMARK"));
    order.markName = registers.GetDbShortName(code) + " " + db->GetMarkAppNum(mark);
    order.key = static_cast<std::uint32_t>(mark.GetAppNumber());
    // A US mark's page is found by its serial number, a domain's by its name.
    if (order.key == 0 && number.parse)
        order.key = number.parse(record->GetField(number.field), nullptr);
    return true;
}

CPageRequest& CPageRequest::operator=(CPageRequest&& other) noexcept {
    if (this != &other) {
        Cancel();
        cancelled_ = std::move(other.cancelled_);
    }
    return *this;
}

void CPageRequest::Cancel() {
    if (cancelled_)
        *cancelled_ = true;
}

CPageFetcher::~CPageFetcher() {
    std::list<CWorker> running;
    {
        const std::lock_guard lock(mutex_);
        running.splice(running.end(), workers_);
    }
    for (CWorker& worker : running) {
        *worker.cancelled = true;
        worker.thread.join();
    }
}

CPageRequest CPageFetcher::Start(CPageOrder order, std::function<void(CPageResult)> deliver) {
    ReapFinished();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    const std::lock_guard lock(mutex_);
    CWorker& worker = workers_.emplace_back();
    worker.cancelled = cancelled;
    // The worker waits for the lock until its thread is stored.
    worker.thread = std::thread([this, &worker, cancelled, order = std::move(order),
                                 deliver = std::move(deliver)]() mutable {
        CPageResult result = pages_.FetchPage(order, [&cancelled] { return cancelled->load(); });
        if (!*cancelled)
            post_([deliver = std::move(deliver), result = std::move(result)]() mutable {
                deliver(std::move(result));
            });
        const std::lock_guard done(mutex_);
        worker.done = true;
    });
    return CPageRequest(std::move(cancelled));
}

void CPageFetcher::ReapFinished() {
    std::list<CWorker> finished;
    {
        const std::lock_guard lock(mutex_);
        for (auto it = workers_.begin(); it != workers_.end();) {
            const auto next = std::next(it);
            if (it->done)
                finished.splice(finished.end(), workers_, it);
            it = next;
        }
    }
    for (CWorker& worker : finished)
        worker.thread.join();
}
