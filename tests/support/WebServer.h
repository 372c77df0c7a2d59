#pragma once
// A real HTTP (or HTTPS) server on 127.0.0.1 for the web tests and benchmarks: routes that serve
// synthetic pages and misbehave on purpose, and a log of every request received. Every route
// answers GET and POST; a path without a route answers 404.

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

// A self-signed certificate and its key, made for the test in a folder of its own; trusted by a
// client that names CertFile as a certificate authority.
class TestCertificate {
public:
    // For a host name or an IP address.
    explicit TestCertificate(const std::string& host = "127.0.0.1");
    ~TestCertificate();
    TestCertificate(const TestCertificate&) = delete;
    TestCertificate& operator=(const TestCertificate&) = delete;

    std::string CertFile() const { return folder_ + "/cert.pem"; }
    std::string KeyFile() const { return folder_ + "/key.pem"; }

private:
    std::string folder_;
};

struct LoggedRequest {
    std::string method;
    // As sent: path and query, or a whole address when sent to a proxy.
    std::string target;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    int remotePort = 0;

    // The first value of the header (ignoring case), "" when absent.
    std::string Header(const std::string& name) const;
};

class LoopbackWebServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

    using Setup = std::function<void(LoopbackWebServer&)>;

    // HTTP on a free port, or on the given one with the routes the setup gives it before the
    // first request can come; HTTPS with the certificate.
    LoopbackWebServer() : LoopbackWebServer(0, {}) {}
    LoopbackWebServer(int port, const Setup& setup);
    explicit LoopbackWebServer(const TestCertificate& certificate);
    ~LoopbackWebServer();
    LoopbackWebServer(const LoopbackWebServer&) = delete;
    LoopbackWebServer& operator=(const LoopbackWebServer&) = delete;

    int Port() const { return port_; }
    // "http://127.0.0.1:<port>" (https for a certificate).
    std::string BaseUrl() const;
    std::string Url(const std::string& path) const { return BaseUrl() + path; }

    // 200 with the body; extra header lines such as "Set-Cookie: a=1; Path=/".
    void Page(const std::string& path, std::string body, std::vector<std::string> headerLines = {},
              std::string contentType = "text/html");
    void Status(const std::string& path, int status, std::string body = "");
    // A redirect status with the Location (none when empty).
    void Redirect(const std::string& path, int status, std::string location);
    // The page after a delay.
    void Slow(const std::string& path, std::chrono::milliseconds delay, std::string body);
    // One byte at a time, `interval` apart, `bytes` in all.
    void Trickle(const std::string& path, std::size_t bytes, std::chrono::milliseconds interval);
    // Announces `announced` bytes, sends `sent` of them and closes the connection.
    void CutOff(const std::string& path, std::size_t announced, std::size_t sent);
    // `bytes` bytes, with their length announced or in chunks.
    void Large(const std::string& path, std::size_t bytes, bool announced);
    void Route(const std::string& path, Handler handler);
    // Acts as a proxy that wants these credentials: without them every request gets 407, with
    // them the body.
    void ActAsProxy(const std::string& user, const std::string& password, std::string body);

    std::vector<LoggedRequest> Requests() const;
    // "METHOD target" of every request, in order.
    std::vector<std::string> Log() const;
    void ClearRequests();

private:
    void Start(int port, const Setup& setup);
    void Dispatch(const httplib::Request& request, httplib::Response& response);

    std::unique_ptr<httplib::Server> server_;
    bool https_ = false;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::map<std::string, Handler> routes_;
    std::vector<LoggedRequest> requests_;
    std::string proxyAuthorization_;
    std::string proxyBody_;
};
