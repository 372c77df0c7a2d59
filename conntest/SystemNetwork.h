#pragma once
// The connectivity test's steps over this machine's own sockets, resolver and HTTP library.

#include "conntest/ConnTestConfig.h"
#include "conntest/Network.h"

#include <chrono>

// Sockets can be made: the stack is there. Its description names the running kernel.
class CSocketStack : public INetworkStack {
public:
    StackStatus Start() override;
};

class CSystemResolver : public IResolver {
public:
    Resolution Resolve(const std::string& host) override;
};

// Connects without blocking and gives up after the time-out with WSAETIMEDOUT, so that a
// firewall that silently drops packets costs seconds per port, not minutes.
class CTcpConnector : public IConnector {
public:
    explicit CTcpConnector(std::chrono::milliseconds timeout) : timeout_(timeout) {}
    int Connect(const std::string& host, int port) override;

private:
    std::chrono::milliseconds timeout_;
};

// The real network of this workstation, configured for one program run.
ConnTestNetwork MakeSystemNetwork(const ConnTestConfig& config);
