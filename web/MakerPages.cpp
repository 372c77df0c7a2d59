#include "web/MakerPages.h"

#include "core/Latin1.h"
#include "platform/MessageBox.h"
#include "registers/AsciiText.h"
#include "web/HtmlParser.h"
#include "web/HttpFetch.h"
#include "web/HttpStatus.h"
#include "web/UrlCoding.h"

#include <algorithm>

namespace {

// The text without line feeds and carriage returns at either end; blanks are kept.
std::string_view TrimLineEnds(std::string_view text) {
    while (!text.empty() && (text.front() == '\n' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// A value taken from the maker's pages as the program keeps it: every control character (a line
// break, a NUL) a blank, so that the settings file can hold the value on its line, a date can be
// read from it and a menu can show it.
std::string PageValue(std::string_view text) {
    std::string value(text);
    std::ranges::replace_if(
        value, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    return value;
}

// The message boxes show at most this much of a library's message.
constexpr std::size_t kMostMessageChars = 256;

} // namespace

void CHtmlPageAnnouncements::Reset() {
    CHtmlPage::Reset();
    announcements_.clear();
    inTable_ = inCell_ = false;
    date_.clear();
    link_.clear();
    title_.clear();
}

void CHtmlPageAnnouncements::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("table")) {
        if (EqualsNoCase(token.GetAttribute("id"), "announcements"))
            inTable_ = true;
    } else if (token.IsEndTag("table")) {
        inTable_ = false;
    } else if (token.IsStartTag("td")) {
        inCell_ = true;
    } else if (token.IsEndTag("td")) {
        inCell_ = false;
    } else if (token.IsStartTag("a") && inTable_) {
        // The link opens in the user's browser, so only web addresses are kept.
        link_ = ResolveLink(token.GetAttribute("href"));
    } else if (token.GetKind() == CHtmlToken::kText && inTable_ && inCell_) {
        const std::string text = PageValue(TrimLineEnds(token.GetText()));
        if (GetCellOrdinal(-1) == 1)
            date_ += text;
        else if (GetCellOrdinal(-1) == 2)
            title_ += text;
    } else if (token.IsEndTag("tr") && inTable_) {
        if (!link_.empty() && !title_.empty())
            announcements_.emplace_back(date_, link_, title_);
        date_.clear();
        link_.clear();
        title_.clear();
    }
}

void CHtmlPageRepositories::Reset() {
    CHtmlPage::Reset();
    repositories_.clear();
    inRepository_ = false;
}

void CHtmlPageRepositories::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("repository")) {
        inRepository_ = true;
    } else if (token.IsEndTag("repository")) {
        inRepository_ = false;
    } else if (token.GetKind() == CHtmlToken::kText && inRepository_) {
        const std::string text = PageValue(token.GetText());
        if (const std::string_view trimmed = TrimWhite(text); !trimmed.empty())
            repositories_.emplace_back(trimmed);
    }
}

CWebPage::CWebPage(CWebConnection& connection, std::string objectPath)
    : connection_(connection), objectPath_(std::move(objectPath)) {}

void CWebPage::AddParam(std::string_view name, std::string_view value) {
    if (!formData_.empty())
        formData_ += '&';
    formData_ += UrlEncode(name) + "=" + UrlEncode(value);
}

bool CWebPage::Post() {
    HttpExchange exchange;
    exchange.method = "POST";
    exchange.url = CHtmlUrl(objectPath_, &connection_.GetServer()).ToString();
    exchange.headers = {std::string(CHtmlPage::kFormContentType)};
    exchange.body = formData_;
    const FetchOutcome outcome = FetchFollowingRedirects(connection_.GetClient(), exchange);
    if (!outcome.error.empty()) {
        ShowError(outcome.error.substr(0, kMostMessageChars));
        return false;
    }
    if (outcome.reply.status != 200) {
        ShowHttpError(outcome.reply.status);
        return false;
    }
    const std::string text = PageTextOfReply(outcome.reply);
    CMemorySource source(text);
    CHtmlParser parser(source);
    for (CHtmlToken token; parser.NextToken(token);)
        OnToken(token);
    return true;
}

void CWebPage::ShowError(const std::string& text) {
    platform::ShowMessageBox(
        {text, "", platform::MessageButtons::Ok, platform::MessageIcon::Error});
}

void CWebPage::ShowHttpError(int status) {
    ShowError(HttpStatusText(status));
}

CWebLoginPage::CWebLoginPage(CWebConnection& connection) : CWebPage(connection, kLoginPath) {
    AddParam("Login", "");
}

void CWebLoginPage::OnToken(const CHtmlToken& token) {
    std::string source;
    if (!token.IsStartTag("frame") || !token.GetAttribute("src", &source))
        return;
    GetUrlParam(source, "cookie", cookie_);
    GetUrlParam(source, "cname", cname_);
    GetUrlParam(source, "company", company_);
}
