#pragma once
// The base of every web page the program reads. A fetch is one exchange (redirects followed)
// whose failure becomes the page's error text, never an exception; on success the body passes
// token by token through OnToken. The same token loop runs over a file or bytes in memory, so a
// saved page is parsed without fetching.
//
// While the tokens pass, the base keeps the table, row and cell position and six inline flags,
// which subclasses read to know where a piece of text stands. Subclasses override Reset and
// OnToken, calling the base first.

#include "web/HtmlRequest.h"
#include "web/HtmlSource.h"
#include "web/HtmlToken.h"
#include "web/WebClient.h"

#include <array>
#include <string>
#include <string_view>

class CHtmlPage {
public:
    static constexpr int kMaxDepth = 19;
    static constexpr std::string_view kFormContentType =
        "Content-Type: application/x-www-form-urlencoded";

    // The connection may be none for a page that is only parsed or fetched by FetchRequest.
    explicit CHtmlPage(CWebConnection* connection = nullptr, std::string objectPath = {});
    virtual ~CHtmlPage() = default;
    CHtmlPage(const CHtmlPage&) = delete;
    CHtmlPage& operator=(const CHtmlPage&) = delete;

    // The path and query of the text become the object path; the connection decides the server.
    void SetUrl(std::string_view text);
    // One exchange with the connection's server: POST sends the form fields as the body, GET
    // appends them to the object path. `headers` are CR LF separated header lines.
    void FetchPage(bool isPost, std::string_view headers = kFormContentType);
    // Fetches the request's own address (which must be http or https) with its form fields,
    // through the connection's client.
    void FetchRequest(CWebConnection& connection, const CHtmlRequest& request);
    void ParseFile(const std::string& path);
    // Bytes as saved from a page (a UTF-8 declaration is honoured as for a fetched body).
    void ParseBuffer(std::string_view bytes);
    // A body's text as its fetch decoded it (PageTextOfBody): parsed as it stands, since a
    // second decoding by the page's own declaration would read it differently.
    void ParseDecoded(std::string_view text);
    // Every token of the source through OnToken.
    void ParseResponse(IHtmlSource& source);

    virtual void Reset();
    virtual void SetError(std::string text) { error_ = std::move(text); }
    virtual void SetHttpError(int status);
    virtual void OnToken(const CHtmlToken& token);
    // After the last token of a parse, so that a page that ends early (cut off, or without its
    // closing tags) still hands over what it was collecting.
    virtual void OnEndOfTokens() {}

    // Empty when the last fetch or parse succeeded.
    const std::string& GetError() const { return error_; }
    // The last response's header lines, CR LF separated.
    const std::string& GetRawHeaders() const { return rawHeaders_; }
    // The address of the page that was read (after redirects); empty for a file or buffer.
    const std::string& GetFinalUrl() const { return finalUrl_; }
    NameValuePairs GetResponseCookies() const;
    std::string GetLocation() const;

    // Table nesting, 0 outside any table. Level -1 means the current depth.
    int GetDepth() const { return depth_; }
    // The number of the current table among those opened on the level above it.
    int GetTableOrdinal(int level = 1) const;
    // The number of the current row in its table, and of the current cell in its row.
    int GetRowOrdinal(int level) const;
    int GetCellOrdinal(int level) const;

    bool IsInAnchor() const { return inAnchor_; }
    bool IsInPre() const { return inPre_; }
    bool IsItalic() const { return italic_; }
    bool IsBold() const { return bold_; }
    bool IsStrong() const { return strong_; }
    bool IsCentered() const { return centered_; }

    // A link of this page resolved against the page's address; empty unless http or https.
    std::string ResolveLink(std::string_view link) const;

private:
    struct InlineFlag {
        std::string_view tag;
        bool CHtmlPage::*flag;
    };
    // A start tag sets the flag, an end tag clears it (no nesting count).
    static const std::array<InlineFlag, 6> kInlineFlags;

    void TrackTables(bool start, std::string_view name);
    void ParseText(std::string_view text);

    CWebConnection* connection_;
    // The object path, or a whole address given by FetchRequest.
    std::string url_;
    CHtmlParams fields_;
    std::string error_;
    std::string rawHeaders_;
    std::string finalUrl_;
    // The final address, parsed, that the page's links are resolved against.
    CHtmlUrl pageUrl_;

    int depth_ = 0;
    std::array<int, kMaxDepth + 1> tableOrdinals_{};
    std::array<int, kMaxDepth + 1> rowOrdinals_{};
    std::array<int, kMaxDepth + 1> cellOrdinals_{};
    bool inAnchor_ = false;
    bool inPre_ = false;
    bool italic_ = false;
    bool bold_ = false;
    bool strong_ = false;
    bool centered_ = false;
};
