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

constexpr const char* kTemplatesFolder = "/home/examiner/template";

// Opens the chooser over the names of the templates folder; what it shows at first
// ("<selection> OK|no OK", then the hint below the list when there is one), then the script's
// ending and the chosen name.
std::string RunChooser(const Names& names, const std::string& defaultName,
                       const std::function<void(wxDialog&, wxListBox&)>& script,
                       std::vector<int>* helpTopics = nullptr) {
    CTemplateChoice choice(names, defaultName, kTemplatesFolder);
    std::string shown;
    wx_test::DialogScripts scripts;
    scripts.Add([&](wxDialog& dialog) {
        auto& list = wx_test::Child<wxListBox>(dialog, CReportSelectDlg::kTemplateList);
        shown = std::to_string(list.GetSelection()) +
                (wx_test::Child<wxButton>(dialog, wxID_OK).IsEnabled() ? " OK" : " no OK");
        // Its lines as wrapped to the list's width, joined.
        if (const wxWindow* hint = dialog.FindWindow(CReportSelectDlg::kEmptyFolderHint)) {
            wxString text = hint->GetLabel();
            text.Replace("\n", " ");
            shown += " [" + text.ToStdString() + "]";
        }
        script(dialog, list);
    });
    CReportSelectDlg dialog(nullptr, choice, [helpTopics](int topic) {
        if (helpTopics)
            helpTopics->push_back(topic);
    });
    const bool ok = dialog.ShowModal() == wxID_OK;
    return shown + (ok ? ", chose " : ", cancelled ") + choice.GetChosenName();
}

TEST(ReportSelectDlg, TheDefaultIsChosenAtFirstAndAPickOrDoubleClickChooses) {
    const Names names = {"default.rtf", "full.rtf", "watch.txt"};
    std::vector<int> help;
    EXPECT_EQ(RunChooser(
                  names, "full.rtf",
                  [](wxDialog& dialog, wxListBox& list) {
                      wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_HELP));
                      Pick(list, 2, wxEVT_LISTBOX);
                      wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
                  },
                  &help),
              "1 OK, chose watch.txt");
    EXPECT_EQ(help, std::vector<int>{0x2009C});
    // Letter case counts.
    EXPECT_EQ(RunChooser(names, "Full.rtf",
                         [](wxDialog&, wxListBox& list) { Pick(list, 0, wxEVT_LISTBOX_DCLICK); }),
              "-1 no OK, chose default.rtf");
    EXPECT_EQ(RunChooser({}, "default.rtf",
                         [](wxDialog& dialog, wxListBox&) {
                             wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_CANCEL));
                         }),
              "-1 no OK [There are no report templates yet. Templates (RTF documents or text "
              "files with report tags) go in the folder: " +
                  std::string(kTemplatesFolder) + "], cancelled ");
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

// A progress window whose user presses Cancel as the second of three marks is reported.
class CCancelledProgress : public CProgressDlg {
public:
    explicit CCancelledProgress(const std::string& caption)
        : CProgressDlg(nullptr, caption,
                       [now = std::int64_t{0}]() mutable { return now += 1000; }) {}
    void SetProgress(const std::string& text, int item) override {
        CProgressDlg::SetProgress(text, item);
        if (text == "Reporting mark 2 of 3")
            wx_test::Click(*FindWindow(wxID_CANCEL));
    }
};

class CWindowHost : public CFakeHost {
public:
    std::unique_ptr<IProgress> OpenProgress(const std::string& caption) override {
        return std::make_unique<CCancelledProgress>(caption);
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
    EXPECT_FALSE(job.Run(templatePath, folder / "marks.out", host));
    Names files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, Names{"marks.txt"});
}

} // namespace
