// The small dialogs under the display: the about box's links, the caveat set, the warning
// before a very large search with its buttons at its foot, Change Details over an examination,
// and the program's message boxes laid out whole and answering the button clicked.

#include "app/dialogs/ui/SmallDialogs.h"

#include "DialogFoot.h"
#include "DocFixture.h"
#include "LayoutCheck.h"
#include "WxTestSupport.h"
#include "app/dialogs/ui/DocumentDialogs.h"
#include "core/UserOptions.h"
#include "core/ui/WxMessageBoxes.h"
#include "core/ui/WxText.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/windowptr.h>

namespace {

using Texts = std::vector<std::string>;

TEST(AboutDlg, TheLinksAreAlwaysUnderlinedAndTheMailLinkWritesAMail) {
    Texts opened;
    CAboutDlg about(nullptr, "desk@velorin.test", "http://www.velorin.test/",
                    [&opened](const std::string& target) {
                        opened.push_back(target);
                        return 42;
                    });
    EXPECT_EQ(FromWx(wx_test::Child<wxStaticText>(about, CAboutDlg::kVersion).GetLabel()),
              "Version: 4.5.38 (20 Apr 2017)");
    for (int id : {CAboutDlg::kEmail, CAboutDlg::kWebSite}) {
        auto& link = wx_test::Child<CHyperLink>(about, id);
        EXPECT_TRUE(link.GetLook().underlined);
        link.Open();
    }
    EXPECT_EQ(opened, (Texts{"mailto:desk@velorin.test", "http://www.velorin.test/"}));
}

TEST(ConfirmSearchDlg, YesEndsWithSixNoAndEscapeWithSeven) {
    for (const int button : {int{CConfirmSearchDlg::kYes}, int{CConfirmSearchDlg::kNo}}) {
        CConfirmSearchDlg dialog(nullptr);
        const wxStaticText& text = wx_test::Child<wxStaticText>(dialog, CConfirmSearchDlg::kText);
        EXPECT_EQ(text.GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_EQ(text.GetForegroundColour(), *wxRED);
        wx_test::DialogScripts scripts;
        scripts.Add(
            [button](wxDialog& shown) { wx_test::Click(wx_test::Child<wxButton>(shown, button)); });
        EXPECT_EQ(dialog.ShowModal(), button);
    }
    CConfirmSearchDlg dialog(nullptr);
    EXPECT_EQ(dialog.GetEscapeId(), CConfirmSearchDlg::kNo);
    EXPECT_EQ(FootOf(dialog), (Texts{"buttons", "line", "controls"}));
}

TEST(CaveatSetDlg, AnEmptySetKeepsTheDialogOpen) {
    CUserOptions user;
    CCaveatSetChoice choice({"AddedLastWeek", "UpdatedLastWeek"}, user);
    CCaveatSetDlg dialog(nullptr, choice);
    wx_test::DialogScripts scripts;
    scripts.Add([](wxDialog& shown) {
        auto& set = wx_test::Child<wxComboBox>(shown, CCaveatSetDlg::kSet);
        EXPECT_EQ(FromWx(set.GetValue()), "UpdatedLastWeek");
        set.SetValue("");
        wx_test::Click(wx_test::Child<wxButton>(shown, wxID_OK));
        EXPECT_TRUE(shown.IsModal());
        set.SetSelection(0);
        wx_test::Click(wx_test::Child<wxButton>(shown, wxID_OK));
    });
    ASSERT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_EQ(dialog.GetSetName(), "AddedLastWeek");
    EXPECT_EQ(user.GetDefaultCaveatSet(), "AddedLastWeek");
}

class ChangeDetailsDlgTest : public DocFixture {
protected:
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
};

TEST_F(ChangeDetailsDlgTest, RefusalsKeepTheDialogAndOkStoresTheDetails) {
    doc.AddMark(1, 'u', 4, 0, 0, CMark::kPermanentKeep);
    doc.SetValue(CExamInfo::kAutoWordMark, "NOVA");
    scripts.Add([](wxDialog& shown) {
        EXPECT_EQ(
            FromWx(wx_test::Child<wxStaticText>(shown, CChangeDetailsDlg::kWordMark).GetLabel()),
            "NOVA");
        wx_test::Child<wxTextCtrl>(shown, CChangeDetailsDlg::kClient).SetValue("  ");
        wx_test::Click(wx_test::Child<wxButton>(shown, wxID_OK));
        wx_test::Child<wxTextCtrl>(shown, CChangeDetailsDlg::kClient).SetValue(" Acme ");
        wx_test::Child<wxTextCtrl>(shown, CChangeDetailsDlg::kSections).SetValue("4");
        wx_test::Click(wx_test::Child<wxButton>(shown, wxID_OK));
        wx_test::Child<wxTextCtrl>(shown, CChangeDetailsDlg::kSections).SetValue("6");
        wx_test::Child<wxCheckBox>(shown, CChangeDetailsDlg::kOneClassOnly).SetValue(true);
        wx_test::Click(wx_test::Child<wxButton>(shown, wxID_OK));
    });
    EXPECT_TRUE(RunChangeDetails(nullptr, doc, true));
    EXPECT_EQ(messages.Texts(), (Texts{"|U214 You must specify a Client name.",
                                       "|U202 Number of sections must be between 5 and 99"}));
    EXPECT_EQ(doc.GetClient(), "Acme");
    EXPECT_EQ(doc.GetSectionCount(), 6);
    EXPECT_EQ(doc.IsOneClassOnly(), 1);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ChangeDetailsDlgTest, AWatchHasNoSectionsToChange) {
    doc.SetType(CExamInfo::kWatch);
    scripts.Add([](wxDialog& shown) {
        EXPECT_FALSE(wx_test::Child<wxWindow>(shown, CChangeDetailsDlg::kSectionsLabel).IsShown());
        wx_test::Child<wxTextCtrl>(shown, CChangeDetailsDlg::kSections).SetValue("0");
        wx_test::Click(wx_test::Child<wxButton>(shown, wxID_OK));
    });
    EXPECT_TRUE(RunChangeDetails(nullptr, doc, false));
    EXPECT_TRUE(messages.Texts().empty());
}

// The buttons of the box from left to right ("No|Cancel|Yes"); each must be as wide as it needs
// and no wider, the last at the right, as the desktop has them.
std::string ButtonsOf(wxDialog& box) {
    std::vector<wxButton*> buttons;
    for (wxWindow* child : box.GetChildren())
        if (auto* button = dynamic_cast<wxButton*>(child))
            buttons.push_back(button);
    std::sort(buttons.begin(), buttons.end(),
              [](wxButton* a, wxButton* b) { return a->GetPosition().x < b->GetPosition().x; });
    std::string labels;
    for (wxButton* button : buttons) {
        const std::string label = FromWx(wxControl::RemoveMnemonics(button->GetLabel()));
        labels += (labels.empty() ? "" : "|") + label;
        EXPECT_EQ(button->GetSize().x, button->GetBestSize().x) << label;
    }
    if (!buttons.empty()) {
        EXPECT_GT(buttons.back()->GetRect().GetRight(), box.GetClientSize().x * 3 / 4);
    }
    return labels;
}

TEST(MessageBoxWindow, ShowsTitleTextAndButtonsWholeAndAnswersTheButtonClickedOrTheKey) {
    using platform::MessageAnswer;
    using platform::MessageButtons;
    const std::string save = "Save the changes to Sample.zre?";
    const struct {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        bool secondIsDefault;
        std::string shownButtons;
        int clicked;
        int key;
        MessageAnswer answer;
    } rows[] = {
        {save, "", MessageButtons::YesNoCancel, false, "No|Cancel|Yes", wxID_NO, 0,
         MessageAnswer::No},
        {save, "", MessageButtons::YesNoCancel, false, "No|Cancel|Yes", 0, WXK_ESCAPE,
         MessageAnswer::Cancel},
        {save, "", MessageButtons::YesNoCancel, false, "No|Cancel|Yes", 0, WXK_RETURN,
         MessageAnswer::Yes},
        {"Are you sure you want to delete this search?", "", MessageButtons::YesNo, true, "No|Yes",
         0, WXK_RETURN, MessageAnswer::No},
        // A short text under a longer title.
        {"Done.", "RO Vedaridarevu Login", MessageButtons::Ok, false, "OK", wxID_OK, 0,
         MessageAnswer::Ok},
        // A path wider than a line, broken into lines.
        {"W305 Cannot open: /home/examiner/Clearance searches of the year 2024/Trade marks of "
         "ACME Holdings/ACME-clearance-search.zre due to: Permission denied",
         "", MessageButtons::OkCancel, false, "Cancel|OK", wxID_CANCEL, 0, MessageAnswer::Cancel},
    };
    // The boxes open over the window the user works in, not the first one.
    const wxWindowPtr<wxFrame> main(new wxFrame(nullptr, wxID_ANY, "Main"));
    const wxWindowPtr<wxFrame> inUse(new wxFrame(nullptr, wxID_ANY, "Details"));
    main->Show();
    inUse->Show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text + " " + std::to_string(row.key));
        ASSERT_TRUE(wx_test::BringToFront(*inUse));
        wx_test::DialogScripts scripts;
        scripts.Add([&](wxDialog& box) {
            ASSERT_TRUE(wx_test::PumpUntil([&box] { return box.IsShownOnScreen(); }));
            EXPECT_EQ(box.GetParent(), inUse.get());
            EXPECT_EQ(wx_test::LayoutFaults(box), Texts{});
            EXPECT_EQ(ButtonsOf(box), row.shownButtons);
            EXPECT_TRUE(wx_test::EndsDialog(box, [&] {
                if (row.key == 0)
                    wx_test::Click(wx_test::Child<wxButton>(box, row.clicked));
                else
                    ASSERT_TRUE(wx_test::PressKey(box, row.key));
            }));
        });
        EXPECT_EQ(ShowWxMessageBox({row.text, row.caption, row.buttons,
                                    platform::MessageIcon::Question, row.secondIsDefault}),
                  row.answer);
        EXPECT_TRUE(scripts.AllUsed());
    }
}

} // namespace
