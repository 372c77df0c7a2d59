#include "core/Macros.h"

#include "tests/core/SettingsFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

class Macros : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        home_.Folder().Write("velorin/ZrMacros.ini",
                             "[Class]\nabc=1-3\nboth=system\nsysonly=9\nxfood=29-33\n");
        home_.Folder().Write("velorin/jsmith/ZrMacros.ini",
                             "[Class]\nboth=user\nemptied=\nquoted=\"4, 5\"\n");
    }
    std::string Expanded(const std::string& text, bool expectKnown = true) {
        std::string out = "stale";
        EXPECT_EQ(CMacros(options_).Expand("Class", text, " ,", out), expectKnown) << text;
        return out;
    }
    void LoadAs(const std::string& userId) {
        ASSERT_EQ(system_.SetUser("ACME", userId, "pw"), 0);
        options_.Load(system_);
    }

    CUserOptions options_;
};

} // namespace

TEST_F(Macros, KeywordsExpandWithDelimitersKeptAndBlanksBetweenWords) {
    LoadAs("jsmith");
    EXPECT_EQ(Expanded(".abc, 5"), "1-3,5");
    EXPECT_EQ(Expanded(".abc .sysonly"), "1-3 9");
    EXPECT_EQ(Expanded("  7 ,  .abc  8 "), "7,1-3 8");
    EXPECT_EQ(Expanded(""), "");
    EXPECT_EQ(Expanded("\"\" 4"), " 4") << "a quoted empty value does not end the text";
}

TEST_F(Macros, UserDefinitionsWinEvenWhenEmpty) {
    LoadAs("jsmith");
    EXPECT_EQ(Expanded(".both"), "user");
    EXPECT_EQ(Expanded("1,.emptied,2"), "1,,2");
    EXPECT_EQ(Expanded(".BOTH"), "user") << "keywords are found without regard to case";
    EXPECT_EQ(Expanded(".quoted"), "4, 5") << "the file's enclosing quotes are not part of it";
    EXPECT_EQ(options_.GetMacroClassDefinition("food"), "29-33");
    EXPECT_EQ(options_.GetMacroClassDefinition("drink"), "");
}

TEST_F(Macros, UnknownKeywordsStayAsTyped) {
    LoadAs("jsmith");
    EXPECT_EQ(Expanded(".abc,.nothing,. ,3", false), "1-3,.nothing,.,3");
    options_.SetMacroPrefix('#');
    EXPECT_EQ(Expanded("#abc .abc"), "1-3 .abc");
}

TEST_F(Macros, SectionsOfTheTwoFilesAreReadAndTheUserFileWritten) {
    LoadAs("jsmith");
    CIniPairs pairs;
    options_.ReadMacroSection("Class", true, pairs);
    EXPECT_EQ(pairs.size(), 4u);
    options_.ReadMacroSection("Class", false, pairs);
    EXPECT_EQ(pairs, (CIniPairs{{"both", "user"}, {"emptied", ""}, {"quoted", "4, 5"}}));

    EXPECT_TRUE(options_.WriteMacroSection("Class", {{"new", "12"}}, {"both", "emptied"}));
    EXPECT_EQ(Expanded(".both .new"), "system 12");
    EXPECT_EQ(home_.Folder().Read("velorin/ZrMacros.ini"),
              "[Class]\nabc=1-3\nboth=system\nsysonly=9\nxfood=29-33\n");
}

TEST_F(Macros, TheSystemManagerEditsTheSharedFile) {
    LoadAs("sysman");
    EXPECT_EQ(Expanded(".both"), "system");
    CIniPairs pairs{{"stale", ""}};
    options_.ReadMacroSection("Class", true, pairs);
    EXPECT_TRUE(pairs.empty());
    EXPECT_TRUE(options_.WriteMacroSection("Class", {{"shared", "45"}}, {}));
    EXPECT_EQ(CIniFile(Home() + "/ZrMacros.ini").GetString("Class", "shared", ""), "45");
}

TEST(MacroEntry, DefinitionsAndChanges) {
    CMacroEntry entry("Food");
    EXPECT_FALSE(entry.IsDefined());
    std::string name, definition = "untouched", user = "untouched";
    bool isSystem = true, dropped = false;
    entry.GetDefinition(name, definition, isSystem);
    EXPECT_EQ(name, "Food");
    EXPECT_EQ(definition, "untouched");
    EXPECT_FALSE(entry.GetChange(name, user, dropped));

    entry.SetSystemDefinition("29-33");
    EXPECT_FALSE(entry.GetChange(name, user, dropped)) << "system definitions are no change";
    entry.GetDefinition(name, definition, isSystem);
    EXPECT_EQ(definition, "29-33");
    EXPECT_TRUE(isSystem);

    entry.SetUserDefinition("29");
    entry.GetDefinition(name, definition, isSystem);
    EXPECT_EQ(definition, "29");
    EXPECT_FALSE(isSystem);
    EXPECT_TRUE(entry.GetChange(name, user, dropped));
    EXPECT_EQ(user, "29");
    EXPECT_FALSE(dropped);

    EXPECT_TRUE(entry.RemoveUserDefinition());
    EXPECT_TRUE(entry.GetChange(name, user, dropped));
    EXPECT_TRUE(dropped);
    entry.ClearChanged();
    EXPECT_FALSE(entry.GetChange(name, user, dropped));

    CMacroEntry userOnly("mine");
    userOnly.SetUserDefinition("1");
    EXPECT_FALSE(userOnly.RemoveUserDefinition());
    EXPECT_FALSE(userOnly.IsDefined());
}

TEST(MacroEntry, OrderIgnoresCase) {
    std::vector<CMacroEntry> entries{CMacroEntry("beta"), CMacroEntry("Alpha"), CMacroEntry("_x"),
                                     CMacroEntry("GAMMA")};
    std::sort(entries.begin(), entries.end());
    std::vector<std::string> names;
    for (const CMacroEntry& entry : entries) {
        std::string name, definition;
        bool isSystem = false;
        entry.GetDefinition(name, definition, isSystem);
        names.push_back(name);
    }
    // Folded to lower case, "_" (0x5F) sorts before the letters.
    EXPECT_EQ(names, (std::vector<std::string>{"_x", "Alpha", "beta", "GAMMA"}));
}
