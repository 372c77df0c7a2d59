// The program's frames under the (virtual) display, driven by the keyboard and the pointer as a
// user drives them: Ctrl+F12 from the results and the details windows, the details window's Help
// menu and Escape in its menus, the main view's second keys for Undo, Cut, Copy and Paste, and the
// status bars' prompts for the menu item or tool under the pointer.

#include "LoggedInProgram.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/details/ui/DetailsTextView.h"
#include "app/ui/CommandIds.h"
#include "app/ui/ZrClipboard.h"
#include "app/ui/ZrStatusBar.h"
#include "app/views/ui/SectionTabs.h"
#include "core/FilePath.h"
#include "core/SystemOptions.h"
#include "core/ui/MyRichEditCtrl.h"
#include "core/ui/WxText.h"
#include "tests/engines/ScriptedMessages.h"

#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

namespace {

using platform::MessageAnswer;
using Texts = std::vector<std::string>;

class FramesTest : public LoggedInProgram {
protected:
    // Puts the pointer over the window and clicks there, so that the keys go to it.
    void ClickInto(wxWindow& window, wxPoint at) {
        ASSERT_TRUE(wx_test::BringToFront(window));
        input_.MouseMove(window.ClientToScreen(at));
        wx_test::Pump();
        input_.MouseClick();
        wx_test::Pump();
    }
    // A key with its modifiers, then the events it brings.
    void Press(int key, int modifiers, const std::function<bool()>& done) {
        input_.Char(key, modifiers);
        EXPECT_TRUE(wx_test::PumpUntil(done, std::chrono::seconds(5))) << key << "+" << modifiers;
    }
    // A search of the United Kingdom's register, run into the results window.
    void RunSearchOfUk() {
        CSearch search(0);
        search.GetCriteria().ResetWithDbIds("u");
        search.GetCriteria().FillDefaults();
        wx_test::RecordedMessages messages;
        EXPECT_TRUE(program_->RunSearch(Document().AddSearch(search), false));
    }
    static std::string Message(wxFrame& frame) {
        return FromWx(frame.GetStatusBar()->GetStatusText(CZrStatusBar::kMessage));
    }
    // Waits for the frame's message pane to say the text.
    static void ExpectMessage(wxFrame& frame, const std::string& text) {
        EXPECT_TRUE(
            wx_test::PumpUntil([&] { return Message(frame) == text; }, std::chrono::seconds(5)))
            << "\"" << text << "\" but \"" << Message(frame) << "\"";
    }
    // A details window on a kept mark, opened from the main view.
    CDetailsFrame& OpenDetails() {
        Document().AddMarks(std::vector<CMark>{{16, 'u', 0, 0, 0, CMark::kPermanentKeep}}, 0, 0);
        program_->GetViews().OpenDetails(MakeKeptFilter(false, false), 0);
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* frame = dynamic_cast<CDetailsFrame*>(window); frame && frame->IsShown())
                return *frame;
        throw std::runtime_error("no details window");
    }
    // The pointer over the main view, away from every menu and tool.
    void PointerAway() {
        input_.MouseMove(MainView().GetSectionView().GetScreenRect().GetBottomRight() -
                         wxPoint(10, 10));
    }

    wxUIActionSimulator input_;
    // The frames that took a quick save, in order.
    Texts quickSavesTaken_;
    // Whether a menu of the window under test is open.
    bool menuOpen_ = false;
};

