#include "web/HttpRepositoryList.h"

#include "web/MakerPages.h"

bool CHttpRepositoryListSource::FetchRepositoryList(const std::string& path,
                                                    std::vector<std::string>& repositories,
                                                    std::string& error) {
    CWebClient client(options_);
    CWebConnection connection(client, server_);
    CHtmlPageRepositories page(&connection);
    page.SetUrl(path);
    page.FetchPage(false);
    error = page.GetError();
    if (!error.empty())
        return false;
    repositories = page.GetRepositories();
    return true;
}
