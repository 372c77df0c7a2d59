// The differences dialog on the (virtual) display over a run against the local search service
// and register pages on loopback: its buttons through a run, its lines, its summary, saving the
// report, the ways of stopping a run and the keyboard's way to the window.

#include "web/ui/DiffDlg.h"

#include "../ServiceMarks.h"
#include "../WebFixture.h"
#include "WxTestSupport.h"
#include "app/controls/ui/HScrollListBox.h"
#include "core/ui/WxText.h"
#include "report/ui/ProgressDlg.h"
#include "tests/core/TempFolder.h"
#include "tests/support/FakeDocumentHost.h"
#include "tests/support/QueuedFileDialogs.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

namespace {

// Opens the program's own progress window, which holds the focus while it is up.
class CWindowHost : public CFakeHost {
public:
    std::unique_ptr<IProgress> OpenProgress(const std::string& caption) override {
        return std::make_unique<CProgressDlg>(nullptr, caption);
    }
};

class DiffDlgTest : public WebFixture {
protected:
    // The dialog over the marks, shown; the run starts by itself.
    CDiffDlg& Open(std::vector<CMark> marks, IDocumentHost* host = nullptr) {
        Close();
        dialog_ =
            new CDiffDlg(nullptr, std::move(marks),
                         {marks_.Table(), ServersAt(server_.BaseUrl()), host ? *host : host_,
                          files_, [this](int id) { helpIds_.push_back(id); }, QuickOptions()});
        dialog_->Show();
        return *dialog_;
    }
    void Close() {
        if (dialog_)
            dialog_->Destroy();
        dialog_ = nullptr;
        wx_test::Pump();
    }
    void TearDown() override { Close(); }
    bool Enabled(int id) { return wx_test::Child<wxButton>(*dialog_, id).IsEnabled(); }
    Lines Buttons() {
        Lines enabled;
        for (const auto& [id, name] : {std::pair<int, const char*>{wxID_CANCEL, "close"},
                                       {CDiffDlg::kRunAgainButton, "again"},
                                       {CDiffDlg::kSaveButton, "save"},
                                       {wxID_HELP, "help"}})
            if (Enabled(id))
                enabled.push_back(name);
        return enabled;
    }
    std::string Status() {
        return FromWx(wx_test::Child<wxStaticText>(*dialog_, CDiffDlg::kStatusText).GetLabel());
    }
    Lines Shown() {
        const auto& list = wx_test::Child<CHScrollListBox>(*dialog_, CDiffDlg::kReportList);
        Lines lines;
        for (int i = 0; i < list.GetCount(); ++i)
            lines.push_back(list.GetString(i));
        return lines;
    }
    bool Requested(const std::string& path) {
        const Lines log = server_.Log();
        return std::find(log.begin(), log.end(), "GET " + path) != log.end();
    }

    CServiceMarks marks_{server_, "u"};
    ZrTestControl_var control_ = local_service::ResetControl();
    CFakeHost host_;
    CQueuedFileDialogs files_;
    std::vector<int> helpIds_;
    CDiffDlg* dialog_ = nullptr;
};

} // namespace

TEST_F(DiffDlgTest, EveryRunKeepsItsButtonsDisabledAndEndsWithLinesAndSummary) {
    const CMark changed = marks_.Served('u', "ACNE", PageChange::WordMark);
    const CMark slow = marks_.Served('u', "ACME");
    server_.Slow(marks_.UkPath(slow), 300ms,
                 CRegisterPageMaker::Render('u', marks_.Record(slow), PageChange::None));
    CDiffDlg& dialog = Open({changed, slow});
    EXPECT_EQ(Status(), "Starting...");
    EXPECT_EQ(Buttons(), Lines{"help"});

    const Lines expected = {"Differences for UK AppNum: " + marks_.Field(changed, "APPNUM"),
                            "  Word mark", "    Have:\t\tACNE", "    Should be:\tACNE PLUS"};
    for (int run = 0; run < 2; ++run) {
        server_.ClearRequests();
        if (run == 1)
            wx_test::Click(wx_test::Child<wxButton>(dialog, CDiffDlg::kRunAgainButton));
        ASSERT_TRUE(wx_test::PumpUntil([&] { return Requested(marks_.UkPath(slow)); }));
        EXPECT_EQ(Buttons(), Lines{"help"}) << run;
        EXPECT_EQ(Status(), "Running...");
        ASSERT_TRUE(wx_test::PumpUntil([&] { return !dialog.IsRunning(); }));
        EXPECT_EQ(Shown(), expected);
        EXPECT_EQ(Status(), "2 out of 2 marks checked of which 1 had differences");
        EXPECT_EQ(Buttons(), (Lines{"close", "again", "save", "help"}));
    }
    // The values line up at a tab stop, give or take a blank.
    const auto& list = wx_test::Child<CHScrollListBox>(dialog, CDiffDlg::kReportList);
    const auto valueAt = [&list](long row, const wxString& value) {
        const wxString shown = list.GetItemText(row);
        EXPECT_EQ(shown.Find('\t'), wxNOT_FOUND) << shown;
        return list.GetTextExtent(shown.Left(shown.size() - value.size())).x;
    };
    EXPECT_NEAR(valueAt(2, "ACNE"), valueAt(3, "ACNE PLUS"), list.GetTextExtent(" ").x);
    EXPECT_EQ(host_.progressSteps,
              (Lines{"range 2 0-100", "Checking mark 1 of 2 @0", "Checking mark 2 of 2 @1",
                     "range 2 0-100", "Checking mark 1 of 2 @0", "Checking mark 2 of 2 @1"}));
    EXPECT_EQ(host_.openProgresses, 0);
    wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_HELP));
    EXPECT_EQ(helpIds_, std::vector<int>{0x20000 + 202});
}

