#include "web/WebServers.h"

#include "core/SystemOptions.h"

namespace {

struct ServerEntry {
    std::string_view key;
    std::string_view address;
};

// In the order of WebServer. The maker's server is reached over https, so that the login and the
// repository list never travel in clear.
constexpr std::array<ServerEntry, CWebServers::kCount> kServers = {{
    {"Maker", "https://www.velorin.example"},
    {"UK", "https://trademarks.uk-register.example"},
    {"A6", "https://emblems.int-register.example"},
    {"INN", "https://inn.health-register.example"},
    {"EUAgriculture", "http://agriculture.eu-register.example"},
    {"PlantVarieties", "http://varieties.eu-register.example"},
    {"EUTradeMarks", "https://tmview.eu-register.example"},
    {"EUDesigns", "https://dsview.eu-register.example"},
    {"DE", "https://register.de-register.example"},
    {"PL", "http://register.pl-register.example"},
    {"IE", "https://register.ie-register.example"},
    {"IN", "http://madrid.int-register.example"},
    {"US", "http://status.us-register.example"},
    {"CA", "http://register.ca-register.example"},
    {"AU", "https://search.au-register.example"},
    {"UKDomains", "http://www.uk-domains.example"},
    {"UKDomainsWhois", "http://whois.uk-domains.example"},
}};

} // namespace

CWebServers::CWebServers() {
    for (std::size_t i = 0; i < kCount; ++i)
        servers_[i].SetUrl(kServers[i].address);
}

void CWebServers::Load(const CSystemOptions& options) {
    for (std::size_t i = 0; i < kCount; ++i)
        if (const std::string address = options.GetWebServer(std::string(kServers[i].key));
            !address.empty())
            Set(static_cast<WebServer>(i), address);
}

void CWebServers::Set(WebServer server, std::string_view address) {
    const bool hasScheme = address.find("://") != std::string_view::npos;
    const CHtmlUrl builtIn(kServers[Index(server)].address);
    servers_[Index(server)].SetUrl(hasScheme ? std::string(address)
                                             : builtIn.GetScheme() + std::string(address));
}
