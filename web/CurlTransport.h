#pragma once
// HTTP exchanges over libcurl, http and https only, certificates and host names verified. One
// object keeps its connections alive between exchanges; it belongs to one thread.

#include "web/HttpTransport.h"
#include "web/WebOptions.h"

#include <memory>
#include <string>

class CCurlTransport : public IHttpTransport {
public:
    explicit CCurlTransport(CWebOptions options);
    ~CCurlTransport() override;
    CCurlTransport(const CCurlTransport&) = delete;
    CCurlTransport& operator=(const CCurlTransport&) = delete;

    HttpReply Exchange(const HttpExchange& exchange) override;

private:
    struct Handle;
    CWebOptions options_;
    std::unique_ptr<Handle> handle_;
};

// The address with every byte that may not stand in a request line (controls, blanks, bytes
// above 126) percent-encoded, so that no text from a page or record can break the request.
std::string EscapeUnsafeUrlBytes(std::string_view url);

// The version of libcurl the program runs with, as the library tells it ("7.88.1").
std::string CurlLibraryVersion();
