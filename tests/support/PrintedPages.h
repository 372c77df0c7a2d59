#pragma once
// Printed PostScript read back by outside programs: ghostscript's ps2pdf makes a PDF of it, and
// poppler's pdfinfo, pdftotext and pdftoppm count, read and rasterise its pages.

#include <string>
#include <vector>

class CPrintedPages {
public:
    // Converts the PostScript file; IsOk tells whether that worked.
    explicit CPrintedPages(const std::string& postScript);
    ~CPrintedPages();
    CPrintedPages(const CPrintedPages&) = delete;
    CPrintedPages& operator=(const CPrintedPages&) = delete;

    bool IsOk() const { return ok_; }
    int PageCount() const;
    // The page's text laid out as on paper (pdftotext -layout).
    std::string Text(int page) const;
    // The rightmost column of the page, in points from its left edge, that holds a dark pixel;
    // -1 for a blank page.
    int RightmostInk(int page) const;

private:
    std::string Run(const std::string& command) const;

    std::string folder_;
    std::string pdf_;
    bool ok_ = false;
};
