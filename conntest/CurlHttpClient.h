#pragma once
// The HTTP test's GET through libcurl: the system's proxy settings, no cache, explicit
// connect and transfer time-outs.

#include "conntest/Network.h"

#include <chrono>

class CCurlHttpClient : public IHttpClient {
public:
    static constexpr int kHttpPort = 80;
    static constexpr std::chrono::seconds kTransferTimeout{60};

    explicit CCurlHttpClient(std::chrono::milliseconds connectTimeout, int port = kHttpPort);
    ~CCurlHttpClient() override;
    CCurlHttpClient(const CCurlHttpClient&) = delete;
    CCurlHttpClient& operator=(const CCurlHttpClient&) = delete;

    HttpResult Get(const std::string& server) override;

private:
    std::chrono::milliseconds connectTimeout_;
    int port_;
};
