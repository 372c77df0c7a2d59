// The database selection panel over the service's engines: rows of groups and databases, which
// databases may be chosen, special rows, colours, scrolling, tabs and the engines chosen.

#include "engines/selection/DbSelectionPanel.h"

#include "ConnectedFixture.h"

using Kind = CDbSelectionSlot::Kind;

namespace {

enum Group { kTraining, kUk, kIe, kDe, kUs, kCa, kAu, kEm, kGlobal };

std::time_t LocalNoon(int year, int month, int day) {
    std::tm noon{};
    noon.tm_year = year - 1900;
    noon.tm_mon = month - 1;
    noon.tm_mday = day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    return std::mktime(&noon);
}

class DbSelectionPanelTest : public ConnectedFixture {
protected:
    void Init(const std::string& used = "", const std::string& fixed = "") {
        panel_.SetControls({13, true, true, true});
        panel_.SetMakerSite({"http://127.0.0.1:8080", "127.0.0.1"});
        panel_.Init(document_.GetDbSelection(), used, fixed);
    }
    // Ticks the group's row, found among the visible slots.
    void SelectGroup(const std::string& name) {
        const auto slots = panel_.GetSlots();
        for (std::size_t n = 0; n < slots.size(); ++n)
            if (slots[n].kind == Kind::Group && slots[n].text == name) {
                panel_.OnCheckClicked(static_cast<int>(n), true);
                return;
            }
        FAIL() << "no visible group " << name;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const CDbSelectionSlot& slot : panel_.GetSlots())
            texts.push_back(slot.kind == Kind::Hidden ? "-" : slot.text);
        return texts;
    }
    void AddWebGroup() {
        document_.Catalogue().AddGroup(
            {"WT", "Webtown", false, true, false, {{"WT", 'w', "Webtown marks", "", true}}});
    }

    CDbSelectionPanel panel_{table_, repository_};
};

TEST_F(DbSelectionPanelTest, AGroupShowsItsDatabasesOnlyWhenTicked) {
    Init();
    EXPECT_EQ(panel_.GetRowCount(), 9);
    EXPECT_FALSE(panel_.NeedsScrollBar());
    auto slots = panel_.GetSlots();
    EXPECT_EQ(slots[kUk].kind, Kind::Group);
    EXPECT_EQ(slots[kUk].text, "United Kingdom");
    EXPECT_FALSE(slots[kUk].checked);
    EXPECT_EQ(slots[9].kind, Kind::Hidden);

    CZrDbEngineSet engines;
    EXPECT_EQ(panel_.GetSelectedEngines(engines), "");
    SelectGroup("United Kingdom");
    slots = panel_.GetSlots();
    EXPECT_TRUE(slots[kUk].checked);
    EXPECT_EQ(slots[2].text, "UK (includes GB Madrid) to 3 Mar 2017 (Web)");
    EXPECT_TRUE(slots[2].checked);
    EXPECT_EQ(slots[3].text, "IR - EM to 3 Mar 2017 (Web)");
    EXPECT_EQ(slots[6].text, "EUTM to 3 Mar 2017 (Lan)");
    EXPECT_EQ(slots[8].text, "Community Designs to 3 Mar 2017 (Web)");
    EXPECT_FALSE(slots[8].checked);
    EXPECT_EQ(panel_.GetRowCount(), 16);
    EXPECT_TRUE(panel_.NeedsScrollBar());

    EXPECT_EQ(panel_.GetSelectedEngines(engines), "aciu");
    CZrDbEngine engine('x');
    std::string restriction;
    ASSERT_TRUE(engines.GetEngine('i', engine, restriction));
    EXPECT_EQ(restriction, "EM,GB,!GB");
    EXPECT_TRUE(*engines.FindEngine('c') == repository_.GetEngines('c')[0]);

    panel_.OnCheckClicked(2, false); // the UK database itself
    EXPECT_EQ(panel_.GetSelectedEngines(engines), "aci");
    panel_.OnCheckClicked(kUk, false);
    EXPECT_EQ(panel_.GetRowCount(), 9);
}

TEST_F(DbSelectionPanelTest, DatabasesWithoutEnginesAndUnservedMadridEntriesAreLeftOut) {
    Connect(CServiceSettings::RemoteAndLocal() + "IgnoreRemoteEngines=d\n");
    Init();
    SelectGroup("Global");
    SelectGroup("Germany");
    SelectGroup("Free training databases");
    const auto slots = panel_.GetSlots();
    // Training: the help link before the first database; neither has an engine.
    EXPECT_EQ(slots[1].kind, Kind::Training);
    EXPECT_EQ(slots[1].linkText, "(Click for Training help)");
    EXPECT_EQ(slots[1].linkUrl, "http://127.0.0.1:8080/Training/ZrTraining.htm");
    // With engine variants about, a database without engine shows an empty location.
    EXPECT_EQ(slots[2].text, "Old UK ()");
    EXPECT_FALSE(slots[2].enabled);
    EXPECT_FALSE(slots[2].checked);
    // Germany without its engine: the database and its Madrid entry are off.
    EXPECT_EQ(slots[7].text, "DE (excludes DE Madrid) ()");
    EXPECT_FALSE(slots[7].enabled);
    EXPECT_EQ(slots[8].kind, Kind::DataCredit);
    EXPECT_EQ(slots[9].text, "IR - DE to 3 Mar 2017 (Web)");
    EXPECT_FALSE(slots[9].enabled);
    EXPECT_EQ(slots[10].text, "IR - EM to 3 Mar 2017 (Web)");
    EXPECT_TRUE(slots[10].enabled);
    EXPECT_TRUE(slots[10].checked);
    panel_.OnVScroll(CDbSelectionPanel::ScrollCode::Bottom);
    // Global's entry has no filter, and the service names the IR engine "I": it is off.
    const std::vector<std::string> texts = Texts();
    const auto ir = std::find(texts.begin(), texts.end(), "IR to 3 Mar 2017 (Web)");
    ASSERT_NE(ir, texts.end());
    EXPECT_FALSE(panel_.GetSlots()[static_cast<std::size_t>(ir - texts.begin())].enabled);
    CZrDbEngineSet engines;
    EXPECT_EQ(panel_.GetSelectedEngines(engines).find('d'), std::string::npos);
}