// Each window takes the key itself and passes the quick save on to the main window, which saves
// into the folder of pending saves.
TEST_F(FramesTest, CtrlF12QuickSavesTheExaminationFromTheResultsAndTheDetailsWindows) {
    const std::string path = folder_ / "exam.zre";
    ASSERT_TRUE(Document().OnSaveDocument(path));
    Document().SetPathName(path);
    const std::string saved = AppendPath(TheSystemOptions().GetPendingDir(), "exam.zre");
    const std::pair<const char*, std::function<wxWindow&()>> frames[] = {
        {"results",
         [this]() -> wxWindow& {
             RunSearchOfUk();
             return Results()->GetCanvas();
         }},
        {"details", [this]() -> wxWindow& { return OpenDetails().GetTextView().GetText(); }},
    };
    for (const auto& [frame, open] : frames) {
        std::filesystem::remove(saved);
        wxWindow& inside = open();
        wxGetTopLevelParent(&inside)->Bind(
            wxEVT_MENU,
            [this, frame = frame](wxCommandEvent& event) {
                quickSavesTaken_.push_back(frame);
                event.Skip();
            },
            kCmdQuickSave);
        ClickInto(inside, {5, inside.GetClientSize().y - 5});
        input_.Char(WXK_F12, wxMOD_CONTROL);
        EXPECT_TRUE(wx_test::PumpUntil([&] { return std::filesystem::exists(saved); })) << frame;
    }
    EXPECT_EQ(quickSavesTaken_, (Texts{"results", "details"}));
    EXPECT_EQ(Message(*program_->GetMainFrame()), "Saved");
}

// The Help menu's commands are the main window's, but their dialogs are the details window's:
// they open over it, and it is in front again once they have closed, whatever the desktop
// brought forward meanwhile. The help file is not installed here, so each topic says that it
// could not be shown.
TEST_F(FramesTest, TheDetailsWindowsHelpMenuOpensItsDialogsOverIt) {
    CDetailsFrame& details = OpenDetails();
    wxMenuBar& menus = *details.GetMenuBar();
    menus.UpdateMenus();
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts dialogs;
    std::vector<wxWindow*> owners;
    std::size_t shown = 0;
    ASSERT_TRUE(wx_test::BringToFront(details));
    for (const int id :
         {int{kCmdHelpTopics}, int{kCmdDiagnostics}, int{kCmdAboutDatabases}, int{wxID_ABOUT}}) {
        ASSERT_NE(menus.FindItem(id), nullptr) << id;
        EXPECT_TRUE(menus.IsEnabled(id)) << id;
        dialogs.Add([&](wxDialog& dialog) {
            owners.push_back(dialog.GetParent());
            // As a desktop may bring the main window forward while a dialog is up.
            EXPECT_TRUE(wx_test::BringToFront(*program_->GetMainFrame()));
            dialog.EndModal(wxID_CANCEL);
        });
        wxCommandEvent event(wxEVT_MENU, id);
        details.GetEventHandler()->ProcessEvent(event);
        ++shown;
        EXPECT_TRUE(wx_test::PumpUntil([&] {
            return messages.Texts().size() + dialogs.Opened().size() == shown && details.IsActive();
        })) << id;
    }
    const std::string help = program_->GetHelp().GetHelpFile();
    EXPECT_EQ(dialogs.Opened(), (Texts{"Diagnostic Information", "About RO Vedaridarevu"}));
    EXPECT_EQ(owners, (std::vector<wxWindow*>{&details, &details}));
    EXPECT_EQ(messages.Texts(),
              (Texts{"|W322 Failed to start HTML help '" + help + "'",
                     "|W323 Failed to find HTML help context '8046' in '" + help + "'"}));
}

// Escape in an open menu closes the menu and leaves the window; the next Escape closes it.
TEST_F(FramesTest, EscapeInTheDetailsWindowsOpenMenuClosesOnlyTheMenu) {
    const wxWeakRef<CDetailsFrame> details(&OpenDetails());
    for (const auto& type : {wxEVT_MENU_OPEN, wxEVT_MENU_CLOSE})
        details->Bind(type, [this](wxMenuEvent& event) {
            menuOpen_ = event.GetEventType() == wxEVT_MENU_OPEN;
            event.Skip();
        });
    // The File menu opened by a click on its title, nothing chosen in it yet.
    wxMenuBar& bar = *details->GetMenuBar();
    ClickInto(bar, {12, bar.GetSize().y / 2});
    ASSERT_TRUE(wx_test::PumpUntil([this] { return menuOpen_; }));
    input_.Char(WXK_ESCAPE);
    EXPECT_TRUE(wx_test::PumpUntil([&] { return !details || !menuOpen_; }));
    ASSERT_TRUE(details && details->IsShown()) << "Escape closed the window";
    input_.Char(WXK_ESCAPE);
    EXPECT_TRUE(wx_test::PumpUntil([&] { return !details || !details->IsShown(); }));
}

