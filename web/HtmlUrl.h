#pragma once
// A URL cut into scheme, host, directory, file, fragment and query, with relative resolution
// against a base as a browser resolves the links of a page.

#include <string>
#include <string_view>

class CHtmlUrl {
public:
    CHtmlUrl() = default;
    explicit CHtmlUrl(std::string_view text, const CHtmlUrl* base = nullptr) { SetUrl(text, base); }

    // Parses the text; without a scheme and with a base it is resolved against the base. A
    // scheme is letters, digits, "+", "." and "-" after a first letter, followed by "://" (or
    // ":\\"), at the very start only.
    void SetUrl(std::string_view text, const CHtmlUrl* base = nullptr);
    void Clear() { SetUrl({}); }
    // The text resolved against this URL, which it replaces.
    void Resolve(std::string_view text);
    // Appends name=value (each urlencoded) to the query, after "&" when it is not empty.
    void AddParam(std::string_view name, std::string_view value);

    // scheme + host + directory + "/" + file, then "?" + query when there is one.
    std::string ToString() const;
    // The path and query sent to a server: directory + "/" + file, then "?" + query.
    std::string GetObject() const;

    // "http://" or "https://" (any case) with a host: an address the program may fetch.
    bool IsWeb() const;

    const std::string& GetScheme() const { return scheme_; }
    // The host as written, with its ":port" when the URL gives one.
    const std::string& GetHost() const { return host_; }
    // The host without its ":port", in lower case: what cookies are kept under.
    std::string GetHostName() const;
    // The host's ":port", else 443 for https and 80 for other schemes; taken from the base for a
    // relative URL; 0 for a relative URL without a base.
    int GetPort() const { return port_; }
    const std::string& GetDirectory() const { return directory_; }
    const std::string& GetFile() const { return file_; }
    const std::string& GetFragment() const { return fragment_; }
    const std::string& GetQuery() const { return query_; }

private:
    void ResolveAgainst(const CHtmlUrl& base, bool hasQuery, bool absolutePath);

    std::string scheme_;
    std::string host_;
    int port_ = 0;
    std::string directory_;
    std::string file_;
    std::string fragment_;
    std::string query_;
};

// The link resolved against the base; an empty URL unless the result is http or https, so that
// no address from a page or record is ever read as a local file or passed to another handler.
CHtmlUrl ResolveWebUrl(std::string_view link, const CHtmlUrl& base);
