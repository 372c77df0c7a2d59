// The Options and Keywords sheets under the (virtual) display, over a user logged in to the
// local search service: what Cancel and OK leave in the settings files, and Escape on the open
// keyword list.

#include "WxTestSupport.h"
#include "app/options/OptionSheet.h"
#include "app/options/ui/OptionChoosers.h"
#include "app/options/ui/OptionSheetDlg.h"
#include "app/views/ui/SectionDialogs.h"
#include "core/ui/WxText.h"
#include "engines/selection/ui/DbSelectionPanelWnd.h"
#include "tests/engines/ConnectedFixture.h"

#include <fstream>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combo.h>
#include <wx/propdlg.h>
#include <wx/textctrl.h>

namespace {

using Texts = std::vector<std::string>;

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Fonts and folders chosen from a script.
class CScriptedChoosers : public IOptionChoosers {
public:
    bool ChooseFont(wxWindow*, CFontChoice& font) override {
        asked.push_back(font.face);
        font = {"DejaVu Sans Mono", 13};
        return true;
    }
    bool ChooseFolder(wxWindow*, const std::string& title, std::string& folder) override {
        asked.push_back(title + ":" + folder);
        folder = "/reports/watch";
        return true;
    }
    Texts asked;
};

class OptionSheetWindowsTest : public ConnectedFixture {
protected:
    COptionSheet OptionsSheet() {
        return MakeOptionsSheet(
            {settings_.User(), settings_.System(), table_, repository_, zrDbs_.GetDbSelection()});
    }
    bool Run(COptionSheet& sheet) {
        return RunOptionSheet(nullptr, sheet, choosers_, settings_.User(),
                              {[this](int hint) { hints_.push_back(hint); },
                               [this](const std::string& text, const std::string&) {
                                   infos_.push_back(text);
                                   return false;
                               }});
    }
    std::string UserFile() { return settings_.System().GetUserDir() + "/ZrUser.ini"; }
    template <class T>
    static T& Control(wxDialog& dialog, int id) {
        return wx_test::Child<T>(dialog, id);
    }
    // Pages are made when first shown.
    static void ShowPage(wxDialog& sheet, int page) {
        dynamic_cast<wxPropertySheetDialog&>(sheet).GetBookCtrl()->SetSelection(page);
    }

