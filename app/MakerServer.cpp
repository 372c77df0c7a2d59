#include "app/MakerServer.h"

#include "core/SystemOptions.h"
#include "web/HttpRepositoryList.h"
#include "web/MakerPages.h"
#include "web/WebServers.h"

using namespace std::chrono_literals;

namespace {

// The announcements page, telling a status the server answered from a failure to get one.
class CAnnouncementsPage : public CHtmlPageAnnouncements {
public:
    using CHtmlPageAnnouncements::CHtmlPageAnnouncements;
    void SetHttpError(int status) override {
        refused_ = true;
        CHtmlPageAnnouncements::SetHttpError(status);
    }
    bool FailedToConnect() const { return !GetError().empty() && !refused_; }

private:
    bool refused_ = false;
};

std::optional<CWebServers> ServersNamingMaker(const CSystemOptions& system) {
    if (system.GetWebServer("Maker").empty())
        return std::nullopt;
    CWebServers servers;
    servers.Load(system);
    return servers;
}

} // namespace

CWebOptions MakerPageOptions() {
    CWebOptions options;
    options.connectTimeout = 10s;
    options.connectRetries = 1;
    options.receiveTimeout = 15s;
    options.totalTimeout = 30s;
    return options;
}

std::optional<CHtmlUrl> NamedMakerServer(const CSystemOptions& system) {
    if (const std::optional<CWebServers> servers = ServersNamingMaker(system))
        return servers->Get(WebServer::Maker);
    return std::nullopt;
}

CMakerSite MakerSite(const CSystemOptions& system) {
    CWebServers servers;
    servers.Load(system);
    const CHtmlUrl& maker = servers.Get(WebServer::Maker);
    return {maker.GetScheme() + maker.GetHost(), maker.GetHostName()};
}

void UseMakerRepositoryList(CSystemOptions& system) {
    std::unique_ptr<CRepositoryListSource> list;
    if (const std::optional<CWebServers> servers = ServersNamingMaker(system))
        list = std::make_unique<CHttpRepositoryListSource>(*servers, MakerPageOptions());
    system.SetRepositoryListSource(std::move(list));
}

std::vector<CAnnouncementItem> CWebAnnouncementSource::Fetch(std::string& internetError,
                                                             std::stop_token stop) {
    CWebOptions options = options_;
    options.isCancelled = [stop] { return stop.stop_requested(); };
    CWebClient client(options);
    CWebConnection connection(client, server_);
    CAnnouncementsPage page(&connection);
    page.SetUrl(kPath);
    page.FetchPage(false);
    if (stop.stop_requested())
        return {};
    if (page.FailedToConnect())
        internetError = page.GetError();
    std::vector<CAnnouncementItem> items;
    if (!page.GetError().empty())
        return items;
    for (const CAnnouncement& announcement : page.GetAnnouncements())
        items.push_back({announcement.GetDate(), announcement.GetUrl(), announcement.GetTitle()});
    return items;
}
