#pragma once
// Fetching a register's own web page for a mark, each fetch on a worker thread of its own with
// copies of everything it needs: the register's web site builds the page's request and the page
// is fetched. The result comes back to the user-interface thread, where it is dropped when
// whoever asked for it has gone. Whoever asks holds the fetch's handle: dropping it ends the
// transfer in flight, so a window that closes (or shows another mark) never waits for a fetch.
// The fetcher, when it goes, ends the fetches still running and waits for their threads.

#include "core/ZrData.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class CZrDbs;
class CMark;

// What the site of the register needs to find the mark's page.
struct CPageOrder {
    int code = 0;
    // The packed application number.
    std::uint32_t key = 0;
    std::string wordMark;
    CZrData record;
    // The mark as the window's title names it ("UK 2000002"), for the messages about its page.
    std::string markName;
};

// A fetched page: its address (after redirects), its HTML as UTF-8 for the browser and its text
// as the page parsers read it (Windows-1252), or why there is none.
struct CPageResult {
    std::string url;
    std::string html;
    std::string text;
    std::string error;
};

inline constexpr const char* kNoPtoSupportText = "No PTO support for database";

// The order for the mark's page: false, with the text to show, when the mark's register has no
// web site or its record cannot be had.
bool MakePageOrder(CZrDbs& registers, const CMark& mark, CPageOrder& order, std::string& error);

// The registers' web sites; called on worker threads, each call on a web session of its own.
// The fetch ends, failed, once `isCancelled` answers true.
class IRegisterPages {
public:
    virtual ~IRegisterPages() = default;
    virtual CPageResult FetchPage(const CPageOrder& order,
                                  const std::function<bool()>& isCancelled) = 0;
};

// A fetch under way, ended when its handle goes or is cancelled: its transfer stops and its
// result is never delivered. An empty handle ends nothing.
class CPageRequest {
public:
    CPageRequest() = default;
    explicit CPageRequest(std::shared_ptr<std::atomic<bool>> cancelled)
        : cancelled_(std::move(cancelled)) {}
    CPageRequest(CPageRequest&& other) noexcept = default;
    CPageRequest& operator=(CPageRequest&& other) noexcept;
    ~CPageRequest() { Cancel(); }

    void Cancel();

private:
    std::shared_ptr<std::atomic<bool>> cancelled_;
};

// Starts fetches; the result is handed to `deliver` on the user-interface thread.
class IPageRequests {
public:
    virtual ~IPageRequests() = default;
    [[nodiscard]] virtual CPageRequest Start(CPageOrder order,
                                             std::function<void(CPageResult)> deliver) = 0;
};

class CPageFetcher : public IPageRequests {
public:
    // Runs a task on the user-interface thread; callable from any thread.
    using UiPoster = std::function<void(std::function<void()>)>;

    CPageFetcher(IRegisterPages& pages, UiPoster post) : pages_(pages), post_(std::move(post)) {}
    // Ends the fetches still running and waits for their threads.
    ~CPageFetcher() override;
    CPageFetcher(const CPageFetcher&) = delete;
    CPageFetcher& operator=(const CPageFetcher&) = delete;

    CPageRequest Start(CPageOrder order, std::function<void(CPageResult)> deliver) override;

private:
    struct CWorker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> cancelled;
        bool done = false;
    };

    // Joins the workers that have finished.
    void ReapFinished();

    IRegisterPages& pages_;
    UiPoster post_;
    std::mutex mutex_;
    std::list<CWorker> workers_;
};
