#pragma once
// Prints into a PostScript file as a printer would, for tests and benchmarks: a wxGCDC over a
// cairo PostScript surface (the drawing library of the desktop's own printing), one PostScript
// page per printed page, at a printer's resolution. wxPostScriptDC is no stand-in: it writes
// Latin-1 text only and drops any text holding Greek.

#include "report/print/ui/Printing.h"

#include <memory>
#include <string>

class wxDC;
class wxPrintout;

struct CPaper {
    // A4.
    double widthPoints = 595.0;
    double heightPoints = 842.0;
    int dotsPerInch = 600;
};

// The file and a context drawing on it, one unit a dot of the paper's resolution.
class CPostScriptFile {
public:
    CPostScriptFile(const std::string& path, const CPaper& paper);
    ~CPostScriptFile();
    CPostScriptFile(const CPostScriptFile&) = delete;
    CPostScriptFile& operator=(const CPostScriptFile&) = delete;

    // False when the file cannot be written.
    bool IsOk() const;
    wxDC& GetDC();
    // Ends the page drawn so far; the next one starts.
    void EndPage();
    // Hands the printout the context and the paper's size and resolution, as a printer does.
    void Attach(wxPrintout& printout);

private:
    struct CCairo;
    CPaper paper_;
    std::unique_ptr<CCairo> cairo_;
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

private:
    std::string path_;
    CPaper paper_;
    int runs_ = 0;
};
