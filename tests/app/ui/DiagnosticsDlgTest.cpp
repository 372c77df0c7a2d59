// The diagnostics dialog under the display, over a user logged in to the local search service:
// an engine made to fail, the report saved to a file and to a folder that refuses it.

#include "app/dialogs/ui/DiagnosticsDlg.h"

#include "DialogFoot.h"
#include "WxTestSupport.h"
#include "app/controls/ui/HScrollListBox.h"
#include "app/dialogs/ProgramDiagnostics.h"
#include "core/ui/WxText.h"
#include "engines/BgrJobs.h"
#include "tests/engines/ConnectedFixture.h"
#include "tests/support/QueuedFileDialogs.h"

#include <fstream>
#include <wx/button.h>
#include <wx/stattext.h>

namespace {

using Texts = std::vector<std::string>;

class DiagnosticsDlgTest : public ConnectedFixture {
protected:
    CBgrJobManager jobs_;
    CQueuedFileDialogs files_;
    CTempFolder folder_;
    wx_test::RecordedMessages messages_;
    wx_test::DialogScripts scripts_;
};

TEST_F(DiagnosticsDlgTest, AFailedEngineFailsTheReportWhichIsSavedLineByLine) {
    control_->SetEngineFault("u", "transient", "", 0);
    const std::string saved = folder_ / "ZrDiag.txt";
    // A folder where the file would go refuses it.
    const std::string refusing = folder_ / "Reports.txt";
    std::filesystem::create_directories(refusing);
    files_.answers = {saved, refusing};
    Texts lines;
    scripts_.Add([&](wxDialog& dialog) {
        auto& dlg = dynamic_cast<CDiagnosticsDlg&>(dialog);
        auto& close = wx_test::Child<wxButton>(dialog, wxID_CLOSE);
        EXPECT_FALSE(close.IsEnabled());
        EXPECT_EQ(FootOf(dialog), (Texts{"buttons", "line", "controls"}));
        ASSERT_TRUE(wx_test::PumpUntil([&] { return close.IsEnabled(); }));
        for (int i = 0; i < dlg.GetReport().GetCount(); ++i)
            lines.push_back(dlg.GetReport().GetString(i));
        EXPECT_TRUE(
            FromWx(wx_test::Child<wxStaticText>(dialog, CDiagnosticsDlg::kStatus).GetLabel())
                .starts_with("Failed with "));
        wx_test::Click(wx_test::Child<wxButton>(dialog, CDiagnosticsDlg::kSaveToFile));
        wx_test::Click(wx_test::Child<wxButton>(dialog, CDiagnosticsDlg::kSaveToFile));
        wx_test::Click(close);
    });
    CProgramDiagnosticsSource source({repository_, zrDbs_, settings_.System(), jobs_, "3.2"},
                                     nullptr);
    CDiagnosticsDlg dialog(nullptr, source, files_, false);
    dialog.ShowModal();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "RO Vedaridarevu Version: 4.5.38 (20 Apr 2017)");
    // The window library's version as the program hands it over, in four numbers.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "wxWidgets Version: 3.2.0.0"), lines.end());
    const auto failed =
        std::find(lines.begin(), lines.end(), "ERROR: ...Reurned system exception: TRANSIENT");
    ASSERT_NE(failed, lines.end());
    EXPECT_TRUE(failed[-2].starts_with("UK on ")) << failed[-2];
    // The next engine is still asked.
    EXPECT_TRUE(failed[4].starts_with("...Returned version: ZrTestSvc engine 1.0 (")) << failed[4];
    std::string expected;
    for (const std::string& line : lines)
        expected += line + "\n";
    EXPECT_EQ(folder_.Read("ZrDiag.txt"), expected);
    ASSERT_EQ(files_.requests.size(), 2u);
    EXPECT_EQ(files_.requests[0].fileName, "ZrDiag.txt");
    EXPECT_EQ(files_.requests[0].filter, "text files (*.txt)|*.txt|");
    EXPECT_EQ(messages_.Texts(),
              Texts{"|W305 Cannot open: " + refusing + " due to: Is a directory"});
}

} // namespace
