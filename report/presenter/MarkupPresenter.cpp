#include "report/presenter/MarkupPresenter.h"

void CMarkupPresenter::AddField(int kind, std::string_view label, std::string_view text,
                                unsigned style, int mode, bool forceBreak, bool pendingAfter) {
    if (text.empty())
        return;
    BeginBlock();
    if (IsParagraphPending() || forceBreak)
        AppendParagraph();
    if (!label.empty()) {
        AddText(label, style & kStyleLabelMask);
        AddText(" ", 0);
    }
    // Terms are found in the record's own text, before it turns into markup.
    AppendStyled(ConvertRuns(SplitAtTerms(kind, text), IsGreekText(text, mode)),
                 style & kStyleTextMask);
    body_ += FieldEnd();
    SetParagraphPending(pendingAfter);
}

void CMarkupPresenter::AddPlainField(std::string_view label, std::string_view text, unsigned style,
                                     int mode, bool forceBreak, bool pendingAfter) {
    AddField(kFieldPlain, label, text, style, mode, forceBreak, pendingAfter);
}

void CMarkupPresenter::EndParagraph(bool force) {
    if (IsParagraphPending() || force) {
        BeginBlock();
        AppendParagraph();
    }
}

void CMarkupPresenter::AddText(std::string_view text, unsigned style) {
    BeginBlock();
    AppendCell(text, style, kTextLatin);
}

void CMarkupPresenter::AppendRaw(std::string_view text) {
    BeginBlock();
    body_ += text;
}

void CMarkupPresenter::AppendChar(char c) {
    BeginBlock();
    body_ += c;
}

std::string CMarkupPresenter::ConvertText(std::string_view text, int mode) {
    return ConvertRuns({CTextRun{false, std::string(text)}}, IsGreekText(text, mode));
}

void CMarkupPresenter::Clear() {
    body_.clear();
    SetParagraphPending(false);
}

void CMarkupPresenter::AppendStyled(std::string_view markup, unsigned style) {
    if (!markup.empty())
        body_ += Styled(markup, (style & kStyleAnyBold) != 0, (style & kStyleAnyItalic) != 0);
}

void CMarkupPresenter::AppendCell(std::string_view text, unsigned style, int mode) {
    if (!text.empty())
        AppendStyled(ConvertText(text, mode), style);
}
