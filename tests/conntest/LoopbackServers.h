#pragma once
// The connectivity test's view of the loopback servers: the main server's ports mapped to them.

#include "conntest/SystemNetwork.h"
#include "tests/support/LoopbackPorts.h"

#include <chrono>
#include <map>

// Sends the main server's ports to loopback ports of the test; the run still sees and reports
// the real port numbers.
class MappedConnector : public IConnector {
public:
    MappedConnector(std::map<int, int> ports, std::chrono::milliseconds timeout)
        : real_(timeout), ports_(std::move(ports)) {}
    int Connect(const std::string& host, int port) override {
        return real_.Connect(host, ports_.at(port));
    }

private:
    CTcpConnector real_;
    std::map<int, int> ports_;
};
