#pragma once
// The presenters that write a record's details as markup into a body of text (RTF, HTML): the
// flow of labelled fields, paragraphs, styled runs and converted record text, over the markup
// that each medium supplies.

#include "report/presenter/Presenter.h"

#include <string>
#include <string_view>
#include <vector>

class CMarkupPresenter : public CPresenter {
public:
    void AddField(int kind, std::string_view label, std::string_view text, unsigned style, int mode,
                  bool forceBreak, bool pendingAfter) override;
    void AddPlainField(std::string_view label, std::string_view text, unsigned style, int mode,
                       bool forceBreak, bool pendingAfter) override;
    void EndParagraph(bool force) override;
    void AddText(std::string_view text, unsigned style) override;
    void AppendRaw(std::string_view text) override;
    void AppendChar(char c) override;
    std::string ConvertText(std::string_view text, int mode) override;

    // The body emptied, no paragraph pending.
    virtual void Clear();
    bool IsEmpty() const { return body_.empty(); }

protected:
    // Text runs in the medium, in the Greek code page when asked; highlighted runs marked.
    virtual std::string ConvertRuns(const std::vector<CTextRun>& runs, bool greek) const = 0;
    // Markup (already converted) in bold, italics or both.
    virtual std::string Styled(std::string_view markup, bool bold, bool italic) const = 0;
    // A paragraph break, at the start of the body or after what it holds.
    virtual std::string ParagraphBreak(bool atStart) const = 0;
    // What ends a field's line.
    virtual std::string_view FieldEnd() const = 0;
    // Called before anything but a column line is written.
    virtual void BeginBlock() {}

    // The markup in the style's bold and italics; nothing for none.
    void AppendStyled(std::string_view markup, unsigned style);
    // A cell's text, converted in the mode, in the style; nothing for an empty text.
    void AppendCell(std::string_view text, unsigned style, int mode);
    void AppendParagraph() { body_ += ParagraphBreak(body_.empty()); }
    std::string& Body() { return body_; }
    const std::string& Body() const { return body_; }

private:
    std::string body_;
};
