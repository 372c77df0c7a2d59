// Gathering the engine candidates of the databases over the wire, and the "Change Engines"
// dialog's logic over them.

#include "engines/EngineChoice.h"

#include "ConnectedFixture.h"

namespace {

class EngineChoiceTest : public ConnectedFixture {
protected:
    CDbEngineSelectionSet Build(const std::string& codes, const std::string& fixed = "") {
        CDbEngineSelectionSet set;
        set.Build(codes, fixed, table_, repository_);
        return set;
    }
    // The register uses its other engine from now on.
    void UseLocal(char code) {
        CZrDbEngineSet engines;
        for (char c : table_.GetDbCodes())
            engines.AddEngine(
                c == code ? repository_.GetEngines(code).back() : table_.GetDbEngine(c), "");
        table_.SetEngines(engines);
    }
};

TEST_F(EngineChoiceTest, CandidatesComeInDiscoveryOrderWithTheRegistersEngineChosen) {
    CDbEngineSelectionSet set = Build("ucsz");
    EXPECT_TRUE(set.HasVariants());
    EXPECT_TRUE(set.AnyMultipleEngines());
    EXPECT_EQ(set.Find('z'), nullptr);
    EXPECT_FALSE(set.HasEngines('z'));
    ASSERT_EQ(set.GetSelections().size(), 3u);

    const CDbEngineSelection* uk = set.Find('u');
    ASSERT_EQ(uk->GetCandidates().size(), 2u);
    EXPECT_EQ(uk->GetCandidates()[0].GetVariantLabel(), "Web");
    EXPECT_EQ(uk->GetCandidates()[1].GetVariantLabel(), "Lan(Office)");
    EXPECT_EQ(uk->GetChosenIndex(), 0);
    EXPECT_EQ(set.Find('s')->GetCandidates().size(), 1u);

    UseLocal('u');
    set = Build("u");
    EXPECT_EQ(set.Find('u')->GetChosenIndex(), 1);
    EXPECT_EQ(set.Find('u')->GetSelectedEngine()->GetVariantLabel(), "Lan(Office)");
}

TEST_F(EngineChoiceTest, AFixedDatabaseKeepsItsEngine) {
    const CDbEngineSelectionSet set = Build("uc", "u");
    ASSERT_EQ(set.Find('u')->GetCandidates().size(), 1u);
    EXPECT_TRUE(set.Find('u')->GetCandidates()[0] == table_.GetDbEngine('u'));
    EXPECT_EQ(set.Find('c')->GetCandidates().size(), 2u);
    const CEngineDlgHelper dialog(set, table_);
    ASSERT_EQ(dialog.GetRows().size(), 1u);
    EXPECT_EQ(dialog.GetRows()[0].dbCode, 'c');
}

TEST_F(EngineChoiceTest, ACurrentEngineMatchingNoCandidateExactlyChoosesTheFirst) {
    const CZrDbEngine local = repository_.GetEngines('u').back();
    CZrDbEngineSet engines;
    engines.AddEngine(CZrDbEngine('u', local.GetFlags(), local.GetDate(), "OFFICE",
                                  local.GetEngine().in(), local.GetSessionId()),
                      "");
    table_.SetEngines(engines);
    EXPECT_EQ(Build("u").Find('u')->GetChosenIndex(), 0);
}

TEST_F(EngineChoiceTest, ADatabaseWithoutRegisterEngineTakesThePreferredOne) {
    CZrDbEngineSet none;
    table_.SetEngines(none);
    settings_.User().SetPreferredEngine('u', "1 Feb 2017,office");
    EXPECT_EQ(Build("u").Find('u')->GetChosenIndex(), 1);
}

TEST_F(EngineChoiceTest, TheDialogShowsVariantsAndWritesTheChoiceBackOnOk) {
    CDbEngineSelectionSet set = Build(table_.GetDbCodes());
    CEngineDlgHelper dialog(set, table_);
    ASSERT_EQ(dialog.GetRows().size(), 3u); // UK, EUTM and the domain names
    EXPECT_FALSE(dialog.NeedsScrollBar());
    const CEngineDlgHelper::Row& uk = dialog.GetRows()[0];
    EXPECT_EQ(uk.label, "&UK");
    EXPECT_EQ(uk.tooltip, "United Kingdom Trade Marks");
    EXPECT_EQ(uk.entries,
              (std::vector<std::string>{"Web to 3 Mar 2017", "Lan(Office) to 1 Feb 2017"}));
    EXPECT_EQ(dialog.GetRows()[1].label, "EU&TM");
    EXPECT_EQ(dialog.GetRows()[1].chosenIndex, 0); // the local copy came first

    dialog.Pick(0, 1);
    dialog.Pick(2, -1);
    dialog.Pick(9, 0);                             // no such list
    EXPECT_EQ(set.Find('u')->GetChosenIndex(), 0); // nothing changes before OK
    dialog.Apply(set);
    EXPECT_EQ(set.Find('u')->GetChosenIndex(), 1);
    EXPECT_EQ(set.Find('k')->GetChosenIndex(), -1);
    EXPECT_EQ(set.Find('k')->GetSelectedEngine()->GetVariantLabel(), "Web");
}

TEST(EngineDlgHelper, LabelsCarryTheirMnemonics) {
    const std::pair<const char*, const char*> labels[] = {
        {"RW", "&RW"},  {"UK", "&UK"},  {"EUTM", "EU&TM"},
        {"US", "U&S"},  {"usa", "U&S"}, {"UKDOM", "UK D&omains"},
        {"DE", "&DE"},  {"IR", "&IR"},  {"IE", "I&E"},
        {"RCD", "RCD"}, {"PL", "PL"},   {"UKD", "UKD"}};
    for (const auto& [name, label] : labels)
        EXPECT_EQ(CEngineDlgHelper::MakeLabel(name), label) << name;
    EXPECT_EQ(CEngineDlgHelper::MakeEntry(CZrDbEngine('u')), "");
}

} // namespace
