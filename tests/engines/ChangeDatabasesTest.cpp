// The "Change Databases" dialog's logic over the service's engines: the checks made on OK and
// what OK hands on.

#include "engines/selection/ChangeDatabases.h"

#include "ConnectedFixture.h"
#include "PanelRows.h"

using Kind = CDbSelectionSlot::Kind;

namespace {

class ChangeDatabasesTest : public ConnectedFixture {
protected:
    CChangeDatabases& Open(bool fixUsedEngines = false) {
        dialog_ = std::make_unique<CChangeDatabases>(document_, table_, repository_,
                                                     settings_.User(), fixUsedEngines,
                                                     CDbSelectionControls{0, true, false, false});
        dialog_->Init();
        return *dialog_;
    }
    static void Tick(CChangeDatabases& dialog, const std::string& text) {
        ClickPanelRow(dialog.GetPanel(), text);
    }

    std::unique_ptr<CChangeDatabases> dialog_;
    CScriptedMessages messages_;
};

TEST_F(ChangeDatabasesTest, NothingChosenIsRefused) {
    CChangeDatabases& dialog = Open();
    EXPECT_FALSE(dialog.OnOK());
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{"U203 You must select at least one database"});
    EXPECT_EQ(dialog.FindProblem("0u"),
              "U212 You cannot mix training databases with live databases");
    EXPECT_EQ(dialog.FindProblem("01"), "");
}

TEST_F(ChangeDatabasesTest, DatabasesInUseMustStayChosen) {
    document_.AddSearchOfAll("ud");
    CChangeDatabases& dialog = Open();
    EXPECT_EQ(dialog.GetPanel().GetUsedCodes(), "ud");
    Tick(dialog, "Ireland");
    EXPECT_FALSE(dialog.OnOK());
    EXPECT_EQ(messages_.Texts().back(),
              "U211 You must select the UK and DE databases as you already have searches or "
              "kept marks from those databases.");
    Tick(dialog, "United Kingdom");
    EXPECT_FALSE(dialog.OnOK());
    EXPECT_EQ(messages_.Texts().back(),
              "U211 You must select the DE database as you already have searches or kept marks "
              "from that database.");
    EXPECT_EQ(dialog.BuildMissingUsedMessage("uds").substr(0, 45),
              "U211 You must select the UK, DE and US databa");
}

TEST_F(ChangeDatabasesTest, KeptMarksCountAsUseButUnkeptOnesDoNot) {
    const std::uint32_t ids[] = {16, 32};
    document_.Marks().AddRecords(ids, 'e', 0, 0, false, false);
    document_.Marks().AddRecords(ids, 'p', 0, 0, true, false);
    EXPECT_EQ(Open().GetPanel().GetUsedCodes(), "p");
}

TEST_F(ChangeDatabasesTest, ADirectDatabaseNeedsItsNoticesConfirmedBeforeOk) {
    document_.Catalogue().AddGroup(
        {"WT", "Webtown", false, true, false, {{"WT", 'w', "Webtown marks", "", true}}});
    CChangeDatabases& dialog = Open();
    dialog.GetPanel().OnTabChange(1);
    Tick(dialog, "Webtown");
    EXPECT_FALSE(dialog.OnOK());
    EXPECT_EQ(messages_.Texts().back(), "You must read and understand the important notices about "
                                        "WT Direct if you wish to use that database.");
    Tick(dialog, "Please confirm that you have read these");
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_EQ(settings_.User().GetConfirmedDirectDbs(), "w");
    // The registers now have exactly the chosen engines.
    EXPECT_EQ(table_.GetConnectedDatabaseCodes(), "w");
    EXPECT_TRUE(dialog.GetCatalogue().IsDbIdSelected('w'));
}

TEST_F(ChangeDatabasesTest, EnginesOfDatabasesInUseCanBeFixed) {
    document_.AddSearchOfAll("u");
    CChangeDatabases& dialog = Open(true);
    EXPECT_EQ(dialog.GetPanel().GetEngineSelections().Find('u')->GetCandidates().size(), 1u);
    ASSERT_TRUE(dialog.CanChangeEngines());
    CEngineDlgHelper engines = dialog.MakeEngineDialog();
    ASSERT_EQ(engines.GetRows().size(), 2u);
    EXPECT_EQ(engines.GetRows()[0].dbCode, 'c');
    Tick(dialog, "United Kingdom");
    const auto hasText = [&dialog](const std::string& text) {
        for (const CDbSelectionSlot& slot : dialog.GetPanel().GetSlots())
            if (slot.text == text)
                return true;
        return false;
    };
    EXPECT_TRUE(hasText("EUTM to 3 Mar 2017 (Lan)"));
    engines.Pick(0, 1);
    dialog.ApplyEngineChoice(engines);
    EXPECT_TRUE(hasText("EUTM to 3 Mar 2017 (Web)"));
    ASSERT_TRUE(dialog.OnOK());
    EXPECT_TRUE(table_.GetDbEngine('c') == repository_.GetEngines('c')[1]);
}

} // namespace
