#include "report/presenter/RtfPresenter.h"

#include "core/CharRef.h"
#include "core/CodePages.h"

#include <cstdint>

namespace {

// \uN takes a signed 16-bit number; "?" stands in for readers without Unicode.
void AppendUnicode(std::string& rtf, char16_t unit) {
    rtf += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + "?";
}

// Record text as RTF characters: character references and bytes beyond ASCII (Western or Greek
// code page) as Unicode escapes, a backslash as a line break, braces escaped.
void AppendEscaped(std::string& rtf, std::string_view text, bool greek) {
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        std::uint16_t code = 0;
        if (c == '&') {
            if (const std::size_t length = DecodeCharRef(text.substr(i), code)) {
                AppendUnicode(rtf, code);
                i += length;
                continue;
            }
        }
        ++i;
        if (c == '\\')
            rtf += "\\line ";
        else if (c == '{' || c == '}')
            rtf.append(1, '\\').append(1, c);
        else if (static_cast<unsigned char>(c) < 128)
            rtf += c;
        else
            AppendUnicode(rtf, codepage::ToUtf16(c, greek));
    }
}

// A face name from the settings as it may stand in the font table.
std::string FontTableName(std::string_view face) {
    std::string name;
    for (char c : face)
        if (c >= ' ' && c < 127 && c != '\\' && c != '{' && c != '}' && c != ';')
            name += c;
    return name;
}

} // namespace

void CRtfPresenter::AddThreeColumns(std::string_view first, std::string_view second,
                                    std::string_view third, unsigned style, int valueMode) {
    AppendCell(first, style & kStyleLabelMask, kTextLatin);
    Body() += "\\tab ";
    AppendCell(second, style & kStyleTextMask, valueMode);
    Body() += "\\tab ";
    AppendCell(third, style & kStyleTextMask, valueMode);
    Body() += FieldEnd();
}

void CRtfPresenter::AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                                  int valueMode) {
    AppendCell(first, style & kStyleLabelMask, kTextLatin);
    Body() += "\\tab ";
    AppendCell(second, style & kStyleTextMask, valueMode);
    Body() += FieldEnd();
}

std::string CRtfPresenter::GetRtf(std::string_view face, int pointSize) const {
    const std::string name = FontTableName(face);
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab1440";
    rtf += "{\\fonttbl{\\f0\\fnil " + name + ";}{\\f1\\fnil\\fcharset161 " + name + ";}}";
    rtf += "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;}";
    rtf += "{\\pard\\tx" + std::to_string(pointSize * 140) + "\\tx" +
           std::to_string(pointSize * 240) + "\\plain\\f0\\fs" + std::to_string(pointSize * 2) +
           " ";
    rtf += Body();
    rtf += "}}";
    return rtf;
}

std::string CRtfPresenter::ConvertRuns(const std::vector<CTextRun>& runs, bool greek) const {
    std::string rtf = greek ? "{\\f1 " : "";
    for (const CTextRun& run : runs) {
        if (run.highlighted)
            rtf += "{\\cf1\\b ";
        AppendEscaped(rtf, run.text, greek);
        if (run.highlighted)
            rtf += "}";
    }
    if (greek)
        rtf += "}";
    return rtf;
}

std::string CRtfPresenter::Styled(std::string_view rtf, bool bold, bool italic) const {
    std::string group = "{";
    if (bold)
        group += "\\b ";
    if (italic)
        group += "\\i ";
    group += rtf;
    group += "}";
    return group;
}
