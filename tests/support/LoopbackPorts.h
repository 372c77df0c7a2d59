#pragma once
// Ports and servers on 127.0.0.1 that the tests start themselves: nothing leaves the machine.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Owns one descriptor.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd();
    Fd(Fd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Fd& operator=(Fd&&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// A loopback port that accepts connections; the kernel completes them, nobody reads.
class OpenPort {
public:
    OpenPort();
    int Port() const { return port_; }

private:
    Fd socket_;
    int port_ = 0;
};

// A loopback port bound but not listening: connects to it are refused, and nobody else can take
// the port meanwhile.
class RefusedPort {
public:
    RefusedPort();
    int Port() const { return port_; }

private:
    Fd socket_;
    int port_ = 0;
};

// A listening loopback port whose queue is full: further connection attempts are dropped
// without an answer, as behind a firewall that drops packets.
class SilentPort {
public:
    SilentPort();
    int Port() const { return port_; }

private:
    Fd socket_;
    std::vector<Fd> fillers_;
    int port_ = 0;
};

// Answers every request with one status and a body of the given size, and keeps the requests;
// with kHangUp it reads each request and closes the connection without an answer.
class HttpServer {
public:
    static constexpr int kHangUp = 0;

    HttpServer(int status, std::size_t bodyBytes);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    int Port() const { return port_; }
    std::vector<std::string> Requests() const;

private:
    void Serve();
    void Answer(int client);

    Fd socket_;
    int port_ = 0;
    int status_;
    std::size_t bodyBytes_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// Curl takes a proxy from the environment; the tests talk to loopback directly.
void ClearProxyEnvironment();
