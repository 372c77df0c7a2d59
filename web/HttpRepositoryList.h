#pragma once
// The repository list page of the maker's web server, fetched over HTTP for the system settings
// (CSystemOptions::SetRepositoryListSource).

#include "core/RepositoryListSource.h"
#include "web/WebOptions.h"
#include "web/WebServers.h"

class CHttpRepositoryListSource : public CRepositoryListSource {
public:
    CHttpRepositoryListSource(const CWebServers& servers, const CWebOptions& options)
        : server_(servers.Get(WebServer::Maker)), options_(options) {}

    // False with the page's error text when the page cannot be fetched.
    bool FetchRepositoryList(const std::string& path, std::vector<std::string>& repositories,
                             std::string& error) override;

private:
    CHtmlUrl server_;
    CWebOptions options_;
};
