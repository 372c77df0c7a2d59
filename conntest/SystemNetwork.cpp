#include "conntest/SystemNetwork.h"

#include "conntest/CurlHttpClient.h"
#include "conntest/WinsockErrors.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

// Owns one socket descriptor.
class Socket {
public:
    explicit Socket(int flags) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | flags, 0)) {}
    ~Socket() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool IsValid() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

private:
    int fd_;
};

// The first IPv4 address of the host; the error is 0 also when no address came back.
struct AddressLookup {
    int error = 0;
    bool found = false;
    in_addr address{};
};

AddressLookup LookUpIPv4(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    AddressLookup lookup;
    if (const int result = ::getaddrinfo(host.c_str(), nullptr, &hints, &list); result != 0) {
        lookup.error = WinsockCodeFromGai(result, errno);
        return lookup;
    }
    for (const addrinfo* entry = list; entry && !lookup.found; entry = entry->ai_next) {
        if (entry->ai_family == AF_INET && entry->ai_addr) {
            lookup.address = reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr;
            lookup.found = true;
        }
    }
    ::freeaddrinfo(list);
    return lookup;
}

int SocketError(int fd) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        return errno;
    return error;
}

// Waits until the connect in progress ends; ETIMEDOUT when the time-out passes first.
int AwaitConnect(int fd, std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        const auto now = Clock::now();
        if (now >= deadline)
            return ETIMEDOUT;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        pollfd entry{fd, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0)
            return SocketError(fd);
        if (ready < 0 && errno != EINTR)
            return errno;
    }
}

} // namespace

StackStatus CSocketStack::Start() {
    StackStatus status;
    if (!Socket(0).IsValid()) {
        status.error = WinsockCodeFromErrno(errno);
        return status;
    }
    utsname system{};
    status.description = ::uname(&system) == 0 ? std::string(system.sysname) + " " + system.release
                                               : std::string("TCP/IP sockets");
    status.systemStatus = "Running";
    return status;
}

Resolution CSystemResolver::Resolve(const std::string& host) {
    const AddressLookup lookup = LookUpIPv4(host);
    Resolution resolution{lookup.error, {}};
    if (lookup.found) {
        char text[INET_ADDRSTRLEN] = {};
        if (::inet_ntop(AF_INET, &lookup.address, text, sizeof text))
            resolution.address = text;
    }
    return resolution;
}

int CTcpConnector::Connect(const std::string& host, int port) {
    if (port < 1 || port > 65535)
        return winsock::kEINVAL;
    Socket socket(SOCK_NONBLOCK);
    if (!socket.IsValid())
        return WinsockCodeFromErrno(errno);
    const AddressLookup lookup = LookUpIPv4(host);
    if (lookup.error != 0 || !lookup.found)
        return lookup.error != 0 ? lookup.error : winsock::kNO_DATA;

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(static_cast<std::uint16_t>(port));
    target.sin_addr = lookup.address;
    int error = 0;
    if (::connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0)
        error = errno == EINPROGRESS ? AwaitConnect(socket.Fd(), timeout_) : errno;
    if (error != 0)
        return WinsockCodeFromErrno(error);
    ::shutdown(socket.Fd(), SHUT_RDWR);
    return 0;
}

ConnTestNetwork MakeSystemNetwork(const ConnTestConfig& config) {
    return {std::make_unique<CSocketStack>(), std::make_unique<CSystemResolver>(),
            std::make_unique<CCurlHttpClient>(config.connectTimeout),
            std::make_unique<CTcpConnector>(config.connectTimeout)};
}
