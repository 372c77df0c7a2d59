#pragma once
// One report run: a template (usually an RTF document written with a word processor, in which
// tags such as [[CLIENT]] or [[STARTMARK]]...[[ENDMARK]] stand for the examination's data) is
// read and parsed into a tree of report nodes, the marks to report are counted for the progress
// window, and the tree is evaluated into the report file.
//
// The template language has no syntax errors: a tag that is no keyword is a field, a field that
// nothing defines is empty, an end tag that closes nothing is a field, and a block or condition
// whose end never comes runs to the end of the template. Blocks and conditions nest at most
// kMaxDepth deep; deeper ones make no node, so no template can exhaust the stack.

#include "core/ZrDate.h"
#include "report/job/ReportItem.h"
#include "report/job/ReportPresenter.h"

#include <memory>
#include <string>
#include <string_view>

class CReportTokeniser;
class IDocumentHost;
class IProgress;

class CReportJob : public CReportInfo {
public:
    static constexpr int kMaxDepth = 256;

    // The examination, the registers its marks are read from, the user's settings and the day
    // of the run (TODAY and TODAY2).
    CReportJob(const CZrDocData& document, IReportRegisters& registers, const CUserOptions& options,
               const CZrDate& today);
    ~CReportJob() override;

    // Writes the report of the template to the output path under a "Report Progress" window.
    // True when written; false when the user cancelled. Throws CTextException with
    // "W305 Cannot open: <template> due to: <reason>" when the template cannot be read and
    // "W306 Cannot write: <file> due to: <reason>" when the report or one of its image files
    // cannot be written. A run that does not succeed leaves no report: an older report of that
    // name stays as it was.
    bool Run(const std::string& templatePath, const std::string& outputPath, IDocumentHost& host);

    // The template's text as the node tree; an RTF template starts with the RTF escapes, which
    // an ESCAPES tag replaces.
    void Parse(std::string_view templateText, bool rtf);
    // Evaluates the parsed template into the output; false when the user cancelled.
    bool Write(IReportOutput& output, IProgress& progress);

    // The escapes in force after parsing.
    const EscapeTable& GetEscapes() const { return escapes_; }
    // The tree, one node a line, children indented.
    std::string Dump() const;

    const CZrDocData& GetDocument() const override { return document_; }
    IReportRegisters& GetRegisters() const override { return registers_; }
    const CUserOptions& GetUserOptions() const override { return options_; }
    CZrDate GetToday() const override { return today_; }
    bool ContinueCounting() override;

private:
    // Fills the container until the tokens end or a tag named endName (ignoring case) is read;
    // the top level has no end name. depth is the container's own.
    void ParseItems(CReportTokeniser& tokeniser, CReportContainer& container,
                    const std::string* endName, int depth);

    const CZrDocData& document_;
    IReportRegisters& registers_;
    const CUserOptions& options_;
    CZrDate today_;
    // The progress of the marks being counted, while they are.
    IProgress* countingProgress_ = nullptr;
    std::unique_ptr<CReportRoot> root_;
    EscapeTable escapes_;
    bool rtf_ = false;
};