TEST_F(FramesTest, TheMainViewsSecondKeysUndoCutCopyAndPaste) {
    CMainView& view = KeepInFirstSection({16, 32, 48});
    ASSERT_EQ(view.GetMarkCount(), 3);

    // A click on the first row selects it; Shift+Del cuts it, Shift+Ins pastes it back.
    ClickInto(MainView().GetSectionView(), {5, 5});
    ASSERT_EQ(view.GetSelectedRows(), std::set<int>{0});
    const std::uint32_t cut = view.GetShownMark(0).GetRecordNumber();
    Press(WXK_DELETE, wxMOD_SHIFT, [this] { return KeptIn(0) == 2; });
    Press(WXK_INSERT, wxMOD_SHIFT, [this] { return KeptIn(0) == 3; });
    // Ctrl+Ins copies another row, which Shift+Ins pastes into another section.
    const int row = view.GetShownMark(0).GetRecordNumber() == cut ? 1 : 0;
    const std::uint32_t copied = view.GetShownMark(row).GetRecordNumber();
    view.SelectRow(row, 0);
    Press(WXK_INSERT, wxMOD_CONTROL, [copied] {
        CZrClipboard clipboard;
        return clipboard.ReadClipboard() && clipboard.GetMarks().size() == 1 &&
               clipboard.GetMarks()[0].GetRecordNumber() == copied;
    });
    view.SetSection(1);
    Press(WXK_INSERT, wxMOD_SHIFT, [this] { return KeptIn(1) == 1; });
    EXPECT_EQ(view.GetShownMark(0).GetRecordNumber(), copied);
    EXPECT_EQ(KeptIn(0), 3);
    // Alt+Backspace undoes a delete.
    view.SelectRow(0, 0);
    CScriptedMessages answers({MessageAnswer::Yes});
    view.Run(EMainCommand::Delete);
    ASSERT_EQ(KeptIn(1), 0);
    Press(WXK_BACK, wxMOD_ALT, [this] { return KeptIn(1) == 1; });
}

// The message pane: "Ready", the prompt of the menu item or tool under the pointer, "Ready" again
// once the pointer left it.
TEST_F(FramesTest, TheStatusBarsPromptTheItemUnderThePointer) {
    wxFrame& main = *program_->GetMainFrame();
    EXPECT_EQ(Message(main), "Ready");

    // The File menu opened, the pointer on its first item, Print...
    wxMenuBar& bar = *main.GetMenuBar();
    ClickInto(bar, {12, bar.GetSize().y / 2});
    input_.MouseMove(bar.ClientToScreen({24, bar.GetSize().y + 12}));
    ExpectMessage(main, "Print the kept marks");
    PointerAway();
    input_.Char(WXK_ESCAPE);
    ExpectMessage(main, "Ready");

    wxToolBar& tools = *main.GetToolBar();
    input_.MouseMove(tools.ClientToScreen({12, tools.GetSize().y / 2}));
    ExpectMessage(main, "Create a new examination");
    PointerAway();
    ExpectMessage(main, "Ready");

    // The results window's own bar, over the second search: Previous Search, its first tool.
    RunSearchOfUk();
    RunSearchOfUk();
    ASSERT_NE(Results(), nullptr);
    wxFrame& results = *Results();
    EXPECT_EQ(Message(results), "Ready");
    wxToolBar& resultTools = *results.GetToolBar();
    ClickInto(Results()->GetCanvas(), {5, Results()->GetCanvas().GetClientSize().y - 5});
    input_.MouseMove(resultTools.ClientToScreen({12, resultTools.GetSize().y / 2}));
    ExpectMessage(results, "Show the results of the previous search");
    EXPECT_EQ(Message(main), "Ready");
}

} // namespace
