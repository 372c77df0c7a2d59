// The print commands under the display: a preview window, a details window's Print Long and
// Print Short, and a view's selection through the range dialog; the printer is a PostScript
// file.
#include "PostScriptPrinter.h"
#include "PrintedPages.h"
#include "ServiceReport.h"
#include "WxTestSupport.h"
#include "report/print/PrintData.h"
#include "report/print/ZrDbsPrintRegisters.h"
#include "report/print/ui/PrintRangeDlg.h"
#include "report/print/ui/Printing.h"
#include "report/print/ui/ZrPrintout.h"
#include "tests/support/LocalService.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/print.h>
#include <wx/radiobut.h>

namespace {

class PrintCommands : public ServiceReport {
protected:
    void SetUp() override {
        ServiceReport::SetUp();
        frame_ = new wxFrame(nullptr, wxID_ANY, "Main");
        frame_->Show();
        document_.SetExamId("EXAM-12");
        acme_ = AddMark('u', "ACME", 0, 0, CMark::kPermanentKeep);
        star_ = AddMark('u', "STAR BRIGHT", 1, 0, CMark::kPermanentKeep);
        nova_ = AddMark('u', "NOVA", 2, 0, CMark::kPermanentKeep);
    }
    void TearDown() override {
        // Closing, not destroying: a preview window gives the others back their input then.
        for (wxWindow* window : wxTopLevelWindows)
            window->Close(true);
        wx_test::Pump();
    }
    std::string Title(const CMark& mark) { return ShortName('u') + " " + AppNum(mark); }
    // The text of every printed page.
    std::string Printed() {
        CPrintedPages pages(Path("printed.ps"));
        EXPECT_TRUE(pages.IsOk());
        std::string text;
        for (int n = 1; n <= pages.PageCount(); ++n)
            text += pages.Text(n) + "\f";
        return text;
    }

    CZrDbsPrintRegisters printRegisters_{table_};
    CPostScriptRunner runner_{Path("printed.ps")};
    CZrPrinting printing_{
        printRegisters_, options_, [this] { return today_; },
        [this](const std::string& caption) { return host_.OpenProgress(caption); }, &runner_};
    wxFrame* frame_ = nullptr;
    CMark acme_;
    CMark star_;
    CMark nova_;
};

TEST_F(PrintCommands, ThePreviewLaysEveryPageOutUnderAProgressWindowThatMayCancelIt) {
    const auto findPreview = [] {
        wxPreviewFrame* preview = nullptr;
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* found = dynamic_cast<wxPreviewFrame*>(window))
                preview = found;
        return preview;
    };
    // A cache of one text record, so that nothing read ahead of the layout would last.
    table_.GetTextCache().SetLimits(1, 1, 2048);
    const ZrTestControl_var control = local_service::ResetControl();
    printing_.PrintExamination(frame_, document_, nullptr, EPrintAction::Preview);
    wxPreviewFrame* preview = findPreview();
    ASSERT_NE(preview, nullptr);
    wxPrintPreviewBase* shown = preview->GetControlBar()->GetPrintPreview();
    const auto* printout = dynamic_cast<const CZrPrintout*>(shown->GetPrintout());
    ASSERT_NE(printout, nullptr);
    // One page a section, laid out before the window first paints; each page tells how many
    // of the marks are laid out.
    EXPECT_EQ(printout->GetPageCount(), 3);
    EXPECT_EQ(shown->GetMaxPage(), 3);
    EXPECT_EQ(host_.progressSteps,
              (std::vector<std::string>{"range 3 0-100", "Laying out page 1 @1",
                                        "Laying out page 2 @2", "Laying out page 3 @3", "finish"}));
    EXPECT_EQ(host_.openProgresses, 0);
    EXPECT_EQ(runner_.GetRuns(), 0);
    // Once the first page shows, the records of the pages not drawn were read once.
    ASSERT_TRUE(wx_test::PumpUntil(
        [preview] { return preview->GetStatusBar()->GetStatusText() == "Page 1 of 3"; }));
    for (const CMark& mark : {star_, nova_})
        EXPECT_EQ(local_service::LoggedCalls(
                      control, "GetTextDetails2(" + std::to_string(mark.GetRecordNumber()) + ",")
                      .size(),
                  1u);
    preview->Close(true);
    wx_test::Pump();

