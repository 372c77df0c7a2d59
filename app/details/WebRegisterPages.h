#pragma once
// The registers' own pages over the web layer: the register's site builds the request of the
// mark's page (walking through its pages and forms where it must), and the page is fetched on
// the same web session, its cookies with it. Each fetch makes a session of its own, so fetches
// may run on any thread at once.

#include "app/details/PageFetch.h"
#include "web/WebOptions.h"
#include "web/WebServers.h"

class CWebRegisterPages : public IRegisterPages {
public:
    // The details window's limits: a connection within 33 s, tried 3 more times 1 s apart, no
    // pause of 60 s in a reply and 90 s for the whole.
    static CWebOptions DetailsOptions();

    explicit CWebRegisterPages(const CWebServers& servers,
                               const CWebOptions& options = DetailsOptions())
        : servers_(servers), options_(options) {}

    CPageResult FetchPage(const CPageOrder& order,
                          const std::function<bool()>& isCancelled) override;

private:
    const CWebServers servers_;
    const CWebOptions options_;
};
