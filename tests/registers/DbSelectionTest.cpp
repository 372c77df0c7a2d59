#include "registers/DbSelection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

using ::testing::ElementsAre;

namespace {

const CDbGroup& Group(const CDbSelection& selection, const std::string& code) {
    for (const CDbGroup& group : selection.GetGroups())
        if (group.code == code)
            return group;
    throw std::runtime_error("no group " + code);
}

std::vector<bool> DbFlags(const CDbGroup& group) {
    std::vector<bool> flags;
    for (const CDbEntry& db : group.databases)
        flags.push_back(db.selected);
    return flags;
}

TEST(DbSelection, BuiltInCatalogue) {
    const CDbSelection selection;
    EXPECT_EQ(selection.GetGroups().size(), 9u);
    EXPECT_EQ(selection.GetSelectionString().rfind("NTR YTR-UK YTR-RW NUK YUK-UK YUK-IN", 0), 0u);
    EXPECT_EQ(selection.GetSelectionString().substr(selection.GetSelectionString().size() - 17),
              "NGL YGL-IN YGL-RW");
    const CDbGroup& uk = Group(selection, "UK");
    EXPECT_THAT(DbFlags(uk), ElementsAre(true, true, true, true, true, true, false));
    EXPECT_EQ(uk.databases[3].displayName, "IRp - GB");
    EXPECT_EQ(uk.databases[3].filter, "!GB");
    EXPECT_TRUE(Group(selection, "TR").training);
    EXPECT_TRUE(selection.GetSelection().empty());
    EXPECT_EQ(selection, CDbSelection());
}

TEST(DbSelection, TextNamesOnlyWhatItSays) {
    CDbSelection selection;
    selection.SelectAllGroups(true);
    selection.SetSelectionString("YUK-CD");
    EXPECT_FALSE(Group(selection, "UK").selected);
    EXPECT_TRUE(Group(selection, "UK").databases[6].selected);
    EXPECT_FALSE(selection.IsSelected("UK", "CD"));

    selection.SetSelectionString("yUK junk NUK-UK YXX YXX-IN");
    EXPECT_TRUE(selection.IsSelected("UK", ""));
    EXPECT_FALSE(selection.IsSelected("UK", "UK"));
    EXPECT_TRUE(selection.IsSelected("UK", "CD"));
}

TEST(DbSelection, DatabasesSharingAnIdSurviveARoundTrip) {
    CDbSelection selection;
    selection.SetSelectionString("YUK NUK-IN YUK-IN NUK-IN");
    EXPECT_THAT(DbFlags(Group(selection, "UK")),
                ElementsAre(true, false, true, false, true, true, false));
    EXPECT_EQ(selection.GetSelection().at('i'), "GB");

    CDbSelection copy;
    copy.SetSelectionString(selection.GetSelectionString());
    EXPECT_EQ(copy, selection);
    EXPECT_EQ(copy.GetSelectionString(), selection.GetSelectionString());
}

TEST(DbSelection, SelectionOfRegistersAndFilters) {
    CDbSelection selection;
    selection.SetSelected("UK", "", true);
    EXPECT_EQ(selection.GetSelection(),
              (std::map<char, std::string>{
                  {'a', ""}, {'c', ""}, {'i', "EM,GB,!GB"}, {'u', "BaseMadrid"}}));
    EXPECT_EQ(selection.GetSelectedCodes(), "aciu");

    // A database of the register without a filter lifts the restriction.
    selection.SetSelected("GL", "", true);
    EXPECT_EQ(selection.GetSelection().at('i'), "");
    // Repeated filters are not added twice.
    selection.SetSelected("GL", "", false);
    selection.SetSelected("EM", "", true);
    EXPECT_EQ(selection.GetSelection().at('i'), "EM,GB,!GB");

    EXPECT_TRUE(selection.IsDbIdSelected('i'));
    selection.SelectDb('i', false);
    EXPECT_FALSE(selection.IsDbIdSelected('i'));
    EXPECT_FALSE(selection.IsDbIdSelected('o'));
    EXPECT_TRUE(selection.CollectSelection(false, true).empty());

    CDbGroup web{"W1", "Web", false, true, true, {{"X", 'w', "Web register", "", true}}};
    selection.AddGroup(web);
    EXPECT_EQ(selection.CollectSelection(false, true), (std::map<char, std::string>{{'w', ""}}));
    EXPECT_EQ(selection.CollectSelection(true, false).count('w'), 0u);
    selection.SelectGroupDbs(web, false);
    EXPECT_FALSE(selection.IsDbIdSelected('w'));
    EXPECT_FALSE(selection.SetSelected("ZZ", "", true));
}

TEST(DbSelection, FromRegisterCodes) {
    CDbSelection selection;
    selection.SelectFromDbCodes("uitnd");
    EXPECT_TRUE(selection.IsSelected("UK", "UK"));
    EXPECT_TRUE(selection.IsSelected("UK", "IN"));
    EXPECT_FALSE(selection.IsSelected("UK", "CM"));
    // Ids outside the map are never selected: the CA and AU databases, "IND".
    EXPECT_FALSE(Group(selection, "CA").databases[0].selected);
    EXPECT_FALSE(Group(selection, "AU").databases[0].selected);
    EXPECT_FALSE(Group(selection, "DE").databases[1].selected);
    EXPECT_TRUE(Group(selection, "DE").databases[0].selected);
    // The training "UK" database is the Old UK register's, not the UK register's.
    EXPECT_FALSE(Group(selection, "TR").selected);
    EXPECT_EQ(selection.GetSelectedCodes(), "diu");
}

TEST(DbSelection, MergeKeepsEachDatabase) {
    CDbSelection ours;
    ours.SetSelectionString("YUK YUK-UK NUK-IN NUK-IN NUK-IN NUK-CM NUK-RW NUK-CD");
    CDbSelection theirs;
    theirs.SetSelectionString("YUK NUK-UK NUK-IN YUK-IN NUK-IN NUK-CM NUK-RW NUK-CD "
                              "YIE YIE-IE NIE-IN NIE-IN NIE-CM NIE-RW NIE-CD");
    ours.Merge(theirs);
    EXPECT_THAT(DbFlags(Group(ours, "UK")),
                ElementsAre(true, false, true, false, false, false, false));
    // A group newly selected starts from none of its databases.
    EXPECT_THAT(DbFlags(Group(ours, "IE")), ElementsAre(true, false, false, false, false, false));
    EXPECT_TRUE(Group(ours, "IE").selected);
}

TEST(DbSelection, CodeListHelpers) {
    bool anyTraining = true;
    EXPECT_TRUE(CheckTrainingMix("", anyTraining));
    EXPECT_FALSE(anyTraining);
    EXPECT_FALSE(CheckTrainingMix("0u", anyTraining));
    EXPECT_TRUE(anyTraining);
    EXPECT_TRUE(CheckTrainingMix("01", anyTraining));
    EXPECT_TRUE(anyTraining);
    EXPECT_TRUE(CheckTrainingMix("uc", anyTraining));
    EXPECT_FALSE(anyTraining);

    EXPECT_TRUE(IsInCommaList("", "GB"));
    EXPECT_TRUE(IsInCommaList("EM,GB", "GB"));
    EXPECT_FALSE(IsInCommaList("EM,!GB", "GB"));
    EXPECT_THAT(SplitCommaList(",EM,,GB,"), ElementsAre("EM", "GB"));
    EXPECT_TRUE(SplitCommaList("").empty());
}

} // namespace
