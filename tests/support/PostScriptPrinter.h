#pragma once
// Prints a printout into a PostScript file as a printer would, for tests and benchmarks: the
// printout draws on a wxGCDC over a cairo PostScript surface (the drawing library of the
// desktop's own printing), one PostScript page per printed page, at a printer's resolution.
// wxPostScriptDC is no stand-in: it writes Latin-1 text only and drops any text holding Greek.

#include "report/print/ui/Printing.h"

#include <string>

class wxPrintout;

struct CPaper {
    // A4.
    double widthPoints = 595.0;
    double heightPoints = 842.0;
    int dotsPerInch = 600;
};

// The pages printed; -1 when the file could not be written.
int PrintToPostScript(wxPrintout& printout, const std::string& path, const CPaper& paper = {});

// A printer that prints to one file, each run replacing it.
class CPostScriptRunner : public IPrintRunner {
public:
    explicit CPostScriptRunner(std::string path, CPaper paper = {})
        : path_(std::move(path)), paper_(paper) {}

    EPrintResult Print(wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout,
                       bool prompt) override;

    int GetRuns() const { return runs_; }
    int GetPages() const { return pages_; }

private:
    std::string path_;
    CPaper paper_;
    int runs_ = 0;
    int pages_ = 0;
};
