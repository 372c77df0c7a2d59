#include "report/presenter/HtmlPresenter.h"

#include "core/CharRef.h"
#include "core/CodePages.h"
#include "core/Utf8.h"

namespace {

// One character of record text as HTML: markup characters as references, the rest as UTF-8.
void AppendCharacter(std::string& html, char16_t unit) {
    switch (unit) {
    case '<':
        html += "&lt;";
        return;
    case '>':
        html += "&gt;";
        return;
    case '&':
        html += "&amp;";
        return;
    case '"':
        html += "&quot;";
        return;
    default:
        break;
    }
    if (unit < 0x80)
        html += static_cast<char>(unit);
    else
        html += Utf16ToUtf8(std::u16string_view(&unit, 1));
}

// Record text as HTML: character references decoded, bytes beyond ASCII by the code page, a
// backslash as a line break.
void AppendEscaped(std::string& html, std::string_view text, bool greek) {
    for (std::size_t i = 0; i < text.size();) {
        std::uint16_t code = 0;
        if (text[i] == '&') {
            if (const std::size_t length = DecodeCharRef(text.substr(i), code)) {
                AppendCharacter(html, code);
                i += length;
                continue;
            }
        }
        const char c = text[i++];
        if (c == '\\')
            html += "<br>";
        else
            AppendCharacter(html, codepage::ToUtf16(c, greek));
    }
}

} // namespace

void CHtmlPresenter::AddField(int kind, std::string_view label, std::string_view text,
                              unsigned style, int mode, bool forceBreak, bool pendingAfter) {
    if (text.empty())
        return;
    CloseTable();
    if (IsParagraphPending() || forceBreak)
        AppendParagraph();
    if (!label.empty()) {
        AddText(label, style & kStyleLabelMask);
        body_ += ' ';
    }
    // Terms are found in the record's own text, before it turns into HTML.
    AppendStyled(ConvertRuns(SplitAtTerms(kind, text), IsGreekText(text, mode)),
                 style & kStyleTextMask);
    body_ += "<br>\n";
    SetParagraphPending(pendingAfter);
}

void CHtmlPresenter::AddPlainField(std::string_view label, std::string_view text, unsigned style,
                                   int mode, bool forceBreak, bool pendingAfter) {
    AddField(kFieldPlain, label, text, style, mode, forceBreak, pendingAfter);
}

void CHtmlPresenter::EndParagraph(bool force) {
    if (IsParagraphPending() || force) {
        CloseTable();
        AppendParagraph();
    }
}

void CHtmlPresenter::AddThreeColumns(std::string_view first, std::string_view second,
                                     std::string_view third, unsigned style, int valueMode) {
    AppendRow({first, second, third}, style, valueMode);
}

void CHtmlPresenter::AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                                   int valueMode) {
    AppendRow({first, second}, style, valueMode);
}

void CHtmlPresenter::AddText(std::string_view text, unsigned style) {
    CloseTable();
    AppendStyled(ConvertText(text, kTextLatin), style);
}

void CHtmlPresenter::AppendRaw(std::string_view text) {
    CloseTable();
    body_ += text;
}

void CHtmlPresenter::AppendChar(char c) {
    CloseTable();
    body_ += c;
}

std::string CHtmlPresenter::ConvertText(std::string_view text, int mode) {
    std::string html;
    AppendEscaped(html, text, IsGreekText(text, mode));
    return html;
}

void CHtmlPresenter::Clear() {
    body_.clear();
    inTable_ = false;
    SetParagraphPending(false);
}

std::string CHtmlPresenter::GetHtml() const {
    return "<html><body>\n" + body_ + (inTable_ ? "</table>\n" : "") + "</body></html>\n";
}

std::string CHtmlPresenter::ConvertRuns(const std::vector<CTextRun>& runs, bool greek) {
    std::string html;
    for (const CTextRun& run : runs) {
        if (run.highlighted)
            html += "<font color=\"#0000FF\"><b>";
        AppendEscaped(html, run.text, greek);
        if (run.highlighted)
            html += "</b></font>";
    }
    return html;
}

void CHtmlPresenter::AppendStyled(std::string_view html, unsigned style) {
    if (html.empty())
        return;
    const bool bold = (style & kStyleAnyBold) != 0;
    const bool italic = (style & kStyleAnyItalic) != 0;
    body_ += bold ? "<b>" : "";
    body_ += italic ? "<i>" : "";
    body_ += html;
    body_ += italic ? "</i>" : "";
    body_ += bold ? "</b>" : "";
}

void CHtmlPresenter::AppendParagraph() {
    // A paragraph break before anything was written would only move the text down.
    if (!body_.empty())
        body_ += "<p>\n";
}

void CHtmlPresenter::AppendRow(std::initializer_list<std::string_view> cells, unsigned style,
                               int valueMode) {
    if (!inTable_) {
        body_ += "<table cellspacing=\"0\" cellpadding=\"1\">\n";
        inTable_ = true;
    }
    body_ += "<tr>";
    bool first = true;
    for (std::string_view cell : cells) {
        body_ += first ? "<td valign=\"top\" nowrap>" : "<td valign=\"top\">";
        AppendStyled(ConvertText(cell, first ? kTextLatin : valueMode),
                     style & (first ? kStyleLabelMask : kStyleTextMask));
        body_ += "</td>";
        first = false;
    }
    body_ += "</tr>\n";
}

void CHtmlPresenter::CloseTable() {
    if (inTable_) {
        body_ += "</table>\n";
        inTable_ = false;
    }
}