TEST_F(DiffDlgTest, SaveToFileWritesTheLinesOrSaysWhyItCannot) {
    const CMark changed = marks_.Served('u', "ACNE", PageChange::Status);
    CDiffDlg& dialog = Open({changed});
    ASSERT_TRUE(wx_test::PumpUntil([&] { return Buttons().size() == 4; }));
    CTempFolder folder;
    files_.answers = {folder / "report"};
    wx_test::Click(wx_test::Child<wxButton>(dialog, CDiffDlg::kSaveButton));
    std::string expected;
    for (const std::string& line : Shown())
        expected += line + "\n";
    EXPECT_EQ(folder.Read("report.txt"), expected);
    EXPECT_EQ(Shown().size(), 4u);
    ASSERT_EQ(files_.requests.size(), 1u);
    EXPECT_EQ(files_.requests[0].fileName, "ZrDiff.txt");
    EXPECT_EQ(files_.requests[0].filter, "text files (*.txt)|*.txt|");

    wx_test::RecordedMessages messages;
    const std::string missing = folder / "missing/report.txt";
    files_.answers = {missing};
    wx_test::Click(wx_test::Child<wxButton>(dialog, CDiffDlg::kSaveButton));
    EXPECT_EQ(messages.Texts(),
              Lines{"|W305 Cannot open: " + missing + " due to: No such file or directory"});
}

// However a run is stopped, it stops before its next mark as the progress window's Cancel does:
// the mark found to differ keeps its lines and is flagged, and the summary counts what was
// checked. The close box and Escape close the window too.
TEST_F(DiffDlgTest, EveryWayOfStoppingARunFlagsWhatItFound) {
    const CMark changed = marks_.Served('u', "ACNE", PageChange::WordMark);
    const CMark slow = marks_.Served('u', "ACME");
    server_.Trickle(marks_.UkPath(slow), 1000, 200ms);
    const CMark never = marks_.Served('u', "NOVA");
    struct Row {
        const char* way;
        // Stops the run once the slow page is on its way; none where the progress is cancelled.
        std::function<void(CDiffDlg&)> stop;
    };
    for (const Row& row :
         {Row{"Cancel", nullptr}, Row{"close box", [](CDiffDlg& dialog) { dialog.Close(); }},
          Row{"Escape", [](CDiffDlg&) { wxUIActionSimulator().Char(WXK_ESCAPE); }}}) {
        SCOPED_TRACE(row.way);
        control_->ClearCallLog();
        server_.ClearRequests();
        host_.cancelAt = row.stop ? "" : "Checking mark 2 of 3";
        CDiffDlg& dialog = Open({changed, slow, never});
        if (row.stop) {
            ASSERT_TRUE(wx_test::PumpUntil([&] { return Requested(marks_.UkPath(slow)); }));
            row.stop(dialog);
        }
        ASSERT_TRUE(wx_test::PumpUntil(
            [&] { return row.stop ? !dialog.IsShown() : Buttons().size() == 4; }));
        EXPECT_EQ(Status(), "1 out of 3 marks checked of which 1 had differences");
        EXPECT_EQ(Shown(),
                  (Lines{"Differences for UK AppNum: " + marks_.Field(changed, "APPNUM"),
                         "  Word mark", "    Have:\t\tACNE", "    Should be:\tACNE PLUS"}));
        EXPECT_EQ(
            local_service::LoggedCalls(control_, "FlagSuspectSGEs"),
            Lines{"remote.u.FlagSuspectSGEs(" + std::to_string(changed.GetRecordNumber()) + ")"});
        EXPECT_FALSE(Requested(marks_.UkPath(never)));
        EXPECT_FALSE(dialog.IsRunning());
        EXPECT_EQ(host_.openProgresses, 0);
    }
}

// The keys reach the window without a click, the pointer elsewhere: as it shows, and after a run
// whose progress window had the focus.
TEST_F(DiffDlgTest, EscapeClosesTheWindowWithoutAClick) {
    wxUIActionSimulator keys;
    const wxSize screen = wxGetDisplaySize();
    keys.MouseMove(screen.x - 1, screen.y - 1);
    wx_test::Pump();
    CWindowHost host;
    CDiffDlg& dialog = Open({marks_.Served('u', "ACME")}, &host);
    wx_test::Pump();
    wxWindow* focus = wxWindow::FindFocus();
    EXPECT_TRUE(focus && wxGetTopLevelParent(focus) == &dialog);
    ASSERT_TRUE(wx_test::PumpUntil([&] { return Buttons().size() == 4; }));
    keys.Char(WXK_ESCAPE);
    EXPECT_TRUE(wx_test::PumpUntil([&] { return !dialog.IsShown(); }, 3s));
}
