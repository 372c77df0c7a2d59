#pragma once
// Writes a record's details as an RTF document, for whatever reads rich text. The details window
// and its quick compare do not use it: they show the HTML form (HtmlPresenter.h).
// Greek text uses a second font with the Greek character set; the words that the search's goods
// terms find are shown in blue bold.
//
// Every text is escaped on its way in: backslashes become line breaks (the registers' line
// separator), braces are escaped, characters beyond ASCII and character references become
// Unicode escapes, and every control word ends with a blank. No record text can inject RTF.

#include "report/presenter/MarkupPresenter.h"

#include <string>
#include <string_view>
#include <vector>

class CRtfPresenter : public CMarkupPresenter {
public:
    void AddThreeColumns(std::string_view first, std::string_view second, std::string_view third,
                         unsigned style, int valueMode) override;
    void AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                       int valueMode) override;
    std::string GetLineBreak() const override { return "\\line "; }

    // The whole document: header, font and colour tables, one paragraph group with two tab
    // stops and the font size, the body. Face and size are the user's display font.
    std::string GetRtf(std::string_view face, int pointSize) const;

protected:
    // Runs wrapped in the Greek font when greek is set; highlighted runs blue.
    std::string ConvertRuns(const std::vector<CTextRun>& runs, bool greek) const override;
    // A group with the style's bold and italics.
    std::string Styled(std::string_view rtf, bool bold, bool italic) const override;
    std::string ParagraphBreak(bool atStart) const override {
        return atStart ? "\\par " : " \\par ";
    }
    std::string_view FieldEnd() const override { return " \\line "; }
};