    // Cancelled, no preview stays, and the main window takes input again.
    host_.cancelAt = "Laying out page 2";
    printing_.PrintExamination(frame_, document_, nullptr, EPrintAction::Preview);
    wx_test::Pump();
    EXPECT_EQ(findPreview(), nullptr);
    EXPECT_TRUE(frame_->IsEnabled());
    EXPECT_EQ(host_.progressSteps.back(), "Laying out page 2 @2");
}

TEST_F(PrintCommands, PrintLongAndPrintShortPrintTheOneMark) {
    printing_.PrintMark(frame_, star_, true);
    ASSERT_EQ(runner_.GetRuns(), 1);
    std::string text = Printed();
    EXPECT_NE(text.find(Title(star_)), std::string::npos) << text;
    EXPECT_NE(text.find("Application Date:"), std::string::npos) << text;
    EXPECT_EQ(text.find(Title(acme_)), std::string::npos) << text;
    // One section, without the examination's details.
    EXPECT_EQ(text.find("Section 1"), std::string::npos) << text;
    EXPECT_EQ(text.find("EXAM-12"), std::string::npos) << text;
    printing_.PrintMark(frame_, star_, false);
    text = Printed();
    EXPECT_NE(text.find(Title(star_)), std::string::npos) << text;
    EXPECT_EQ(text.find("Application Date:"), std::string::npos) << text;
}

TEST_F(PrintCommands, ASelectionIsPrintedOnlyWhenChosenAndIsChosenFirst) {
    const CZrDocData selection = MakeSelectionPrintData(std::vector<CMark>{star_, nova_});
    for (const int choice : {CPrintRangeDlg::kSelectionId, CPrintRangeDlg::kAllId}) {
        wx_test::DialogScripts scripts;
        scripts.Add([choice](wxDialog& dialog) {
            EXPECT_TRUE(
                wx_test::Child<wxRadioButton>(dialog, CPrintRangeDlg::kSelectionId).GetValue());
            wx_test::Child<wxRadioButton>(dialog, choice).SetValue(true);
            wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
        });
        printing_.PrintExamination(frame_, document_, &selection, EPrintAction::Dialog);
        EXPECT_TRUE(scripts.AllUsed());
        const std::string text = Printed();
        const bool all = choice == CPrintRangeDlg::kAllId;
        EXPECT_EQ(text.find(Title(acme_)) != std::string::npos, all) << text;
        EXPECT_NE(text.find(Title(star_)), std::string::npos) << text;
        EXPECT_NE(text.find(Title(nova_)), std::string::npos) << text;
        EXPECT_EQ(text.find("EXAM-12") != std::string::npos, all) << text;
    }
    // Cancelled, nothing is printed.
    wx_test::DialogScripts scripts;
    scripts.Add([](wxDialog& dialog) { dialog.EndModal(wxID_CANCEL); });
    printing_.PrintExamination(frame_, document_, &selection, EPrintAction::Dialog);
    EXPECT_EQ(runner_.GetRuns(), 2);
    // Printed straight away, the selection goes without a question.
    printing_.PrintExamination(frame_, document_, &selection, EPrintAction::Direct);
    EXPECT_EQ(runner_.GetRuns(), 3);
    EXPECT_EQ(Printed().find(Title(acme_)), std::string::npos);
}

TEST_F(PrintCommands, TheRecordsAreReadFirstUnderAProgressWindowThatMayCancelThePrint) {
    host_.cancelAt = "Reading mark 2 of 3";
    printing_.PrintExamination(frame_, document_, nullptr, EPrintAction::Direct);
    EXPECT_EQ(runner_.GetRuns(), 0);
    EXPECT_EQ(host_.progressSteps,
              (std::vector<std::string>{"range 3 0-100", "Reading mark 1 of 3 @0",
                                        "Reading mark 2 of 3 @1"}));
    host_.cancelAt.clear();
    host_.progressSteps.clear();
    printing_.PrintExamination(frame_, document_, nullptr, EPrintAction::Direct);
    EXPECT_EQ(runner_.GetRuns(), 1);
    EXPECT_EQ(host_.progressSteps.back(), "finish");
    EXPECT_EQ(host_.progressCaptions, (std::vector<std::string>{"Print", "Print"}));
    EXPECT_EQ(host_.openProgresses, 0);
}

} // namespace
