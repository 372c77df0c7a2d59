#include "web/CurlTransport.h"

#include <algorithm>
#include <cstdint>
#include <curl/curl.h>
#include <string_view>

namespace {

constexpr const char* kUserAgent = "ZRPro";

// libcurl is started once for the process, before the first transport, and ended at exit.
struct CurlLibrary {
    CurlLibrary() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlLibrary() { curl_global_cleanup(); }
    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;
};

void StartCurl() {
    static const CurlLibrary library;
}

struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

struct Receiver {
    HttpReply& reply;
    std::size_t maxBodyBytes;
    bool tooLarge = false;
};

std::size_t ReceiveBody(char* bytes, std::size_t size, std::size_t count, void* data) {
    auto& receiver = *static_cast<Receiver*>(data);
    const std::size_t length = size * count;
    if (receiver.reply.body.size() + length > receiver.maxBodyBytes) {
        receiver.tooLarge = true;
        return 0;
    }
    receiver.reply.body.append(bytes, length);
    return length;
}

// Header lines arrive one by one; a status line starts a new response (after a 100 Continue or
// a proxy's CONNECT answer), whose headers replace those before.
std::size_t ReceiveHeader(char* bytes, std::size_t size, std::size_t count, void* data) {
    auto& receiver = *static_cast<Receiver*>(data);
    const std::string_view line(bytes, size * count);
    if (line.starts_with("HTTP/"))
        receiver.reply.headers.clear();
    receiver.reply.headers.append(line);
    return line.size();
}

// Ends the transfer once the caller's cancel answers true.
int CheckCancelled(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto& isCancelled = *static_cast<const std::function<bool()>*>(data);
    return isCancelled() ? 1 : 0;
}

long Milliseconds(std::chrono::milliseconds duration) {
    return static_cast<long>(duration.count());
}

std::string TooLargeText(std::size_t limit) {
    return "The page is larger than " + std::to_string(limit) + " bytes";
}

HeaderList MakeHeaderList(const HttpExchange& exchange) {
    HeaderList list;
    const auto append = [&](const std::string& line) {
        if (curl_slist* longer = curl_slist_append(list.get(), line.c_str())) {
            list.release();
            list.reset(longer);
        }
    };
    for (const std::string& line : exchange.headers)
        append(line);
    // A POST body goes at once, without waiting for "100 Continue".
    append("Expect:");
    return list;
}

} // namespace

struct CCurlTransport::Handle {
    struct Deleter {
        void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
    };
    std::unique_ptr<CURL, Deleter> curl;
};

std::string EscapeUnsafeUrlBytes(std::string_view url) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(url.size());
    for (const char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += kDigits[byte >> 4];
            escaped += kDigits[byte & 0x0F];
        }
    }
    return escaped;
}

CCurlTransport::CCurlTransport(CWebOptions options)
    : options_(std::move(options)), handle_(std::make_unique<Handle>()) {
    StartCurl();
    handle_->curl.reset(curl_easy_init());
}

CCurlTransport::~CCurlTransport() = default;

HttpReply CCurlTransport::Exchange(const HttpExchange& exchange) {
    HttpReply reply;
    CURL* curl = handle_->curl.get();
    if (!curl) {
        reply.error = "The HTTP library could not start a request";
        return reply;
    }
    // Resetting keeps the live connections, so that the next exchange with a server reuses one.
    curl_easy_reset(curl);
    Receiver receiver{reply, options_.maxBodyBytes};
    const HeaderList headers = MakeHeaderList(exchange);
    const std::string url = EscapeUnsafeUrlBytes(exchange.url);
    char message[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options_.extraCaFile.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, options_.extraCaFile.c_str());
    if (!options_.proxy.empty())
        curl_easy_setopt(curl, CURLOPT_PROXY, options_.proxy.c_str());
    if (exchange.proxyCredentials) {
        curl_easy_setopt(curl, CURLOPT_PROXYAUTH, CURLAUTH_ANY);
        curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME, exchange.proxyCredentials->user.c_str());
        curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD, exchange.proxyCredentials->password.c_str());
    }
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, Milliseconds(options_.connectTimeout));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, Milliseconds(options_.totalTimeout));
    // A stall: less than one byte a second for the whole receive time-out.
    const auto stallSeconds = std::chrono::ceil<std::chrono::seconds>(options_.receiveTimeout);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(std::max<std::int64_t>(1, stallSeconds.count())));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(options_.maxBodyBytes));
    if (exchange.method == "POST") {
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(exchange.body.size()));
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, exchange.body.c_str());
    } else {
        curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    }
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, ReceiveBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &receiver);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, ReceiveHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &receiver);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, message);
    if (options_.isCancelled) {
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, CheckCancelled);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &options_.isCancelled);
    }

    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    long proxyStatus = 0;
    curl_easy_getinfo(curl, CURLINFO_HTTP_CONNECTCODE, &proxyStatus);
    if (const char* effective = nullptr;
        curl_easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
        reply.finalUrl = effective;

    if (code == CURLE_OK) {
        reply.status = static_cast<int>(status);
    } else if (proxyStatus == 407) {
        // The proxy refused the tunnel to an https server until it gets credentials.
        reply.status = 407;
        reply.body.clear();
    } else {
        long requestBytes = 0;
        curl_easy_getinfo(curl, CURLINFO_REQUEST_SIZE, &requestBytes);
        reply.connectFailed = code == CURLE_COULDNT_CONNECT ||
                              (code == CURLE_OPERATION_TIMEDOUT && requestBytes == 0);
        if (receiver.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
            reply.error = TooLargeText(options_.maxBodyBytes);
        else if (code == CURLE_ABORTED_BY_CALLBACK)
            reply.error = kCancelledText;
        else
            reply.error = message[0] ? message : curl_easy_strerror(code);
        reply.body.clear();
    }
    return reply;
}

std::string CurlLibraryVersion() {
    const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
    return info && info->version ? info->version : "";
}
