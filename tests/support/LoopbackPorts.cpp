#include "tests/support/LoopbackPorts.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A socket bound to a free loopback port; returns the port.
int BindLoopback(const Fd& socket) {
    sockaddr_in address = Loopback(0);
    if (socket.Get() < 0 ||
        ::bind(socket.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("cannot bind a loopback port");
    socklen_t length = sizeof address;
    ::getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

Fd NewSocket(int flags = 0) {
    return Fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | flags, 0));
}

// Starts a connect without waiting for it.
void StartConnect(const Fd& socket, int port) {
    const sockaddr_in address = Loopback(port);
    ::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

// A listener's queue of connections made but not accepted, as the kernel counts it.
struct AcceptQueue {
    std::uint32_t length;
    std::uint32_t limit;

    // Attempts beyond this are dropped unanswered.
    bool IsFull() const { return length > limit; }
};

// For a listening socket, TCP_INFO reports the queue's length and limit.
AcceptQueue ReadAcceptQueue(const Fd& listener) {
    tcp_info info{};
    socklen_t size = sizeof info;
    if (::getsockopt(listener.Get(), IPPROTO_TCP, TCP_INFO, &info, &size) != 0)
        throw std::runtime_error("cannot read the listen queue");
    return {info.tcpi_unacked, info.tcpi_sacked};
}

} // namespace

Fd::~Fd() {
    if (fd_ >= 0)
        ::close(fd_);
}

OpenPort::OpenPort() : socket_(NewSocket()), port_(BindLoopback(socket_)) {
    ::listen(socket_.Get(), 16);
}

RefusedPort::RefusedPort() : socket_(NewSocket()), port_(BindLoopback(socket_)) {}

// Connections are made one at a time, each waited for until the kernel has queued it, however
// long its handshake takes on a loaded machine, until the kernel counts the queue full.
SilentPort::SilentPort() : socket_(NewSocket()), port_(BindLoopback(socket_)) {
    ::listen(socket_.Get(), 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (AcceptQueue queue = ReadAcceptQueue(socket_); !queue.IsFull();
         queue = ReadAcceptQueue(socket_)) {
        if (queue.length == fillers_.size()) {
            fillers_.push_back(NewSocket(SOCK_NONBLOCK));
            StartConnect(fillers_.back(), port_);
        } else if (std::chrono::steady_clock::now() > deadline) {
            throw std::runtime_error("the listen queue does not fill");
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}

HttpServer::HttpServer(int status, std::size_t bodyBytes)
    : socket_(NewSocket()), port_(BindLoopback(socket_)), status_(status), bodyBytes_(bodyBytes) {
    ::listen(socket_.Get(), 16);
    thread_ = std::thread(&HttpServer::Serve, this);
}

HttpServer::~HttpServer() {
    stop_ = true;
    thread_.join();
}

std::vector<std::string> HttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void HttpServer::Serve() {
    while (!stop_) {
        pollfd entry{socket_.Get(), POLLIN, 0};
        if (::poll(&entry, 1, 50) != 1)
            continue;
        Fd client(::accept4(socket_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (client.Get() >= 0)
            Answer(client.Get());
    }
}

void HttpServer::Answer(int client) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        pollfd entry{client, POLLIN, 0};
        if (::poll(&entry, 1, 2000) != 1)
            return;
        const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        request.append(buffer, static_cast<std::size_t>(got));
    }
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    if (status_ == kHangUp)
        return;
    const std::string answer = "HTTP/1.1 " + std::to_string(status_) +
                               " Test\r\nContent-Length: " + std::to_string(bodyBytes_) +
                               "\r\nConnection: close\r\n\r\n" + std::string(bodyBytes_, 'z');
    for (std::size_t sent = 0; sent < answer.size();) {
        const ssize_t wrote =
            ::send(client, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
        if (wrote <= 0)
            return;
        sent += static_cast<std::size_t>(wrote);
    }
}

void ClearProxyEnvironment() {
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy",
                             "ALL_PROXY", "no_proxy", "NO_PROXY"})
        ::unsetenv(name);
}
