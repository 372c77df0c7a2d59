#include "web/SitePages.h"

#include "core/Latin1.h"
#include "registers/AsciiText.h"

#include <limits>

namespace {

// The decoded text of a token, trimmed of blanks, CR and LF.
std::string TrimmedText(const CHtmlToken& token) {
    return std::string(TrimWhite(token.GetText()));
}

bool IsTextInAnchor(const CHtmlPage& page, const CHtmlToken& token) {
    return token.GetKind() == CHtmlToken::kText && page.IsInAnchor();
}

// The decimal number that starts at the first digit of the text, held at the largest 32-bit
// value; none without a digit.
std::optional<std::int32_t> FirstNumber(std::string_view text) {
    const std::size_t first = text.find_first_of("0123456789");
    if (first == std::string_view::npos)
        return std::nullopt;
    std::int64_t number = 0;
    for (std::size_t i = first; i < text.size() && IsAsciiDigit(text[i]); ++i)
        number = std::min<std::int64_t>(number * 10 + (text[i] - '0'),
                                        std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(number);
}

} // namespace

void CHtmlPageUkdomSearch::Reset() {
    CHtmlPage::Reset();
    lastFormAction_.clear();
    queryFormAction_.clear();
}

void CHtmlPageUkdomSearch::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("form"))
        token.GetAttribute("action", &lastFormAction_);
    else if (token.IsStartTag("input") && token.GetAttribute("name") == "query")
        queryFormAction_ = lastFormAction_;
}

void CHtmlPagePlHome::Reset() {
    CHtmlPage::Reset();
    lastHref_.clear();
    englishLink_.clear();
}

void CHtmlPagePlHome::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("a"))
        lastHref_ = token.GetAttribute("href");
    else if (IsTextInAnchor(*this, token) &&
             EqualsNoCase(TrimmedText(token), "link to English version"))
        englishLink_ = lastHref_;
}

void CHtmlPagePlHits::Reset() {
    CHtmlPage::Reset();
    patentId_.clear();
    sourceCode_.clear();
}

void CHtmlPagePlHits::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (!patentId_.empty() || !token.IsStartTag("tr"))
        return;
    static constexpr std::string_view kOpening = "PatentDetails('";
    static constexpr std::string_view kBetween = "','";
    const std::string onclick = token.GetAttribute("onclick");
    const std::size_t opening = onclick.find(kOpening);
    if (opening == std::string::npos)
        return;
    const std::size_t idStart = opening + kOpening.size();
    const std::size_t between = onclick.find(kBetween, idStart);
    if (between == std::string::npos)
        return;
    const std::size_t sourceStart = between + kBetween.size();
    const std::size_t closing = onclick.find('\'', sourceStart);
    if (closing == std::string::npos)
        return;
    patentId_ = onclick.substr(idStart, between - idStart);
    sourceCode_ = onclick.substr(sourceStart, closing - sourceStart);
}

void CHtmlPageDeHome::Reset() {
    CHtmlPage::Reset();
    lastHref_.clear();
    tradeMarksLink_.clear();
    englishLink_.clear();
}

void CHtmlPageDeHome::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("a")) {
        lastHref_ = token.GetAttribute("href");
        if (EqualsNoCase(token.GetAttribute("title"), "Trade marks"))
            tradeMarksLink_ = lastHref_;
    } else if (IsTextInAnchor(*this, token) && StartsWithNoCase(token.GetText(), "English")) {
        englishLink_ = lastHref_;
    }
}

void CHtmlPageDeTradeMarks::Reset() {
    CHtmlPage::Reset();
    lastHref_.clear();
    beginnerLink_.clear();
}

void CHtmlPageDeTradeMarks::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("a"))
        lastHref_ = token.GetAttribute("href");
    else if (IsTextInAnchor(*this, token) && StartsWithNoCase(token.GetText(), "Beginner"))
        beginnerLink_ = lastHref_;
}

void CHtmlPageDeResults::Reset() {
    CHtmlPage::Reset();
    detailsLink_.clear();
    thirdCellText_.clear();
    fourthCellHref_.clear();
}

void CHtmlPageDeResults::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("tr")) {
        thirdCellText_.clear();
        fourthCellHref_.clear();
    } else if (token.IsStartTag("a") && GetCellOrdinal(-1) == 4) {
        fourthCellHref_ = token.GetAttribute("href");
    } else if (token.GetKind() == CHtmlToken::kText && GetCellOrdinal(-1) == 3) {
        thirdCellText_ += token.GetText();
    } else if (token.IsEndTag("tr") && detailsLink_.empty() &&
               EqualsNoCase(TrimWhite(thirdCellText_), "DE")) {
        detailsLink_ = fourthCellHref_;
    }
}

void CHtmlPageWipoResults::Reset() {
    CHtmlPage::Reset();
    hitCount_.reset();
    firstLink_.clear();
}

void CHtmlPageWipoResults::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("a")) {
        const int cell = GetCellOrdinal(-1);
        if (firstLink_.empty() && GetTableOrdinal(-1) == 3 && (cell == 2 || cell == 3))
            firstLink_ = token.GetAttribute("href");
    } else if (token.GetKind() == CHtmlToken::kText && !hitCount_ && !IsBold() && !IsStrong() &&
               GetTableOrdinal(-1) == 1 && GetRowOrdinal(-1) == 1 && GetCellOrdinal(-1) == 1 &&
               !TrimWhite(token.GetRawText()).empty()) {
        hitCount_ = FirstNumber(token.GetRawText());
    }
}

void CHtmlPageCpvrResults::Reset() {
    CHtmlPage::Reset();
    resultsLink_.clear();
}

void CHtmlPageCpvrResults::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("a") && resultsLink_.empty()) {
        const CHtmlUrl page(GetFinalUrl());
        resultsLink_ = page.GetDirectory() + "/" + page.GetFile() + "?A7&A1=1";
    }
}
