// Every window of the program laid out as the user would have it: the program run over the local
// search service and the registers' sites on loopback opens each dialog, each page of its sheets
// and wizard, and each frame; every one must show its labels and buttons at their full size, no
// control over another and no warning of the toolkit. The test lists every fault by window and
// control. With ZR_SCREENS_DIR set it also writes a picture of each window there.

#include "DbSelectionRows.h"
#include "LayoutCheck.h"
#include "ProgramOverService.h"
#include "Screens.h"
#include "app/dialogs/ui/SmallDialogs.h"
#include "app/options/ui/MacroComboBox.h"
#include "app/ui/CommandIds.h"
#include "app/views/ui/ViewCommandIds.h"
#include "core/UserOptions.h"
#include "core/ui/WxText.h"
#include "engines/BgrJobs.h"
#include "engines/selection/ui/ChangeDatabasesDlg.h"
#include "engines/ui/LoginDlg.h"
#include "search/ui/GeneralPageWindow.h"
#include "search/ui/NewExamPageWindows.h"
#include "search/ui/SelectionPageWindow.h"
#include "web/ui/DiffDlg.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

namespace {

using Texts = std::vector<std::string>;

// A page is named by the last word of its caption, in lower case ("IR-Desgntd": desgntd).
std::string LastWord(const wxString& caption) {
    const std::string text = FromWx(wxControl::RemoveMnemonics(caption).Lower());
    const auto alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    const auto end = std::find_if(text.rbegin(), text.rend(), alnum);
    return std::string(std::find_if_not(end, text.rend(), alnum).base(), end.base());
}

wxBookCtrlBase* BookOf(wxWindow& window) {
    for (wxWindow* child : window.GetChildren())
        if (auto* book = dynamic_cast<wxBookCtrlBase*>(child))
            return book;
    return nullptr;
}

class EveryWindow : public ProgramOverService {
protected:
    void SetUp() override {
        ProgramOverService::SetUp();
        wx_test::TakeToolkitWarnings();
        folder_.Write("home/template/plain.rtf", "{\\rtf1\\ansi [[CLIENT]]}");
    }

    // The window as shown: its layout faults, and what the toolkit warned of since the last
    // look, go into the list under its name; its picture goes beside the others.
    void Look(wxWindow& window, const std::string& name) {
        window.Raise();
        EXPECT_TRUE(wx_test::PumpUntil([&window] { return window.IsShownOnScreen(); })) << name;
        // The toolkit allocates sizes and draws only once the window is on the display.
        wx_test::PumpUntil([] { return false; }, std::chrono::milliseconds(150));
        for (const std::string& fault : wx_test::LayoutFaults(window))
            faults_.push_back(name + ": " + fault);
        for (const std::string& warning : wx_test::TakeToolkitWarnings())
            faults_.push_back(name + ": " + warning);
        SaveScreen(window, name);
    }
    // Each page of the dialog's book, or the dialog itself when it has none.
    void LookAtPages(wxDialog& dialog, const std::string& name) {
        wxBookCtrlBase* book = BookOf(dialog);
        if (!book) {
            Look(dialog, name);
            return;
        }
        // A sheet keeps one size, that of its largest page.
        wxSize size = dialog.GetSize();
        for (std::size_t page = 0; page < book->GetPageCount(); ++page) {
            book->SetSelection(page);
            const std::string pageName = name + "-" + LastWord(book->GetPageText(page));
            Look(dialog, pageName);
            if (dialog.GetSize() != size)
                faults_.push_back(pageName + ": the sheet changed its size");
            size = dialog.GetSize();
        }
    }

