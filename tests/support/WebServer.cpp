#include "tests/support/WebServer.h"

#include "core/Base64.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <httplib.h>
#include <stdexcept>
#include <strings.h>

namespace {

bool IsIpAddress(const std::string& host) {
    return std::all_of(host.begin(), host.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

// Writes `count` bytes of the body through the sink a piece at a time; false when the client has
// gone away.
bool WriteFiller(httplib::DataSink& sink, std::size_t count) {
    static const std::string block(64 * 1024, 'x');
    while (count > 0) {
        const std::size_t piece = std::min(count, block.size());
        if (!sink.write(block.data(), piece))
            return false;
        count -= piece;
    }
    return true;
}

} // namespace

TestCertificate::TestCertificate(const std::string& host) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zr-cert-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a folder for the test certificate");
    folder_ = pattern;
    const std::string name = (IsIpAddress(host) ? "IP:" : "DNS:") + host;
    const std::string command =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2"
        " -keyout '" +
        KeyFile() + "' -out '" + CertFile() + "' -subj '/CN=" + host +
        "' -addext 'subjectAltName=" + name + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("openssl could not make the test certificate");
}

TestCertificate::~TestCertificate() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string LoggedRequest::Header(const std::string& name) const {
    for (const auto& [key, value] : headers)
        if (::strcasecmp(key.c_str(), name.c_str()) == 0)
            return value;
    return {};
}

LoopbackWebServer::LoopbackWebServer(int port, const Setup& setup)
    : server_(std::make_unique<httplib::Server>()) {
    Start(port, setup);
}

LoopbackWebServer::LoopbackWebServer(const TestCertificate& certificate)
    : server_(std::make_unique<httplib::SSLServer>(certificate.CertFile().c_str(),
                                                   certificate.KeyFile().c_str())),
      https_(true) {
    Start(0, {});
}

void LoopbackWebServer::Start(int port, const Setup& setup) {
    if (!server_->is_valid())
        throw std::runtime_error("the loopback web server cannot start");
    // Benchmarks keep one connection for many requests.
    server_->set_keep_alive_max_count(100000);
    // Headers and body leave in separate writes, which must not wait for delayed ACKs.
    server_->set_tcp_nodelay(true);
    // One handler for every path (a proxy's too), so that bodies are read before it runs.
    const auto dispatch = [this](const httplib::Request& request, httplib::Response& response) {
        Dispatch(request, response);
    };
    server_->Get(".*", dispatch);
    server_->Post(".*", dispatch);
    port_ = port == 0 ? server_->bind_to_any_port("127.0.0.1")
                      : (server_->bind_to_port("127.0.0.1", port) ? port : -1);
    if (port_ <= 0)
        throw std::runtime_error("the loopback web server cannot bind its port");
    if (setup)
        setup(*this);
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    while (!server_->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoopbackWebServer::~LoopbackWebServer() {
    server_->stop();
    thread_.join();
}

std::string LoopbackWebServer::BaseUrl() const {
    return (https_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_);
}

void LoopbackWebServer::Dispatch(const httplib::Request& request, httplib::Response& response) {
    LoggedRequest logged{request.method, request.target, request.body, {}, request.remote_port};
    for (const auto& header : request.headers)
        logged.headers.push_back(header);
    Handler handler;
    std::string proxyAuthorization;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(logged);
        proxyAuthorization = proxyAuthorization_;
        if (const auto found = routes_.find(request.path); found != routes_.end())
            handler = found->second;
    }
    if (!proxyAuthorization.empty()) {
        if (logged.Header("Proxy-Authorization") != proxyAuthorization) {
            response.status = 407;
            response.set_header("Proxy-Authenticate", "Basic realm=\"loopback\"");
            return;
        }
        std::lock_guard lock(mutex_);
        response.set_content(proxyBody_, "text/html");
        return;
    }
    if (handler)
        handler(request, response);
    else
        response.status = 404;
}

void LoopbackWebServer::Route(const std::string& path, Handler handler) {
    std::lock_guard lock(mutex_);
    routes_[path] = std::move(handler);
}

void LoopbackWebServer::Page(const std::string& path, std::string body,
                             std::vector<std::string> headerLines, std::string contentType) {
    Route(path, [=](const httplib::Request&, httplib::Response& response) {
        for (const std::string& line : headerLines) {
            const std::size_t colon = line.find(':');
            response.headers.emplace(line.substr(0, colon), line.substr(colon + 2));
        }
        response.set_content(body, contentType);
    });
}

void LoopbackWebServer::Status(const std::string& path, int status, std::string body) {
    Route(path, [=](const httplib::Request&, httplib::Response& response) {
        response.status = status;
        response.set_content(body, "text/html");
    });
}

void LoopbackWebServer::Redirect(const std::string& path, int status, std::string location) {
    Route(path, [=](const httplib::Request&, httplib::Response& response) {
        response.status = status;
        if (!location.empty())
            response.set_header("Location", location);
    });
}

void LoopbackWebServer::Slow(const std::string& path, std::chrono::milliseconds delay,
                             std::string body) {
    Route(path, [=](const httplib::Request&, httplib::Response& response) {
        std::this_thread::sleep_for(delay);
        response.set_content(body, "text/html");
    });
}

void LoopbackWebServer::Trickle(const std::string& path, std::size_t bytes,
                                std::chrono::milliseconds interval) {
    Route(path, [=](const httplib::Request&, httplib::Response& response) {
        response.set_content_provider(
            bytes, "text/html", [=](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                std::this_thread::sleep_for(interval);
                return offset < bytes && sink.write("t", 1);
            });
    });
}

void LoopbackWebServer::CutOff(const std::string& path, std::size_t announced, std::size_t sent) {
    Route(path, [=](const httplib::Request&, httplib::Response& response) {
        response.set_content_provider(
            announced, "text/html", [=](std::size_t, std::size_t, httplib::DataSink& sink) {
                WriteFiller(sink, sent);
                return false; // drops the connection short of the announced length
            });
    });
}

void LoopbackWebServer::Large(const std::string& path, std::size_t bytes, bool announced) {
    Route(path, [=](const httplib::Request&, httplib::Response& response) {
        if (announced) {
            response.set_content_provider(
                bytes, "text/html", [=](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    return WriteFiller(sink, bytes - offset);
                });
        } else {
            response.set_chunked_content_provider("text/html",
                                                  [=](std::size_t, httplib::DataSink& sink) {
                                                      if (!WriteFiller(sink, bytes))
                                                          return false;
                                                      sink.done();
                                                      return true;
                                                  });
        }
    });
}

void LoopbackWebServer::ActAsProxy(const std::string& user, const std::string& password,
                                   std::string body) {
    const std::string credentials = user + ":" + password;
    std::lock_guard lock(mutex_);
    proxyAuthorization_ = "Basic " + Base64Encode(credentials.data(), credentials.size());
    proxyBody_ = std::move(body);
}

std::vector<LoggedRequest> LoopbackWebServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<std::string> LoopbackWebServer::Log() const {
    std::vector<std::string> lines;
    for (const LoggedRequest& request : Requests())
        lines.push_back(request.method + " " + request.target);
    return lines;
}

void LoopbackWebServer::ClearRequests() {
    std::lock_guard lock(mutex_);
    requests_.clear();
}
