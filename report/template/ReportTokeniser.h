#pragma once
// Cuts a report template (or a web register's display layout) into text runs and tags. The
// language has no syntax errors: whatever the bytes, every one ends up in some token or is
// dropped as a stray character inside a tag.

#include "core/Buffer.h"
#include "report/template/ReportToken.h"

#include <cstddef>
#include <string>
#include <string_view>

class CReportTokeniser {
public:
    CReportTokeniser() = default;
    explicit CReportTokeniser(std::string_view text) { bytes_.SetText(text); }

    // Reads a whole template file and starts over at its beginning; false when it cannot be
    // read (the tokeniser is then empty).
    bool LoadFile(const std::string& path);

    // Fills the token with the next token; false only when the text is already used up.
    bool NextToken(CReportToken& token);

    // "[[" at the position.
    bool IsTagStart() const;

private:
    bool AtEnd() const { return position_ >= bytes_.GetLength(); }
    char At(std::size_t index) const { return static_cast<char>(bytes_.GetData()[index]); }
    // The bytes up to the stop character (consumed) or the end.
    std::string ReadUntil(char stop);
    void ReadTagName(CReportToken& token);
    void ReadAttributes(CReportToken& token);
    void ReadAttribute(CReportToken& token);

    CBuffer bytes_;
    std::size_t position_ = 0;
};