    CScriptedChoosers choosers_;
    std::vector<int> hints_;
    Texts infos_;
    wx_test::RecordedMessages messages_;
    wx_test::DialogScripts scripts_;
};

TEST_F(OptionSheetWindowsTest, CancelLeavesTheSettingsFilesAsTheyWere) {
    settings_.WriteUserSettings("[Exam]\nAgency=Acme\n[Search]\nDefaultStatus=lpr\n");
    const std::string before = ReadFile(UserFile());
    COptionSheet sheet = OptionsSheet();
    scripts_.Add([](wxDialog& dialog) {
        Control<wxTextCtrl>(dialog, 1095).SetValue("Other agency");
        // A database row ticked, the section names renamed in their own dialog.
        wxCheckBox& firstRow = Control<wxCheckBox>(dialog, CDbSelectionPanelWnd::kCheckIds[0]);
        firstRow.SetValue(!firstRow.GetValue());
        wx_test::Click(firstRow);
        wx_test::Click(Control<wxButton>(dialog, 1197));
        wx_test::Click(Control<wxButton>(dialog, wxID_CANCEL));
    });
    scripts_.Add([](wxDialog& names) {
        Control<wxTextCtrl>(names, CSectionNamesDlg::kFirstEditId).SetValue("Renamed");
        wx_test::Click(Control<wxButton>(names, wxID_OK));
    });
    EXPECT_FALSE(Run(sheet));
    EXPECT_EQ(scripts_.Opened(), (Texts{"Options for examiner", "Section Names"}));
    EXPECT_EQ(ReadFile(UserFile()), before);
    EXPECT_EQ(settings_.User().GetSectionName(0), "Section 1");
    EXPECT_EQ(settings_.User().GetAgency(), "Acme");
    EXPECT_TRUE(hints_.empty());
}

TEST_F(OptionSheetWindowsTest, OkRefusesANumberOutOfRangeThenSavesEveryPage) {
    COptionSheet sheet = OptionsSheet();
    scripts_.Add([](wxDialog& dialog) {
        ShowPage(dialog, 1);
        ShowPage(dialog, 2);
        wxTextCtrl& autoKeep = Control<wxTextCtrl>(dialog, 1094);
        autoKeep.SetValue("150");
        wx_test::Click(Control<wxButton>(dialog, wxID_OK));
        ASSERT_TRUE(dialog.IsModal());
        autoKeep.SetValue("5");
        Control<wxTextCtrl>(dialog, 1095).SetValue("Agency Two");
        wx_test::Click(Control<wxButton>(dialog, 1182)); // the screen word-mark font
        wx_test::Click(Control<wxButton>(dialog, wxID_OK));
    });
    EXPECT_TRUE(Run(sheet));
    EXPECT_EQ(messages_.Texts(), Texts{"|Please enter an integer between 0 and 99."});
    CUserOptions saved;
    saved.Load(settings_.System());
    EXPECT_EQ(saved.GetAutoKeep(), 5);
    EXPECT_EQ(saved.GetAgency(), "Agency Two");
    int size = 0;
    EXPECT_EQ(saved.GetDisplayWordmarkFont(size), "DejaVu Sans Mono");
    EXPECT_EQ(size, 13);
    EXPECT_EQ(hints_, std::vector<int>{2048});
    EXPECT_EQ(infos_, Texts{"These options will remain in effect for you until changed again"});
}

TEST_F(OptionSheetWindowsTest, TheWatchPageDisablesItsReportControlsFromTheStart) {
    settings_.WriteUserSettings("[Watch]\nSkipReview=0\nAutoReport=1\n");
    COptionSheet sheet = OptionsSheet();
    scripts_.Add([](wxDialog& dialog) {
        ShowPage(dialog, 7);
        EXPECT_FALSE(Control<wxWindow>(dialog, 1215).IsEnabled());
        EXPECT_FALSE(Control<wxWindow>(dialog, 1216).IsEnabled());
        EXPECT_FALSE(Control<wxWindow>(dialog, 1217).IsEnabled());
        wxCheckBox& skip = Control<wxCheckBox>(dialog, 1214);
        skip.SetValue(true);
        wxCommandEvent click(wxEVT_CHECKBOX, skip.GetId());
        click.SetEventObject(&skip);
        click.SetInt(1);
        skip.GetEventHandler()->ProcessEvent(click);
        EXPECT_TRUE(Control<wxWindow>(dialog, 1217).IsEnabled());
        wx_test::Click(Control<wxButton>(dialog, 1217));
        EXPECT_EQ(Control<wxTextCtrl>(dialog, 1102).GetValue(), "/reports/watch");
        wx_test::Click(Control<wxButton>(dialog, wxID_CANCEL));
    });
    EXPECT_FALSE(Run(sheet));
    EXPECT_EQ(choosers_.asked.size(), 1u);
}

// Escape while the keyword list is down closes the list; the sheet stays with the name typed.
TEST_F(OptionSheetWindowsTest, EscapeOnTheOpenKeywordListClosesOnlyTheList) {
    COptionSheet sheet = MakeKeywordsSheet(settings_.User(), settings_.System());
    scripts_.Add([](wxDialog& dialog) {
        ShowPage(dialog, 1);
        auto& list = dynamic_cast<wxComboCtrl&>(Control<wxWindow>(dialog, 1229));
        list.SetValue("pets");
        EXPECT_TRUE(wx_test::EscapeClosesItsList(list));
        ASSERT_TRUE(dialog.IsModal()) << "Escape closed the sheet";
        EXPECT_EQ(list.GetValue(), "pets");
        wx_test::Click(Control<wxButton>(dialog, wxID_CANCEL));
    });
    EXPECT_FALSE(Run(sheet));
}

TEST_F(OptionSheetWindowsTest, KeywordsRefuseDuplicateCharactersAndInvalidClassLists) {
    COptionSheet sheet = MakeKeywordsSheet(settings_.User(), settings_.System());
    scripts_.Add([](wxDialog& dialog) {
        Control<wxTextCtrl>(dialog, 1115).SetValue("."); // the keyword prefix's character
        Control<wxTextCtrl>(dialog, 1115).SetValue("~");
        ShowPage(dialog, 1);
        wxWindow& list = Control<wxWindow>(dialog, 1229);
        dynamic_cast<wxComboCtrl&>(list).SetValue("pets");
        wxButton& create = Control<wxButton>(dialog, 1227);
        EXPECT_TRUE(create.IsEnabled());
        wx_test::Click(create);
        wx_test::Click(Control<wxButton>(dialog, wxID_OK));
    });
    scripts_.Add([](wxDialog& edit) {
        EXPECT_EQ(FromWx(edit.GetTitle()), "Edit class keyword 'pets'");
        wxTextCtrl& value = Control<wxTextCtrl>(edit, 1104);
        value.SetValue("18, 31, 99, 5");
        wx_test::Click(Control<wxButton>(edit, wxID_OK));
        EXPECT_EQ(value.GetStringSelection(), " 99, 5");
        value.SetValue("31, 18, 19, 20");
        wx_test::Click(Control<wxButton>(edit, wxID_OK));
    });
    EXPECT_TRUE(Run(sheet));
    EXPECT_EQ(messages_.Texts(),
              (Texts{"|All special characters must be unique", "|Invalid class string"}));
    EXPECT_EQ(settings_.User().GetMatchAny(), '~');
    EXPECT_EQ(settings_.User().GetMacroClassDefinition("pets"), "");
    std::string definition;
    EXPECT_TRUE(settings_.User().GetMacroDefinition("Class", "pets", definition));
    EXPECT_EQ(definition, "18-20,31");
}

} // namespace
