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

void CHtmlPresenter::AddThreeColumns(std::string_view first, std::string_view second,
                                     std::string_view third, unsigned style, int valueMode) {
    AppendRow({first, second, third}, style, valueMode);
}

void CHtmlPresenter::AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                                   int valueMode) {
    AppendRow({first, second}, style, valueMode);
}

void CHtmlPresenter::Clear() {
    CMarkupPresenter::Clear();
    inTable_ = false;
}

std::string CHtmlPresenter::GetHtml() const {
    return "<html><body>\n" + Body() + (inTable_ ? "</table>\n" : "") + "</body></html>\n";
}

std::string CHtmlPresenter::ConvertRuns(const std::vector<CTextRun>& runs, bool greek) const {
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

std::string CHtmlPresenter::Styled(std::string_view html, bool bold, bool italic) const {
    std::string styled = bold ? "<b>" : "";
    styled += italic ? "<i>" : "";
    styled += html;
    styled += italic ? "</i>" : "";
    styled += bold ? "</b>" : "";
    return styled;
}

void CHtmlPresenter::BeginBlock() {
    if (inTable_) {
        Body() += "</table>\n";
        inTable_ = false;
    }
}

void CHtmlPresenter::AppendRow(std::initializer_list<std::string_view> cells, unsigned style,
                               int valueMode) {
    if (!inTable_) {
        Body() += "<table cellspacing=\"0\" cellpadding=\"1\">\n";
        inTable_ = true;
    }
    Body() += "<tr>";
    bool first = true;
    for (std::string_view cell : cells) {
        // An empty cell keeps the columns apart without adding to the copied text.
        Body() +=
            first ? "<td valign=\"top\" nowrap>" : "<td width=\"12\"></td><td valign=\"top\">";
        if (first)
            AppendCell(cell, style & kStyleLabelMask, kTextLatin);
        else
            AppendCell(cell, style & kStyleTextMask, valueMode);
        Body() += "</td>";
        first = false;
    }
    Body() += "</tr>\n";
}