TEST_F(DbSelectionPanelTest, OldDataIsOrangeAndTrainingRowsGreen) {
    Init();
    SelectGroup("United Kingdom");
    // The UK engine's data runs to 3 Mar 2017.
    EXPECT_EQ(panel_.GetRowColour(2, LocalNoon(2018, 3, 3)), 0u);
    EXPECT_EQ(panel_.GetRowColour(2, LocalNoon(2018, 3, 4)), CDbSelectionPanel::kOldDataColour);
    EXPECT_EQ(panel_.GetRowColour(kUk, LocalNoon(2018, 3, 4)), 0u);
    EXPECT_EQ(panel_.GetRowColour(kTraining, LocalNoon(2018, 3, 4)),
              CDbSelectionPanel::kTrainingColour);
    SelectGroup("Free training databases");
    EXPECT_EQ(panel_.GetRowColour(2, LocalNoon(2030, 1, 1)), CDbSelectionPanel::kTrainingColour);
}

TEST_F(DbSelectionPanelTest, ScrollingAndTheWheelKeepTheRowsInRange) {
    Init();
    for (const char* group : {"United Kingdom", "Ireland"})
        SelectGroup(group);
    const int last = panel_.GetRowCount() - 13;
    ASSERT_GT(last, 3);
    panel_.OnVScroll(CDbSelectionPanel::ScrollCode::Bottom);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), last);
    panel_.OnVScroll(CDbSelectionPanel::ScrollCode::LineDown);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), last);
    panel_.OnMouseWheel(false, 60);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), last);
    panel_.OnMouseWheel(false, 60);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), last - 3);
    panel_.OnMouseWheel(true, 240);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), last - 3);
    panel_.OnMouseWheel(false, -1200);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), last);
    panel_.OnVScroll(CDbSelectionPanel::ScrollCode::PageUp);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), 0);
    panel_.OnVScroll(CDbSelectionPanel::ScrollCode::ThumbTrack, 2);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), 2);
    // Leaving a group out brings the rows back into range.
    panel_.OnVScroll(CDbSelectionPanel::ScrollCode::Top);
    panel_.OnCheckClicked(kUk, false);
    panel_.OnVScroll(CDbSelectionPanel::ScrollCode::Bottom);
    EXPECT_EQ(panel_.GetFirstVisibleRow(), panel_.GetRowCount() - 13);
}

TEST_F(DbSelectionPanelTest, DirectDatabasesHaveTheirOwnTabAndANoticeToConfirm) {
    AddWebGroup();
    Init();
    EXPECT_EQ(panel_.GetTabs(),
              (std::vector<std::string>{"Velorin Databases", "Patent Office Direct Databases"}));
    EXPECT_EQ(panel_.GetTabColour(1), 0u);
    panel_.OnTabChange(1);
    EXPECT_EQ(Texts()[0], "Webtown");
    SelectGroup("Webtown");
    const auto slots = panel_.GetSlots();
    EXPECT_EQ(slots[1].text, "Webtown marks to 3 Mar 2017 (Web)");
    EXPECT_EQ(panel_.GetRowColour(1, LocalNoon(2030, 1, 1)), CDbSelectionPanel::kDirectColour);
    EXPECT_EQ(slots[2].kind, Kind::Notice);
    EXPECT_EQ(slots[2].text, "Please confirm that you have read these");
    EXPECT_EQ(slots[2].linkText, "important notices about WT Direct");
    EXPECT_EQ(slots[2].linkUrl, "http://127.0.0.1:8080/du2v/direct/WT.html");
    EXPECT_FALSE(slots[2].checked);
    EXPECT_EQ(panel_.GetTabColour(1), CDbSelectionPanel::kSelectedTabColour);
    EXPECT_EQ(panel_.GetTabColour(0), 0u);

    panel_.OnCheckClicked(2, true);
    panel_.OnCheckClicked(2, true);
    EXPECT_EQ(panel_.GetConfirmedCodes(), "w");
    EXPECT_TRUE(panel_.GetSlots()[2].checked);
    panel_.OnCheckClicked(2, false);
    EXPECT_EQ(panel_.GetConfirmedCodes(), "");
    panel_.OnTabChange(0);
    EXPECT_EQ(Texts()[0], "Free training databases");
}

TEST_F(DbSelectionPanelTest, WithoutWebRegistersThereIsOneTab) {
    CZrDbs builtInOnly;
    const CEngineRegisterTable table(builtInOnly);
    CDbSelectionPanel panel(table, repository_);
    EXPECT_EQ(panel.GetTabs(), std::vector<std::string>{"Velorin Databases"});
}

} // namespace
