// The small dialogs under the display: the about box's links, the caveat set, the warning
// before a very large search and Change Details over an examination.

#include "app/dialogs/ui/SmallDialogs.h"

#include "DocFixture.h"
#include "WxTestSupport.h"
#include "app/dialogs/ui/DocumentDialogs.h"
#include "core/UserOptions.h"
#include "core/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

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

} // namespace
