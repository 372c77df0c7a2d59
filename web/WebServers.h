#pragma once
// The web servers the program reads pages from, each a base address (scheme, host, port), in one
// table: built-in placeholders, replaced by [WebServers] of the system settings.

#include "web/HtmlUrl.h"

#include <array>
#include <string_view>

class CSystemOptions;

enum class WebServer {
    Maker,          // announcements, repository list, web login
    Uk,             // UK trade marks
    A6,             // Article 6ter emblems
    Inn,            // international non-proprietary names
    EuAgriculture,  // designations of origin and wines
    PlantVarieties, // plant-variety rights
    EuTradeMarks,   // the EU trade-mark viewer
    EuDesigns,      // the EU design viewer
    De,
    Pl,
    Ie,
    In, // international registrations
    Us,
    Ca,
    Au,
    UkDomains,
    UkDomainsWhois,
};

class CWebServers {
public:
    static constexpr std::size_t kCount = static_cast<std::size_t>(WebServer::UkDomainsWhois) + 1;

    // The built-in placeholders (".example" hosts).
    CWebServers();

    // Every server named in [WebServers] of the system settings, by its key.
    void Load(const CSystemOptions& options);
    // A base address; a text without a scheme takes the server's built-in one.
    void Set(WebServer server, std::string_view address);
    const CHtmlUrl& Get(WebServer server) const { return servers_[Index(server)]; }

private:
    static std::size_t Index(WebServer server) { return static_cast<std::size_t>(server); }

    std::array<CHtmlUrl, kCount> servers_;
};
