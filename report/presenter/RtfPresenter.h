#pragma once
// Writes a record's details as an RTF document for the details window and the quick compare.
// Greek text uses a second font with the Greek character set; the words that the search's goods
// terms find are shown in blue bold.
//
// Every text is escaped on its way in: backslashes become line breaks (the registers' line
// separator), braces are escaped, characters beyond ASCII and character references become
// Unicode escapes, and every control word ends with a blank. No record text can inject RTF.

#include "report/presenter/Presenter.h"

#include <string>
#include <string_view>
#include <vector>

class CRtfPresenter : public CPresenter {
public:
    void AddField(int kind, std::string_view label, std::string_view text, unsigned style, int mode,
                  bool forceBreak, bool pendingAfter) override;
    void AddPlainField(std::string_view label, std::string_view text, unsigned style, int mode,
                       bool forceBreak, bool pendingAfter) override;
    void EndParagraph(bool force) override;
    void AddThreeColumns(std::string_view first, std::string_view second, std::string_view third,
                         unsigned style, int valueMode) override;
    void AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                       int valueMode) override;
    void AddText(std::string_view text, unsigned style) override;
    void AppendRaw(std::string_view text) override { body_ += text; }
    void AppendChar(char c) override { body_ += c; }
    std::string GetLineBreak() const override { return "\\line "; }
    std::string ConvertText(std::string_view text, int mode) override;

    void Clear() { body_.clear(); }
    bool IsEmpty() const { return body_.empty(); }
    // The whole document: header, font and colour tables, one paragraph group with two tab
    // stops and the font size, the body. Face and size are the user's display font.
    std::string GetRtf(std::string_view face, int pointSize) const;

private:
    // Text runs as RTF, wrapped in the Greek font when greek is set; highlighted runs blue.
    static std::string ConvertRuns(const std::vector<CTextRun>& runs, bool greek);
    // RTF text (already converted) in a group with the style's bold and italics.
    void AppendStyled(std::string_view rtf, unsigned style);
    void AppendParagraph();
    void AppendCell(std::string_view text, unsigned style, int mode);

    std::string body_;
};
