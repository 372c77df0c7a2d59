#include "report/print/PrintPresenter.h"

#include <algorithm>

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The style byte of a style word: bold and italics from label or text bits.
std::uint8_t StyleByte(unsigned style) {
    std::uint8_t byte = 0;
    if (style & kStyleAnyBold)
        byte |= kStyleTextBold;
    if (style & kStyleAnyItalic)
        byte |= kStyleTextItalic;
    if (style & kStyleGreekFont)
        byte |= kStyleGreekFont;
    return byte;
}

} // namespace

void CPrintPresenter::AddPlainField(std::string_view label, std::string_view text, unsigned style,
                                    int mode, bool forceBreak, bool pendingAfter) {
    if (text.empty())
        return;
    if (IsParagraphPending() || forceBreak)
        AddNewLine();
    if (!label.empty()) {
        AddText(label, style & kStyleLabelMask);
        AddText(" ", 0);
    }
    AddCell(text, style, mode);
    AddNewLine();
    SetParagraphPending(pendingAfter);
}

void CPrintPresenter::EndParagraph(bool force) {
    if (IsParagraphPending() || force)
        AddNewLine();
}

void CPrintPresenter::AddThreeColumns(std::string_view first, std::string_view second,
                                      std::string_view third, unsigned style, int valueMode) {
    AddText(first, style & kStyleLabelMask);
    AppendChar('\t');
    AddCell(second, style, valueMode);
    AppendChar('\t');
    AddCell(third, style, valueMode);
    AddNewLine();
}

void CPrintPresenter::AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                                    int valueMode) {
    AddText(first, style & kStyleLabelMask);
    AppendChar('\t');
    AddCell(second, style, valueMode);
    AddNewLine();
}

void CPrintPresenter::AddText(std::string_view text, unsigned style) {
    Append(text, StyleByte(style));
}

std::string CPrintPresenter::ConvertText(std::string_view text, int /*mode*/) {
    std::string converted(text);
    std::replace(converted.begin(), converted.end(), '\\', '\n');
    return converted;
}

bool CPrintPresenter::NextWord(std::string& word, unsigned& style) {
    if (readPosition_ >= text_.size())
        return false;
    const std::size_t start = readPosition_;
    style = static_cast<std::uint8_t>(styles_[start]);
    std::size_t end = start + 1;
    if (!IsSeparator(text_[start])) {
        const std::size_t limit = std::min(text_.size(), start + kMaxWordLength);
        while (end < limit && !IsSeparator(text_[end]) &&
               static_cast<std::uint8_t>(styles_[end]) == style)
            ++end;
    }
    word.assign(text_, start, end - start);
    readPosition_ = end;
    return true;
}

void CPrintPresenter::Append(std::string_view text, std::uint8_t style) {
    text_ += text;
    styles_.append(text.size(), static_cast<char>(style));
}

void CPrintPresenter::AddCell(std::string_view text, unsigned style, int mode) {
    if (text.empty())
        return;
    const unsigned greek = IsGreekText(text, mode) ? kStyleGreekFont : 0;
    AddText(ConvertText(text, mode), (style & kStyleTextMask) | greek);
}
