// Printed pages as an outside reader sees them: printouts of examinations over the local
// service printed to PostScript as on a printer, made into PDF and read back.
#include "PostScriptPrinter.h"
#include "PrintedPages.h"
#include "ServiceReport.h"
#include "WxTestSupport.h"
#include "core/Search.h"
#include "core/Utf8.h"
#include "report/print/ZrDbsPrintRegisters.h"
#include "report/print/ui/PrintSurface.h"
#include "report/print/ui/ZrPrintout.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"

#include <gtest/gtest.h>

namespace {

class PrintOutput : public ServiceReport {
protected:
    // Prints the examination on paper of that size; the printout, its pages laid out.
    std::unique_ptr<CZrPrintout> Print(const CPaper& paper = {}) {
        auto printout = std::make_unique<CZrPrintout>(
            document_, printRegisters_, options_, [this] { return today_; }, "test");
        const int printed = PrintToPostScript(*printout, Path("printed.ps"), paper);
        EXPECT_EQ(printed, printout->GetPageCount());
        return printout;
    }

    CZrDbsPrintRegisters printRegisters_{table_};
};

// A Greek word mark of the EU register.
std::string GreekWordMark(const EngineInfoSeq& engines) {
    for (const char* word : {"\xC1\xCB\xD6\xC1", "\xC2\xC7\xD4\xC1", "\xC4\xC5\xCB\xD4\xC1"})
        if (!local_service::Search(local_service::Find(engines, 'c'),
                                   ("TMARK=\"" + std::string(word) + "\"").c_str())
                 .empty())
            return word;
    return "";
}

TEST_F(PrintOutput, PagesHeadingsTitlesAndGreekReadBackAsLaidOut) {
    CMarginRect margins;
    options_.GetPageMargins(margins);
    options_.SetPageSetup(margins, "Smith && Co&b&d&bPage &p", true, true, true);
    document_.SetExamId("EXAM-77");
    const CMark acme = AddMark('u', "ACME", 0, 0, CMark::kPermanentKeep);
    const CMark zenith = AddMark('u', "ACME ZENITH", 0, 0, CMark::kPermanentKeep | CMark::kLong);
    const std::string greekWord = GreekWordMark(engines_.in());
    ASSERT_FALSE(greekWord.empty());
    AddMark('c', greekWord, 1, 0, CMark::kPermanentKeep);
    CSearch search(1, 4);
    search.GetCriteria().SetDbIds("c");
    search.GetCriteria().SetWordTerms({"ALPHA"});
    document_.AddSearch(search);

    // A6: ACME ZENITH's images and details take more than a page.
    const std::unique_ptr<CZrPrintout> printout = Print({298, 420, 600});
    const CZrPrintJob& job = printout->GetJob();
    CPrintedPages pages(Path("printed.ps"));
    ASSERT_TRUE(pages.IsOk());
    ASSERT_EQ(pages.PageCount(), job.GetPageCount());
    ASSERT_GE(job.GetPageCount(), 4);

    const std::string continued = ShortName('u') + " " + AppNum(zenith) + " (Continued)";
    int continuedPages = 0;
    for (int n = 1; n <= job.GetPageCount(); ++n) {
        const std::string text = pages.Text(n);
        EXPECT_NE(text.find("Smith & Co"), std::string::npos) << n;
        EXPECT_NE(text.find("29 Feb 2024"), std::string::npos) << n;
        EXPECT_NE(text.find("Page " + std::to_string(n)), std::string::npos) << n;
        EXPECT_NE(text.find("EXAM-77"), std::string::npos) << n;
        const CZrPrintPage& page = job.GetPage(n);
        const bool isContinued = !page.items.empty() && page.items[0].IsContinued();
        EXPECT_EQ(text.find(continued) != std::string::npos, isContinued) << n << "\n" << text;
        continuedPages += isContinued;
        if (n == 1) {
            EXPECT_NE(text.find(ShortName('u') + " " + AppNum(acme)), std::string::npos);
            EXPECT_NE(text.find("Section 1"), std::string::npos);
        }
    }
    EXPECT_GE(continuedPages, 1);
    // The EU mark on its section's page, its Greek word mark as Greek letters.
    const int greekPage = job.GetPageCount() - 1;
    const std::string text = pages.Text(greekPage);
    EXPECT_NE(text.find("Section 2"), std::string::npos) << text;
    EXPECT_NE(text.find(Utf16ToUtf8(RecordTextToUtf16(greekWord, true))), std::string::npos)
        << text;
    EXPECT_NE(pages.Text(job.GetPageCount()).find("Match Word:"), std::string::npos);
}

TEST_F(PrintOutput, NothingIsPrintedRightOfTheRightMargin) {
    for (const char* word : {"ACME", "ACME ZENITH", "STAR BRIGHT", "NEW WORLD ORDER"})
        AddMark('u', word, 0, 0, CMark::kPermanentKeep | CMark::kLong);
    // A narrow paper and a wide right margin, so that lines break often.
    CMarginRect margins;
    options_.GetPageMargins(margins);
    margins.right = 600;
    options_.SetPageSetup(margins, options_.GetPageHeading(), true, true, false);
    const CPaper paper{298, 842, 600};
    const std::unique_ptr<CZrPrintout> printout = Print(paper);
    CPrintedPages pages(Path("printed.ps"));
    ASSERT_TRUE(pages.IsOk());
    ASSERT_EQ(pages.PageCount(), printout->GetPageCount());
    // The right rule stands on the printable area's edge; one point more for its width.
    const int edge = printout->GetJob().GetRect().right * 72 / paper.dotsPerInch + 1;
    for (int n = 1; n <= printout->GetPageCount(); ++n) {
        const int ink = pages.RightmostInk(n);
        EXPECT_GE(ink, edge - 2) << n;
        EXPECT_LE(ink, edge) << n;
    }
}

class CBlankPrintout : public wxPrintout {
public:
    bool OnPrintPage(int) override { return true; }
};

TEST(PrintSurface, FontsTakeTheirSizeOnPaperAndTextMeasuresAsItPrints) {
    CBlankPrintout printout;
    CTempFolder folder;
    CPostScriptFile file(folder / "blank.ps", CPaper{});
    ASSERT_TRUE(file.IsOk());
    file.Attach(printout);
    CPrintSurface surface(printout);
    EXPECT_EQ(surface.GetDotsPerInch(), (CSize{600, 600}));
    EXPECT_EQ(surface.GetPageSize(), (CSize{4958, 7016}));
    surface.SetFont({"Arial", 10});
    // Ten points are 83 dots at 600 to the inch; a line is a little more.
    const int line = surface.GetFontMetrics().LineHeight();
    EXPECT_GT(line, 83);
    EXPECT_LT(line, 125);
    // Added up, characters measure no narrower than the context prints them (kerning only
    // narrows), and not much wider.
    CWxDrawSurface context(file.GetDC(), 600.0 / file.GetDC().GetPPI().y);
    context.SetFont({"Arial", 10});
    for (const std::string text : {"ACME ZENITH", "Advertising; business management; retail",
                                   "\xc1\xcb\xd6\xc1 \xc2\xc7\xd4\xc1"}) {
        const std::u16string units = RecordTextToUtf16(text, true);
        const int measured = surface.GetTextExtent(units).width;
        const int printed = context.GetTextExtent(units).width;
        EXPECT_GE(measured, printed - printed / 100) << text;
        EXPECT_LE(measured, printed + printed / 20) << text;
        EXPECT_EQ(surface.GetPartialTextExtents(units).back(), measured) << text;
    }
    printout.SetDC(nullptr);
}

} // namespace
