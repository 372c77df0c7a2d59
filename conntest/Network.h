#pragma once
// The network steps of the connectivity test, one small interface each, so that a run can be
// driven step by step without a network. Error codes are Winsock codes (WinsockErrors.h).

#include <cstdint>
#include <memory>
#include <string>

// Test 1: whether the machine can make TCP/IP sockets at all.
struct StackStatus {
    int error = 0; // 0 when the stack works
    std::string description;
    std::string systemStatus;
};

class INetworkStack {
public:
    virtual ~INetworkStack() = default;
    virtual StackStatus Start() = 0;
};

// Test 2: the first IPv4 address of a host name.
struct Resolution {
    int error = 0;       // 0 when the look-up itself succeeded
    std::string address; // dotted form; empty when the look-up returned no address
};

class IResolver {
public:
    virtual ~IResolver() = default;
    virtual Resolution Resolve(const std::string& host) = 0;
};

// Test 3: a GET of the server's root page on the HTTP port.
struct HttpResult {
    std::string failure; // the library's message when no answer came; empty otherwise
    int status = 0;      // the answer's status code
    std::uint64_t bodyBytes = 0;
};

class IHttpClient {
public:
    virtual ~IHttpClient() = default;
    virtual HttpResult Get(const std::string& server) = 0;
};

// Test 4: a TCP connect, closed again at once.
class IConnector {
public:
    virtual ~IConnector() = default;
    // 0 when the port accepted the connection, else the error code.
    virtual int Connect(const std::string& host, int port) = 0;
};

// The four steps of one workstation; a run uses them on its own thread only.
struct ConnTestNetwork {
    std::unique_ptr<INetworkStack> stack;
    std::unique_ptr<IResolver> resolver;
    std::unique_ptr<IHttpClient> http;
    std::unique_ptr<IConnector> connector;
};
