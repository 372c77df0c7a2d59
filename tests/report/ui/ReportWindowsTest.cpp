// The report windows under the (virtual) display: the template chooser, and the progress window
// with real clicks on it and on another window while a working loop feeds it.

#include "MemoryReport.h"
#include "WxTestSupport.h"
#include "report/ui/ProgressDlg.h"
#include "report/ui/ReportSelectDlg.h"
#include "tests/core/TempFolder.h"

#include <thread>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

namespace {

using Names = std::vector<std::string>;

// What a user's pick in the list sends.
void Pick(wxListBox& list, int index, wxEventType type) {
    list.SetSelection(index);
    wxCommandEvent pick(type, list.GetId());
    pick.SetEventObject(&list);
    pick.SetInt(index);
    list.GetEventHandler()->ProcessEvent(pick);
}

struct CChooserRun {
    int result = 0;
    int selection = wxNOT_FOUND;
    bool okEnabled = false;
    std::string chosen;
};

// Opens the chooser over the names, notes what it shows, then runs the script on it.
CChooserRun RunChooser(const Names& names, const std::string& defaultName,
                       const std::function<void(wxDialog&, wxListBox&)>& script,
                       std::vector<int>* helpTopics = nullptr) {
    CChooserRun run;
    CTemplateChoice choice(names, defaultName);
    wx_test::DialogScripts scripts;
    scripts.Add([&](wxDialog& dialog) {
        auto& list = wx_test::Child<wxListBox>(dialog, CReportSelectDlg::kTemplateList);
        run.selection = list.GetSelection();
        run.okEnabled = wx_test::Child<wxButton>(dialog, wxID_OK).IsEnabled();
        script(dialog, list);
    });
    CReportSelectDlg dialog(nullptr, choice, [helpTopics](int topic) {
        if (helpTopics)
            helpTopics->push_back(topic);
    });
    run.result = dialog.ShowModal();
    run.chosen = choice.GetChosenName();
    return run;
}

TEST(ReportSelectDlg, TheDefaultIsChosenAtFirstAndAPickOrDoubleClickChooses) {
    const Names names = {"default.rtf", "full.rtf", "watch.txt"};
    std::vector<int> help;
    CChooserRun run = RunChooser(
        names, "full.rtf",
        [](wxDialog& dialog, wxListBox& list) {
            wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_HELP));
            Pick(list, 2, wxEVT_LISTBOX);
            wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
        },
        &help);
    EXPECT_EQ(run.selection, 1);
    EXPECT_TRUE(run.okEnabled);
    EXPECT_EQ(run.result, wxID_OK);
    EXPECT_EQ(run.chosen, "watch.txt");
    EXPECT_EQ(help, std::vector<int>{0x2009C});

    run = RunChooser(names, "Full.rtf",
                     [](wxDialog&, wxListBox& list) { Pick(list, 0, wxEVT_LISTBOX_DCLICK); });
    EXPECT_EQ(run.selection, wxNOT_FOUND); // letter case counts
    EXPECT_FALSE(run.okEnabled);
    EXPECT_EQ(run.result, wxID_OK);
    EXPECT_EQ(run.chosen, "default.rtf");
}

TEST(ReportSelectDlg, WithoutTemplatesOnlyCancelCloses) {
    const CChooserRun run = RunChooser({}, "default.rtf", [](wxDialog& dialog, wxListBox&) {
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_CANCEL));
    });
    EXPECT_FALSE(run.okEnabled);
    EXPECT_EQ(run.result, wxID_CANCEL);
    EXPECT_EQ(run.chosen, "");
}

// A window of the program with a button, in a corner that the progress window (centred over
// it) leaves free, that counts its clicks.
class CCountingFrame : public wxFrame {
public:
    CCountingFrame() : wxFrame(nullptr, wxID_ANY, "Examination", wxPoint(0, 0), wxSize(800, 600)) {
        panel = new wxPanel(this);
        button = new wxButton(panel, wxID_ANY, "New", wxPoint(10, 10), wxSize(80, 40));
        button->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ++clicks; });
        panel->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(panel);
            ++paints;
        });
        Show();
    }
    wxPanel* panel;
    wxButton* button;
    int clicks = 0;
    int paints = 0;
};

