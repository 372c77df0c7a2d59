#pragma once
// Collects a record's details for the printed page: plain characters, each with the style it is
// printed in (text bold, text italics, the Greek font: the bits of the printer's fonts). The
// print layout then reads them back word by word and sets them with the word wrapper.
//
// New lines (10) and column separators (tabs, 9) are characters like any other; a backslash in
// record text, the registers' line separator, becomes a new line.

#include "report/presenter/Presenter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CPrintPresenter : public CPresenter {
public:
    // Words longer than this come back in pieces of it.
    static constexpr std::size_t kMaxWordLength = 4095;

    void AddPlainField(std::string_view label, std::string_view text, unsigned style, int mode,
                       bool forceBreak, bool pendingAfter) override;
    void EndParagraph(bool force) override;
    void AddThreeColumns(std::string_view first, std::string_view second, std::string_view third,
                         unsigned style, int valueMode) override;
    void AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                       int valueMode) override;
    void AddText(std::string_view text, unsigned style) override;
    void AppendRaw(std::string_view text) override { Append(text, 0); }
    void AppendChar(char c) override { Append(std::string_view(&c, 1), 0); }
    std::string GetLineBreak() const override { return "\n"; }
    std::string ConvertText(std::string_view text, int mode) override;

    // Reading back: from the first character again.
    void Rewind() { readPosition_ = 0; }
    // The next word and its style bits (kStyleTextBold, kStyleTextItalic, kStyleGreekFont): a
    // blank, tab or new line alone, else the longest run of other characters of one style, at
    // most kMaxWordLength of them. False at the end.
    bool NextWord(std::string& word, unsigned& style);

    const std::string& GetText() const { return text_; }

private:
    void Append(std::string_view text, std::uint8_t style);
    void AddNewLine() { Append("\n", 0); }
    // A table cell's value in its mode, in the text style.
    void AddCell(std::string_view text, unsigned style, int mode);

    std::string text_;
    // One style byte per character of text_.
    std::string styles_;
    std::size_t readPosition_ = 0;
};
