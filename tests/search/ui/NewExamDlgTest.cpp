// The new-examination wizard's window over the local service, walked through its widgets: to
// Finish on the Standard page, and through the automatic design to Finish on the Terms page.

#include "search/ui/NewExamDlg.h"

#include "DbSelectionRows.h"
#include "WxTestSupport.h"
#include "core/GenTerm.h"
#include "core/ui/WxText.h"
#include "platform/OpenUrl.h"
#include "search/CorbaStringFinder.h"
#include "search/NewExamModel.h"
#include "search/ui/NewExamPageWindows.h"
#include "tests/engines/ConnectedFixture.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

namespace {

constexpr unsigned kCallTimeoutMs = 5000;
const CMakerSite kMakerSite{"http://127.0.0.1:8080", "127.0.0.1"};

class NewExamDlgTest : public ConnectedFixture {
protected:
    // The wizard's script, then those of the dialogs it opens.
    bool Run(const std::function<void(wxWizard&)>& script,
             const std::vector<wx_test::DialogScripts::Script>& opened = {}) {
        CNewExamDlg dialog(nullptr, wizard_,
                           {{table_, repository_, settings_.User(), settings_.System(), kMakerSite},
                            zrDbs_.GetDbSelection(),
                            [this](int context) { helpShown_.push_back(context); },
                            [this](const std::string& address) {
                                opened_.push_back(address);
                                return platform::kOpenUrlOpened;
                            }});
        wx_test::DialogScripts scripts;
        scripts.Add([&script](wxDialog& shown) {
            script(static_cast<wxWizard&>(shown));
            // A script that failed half-way leaves the wizard open.
            if (shown.IsModal())
                shown.EndModal(wxID_CANCEL);
        });
        for (const wx_test::DialogScripts::Script& more : opened)
            scripts.Add(more);
        const bool finished = dialog.Run();
        EXPECT_TRUE(scripts.AllUsed());
        return finished;
    }
    static std::string Forward(wxWizard& wizard) {
        return FromWx(wizard.FindWindow(wxID_FORWARD)->GetLabel());
    }
    static void Spin(wxWizard& wizard, const wxEventTypeTag<wxSpinEvent>& direction) {
        auto& spin = wx_test::Child<wxSpinButton>(wizard, CStandardPageWindow::kSectionsSpin);
        wxSpinEvent event(direction, spin.GetId());
        event.SetEventObject(&spin);
        spin.GetEventHandler()->ProcessEvent(event);
    }
    template <class T>
    static T& Control(wxWizard& wizard, int id) {
        return wx_test::Child<T>(*wizard.GetCurrentPage(), id);
    }

    CNewExamModel wizard_{[](const CZrDbEngineSet& engines) {
        return std::make_unique<CEngineSetStringFinders>(engines, kCallTimeoutMs);
    }};
    std::vector<int> helpShown_;
    std::vector<std::string> opened_;
};

TEST_F(NewExamDlgTest, FinishOnTheStandardPageChecksTheSectionsAndTakesTheDatabases) {
    wx_test::RecordedMessages messages;
    ASSERT_TRUE(Run([&messages](wxWizard& wizard) {
        EXPECT_EQ(Forward(wizard), "OK") << "no automatic design: the wizard ends here";
        EXPECT_FALSE(wizard.FindWindow(wxID_BACKWARD)->IsEnabled());
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        EXPECT_EQ(messages.Texts().back(), "|U203 You must select at least one database");
        wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);

        auto& sections = Control<wxTextCtrl>(wizard, CStandardPageWindow::kSections);
        sections.SetValue("100");
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        EXPECT_EQ(messages.Texts().back(), "|U202 Number of sections must be between 1 and 99");
        EXPECT_TRUE(wizard.IsModal());
        Spin(wizard, wxEVT_SPIN_UP);
        EXPECT_EQ(sections.GetValue(), "99") << "the spin never leaves 1 to 99";
        sections.SetValue("1");
        Spin(wizard, wxEVT_SPIN_DOWN);
        EXPECT_EQ(sections.GetValue(), "1");
        Spin(wizard, wxEVT_SPIN_UP);
        Control<wxTextCtrl>(wizard, CStandardPageWindow::kClient).SetValue("Client Ltd");
        wx_test::Click(*wizard.FindWindow(wxID_HELP));
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
    }));
    EXPECT_EQ(messages.Texts().size(), 2u);
    EXPECT_EQ(helpShown_, std::vector<int>{0x20000 + CStandardPageWindow::kDialogId});
    const CNewExamination result = wizard_.GetResult();
    EXPECT_FALSE(result.autoDesign);
    EXPECT_EQ(result.sectionCount, 2);
    EXPECT_EQ(result.client, "Client Ltd");
    // The group's databases in their initial state, each with its engine.
    CDbSelection expected = zrDbs_.GetDbSelection();
    expected.SetSelected("UK", "", true);
    EXPECT_EQ(result.databaseCodes, expected.GetSelectedCodes());
    ASSERT_NE(result.engines.FindEngine('u'), nullptr);
    EXPECT_TRUE(*result.engines.FindEngine('u') == repository_.GetPreferredEngine('u'));
}

