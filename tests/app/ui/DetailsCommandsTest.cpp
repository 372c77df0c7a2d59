// A details window in the program, against the local search service, under the (virtual)
// display: its Help menu and Ctrl+F12 reach the main window's commands.

#include "LoggedInProgram.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/details/ui/DetailsTextView.h"
#include "app/ui/CommandIds.h"
#include "core/UserOptions.h"
#include "core/ui/MyRichEditCtrl.h"

#include <wx/menu.h>
#include <wx/uiaction.h>

namespace {

using Texts = std::vector<std::string>;

class DetailsCommandsTest : public LoggedInProgram {
protected:
    // A details window on a kept mark, opened from the main view.
    CDetailsFrame& OpenDetails() {
        const CMark kept(16, 'u', 0, 0, 0, CMark::kPermanentKeep);
        Document().AddMarks({&kept, 1}, 0, 0);
        program_->GetViews().OpenDetails(MakeKeptFilter(false, false), 0);
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* frame = dynamic_cast<CDetailsFrame*>(window); frame && frame->IsShown())
                return *frame;
        throw std::runtime_error("no details window");
    }
};

TEST_F(DetailsCommandsTest, TheHelpMenuRunsTheMainWindowsCommands) {
    CDetailsFrame& details = OpenDetails();
    wxMenuBar& menus = *details.GetMenuBar();
    menus.UpdateMenus();
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts dialogs;
    const std::string helpFile = program_->GetHelp().GetHelpFile();
    // The help file is not installed here, so each topic reports that it could not be shown.
    const struct {
        int id;
        std::string shown;
    } commands[] = {
        {kCmdHelpTopics, "|W322 Failed to start HTML help '" + helpFile + "'"},
        {kCmdDiagnostics, "Diagnostic Information"},
        {kCmdAboutDatabases, "|W323 Failed to find HTML help context '8046' in '" + helpFile + "'"},
        {wxID_ABOUT, "About RO Vedaridarevu"},
    };
    Texts expected;
    for (const auto& command : commands) {
        SCOPED_TRACE(command.shown);
        ASSERT_NE(menus.FindItem(command.id), nullptr);
        EXPECT_TRUE(menus.IsEnabled(command.id));
        dialogs.Add([](wxDialog& shown) { shown.EndModal(wxID_CANCEL); });
        wxCommandEvent event(wxEVT_MENU, command.id);
        details.GetEventHandler()->ProcessEvent(event);
        expected.push_back(command.shown);
        EXPECT_TRUE(wx_test::PumpUntil([&] {
            Texts shown = messages.Texts();
            shown.insert(shown.end(), dialogs.Opened().begin(), dialogs.Opened().end());
            return shown.size() == expected.size();
        }));
    }
    Texts shown = messages.Texts();
    shown.insert(shown.end(), dialogs.Opened().begin(), dialogs.Opened().end());
    std::ranges::sort(shown);
    std::ranges::sort(expected);
    EXPECT_EQ(shown, expected);
}

TEST_F(DetailsCommandsTest, CtrlF12InTheDetailsWindowQuickSavesTheExamination) {
    const std::filesystem::path saved = folder_ / "saved/exam.zre";
    std::filesystem::create_directories(saved.parent_path());
    const std::filesystem::path quick =
        std::filesystem::path(TheSystemOptions().GetPendingDir()) / "exam.zre";
    ASSERT_NE(saved.parent_path(), quick.parent_path());
    CDetailsFrame& details = OpenDetails();
    ASSERT_TRUE(Document().OnSaveDocument(saved));
    Document().SetPathName(saved);
    ASSERT_FALSE(std::filesystem::exists(quick));

    details.Raise();
    details.GetTextView().GetText().SetFocus();
    ASSERT_TRUE(wx_test::PumpUntil([&] { return details.IsActive(); }));
    wxUIActionSimulator keys;
    keys.Char(WXK_F12, wxMOD_CONTROL);
    EXPECT_TRUE(wx_test::PumpUntil([&] { return std::filesystem::exists(quick); }));
}

} // namespace
