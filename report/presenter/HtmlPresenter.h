#pragma once
// Writes a record's details as HTML for the details window's text and its quick compare, in the
// plain subset that the toolkit's HTML window shows: bold, italics, coloured runs, line and
// paragraph breaks, and one table for consecutive column lines. The output is UTF-8.
//
// Every text is escaped on its way in: character references are decoded and bytes beyond ASCII
// converted from Windows-1252, or from Windows-1253 for Greek text; "<", ">", "&" and '"' become
// references and a backslash (the registers' line separator) a line break. No record text can
// inject markup.

#include "report/presenter/MarkupPresenter.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class CHtmlPresenter : public CMarkupPresenter {
public:
    void AddThreeColumns(std::string_view first, std::string_view second, std::string_view third,
                         unsigned style, int valueMode) override;
    void AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                       int valueMode) override;
    std::string GetLineBreak() const override { return "<br>"; }
    void Clear() override;

    // The whole document around the body.
    std::string GetHtml() const;

protected:
    // Highlighted runs bold and blue.
    std::string ConvertRuns(const std::vector<CTextRun>& runs, bool greek) const override;
    std::string Styled(std::string_view html, bool bold, bool italic) const override;
    // A paragraph break before anything was written would only move the text down.
    std::string ParagraphBreak(bool atStart) const override { return atStart ? "" : "<p>\n"; }
    std::string_view FieldEnd() const override { return "<br>\n"; }
    // Column lines share one table until anything else is written.
    void BeginBlock() override;

private:
    void AppendRow(std::initializer_list<std::string_view> cells, unsigned style, int valueMode);

    bool inTable_ = false;
};
