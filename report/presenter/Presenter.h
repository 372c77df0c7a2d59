#pragma once
// The output through which a register writes one record's details as labelled rows without
// knowing the medium: RTF for the details window, the printed page.
//
// Every text handed in is the record's own 8-bit text; the presenter prepares it for its medium
// (escaping, fonts, a backslash as the registers' line separator), so no record text can reach
// the output as markup. Only AppendRaw and Printf write text unchanged.

#include "core/Mark.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Style bits of every text written.
inline constexpr unsigned kStyleTextBold = 0x02;
inline constexpr unsigned kStyleTextItalic = 0x04;
inline constexpr unsigned kStyleGreekFont = 0x08; // set by the print output itself
inline constexpr unsigned kStyleLabelBold = 0x10;
inline constexpr unsigned kStyleLabelItalic = 0x20;
inline constexpr unsigned kStyleLabelMask = kStyleLabelBold | kStyleLabelItalic;
inline constexpr unsigned kStyleTextMask = kStyleTextBold | kStyleTextItalic;
// AddText accepts label or text bits alike.
inline constexpr unsigned kStyleAnyBold = kStyleTextBold | kStyleLabelBold;
inline constexpr unsigned kStyleAnyItalic = kStyleTextItalic | kStyleLabelItalic;

// Text modes: which font a text needs.
inline constexpr int kTextGreek = 0;  // always the Greek-capable font
inline constexpr int kTextLatin = 1;  // plain text
inline constexpr int kTextDecide = 2; // the Greek font when the text reads as Greek

// Whether a text in that mode is shown in the Greek font.
bool IsGreekText(std::string_view text, int mode);

// Field kinds.
inline constexpr int kFieldPlain = 0;
inline constexpr int kFieldGoods = 4; // goods text, in which the search terms may be highlighted

// One run of a text cut at the words the search terms find.
struct CTextRun {
    bool highlighted = false;
    std::string text;
};
// Cuts a text into plain and highlighted runs that together are the text.
using TermSplitter = std::function<std::vector<CTextRun>(std::string_view text,
                                                         const std::vector<std::string>& terms)>;

class CPresenter {
public:
    CPresenter() = default;
    CPresenter(const CPresenter&) = delete;
    CPresenter& operator=(const CPresenter&) = delete;
    virtual ~CPresenter() = default;

    // One labelled field. Nothing at all is written when the text is empty, and the pending
    // paragraph stays as it was. Otherwise: a paragraph break when one is pending or forceBreak
    // is set; the label (when not empty) in the label style and one blank; the text in the text
    // style, converted in the text mode; a line break; then a paragraph is pending exactly when
    // pendingAfter is set. This base drops the kind.
    virtual void AddField(int kind, std::string_view label, std::string_view text, unsigned style,
                          int mode, bool forceBreak, bool pendingAfter);
    virtual void AddPlainField(std::string_view label, std::string_view text, unsigned style,
                               int mode, bool forceBreak, bool pendingAfter) = 0;

    // The next field starts a new paragraph.
    virtual void RequestParagraph();
    // A paragraph break when one is pending or force is set; the pending flag stays.
    virtual void EndParagraph(bool force) = 0;
    virtual void SetParagraphPending(bool pending);
    bool IsParagraphPending() const { return paragraphPending_; }

    // One table line: the first cell in the label style, the others in the text style, the
    // value cells converted in valueMode, separated by the medium's column separator.
    virtual void AddThreeColumns(std::string_view first, std::string_view second,
                                 std::string_view third, unsigned style, int valueMode) = 0;
    virtual void AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                               int valueMode) = 0;

    // Plain text in a style (bold for any bit of kStyleAnyBold, italics for kStyleAnyItalic);
    // nothing for an empty text.
    virtual void AddText(std::string_view text, unsigned style) = 0;
    // Text already in the medium's form, unchanged: never record text.
    virtual void AppendRaw(std::string_view text) = 0;
    virtual void AppendChar(char c) = 0;
    // Formats into at most 8,192 bytes and appends the result unchanged.
    void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    virtual void AppendLineBreak();
    // A line for a mark whose record cannot be had: "Cannot find details for 0x%x-%d".
    void ReportMissing(const CMark& mark);
    virtual std::string GetLineBreak() const = 0;

    // Appends a number found in a free text to the target; an output may make a reference to
    // that mark of it. The number's value, register code and the two context values are the
    // register's.
    virtual void AppendTo(std::string_view text, std::uint32_t number, char registerCode,
                          int context1, int context2, std::string& target);

    // The text prepared for the medium in a text mode; this base returns it unchanged.
    virtual std::string ConvertText(std::string_view text, int mode);

    // Terms whose words are highlighted in goods fields, and how texts are cut at them.
    void SetHighlighting(std::vector<std::string> terms, TermSplitter splitter);
    const std::vector<std::string>& GetHighlightTerms() const { return highlightTerms_; }

protected:
    // The runs of a goods field's text; one plain run when nothing is to be highlighted.
    std::vector<CTextRun> SplitAtTerms(int kind, std::string_view text) const;

private:
    bool paragraphPending_ = false;
    std::vector<std::string> highlightTerms_;
    TermSplitter splitter_;
};
