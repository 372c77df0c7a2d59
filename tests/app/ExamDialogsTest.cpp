// The rules of the examination's small dialogs: Change Details, the caveat set and the engine
// choice of the database check.

#include "app/dialogs/ExamDialogs.h"

#include "DocFixture.h"
#include "core/UserOptions.h"
#include "engines/EngineChoice.h"

#include <gtest/gtest.h>

namespace {

class ChangeDetailsTest : public DocFixture {
protected:
    // The form of the document, with its section count set.
    CChangeDetailsForm Form(int sections) {
        CChangeDetailsForm form = MakeChangeDetailsForm(doc);
        form.details.sectionCount = sections;
        return form;
    }
    std::string Check(CChangeDetailsForm& form, bool requireClient = false) {
        return CheckChangeDetails(form, requireClient, focus);
    }

    EDetailsField focus = EDetailsField::None;
};

TEST_F(ChangeDetailsTest, TheFormShowsTheDetailsAndTheTargetMark) {
    doc.SetClient("Acme Ltd");
    doc.SetValue(CExamInfo::kAutoWordMark, "ZENITH");
    doc.SetValue(CExamInfo::kAutoPrimaryClasses, "9");
    const CChangeDetailsForm form = MakeChangeDetailsForm(doc);
    EXPECT_EQ(form.details.client, "Acme Ltd");
    EXPECT_EQ(form.wordMark, "ZENITH");
    EXPECT_EQ(form.primaryClasses, "9");
    EXPECT_EQ(form.lowestSections, 1);
}

TEST_F(ChangeDetailsTest, AClientOfBlanksIsNoClientWhenOneIsRequired) {
    CChangeDetailsForm form = Form(4);
    form.details.client = "   ";
    EXPECT_EQ(Check(form), "");
    EXPECT_EQ(form.details.client, "");
    form.details.client = " \t ";
    EXPECT_EQ(Check(form, true), "U214 You must specify a Client name.");
    EXPECT_EQ(focus, EDetailsField::Client);
    form.details.client = "  Acme ";
    EXPECT_EQ(Check(form, true), "");
    EXPECT_EQ(form.details.client, "Acme");
}

TEST_F(ChangeDetailsTest, SectionsInUseSetTheLowestCountButAWatchIsNeverChecked) {
    doc.AddMark(1, 'u', 4, 0, 0, CMark::kPermanentKeep); // five sections needed
    ASSERT_EQ(doc.GetNewSection(), 5);
    for (const auto& [count, message] :
         {std::pair{4, "U202 Number of sections must be between 5 and 99"},
          std::pair{100, "U202 Number of sections must be between 5 and 99"}, std::pair{5, ""},
          std::pair{99, ""}}) {
        CChangeDetailsForm form = Form(count);
        EXPECT_EQ(Check(form), message) << count;
        EXPECT_EQ(focus, *message ? EDetailsField::Sections : EDetailsField::None);
    }
    doc.SetType(CExamInfo::kWatch);
    CChangeDetailsForm watch = Form(1);
    EXPECT_TRUE(watch.watch);
    EXPECT_EQ(Check(watch), "");
}

TEST(CaveatSet, AnEmptyNameKeepsTheDialogAndTheDefault) {
    CUserOptions user;
    user.SetDefaultCaveatSet("UpdatedLastWeek");
    CCaveatSetChoice choice({"AddedLastWeek", "UpdatedLastWeek"}, user);
    EXPECT_EQ(choice.GetInitialSelection(), 1);
    EXPECT_FALSE(choice.Accept(""));
    EXPECT_EQ(user.GetDefaultCaveatSet(), "UpdatedLastWeek");
    EXPECT_TRUE(choice.Accept("Typed set"));
    EXPECT_EQ(user.GetDefaultCaveatSet(), "Typed set");
    EXPECT_EQ(CCaveatSetChoice({"AddedLastWeek"}, user).GetInitialSelection(), -1);
}

TEST(EngineChoice, OnlyTheChosenDatabasesTakeNewEnginesTheOthersKeepTheirs) {
    CFakeRegisters registers;
    const CZrDbEngine ukWeb = MakeEngine('u', MakeDate(2016, 1, 1), 0x80000, "uk-web");
    const CZrDbEngine ukLan = MakeEngine('u', MakeDate(2017, 1, 1), 0x20000, "uk-lan");
    registers.SetEngine('u', ukWeb, "");
    registers.SetEngine('c', MakeEngine('c', MakeDate(2017, 2, 1), 0x80000, "eu-web"), "!GB");
    ApplyEngineChoice({CDbEngineSelection('u', 1, {ukWeb, ukLan}), CDbEngineSelection('d', -1, {})},
                      registers);
    // The chosen engine goes in with the register's restriction; a database without candidates
    // and every other register keep theirs.
    EXPECT_EQ(registers.switches, std::vector<std::string>{"u:uk-lan"});
    EXPECT_EQ(registers.GetDbEngine('c').GetName(), "eu-web");
    EXPECT_EQ(registers.restrictions['c'], "!GB");
}

} // namespace
