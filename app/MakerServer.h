#pragma once
// The program's reading of the maker's web server: the announcements page at start-up and the
// repository list at login. Both are read only when the system settings name the server
// ([WebServers] Maker): the built-in address is a placeholder that nobody answers. The links and
// messages that name the server name the same one.

#include "app/Announcements.h"
#include "engines/MakerSite.h"
#include "web/HtmlUrl.h"
#include "web/WebOptions.h"

#include <optional>

class CSystemOptions;

// Short limits: start-up and login wait for these pages, and a user for them.
CWebOptions MakerPageOptions();

// The maker's server when the system settings name one.
std::optional<CHtmlUrl> NamedMakerServer(const CSystemOptions& system);

// The maker's server as links and messages name it: the settings' one, else the placeholder.
CMakerSite MakerSite(const CSystemOptions& system);

// The settings' remote repositories begin with those of the maker's list page when the settings
// name the maker's server; otherwise no page is read.
void UseMakerRepositoryList(CSystemOptions& system);

// The announcements page of the maker's server.
class CWebAnnouncementSource : public IAnnouncementSource {
public:
    static constexpr const char* kPath = "/announcements/index.html";

    CWebAnnouncementSource(CHtmlUrl server, const CWebOptions& options)
        : server_(std::move(server)), options_(options) {}

    // An answer of the server that is not a page (404, 500) is no connection failure: the user
    // hears nothing of it.
    std::vector<CAnnouncementItem> Fetch(std::string& internetError, std::stop_token stop) override;

private:
    CHtmlUrl server_;
    CWebOptions options_;
};
