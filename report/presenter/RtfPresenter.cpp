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

void CRtfPresenter::AddField(int kind, std::string_view label, std::string_view text,
                             unsigned style, int mode, bool forceBreak, bool pendingAfter) {
    if (text.empty())
        return;
    if (IsParagraphPending() || forceBreak)
        AppendParagraph();
    if (!label.empty()) {
        AddText(label, style & kStyleLabelMask);
        AddText(" ", 0);
    }
    // Terms are found in the record's own text, before it turns into RTF.
    AppendStyled(ConvertRuns(SplitAtTerms(kind, text), IsGreekText(text, mode)),
                 style & kStyleTextMask);
    body_ += " \\line ";
    SetParagraphPending(pendingAfter);
}

void CRtfPresenter::AddPlainField(std::string_view label, std::string_view text, unsigned style,
                                  int mode, bool forceBreak, bool pendingAfter) {
    AddField(kFieldPlain, label, text, style, mode, forceBreak, pendingAfter);
}

void CRtfPresenter::EndParagraph(bool force) {
    if (IsParagraphPending() || force)
        AppendParagraph();
}

void CRtfPresenter::AddThreeColumns(std::string_view first, std::string_view second,
                                    std::string_view third, unsigned style, int valueMode) {
    AppendCell(first, style & kStyleLabelMask, kTextLatin);
    body_ += "\\tab ";
    AppendCell(second, style & kStyleTextMask, valueMode);
    body_ += "\\tab ";
    AppendCell(third, style & kStyleTextMask, valueMode);
    body_ += " \\line ";
}

void CRtfPresenter::AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                                  int valueMode) {
    AppendCell(first, style & kStyleLabelMask, kTextLatin);
    body_ += "\\tab ";
    AppendCell(second, style & kStyleTextMask, valueMode);
    body_ += " \\line ";
}

void CRtfPresenter::AddText(std::string_view text, unsigned style) {
    AppendCell(text, style, kTextLatin);
}

std::string CRtfPresenter::ConvertText(std::string_view text, int mode) {
    return ConvertRuns({CTextRun{false, std::string(text)}}, IsGreekText(text, mode));
}

std::string CRtfPresenter::GetRtf(std::string_view face, int pointSize) const {
    const std::string name = FontTableName(face);
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab1440";
    rtf += "{\\fonttbl{\\f0\\fnil " + name + ";}{\\f1\\fnil\\fcharset161 " + name + ";}}";
    rtf += "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;}";
    rtf += "{\\pard\\tx" + std::to_string(pointSize * 140) + "\\tx" +
           std::to_string(pointSize * 240) + "\\plain\\f0\\fs" + std::to_string(pointSize * 2) +
           " ";
    rtf += body_;
    rtf += "}}";
    return rtf;
}

std::string CRtfPresenter::ConvertRuns(const std::vector<CTextRun>& runs, bool greek) {
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

void CRtfPresenter::AppendStyled(std::string_view rtf, unsigned style) {
    if (rtf.empty())
        return;
    body_ += "{";
    if (style & kStyleAnyBold)
        body_ += "\\b ";
    if (style & kStyleAnyItalic)
        body_ += "\\i ";
    body_ += rtf;
    body_ += "}";
}

void CRtfPresenter::AppendParagraph() {
    body_ += body_.empty() ? "\\par " : " \\par ";
}

void CRtfPresenter::AppendCell(std::string_view text, unsigned style, int mode) {
    if (!text.empty())
        AppendStyled(ConvertText(text, mode), style);
}