TEST_F(NewExamDlgTest, TheAutomaticDesignIsWalkedToFinishWithTheTermsAsEdited) {
    wx_test::RecordedMessages messages;
    std::string proposedExact;
    std::string proposedSubstring;
    ASSERT_TRUE(Run([&](wxWizard& wizard) {
        wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
        wx_test::Tick(Control<wxCheckBox>(wizard, CStandardPageWindow::kAutoDesign), true);
        EXPECT_EQ(Forward(wizard), "&Next >");
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        ASSERT_EQ(wizard.GetTitle(), "New Examination - Auto Design Criteria");

        Control<wxTextCtrl>(wizard, CAutoPageWindow::kPrimaryClasses).SetValue("9, 35-38");
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        EXPECT_EQ(messages.Texts().back(), "|No word mark entered");
        EXPECT_EQ(wizard.GetTitle(), "New Examination - Auto Design Criteria");
        Control<wxTextCtrl>(wizard, CAutoPageWindow::kWordMark).SetValue("Acme Star");
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        ASSERT_EQ(wizard.GetTitle(), "New Examination - Term Selection");
        EXPECT_EQ(Forward(wizard), "Finish");

        auto& exact = Control<wxTextCtrl>(wizard, CTermsPageWindow::kListIds[0]);
        proposedExact = FromWx(exact.GetValue());
        proposedSubstring =
            FromWx(Control<wxTextCtrl>(wizard, CTermsPageWindow::kListIds[1]).GetValue());
        exact.SetValue("red apple\nred pear\ngreen");
        wx_test::Click(*wizard.FindWindow(wxID_BACKWARD));
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        EXPECT_EQ(FromWx(exact.GetValue()), "red apple\nred pear\ngreen")
            << "the same word mark and databases keep the edits";
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
    }));
    CGenTerm generator;
    CEngineSetStringFinders finders(wizard_.GetResult().engines, kCallTimeoutMs);
    generator.SetTerm("Acme Star", finders);
    const auto lines = [](const std::vector<std::string>& terms) {
        std::string text;
        for (const std::string& term : terms)
            text += (text.empty() ? "" : "\r\n") + term;
        return text;
    };
    EXPECT_EQ(proposedExact, lines(generator.GetWords()));
    EXPECT_EQ(proposedSubstring, lines(generator.GetPatterns()));

    const CNewExamination result = wizard_.GetResult();
    EXPECT_TRUE(result.autoDesign);
    EXPECT_EQ(result.sectionCount, 4);
    EXPECT_EQ(result.autoWordMark, "Acme Star");
    EXPECT_EQ(result.autoPrimaryClasses, "9,35-38");
    EXPECT_EQ(wizard_.GetTerms().exact,
              (std::vector<std::string>{"red apple", "red pear", "green"}));
}

TEST_F(NewExamDlgTest, ThePanelScrollsChangesEnginesAndOpensADirectDatabasesNotices) {
    wx_test::RecordedMessages messages;
    ASSERT_TRUE(Run(
        [](wxWizard& wizard) {
            wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
            // The wheel moves the rows by the wheel's lines.
            auto& firstRow = wx_test::Child<wxCheckBox>(wizard, CDbSelectionPanelWnd::kCheckIds[0]);
            const wxString fourthRow =
                wx_test::Child<wxCheckBox>(wizard, CDbSelectionPanelWnd::kCheckIds[3]).GetLabel();
            wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
            wheel.m_wheelRotation = -120;
            wheel.m_wheelDelta = 120;
            firstRow.GetEventHandler()->ProcessEvent(wheel);
            EXPECT_EQ(firstRow.GetLabel(), fourthRow);

            ASSERT_NE(wx_test::FindDbSelectionRow(wizard, "EUTM to 3 Mar 2017 (Lan)"), nullptr);
            auto& changeEngines =
                wx_test::Child<wxButton>(wizard, CStandardPageWindow::kChangeEngines);
            EXPECT_TRUE(changeEngines.IsShown());
            wx_test::Click(changeEngines);
            EXPECT_NE(wx_test::FindDbSelectionRow(wizard, "EUTM to 3 Mar 2017 (Lan)"), nullptr)
                << "Cancel applied the choice";
            wx_test::Click(changeEngines);
            EXPECT_NE(wx_test::FindDbSelectionRow(wizard, "EUTM to 3 Mar 2017 (Web)"), nullptr);

            wx_test::ClickDbSelectionTab(wizard, 1);
            wx_test::SetDbSelectionRow(wizard, "Example region", true);
            wxCheckBox* direct =
                wx_test::FindDbSelectionRow(wizard, "Example web marks to 3 Mar 2017 (Web)");
            ASSERT_NE(direct, nullptr);
            EXPECT_EQ(direct->GetForegroundColour(), wxColour(0x96, 0x3D, 0x40));
            auto& notice =
                wx_test::Child<CHyperLink>(wizard, CDbSelectionPanelWnd::kFirstNoticeId + 2);
            EXPECT_EQ(FromWx(notice.GetLabel()), "important notices about WTM Direct");
            EXPECT_LE(notice.GetRect().GetRight(), notice.GetParent()->GetClientSize().x)
                << "the whole link shows";
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
            EXPECT_TRUE(wizard.IsModal()) << "the notices are not confirmed read";
            notice.Open();
            wx_test::SetDbSelectionRow(wizard, "Please confirm that you have read these", true);
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        },
        {[](wxDialog& engines) { wx_test::ChooseEngine(engines, "EU&TM", 1, wxID_CANCEL); },
         [](wxDialog& engines) { wx_test::ChooseEngine(engines, "EU&TM", 1); }}));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"|You must read and understand the important notices about "
                                       "WT Direct if you wish to use that database."});
    EXPECT_EQ(opened_, std::vector<std::string>{"http://127.0.0.1:8080/du2v/direct/WTM.html"});
    EXPECT_EQ(settings_.User().GetConfirmedDirectDbs(), "w");
    const CNewExamination result = wizard_.GetResult();
    for (const char code : std::string("ucw"))
        EXPECT_NE(result.databaseCodes.find(code), std::string::npos) << code;
    const CZrDbEngine* eutm = result.engines.FindEngine('c');
    ASSERT_NE(eutm, nullptr);
    EXPECT_EQ(eutm->GetLocationLabel(), "Web");
}

} // namespace
