#include "web/HtmlPage.h"

#include "registers/AsciiText.h"
#include "web/HeaderScan.h"
#include "web/HtmlParser.h"
#include "web/HttpFetch.h"
#include "web/HttpStatus.h"
#include "web/TextEncoding.h"

namespace {

// The CR LF separated header lines of a text.
std::vector<std::string> HeaderLines(std::string_view headers) {
    std::vector<std::string> lines;
    while (!headers.empty()) {
        const std::size_t end = headers.find_first_of("\r\n");
        if (end != 0)
            lines.emplace_back(headers.substr(0, end));
        if (end == std::string_view::npos)
            break;
        headers.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

const std::array<CHtmlPage::InlineFlag, 6> CHtmlPage::kInlineFlags = {{
    {"a", &CHtmlPage::inAnchor_},
    {"pre", &CHtmlPage::inPre_},
    {"i", &CHtmlPage::italic_},
    {"b", &CHtmlPage::bold_},
    {"strong", &CHtmlPage::strong_},
    {"center", &CHtmlPage::centered_},
}};

CHtmlPage::CHtmlPage(CWebConnection* connection, std::string objectPath)
    : connection_(connection), url_(std::move(objectPath)) {}

void CHtmlPage::SetUrl(std::string_view text) {
    url_ = CHtmlUrl(text).GetObject();
}

void CHtmlPage::Reset() {
    error_.clear();
    rawHeaders_.clear();
    finalUrl_.clear();
    pageUrl_.Clear();
    depth_ = 0;
    tableOrdinals_[0] = 0;
    inAnchor_ = inPre_ = italic_ = bold_ = strong_ = centered_ = false;
}

void CHtmlPage::SetHttpError(int status) {
    SetError(HttpStatusText(status));
}

void CHtmlPage::FetchPage(bool isPost, std::string_view headers) {
    Reset();
    if (!connection_) {
        SetError("The page has no connection to be fetched on");
        return;
    }
    const std::string body = fields_.ToString();
    std::string object = url_;
    if (!isPost && !body.empty())
        object += (object.find('?') == std::string::npos ? "?" : "&") + body;
    const CHtmlUrl target(object, &connection_->GetServer());

    HttpExchange exchange;
    exchange.method = isPost ? "POST" : "GET";
    exchange.url = target.ToString();
    exchange.headers = HeaderLines(headers);
    if (isPost)
        exchange.body = body;
    const FetchOutcome outcome = FetchFollowingRedirects(connection_->GetClient(), exchange);
    rawHeaders_ = outcome.reply.headers;
    if (!outcome.error.empty())
        SetError(outcome.error);
    else if (outcome.reply.status != 200)
        SetHttpError(outcome.reply.status);
    else {
        pageUrl_.SetUrl(outcome.url);
        finalUrl_ = outcome.url;
        ParseText(PageTextOfReply(outcome.reply));
    }
}

void CHtmlPage::FetchRequest(CWebConnection& connection, const CHtmlRequest& request) {
    if (!request.GetHtmlUrl().IsWeb()) {
        Reset();
        SetError("Not an http or https address: " + request.GetUrl());
        return;
    }
    connection_ = &connection;
    url_ = request.GetUrl();
    fields_ = request.GetParams();
    FetchPage(request.IsPost());
}

void CHtmlPage::ParseFile(const std::string& path) {
    Reset();
    CFileSource file;
    if (!file.Open(path)) {
        SetError("Cannot open " + path);
        return;
    }
    std::string bytes;
    char block[CHtmlParser::kBlockSize];
    for (std::size_t count; (count = file.Read(block, sizeof block)) > 0;)
        bytes.append(block, count);
    if (file.Failed()) {
        SetError("Cannot read " + path);
        return;
    }
    ParseText(PageTextOfBody(std::move(bytes), {}));
}

void CHtmlPage::ParseBuffer(std::string_view bytes) {
    Reset();
    ParseText(PageTextOfBody(std::string(bytes), {}));
}

void CHtmlPage::ParseDecoded(std::string_view text) {
    Reset();
    ParseText(text);
}

void CHtmlPage::ParseText(std::string_view text) {
    CMemorySource source(text);
    ParseResponse(source);
}

void CHtmlPage::ParseResponse(IHtmlSource& source) {
    CHtmlParser parser(source);
    CHtmlToken token;
    while (parser.NextToken(token))
        OnToken(token);
    OnEndOfTokens();
}

void CHtmlPage::OnToken(const CHtmlToken& token) {
    const CHtmlToken::Kind kind = token.GetKind();
    if (kind != CHtmlToken::kStartTag && kind != CHtmlToken::kEndTag)
        return;
    const bool start = kind == CHtmlToken::kStartTag;
    const std::string_view name = token.GetTagName();
    TrackTables(start, name);
    for (const InlineFlag& inline_ : kInlineFlags)
        if (EqualsNoCase(name, inline_.tag))
            this->*inline_.flag = start;
}

void CHtmlPage::TrackTables(bool start, std::string_view name) {
    if (start && EqualsNoCase(name, "table")) {
        ++tableOrdinals_[depth_];
        if (depth_ == kMaxDepth)
            SetError("Too many nested tables");
        else
            ++depth_;
        tableOrdinals_[depth_] = rowOrdinals_[depth_] = cellOrdinals_[depth_] = 0;
    } else if (start && EqualsNoCase(name, "tr")) {
        ++rowOrdinals_[depth_];
        cellOrdinals_[depth_] = 0;
    } else if (start && EqualsNoCase(name, "td")) {
        ++cellOrdinals_[depth_];
    } else if (!start && EqualsNoCase(name, "table")) {
        if (depth_ > 0)
            --depth_;
    } else if (!start && EqualsNoCase(name, "tr")) {
        cellOrdinals_[depth_] = 0;
    }
}

int CHtmlPage::GetTableOrdinal(int level) const {
    const int index = (level == -1 ? depth_ : level) - 1;
    return index < 0 || index > depth_ ? 0 : tableOrdinals_[index];
}

int CHtmlPage::GetRowOrdinal(int level) const {
    const int index = level == -1 ? depth_ : level;
    return index < 1 || index > depth_ ? 0 : rowOrdinals_[index];
}

int CHtmlPage::GetCellOrdinal(int level) const {
    const int index = level == -1 ? depth_ : level;
    return index < 1 || index > depth_ ? 0 : cellOrdinals_[index];
}

NameValuePairs CHtmlPage::GetResponseCookies() const {
    return ScanSetCookies(rawHeaders_);
}

std::string CHtmlPage::GetLocation() const {
    return ScanHeader(rawHeaders_, "Location");
}

std::string CHtmlPage::ResolveLink(std::string_view link) const {
    const CHtmlUrl url = ResolveWebUrl(link, pageUrl_);
    return url.IsWeb() ? url.ToString() : std::string();
}