    Texts faults_;
};

// A dialog a command of the main window opens, looked at page by page and cancelled; or, with a
// button (of a page, when named), the dialog that button opens.
struct CDialogRow {
    std::string name;
    int command;
    wxString page = {};
    int button = 0;
    // Makes the button work: what is typed or chosen before it is pressed.
    std::function<void(wxDialog&)> prepare = {};
};

const std::vector<CDialogRow>& DialogRows() {
    static const std::vector<CDialogRow> rows = {
        {"about", wxID_ABOUT},
        {"new-examination", wxID_NEW},
        {"options", kCmdOptions},
        {"section-names", kCmdOptions, "Examination", 1197},
        {"keywords", kCmdKeywords},
        {"keyword-definition", kCmdKeywords, "Keywords", 1227,
         [](wxDialog& sheet) { wx_test::Child<CMacroComboBox>(sheet, 1229).SetValue("NEWKEY"); }},
        {"diagnostics", kCmdDiagnostics},
        {"change-details", kCmdChangeDetails},
        {"change-databases", kCmdChangeDatabases},
        {"change-engines", kCmdChangeDatabases, {}, CChangeDatabasesDlg::kChangeEnginesId},
        {"search", kCmdSearch},
        {"word-index", kCmdSearch, "General", CGeneralPageWindow::kIndex,
         [](wxDialog& sheet) {
             wx_test::Child<wxTextCtrl>(sheet, CGeneralPageWindow::kLocate).SetValue("ZEN");
         }},
        {"string-finder", kCmdSearch, "General", CGeneralPageWindow::kFinder},
        {"owner-finder", kCmdSearch, "Owners", CSelectionPageWindow::kBrowse},
        {"vienna-finder", kCmdSearch, "Devices", CSelectionPageWindow::kCodeFinder},
        {"locarno-finder", kCmdSearch, "Locarno", CSelectionPageWindow::kCodeFinder},
        {"identical-search", kCmdIdent},
        {"enquiry", kCmdEnquiry},
        {"caveat-set", kCmdCaveat},
        {"search-information", kCmdSearchInfo},
        {"section-information", kCmdSectionInfo},
        {"section-name", kCmdChangeSectionName},
        {"report-choice", kCmdReport},
        {"convert-to-watch", kCmdConvertToWatch},
    };
    return rows;
}

TEST_F(EveryWindow, ShowsEveryLabelWholeAndNoControlOverAnother) {
    wx_test::RecordedMessages messages;
    // Logged in by typing; the new examination through every page of the wizard, on the United
    // Kingdom's databases.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([this](wxDialog& login) {
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kCompanyId).SetValue("TESTCO");
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kUserId).SetValue("examiner");
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kPassword).SetValue("secret");
            Look(login, "login");
            wx_test::Click(wx_test::Child<wxButton>(login, wxID_OK));
        });
        dialogs.Add([this](wxDialog& wizard) {
            wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
            Look(wizard, "wizard-standard");
            wx_test::Tick(wx_test::Child<wxCheckBox>(wizard, CStandardPageWindow::kAutoDesign),
                          true);
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
            wx_test::Child<wxTextCtrl>(wizard, CAutoPageWindow::kPrimaryClasses).SetValue("9");
            wx_test::Child<wxTextCtrl>(wizard, CAutoPageWindow::kWordMark).SetValue("Zenith");
            Look(wizard, "wizard-auto-design");
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
            Look(wizard, "wizard-terms");
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
            if (wizard.IsModal()) {
                ADD_FAILURE() << "the wizard stayed open";
                wizard.EndModal(wxID_CANCEL);
            }
        });
        program_ = std::make_unique<CZrProgram>(CZrProgram::Options{
            {}, folder_ / "prog", folder_ / "config/ZR2000.ini", &files_, &printer_});
        ASSERT_TRUE(program_->MakeStartup().Run());
        ASSERT_EQ(dialogs.Opened(),
                  (Texts{"RO Vedaridarevu Login", "New Examination - Standard Details"}));
    }
    Look(Frame(), "main-window");
    // A search run: its progress window, then the results window; the details window of a mark
    // kept there.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& sheet) {
            wx_test::Child<wxTextCtrl>(sheet, CGeneralPageWindow::kGroupIds[0]).SetValue("A-");
            wx_test::Click(*sheet.FindWindow(wxID_OK));
        });
        dialogs.Add([this](wxDialog& progress) { Look(progress, "searching"); });
        // Searches that take a few seconds, so that their progress is there to be looked at.
        control_->SetEngineFault("*", "polls", "", 20);
        Command(kCmdSearch);
        control_->SetEngineFault("*", "none", "", 0);
        EXPECT_EQ(dialogs.Opened(), (Texts{"Search Criteria", "Searching"}));
    }
    ASSERT_NE(Results(), nullptr) << ::testing::PrintToString(messages.Texts());
    Look(*Results(), "results");
    Command(*Results(), kCmdKeepAll);
    Command(*Results(), kCmdCloseResults);
    ASSERT_TRUE(wx_test::PumpUntil([this] { return Results() == nullptr; }));
    MainView().ShowKeptMarks(true);
    MainView().ClearSelection();
    MainView().SelectRow(0, 0);
    MainView().CompleteClick(false);
    Command(kCmdDetails);
    CDetailsFrame* details = Details();
    ASSERT_NE(details, nullptr);
    Look(*details, "details");
    details->Close();
    wx_test::Pump();

    // Saved, and the same file the answer to the caveat search, which reads it; the searches'
    // list, its search current.
    files_.answers = {folder_ / "home/exam.zre", folder_ / "home/exam.zre"};
    Command(wxID_SAVEAS);
    MainView().ShowKeptMarks(false);
    MainView().SelectSearchRow(0);

    // The designs and the global databases too, for the Locarno and IR-Desgntd pages.
    CDbSelection selection = Document().GetDbSelection();
    selection.SelectDb('o', true);
    selection.SetSelected("GL", "", true);
    selection.SetSelected("GL", "IN", true);
    Document().SetDbSelection(selection);

    for (const CDialogRow& row : DialogRows()) {
        wx_test::DialogScripts dialogs;
        dialogs.Add([this, &row](wxDialog& dialog) {
            if (!row.button) {
                LookAtPages(dialog, row.name);
            } else {
                if (!row.page.empty()) {
                    wxBookCtrlBase* book = BookOf(dialog);
                    ASSERT_NE(book, nullptr) << row.name;
                    for (std::size_t page = 0; page < book->GetPageCount(); ++page)
                        if (book->GetPageText(page) == row.page)
                            book->SetSelection(page);
                    ASSERT_EQ(book->GetPageText(book->GetSelection()), row.page) << row.name;
                }
                if (row.prepare)
                    row.prepare(dialog);
                wxWindow* button = dialog.FindWindow(row.button);
                ASSERT_NE(button, nullptr) << row.name;
                EXPECT_TRUE(button->IsEnabled()) << row.name;
                wx_test::Click(*button);
            }
            dialog.EndModal(wxID_CANCEL);
        });
        if (row.button)
            dialogs.Add([this, &row](wxDialog& inner) {
                LookAtPages(inner, row.name);
                inner.EndModal(wxID_CANCEL);
            });
        Command(row.command);
        // Some commands open their dialog once the command's event is over.
        EXPECT_TRUE(
            wx_test::PumpUntil([&dialogs] { return dialogs.AllUsed(); }, std::chrono::seconds(10)))
            << row.name << " opened " << ::testing::PrintToString(dialogs.Opened());
    }

    // The question of a search sheet's OK on criteria that could find too many marks.
    {
        CConfirmSearchDlg question(&Frame());
        question.Show();
        Look(question, "confirm-search");
    }

    // The differences dialog over the kept marks.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([this](wxDialog& dialog) {
            auto& runAgain = wx_test::Child<wxButton>(dialog, CDiffDlg::kRunAgainButton);
            EXPECT_TRUE(wx_test::PumpUntil([&] { return runAgain.IsEnabled(); }));
            Look(dialog, "differences");
            dialog.EndModal(wxID_CANCEL);
        });
        Command(kCmdWebDiff);
        EXPECT_TRUE(dialogs.AllUsed());
    }

    // The kept marks made into a watch: the watch view above the main view, and the results
    // window of its first mark.
    TheUserOptions().SetWatchSet("");
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& convert) { wx_test::Click(*convert.FindWindow(wxID_OK)); });
        dialogs.Add([](wxDialog&) {});
        Command(kCmdConvertToWatch);
        ASSERT_TRUE(wx_test::PumpUntil([&] { return dialogs.AllUsed(); }));
    }
    ASSERT_TRUE(wx_test::PumpUntil([this] { return Results() != nullptr; }));
    Look(*Results(), "watch-results");
    Look(Frame(), "watch");

    // The exit waits in the exit tasks for the background work still running.
    {
        class CWaitingJob : public CBgrJob {
        public:
            std::string GetName() const override { return "Waiting job"; }
        };
        auto job = std::make_shared<CWaitingJob>();
        TheBgrJobManager().AddJob(job);
        wx_test::DialogScripts dialogs;
        dialogs.Add([this, job](wxDialog& tasks) {
            Look(tasks, "exit-tasks");
            TheBgrJobManager().RemoveJob(*job);
        });
        wx_test::RecordedMessages answers({platform::MessageAnswer::No});
        Frame().Close();
        EXPECT_TRUE(wx_test::PumpUntil([this] { return program_->GetMainFrame() == nullptr; }));
    }

    EXPECT_EQ(faults_, Texts{});
}

} // namespace
