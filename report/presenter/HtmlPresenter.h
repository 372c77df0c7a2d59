#pragma once
// Writes a record's details as HTML for the details window's text and its quick compare, in the
// plain subset that the toolkit's HTML window shows: bold, italics, coloured runs, line and
// paragraph breaks, and one table for consecutive column lines. The output is UTF-8.
//
// Every text is escaped on its way in: character references are decoded and bytes beyond ASCII
// converted from Windows-1252, or from Windows-1253 for Greek text; "<", ">", "&" and '"' become
// references and a backslash (the registers' line separator) a line break. No record text can
// inject markup.

#include "report/presenter/Presenter.h"

#include <string>
#include <string_view>
#include <vector>

class CHtmlPresenter : public CPresenter {
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
    void AppendRaw(std::string_view text) override;
    void AppendChar(char c) override;
    std::string GetLineBreak() const override { return "<br>"; }
    std::string ConvertText(std::string_view text, int mode) override;

    void Clear();
    bool IsEmpty() const { return body_.empty(); }
    // The whole document around the body.
    std::string GetHtml() const;

private:
    // Text runs as HTML; highlighted runs bold and blue.
    static std::string ConvertRuns(const std::vector<CTextRun>& runs, bool greek);
    // HTML text (already converted) in the style's bold and italics.
    void AppendStyled(std::string_view html, unsigned style);
    void AppendParagraph();
    void AppendRow(std::initializer_list<std::string_view> cells, unsigned style, int valueMode);
    // Column lines share one table until anything else is written.
    void CloseTable();

    std::string body_;
    bool inTable_ = false;
};