// A real click of the pointer at the window's centre, through the X server.
void ClickOn(wxWindow& window) {
    wxUIActionSimulator pointer;
    pointer.MouseMove(window.GetScreenRect().GetPosition() + window.GetSize() / 2);
    pointer.MouseClick();
}

// The working loop of an operation: steps until the condition holds or the steps run out.
bool Work(CProgressDlg& progress, std::int64_t& now, const std::function<bool()>& until) {
    for (int item = 0; item < 400; ++item) {
        now += CProgressModel::kPumpIntervalMs + 1;
        progress.SetProgress("Working", item);
        if (until())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

TEST(ProgressDlg, OtherWindowsPaintButTakeNoInputUntilItCloses) {
    CCountingFrame& frame = *new CCountingFrame;
    ASSERT_TRUE(wx_test::PumpUntil([&] { return frame.paints > 0; }));
    ClickOn(*frame.button);
    ASSERT_TRUE(wx_test::PumpUntil([&] { return frame.clicks == 1; }));

    std::int64_t now = 100000;
    auto progress = std::make_unique<CProgressDlg>(&frame, "Report Progress", [&] { return now; });
    progress->SetRange(400, 0, 100);
    ClickOn(*frame.button);
    ClickOn(*progress->FindWindow(wxID_CANCEL));
    EXPECT_TRUE(Work(*progress, now, [&] { return progress->IsCancelled(); }));
    // Nothing but painting and the window's own input happens while the loop works.
    bool queuedCallRan = false;
    frame.CallAfter([&] { queuedCallRan = true; });
    const int paints = frame.paints;
    frame.panel->Refresh();
    EXPECT_TRUE(Work(*progress, now, [&] { return frame.paints > paints; }));
    EXPECT_EQ(frame.clicks, 1);
    EXPECT_FALSE(queuedCallRan);

    progress.reset();
    EXPECT_TRUE(wx_test::PumpUntil([&] { return queuedCallRan; }));
    EXPECT_EQ(frame.clicks, 1); // dropped, not put off
    ClickOn(*frame.button);
    EXPECT_TRUE(wx_test::PumpUntil([&] { return frame.clicks == 2; }));
    frame.Destroy();
    wx_test::Pump();
}

// A progress window whose user presses Cancel when it shows the text.
class CCancelledProgress : public CProgressDlg {
public:
    CCancelledProgress(const std::string& caption, std::string cancelAt)
        : CProgressDlg(nullptr, caption, [now = std::int64_t{0}]() mutable { return now += 1000; }),
          cancelAt_(std::move(cancelAt)) {}
    void SetProgress(const std::string& text, int item) override {
        CProgressDlg::SetProgress(text, item);
        if (text == cancelAt_)
            wx_test::Click(*FindWindow(wxID_CANCEL));
    }

private:
    std::string cancelAt_;
};

class CWindowHost : public CFakeHost {
public:
    std::unique_ptr<IProgress> OpenProgress(const std::string& caption) override {
        return std::make_unique<CCancelledProgress>(caption, cancelAt);
    }
};

TEST(ProgressDlg, CancelInTheWindowLeavesNoReport) {
    CTestDocument document;
    CMemoryReportRegisters registers;
    CMemoryReportDb& uk = registers.Add('u', "UK", "UK Trade Marks");
    for (std::uint32_t record = 1; record <= 3; ++record) {
        uk.SetRecord(record, {{"WORDMARK", "MARK " + std::to_string(record)}});
        document.AddMark(record, 'u', 0, 1, static_cast<int>(record),
                         CMark::kPermanentKeep | CMark::kKept);
    }
    CTempFolder folder;
    const std::string templatePath = folder.Write("marks.txt", "[[STARTMARK]][[WORDMARK]]\n"
                                                               "[[ENDMARK]]");
    CWindowHost host;
    CUserOptions options;
    CReportJob job(document, registers, options, CZrDate());
    ASSERT_TRUE(job.Run(templatePath, folder / "marks.out", host));
    EXPECT_EQ(folder.Read("marks.out"), "MARK 1\nMARK 2\nMARK 3\n");

    host.cancelAt = "Reporting mark 2 of 3";
    EXPECT_FALSE(job.Run(templatePath, folder / "cancelled.out", host));
    Names files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (Names{"marks.out", "marks.txt"}));
}

} // namespace
