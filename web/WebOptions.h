#pragma once
// The limits of one web client, set by whoever makes it (the details window's fetch thread, the
// difference check, the start-up fetches of the maker's pages).

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

struct CWebOptions {
    // A connection not made within this time fails; it is tried again `connectRetries` times,
    // `connectBackOff` apart. Nothing that reached a server is ever sent again.
    std::chrono::milliseconds connectTimeout{30000};
    std::chrono::milliseconds connectBackOff{1000};
    int connectRetries = 3;
    // An exchange fails when no byte moves for this long...
    std::chrono::milliseconds receiveTimeout{60000};
    // ...or when it takes longer than this altogether (a server that trickles).
    std::chrono::milliseconds totalTimeout{180000};
    // A body longer than this fails the exchange.
    std::size_t maxBodyBytes = 16 * 1024 * 1024;
    // The proxy, as libcurl takes it; empty means the environment's (http_proxy, https_proxy,
    // no_proxy).
    std::string proxy;
    // A file of certificate authorities trusted besides the system's; certificates and host
    // names are always verified.
    std::string extraCaFile;
    // Asked from the exchange's thread while it waits (about once a second, and as bytes move):
    // true ends the exchange at once with kCancelledText and makes no further attempt. It may
    // read a flag that another thread sets.
    std::function<bool()> isCancelled;
};

inline constexpr const char* kCancelledText = "The transfer was cancelled";
