#include "conntest/CurlHttpClient.h"

#include <curl/curl.h>

namespace {

constexpr const char* kAgent = "ZRProTest";
constexpr long kMostRedirects = 5;

struct EasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// Counts the body without keeping it.
size_t CountBytes(char*, size_t size, size_t count, void* total) {
    *static_cast<std::uint64_t*>(total) += size * count;
    return size * count;
}

} // namespace

CCurlHttpClient::CCurlHttpClient(std::chrono::milliseconds connectTimeout, int port)
    : connectTimeout_(connectTimeout), port_(port) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

CCurlHttpClient::~CCurlHttpClient() {
    curl_global_cleanup();
}

HttpResult CCurlHttpClient::Get(const std::string& server) {
    HttpResult result;
    std::unique_ptr<CURL, EasyDeleter> handle(curl_easy_init());
    if (!handle) {
        result.failure = "The HTTP library could not start a request";
        return result;
    }
    // The page must come from the server itself, not from a cache on the way.
    std::unique_ptr<curl_slist, ListDeleter> headers(curl_slist_append(
        curl_slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"));
    const std::string url = "http://" + server + ":" + std::to_string(port_) + "/";
    char message[CURL_ERROR_SIZE] = {};

    CURL* request = handle.get();
    curl_easy_setopt(request, CURLOPT_URL, url.c_str());
    curl_easy_setopt(request, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(request, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(request, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(request, CURLOPT_MAXREDIRS, kMostRedirects);
    curl_easy_setopt(request, CURLOPT_USERAGENT, kAgent);
    curl_easy_setopt(request, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(request, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(request, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(connectTimeout_.count()));
    curl_easy_setopt(request, CURLOPT_TIMEOUT_MS,
                     static_cast<long>(std::chrono::milliseconds(kTransferTimeout).count()));
    curl_easy_setopt(request, CURLOPT_WRITEFUNCTION, CountBytes);
    curl_easy_setopt(request, CURLOPT_WRITEDATA, &result.bodyBytes);
    curl_easy_setopt(request, CURLOPT_ERRORBUFFER, message);

    if (const CURLcode code = curl_easy_perform(request); code != CURLE_OK) {
        result.failure = message[0] ? message : curl_easy_strerror(code);
        return result;
    }
    long status = 0;
    curl_easy_getinfo(request, CURLINFO_RESPONSE_CODE, &status);
    result.status = static_cast<int>(status);
    return result;
}
