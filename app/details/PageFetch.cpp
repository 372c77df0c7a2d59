#include "app/details/PageFetch.h"

#include "registers/AppNumFormats.h"
#include "registers/ZrDbs.h"

namespace {

constexpr const char* kNoSiteText = "No PTO support for database";

using AppNumParser = std::uint32_t (*)(std::string_view text, int* used);

// The parser of the application numbers of a register with a web site; null for a register
// found by its word mark, and false for one without a site.
bool FindParser(int code, AppNumParser& parser) {
    switch (code) {
    case '0':
    case 'u':
        parser = ParseUkAppNum;
        return true;
    case '1':
    case 'a':
        parser = ParseA6AppNum;
        return true;
    case 'c':
        parser = ParseAppNum;
        return true;
    case 'd':
        parser = ParseDeAppNum;
        return true;
    case 'e':
        parser = ParseIeAppNum;
        return true;
    case 'i':
        parser = ParseInAppNum;
        return true;
    case 'k':
        parser = nullptr;
        return true;
    case 'n':
        parser = ParseCaAppNum;
        return true;
    case 'o':
        parser = ParseCdAppNum;
        return true;
    case 'p':
        parser = ParsePlAppNum;
        return true;
    case 's':
        parser = ParseUsAppNum;
        return true;
    case 't':
        parser = ParseAuAppNum;
        return true;
    default:
        return false;
    }
}

} // namespace

bool MakePageOrder(CZrDbs& registers, const CMark& mark, CPageOrder& order, std::string& error) {
    const int code = mark.GetRegisterCode();
    AppNumParser parser = nullptr;
    CZrDb* db = registers.GetDbOfMark(mark);
    if (!db || !FindParser(code, parser)) {
        error = kNoSiteText;
        return false;
    }
    const RecordPtr record = db->GetTextRecord(mark, error);
    if (!record)
        return false;
    order.code = code;
    order.record = *record;
    order.wordMark = std::string(record->GetField("WORDMARK"));
    order.key = static_cast<std::uint32_t>(mark.GetAppNumber());
    if (order.key == 0 && parser) {
        // A US mark's page is found by its serial number.
        const std::string_view number = record->GetField(code == 's' ? "SERNUM" : "APPNUM");
        order.key = parser(number, nullptr);
    }
    return true;
}

CPageFetcher::~CPageFetcher() {
    std::list<CWorker> running;
    {
        const std::lock_guard lock(mutex_);
        running.splice(running.end(), workers_);
    }
    for (CWorker& worker : running)
        worker.thread.join();
}

void CPageFetcher::Start(CPageOrder order, std::function<void(CPageResult)> deliver) {
    ReapFinished();
    const std::lock_guard lock(mutex_);
    CWorker& worker = workers_.emplace_back();
    // The worker waits for the lock until its thread is stored.
    worker.thread = std::thread(
        [this, &worker, order = std::move(order), deliver = std::move(deliver)]() mutable {
            CPageResult result = pages_.FetchPage(order);
            post_([deliver = std::move(deliver), result = std::move(result)]() mutable {
                deliver(std::move(result));
            });
            const std::lock_guard done(mutex_);
            worker.done = true;
        });
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
