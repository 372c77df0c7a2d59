#pragma once
// Servers that cannot be reached, for the tests of how a page's failure is worded: a port that
// refuses connections and a name that does not resolve, each with how the user's text of a page
// from it begins and ends. The library's own words stand in brackets between the two; those of
// a refusal name its timing.

#include "tests/support/LoopbackPorts.h"

#include <string>
#include <vector>

struct CUnreachableServer {
    std::string url;
    std::string start;
    std::string end;
};

// `page` and `retry` as the wording of the page's fetch takes them.
inline std::vector<CUnreachableServer>
UnreachableServers(const RefusedPort& refused, const std::string& page, const std::string& retry) {
    const std::string failed = page + " could not be fetched from ";
    const std::string refusedServer = "127.0.0.1:" + std::to_string(refused.Port());
    return {
        {"http://" + refusedServer,
         failed + refusedServer + ", which did not accept a connection (",
         "). The site may be down, or a firewall or proxy may be in the way: try again later "
         "with " +
             retry + "."},
        {"http://nohost.invalid",
         failed +
             "nohost.invalid (Could not resolve host: nohost.invalid). Check this computer's "
             "connection to the internet and its proxy settings, then try again with " +
             retry + ".",
         ""},
    };
}
