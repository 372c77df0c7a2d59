// The option and keyword pages without their windows: what each shows of the stored settings,
// what it refuses and what it writes back, over settings files in a temporary home.

#include "app/FieldChecks.h"
#include "app/options/DisplayOptionPages.h"
#include "app/options/ExamOptionPage.h"
#include "app/options/KeywordPages.h"
#include "app/options/LanguageOptionPage.h"
#include "app/options/MacroItems.h"
#include "app/options/SearchOptionPages.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "tests/core/SettingsFixture.h"
#include "tests/engines/ScriptedMessages.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

class OptionPagesTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        user_.Load(system_);
    }
    // Replaces the user's settings file and reads it again.
    void WriteSettings(const std::string& text) {
        std::ofstream(UserFile()) << text;
        user_.Load(system_);
    }

    CUserOptions user_;
};

TEST_F(OptionPagesTest, StatusLettersInAnyOrderGoBackInTheFixedOrder) {
    WriteSettings("[Search]\nDefaultStatus=lpr\n");
    COptionPageSearch page(user_);
    EXPECT_EQ(page.GetValues().statuses, (CStatusChecks{true, true, true, false}));
    page.Apply(user_);
    EXPECT_EQ(user_.GetDefaultStatus(), "rpl");
}

TEST_F(OptionPagesTest, NumberFieldsRefuseWhatIsNoWholeNumberInRange) {
    int value = 7;
    EXPECT_EQ(ReadIntField("150", COptionPageSearch::kMinAuto, COptionPageSearch::kMaxAuto, value),
              "Please enter an integer between 0 and 99.");
    EXPECT_EQ(ReadIntField("-1", 0, 99, value), "Please enter an integer between 0 and 99.");
    for (const char* text : {"", "1x", "x", "99999999999", "1.5"})
        EXPECT_EQ(ReadIntField(text, value), "Please enter an integer.") << text;
    EXPECT_EQ(value, 7);
    EXPECT_EQ(ReadIntField(" 99 ", 0, 99, value), "");
    EXPECT_EQ(value, 99);
    EXPECT_EQ(ReadIntField("+0", 0, 99, value), "");
    EXPECT_EQ(value, 0);
}

TEST_F(OptionPagesTest, SpecialCharactersAreCheckedInOrderAndKeptOnlyWhenAllPass) {
    using Fields = COptionPageSpChars::CFields;
    constexpr int kEmpty = COptionPageSpChars::kEmpty;
    COptionPageSpChars page(user_);
    EXPECT_EQ(page.GetChars(), COptionPageSpChars::kDefaults);
    const struct {
        Fields fields;
        const char* message;
        int field;
    } refusals[] = {
        {{'.', kEmpty, '*', ' '}, "You must specify a character", 1},
        {{'.', '-', ' ', '?'}, "Invalid character", 2},
        {{'.', '-', '*', ','}, "Invalid character", 3},
        {{'\\', '-', '*', '?'}, "Invalid character", 0},
        {{'.', 'a', '*', '?'}, "Invalid character", 1},
        {{'.', '7', '*', '?'}, "Invalid character", 1},
        {{'.', 0xE9, '*', '?'}, "Invalid character", 1},   // an accented letter
        {{'.', 0x20AC, '*', '?'}, "Invalid character", 1}, // not one byte
        {{'.', 0, '*', '?'}, "Invalid character", 1},
        {{'.', '-', '.', '?'}, "All special characters must be unique", 2},
        {{'#', '-', '*', '#'}, "All special characters must be unique", 3},
    };
    for (const auto& refusal : refusals) {
        int failed = -1;
        EXPECT_EQ(page.SetFields(refusal.fields, failed), refusal.message) << refusal.field;
        EXPECT_EQ(failed, refusal.field);
    }
    EXPECT_EQ(page.GetChars(), COptionPageSpChars::kDefaults);
    int failed = -1;
    EXPECT_EQ(page.SetFields({'#', '%', '_', 0xA7}, failed), "");
    page.Apply(user_);
    EXPECT_EQ(std::string({user_.GetMacroPrefix(), user_.GetMatchAny(), user_.GetMatchOne(),
                           user_.GetMatchOneOrNone()}),
              "#%_\xA7");
    page.Reset();
    EXPECT_EQ(page.GetChars(), COptionPageSpChars::kDefaults);
}

TEST_F(OptionPagesTest, LanguagesAreOneHexDigitEachInTheOrderChosen) {
    WriteSettings("[Lang]\nOptions=Yc0g2\n");
    COptionPageLanguage page(user_);
    EXPECT_TRUE(page.GetShowDeposit());
    // '0' and a character that is no digit are skipped.
    EXPECT_EQ(page.GetChosen(), (std::vector<int>{12, 2}));
    EXPECT_EQ(page.GetAvailable(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    page.SelectAvailable(1); // Dutch, chosen already
    EXPECT_FALSE(page.CanAdd());
    page.Add();
    EXPECT_EQ(page.GetOptionsText(), "yc2");
    page.SelectChosen(1);
    page.Delete();
    EXPECT_EQ(page.GetChosenSelection(), 0); // the new last row
    page.Delete();
    EXPECT_EQ(page.GetChosenSelection(), -1);
    EXPECT_FALSE(page.CanDelete());
    page.SetShowDeposit(false);
    EXPECT_EQ(page.GetOptionsText(), "n");
    page.SelectAvailable(2); // English: the only one becomes selected
    page.Add();
    EXPECT_EQ(page.GetChosenSelection(), 0);
    page.Apply(user_);
    EXPECT_EQ(user_.GetLangOptions(), "n3");
}

TEST_F(OptionPagesTest, WatchSetsAreReadWithoutCaseAndWrittenInTheirOwnSpelling) {
    const std::pair<const char*, EWatchSet> sets[] = {{"addedlastmonth", EWatchSet::AddedLastMonth},
                                                      {"ADDEDLASTWEEK", EWatchSet::AddedLastWeek},
                                                      {"UpdatedToday", EWatchSet::Other}};
    for (const auto& [stored, set] : sets) {
        WriteSettings(std::string("[Watch]\nSet=") + stored + "\n");
        COptionPageWatch page(user_, {});
        EXPECT_EQ(page.GetValues().set, set) << stored;
        page.Apply(user_);
    }
    EXPECT_EQ(user_.GetWatchSet(), "UpdatedToday");
    WriteSettings("[Watch]\nSet=addedlastmonth\n");
    COptionPageWatch page(user_, {});
    page.Apply(user_);
    EXPECT_EQ(user_.GetWatchSet(), "AddedLastMonth");
}

TEST_F(OptionPagesTest, ReportControlsFollowSkipReviewAndAutomaticReport) {
    WriteSettings("[Watch]\nSkipReview=1\nAutoReport=1\nDefaultReport=b.rtf\n");
    COptionPageWatch page(user_, {"a.rtf", "b.rtf"});
    EXPECT_EQ(page.GetTemplateIndex(), 1);
    EXPECT_TRUE(page.IsAutoReportEnabled());
    EXPECT_TRUE(page.AreReportControlsEnabled());
    CWatchOptionValues values = page.GetValues();
    values.skipReview = false;
    page.SetValues(values);
    // The report stays ticked but its controls are disabled with it.
    EXPECT_FALSE(page.IsAutoReportEnabled());
    EXPECT_FALSE(page.AreReportControlsEnabled());
    values.defaultReport = "c.rtf";
    page.SetValues(values);
    EXPECT_EQ(page.GetTemplateIndex(), -1);
}

TEST_F(OptionPagesTest, ChangedFontsAndDisplayFormsGoToTheirOwnSettings) {
    COptionPageFont fonts(user_);
    fonts.SetFont(COptionPageFont::kPrinterWordmark, {"Courier New", 14});
    EXPECT_EQ(fonts.GetLabel(COptionPageFont::kPrinterWordmark), " Courier New - 14 points");
    COptionPageDetails shortForm(user_, false);
    CFormatBlock format = shortForm.GetFormat();
    format.device = 3;
    shortForm.SetFormat(format);
    const CFormatBlock longBefore = user_.GetLongFormat();
    fonts.Apply(user_);
    shortForm.Apply(user_);
    int size = 0;
    EXPECT_EQ(user_.GetPrinterWordmarkFont(size), "Courier New");
    EXPECT_EQ(size, 14);
    EXPECT_EQ(user_.GetShortFormat().device, 3);
    EXPECT_EQ(user_.GetLongFormat(), longBefore);
}

class ExamOptionPageTest : public OptionPagesTest {
protected:
    COptionPageExam MakePage() {
        return COptionPageExam(user_, GetRegisterTable(), repository_, CDbSelection());
    }
    CZrRepository repository_{system_, user_};
};

TEST_F(ExamOptionPageTest, SectionNamesWaitForTheSheetsOk) {
    COptionPageExam page = MakePage();
    std::vector<std::string> names = page.GetSectionNames(3);
    ASSERT_EQ(names, (std::vector<std::string>{"Section 1", "Section 2", "Section 3"}));
    names[1] = "Earlier marks";
    page.SetSectionNames(names);
    // Cancelling the sheet: the page goes without applying.
    EXPECT_EQ(user_.GetSectionName(1), "Section 2");
    EXPECT_EQ(page.GetSectionNames(150).size(), 99u);
    EXPECT_EQ(page.GetSectionNames(0), std::vector<std::string>{"Section 1"});
    page.Apply(user_);
    ASSERT_TRUE(user_.Save());
    CUserOptions reloaded;
    reloaded.Load(system_);
    EXPECT_EQ(reloaded.GetSectionName(1), "Earlier marks");
    EXPECT_EQ(reloaded.GetSectionName(2), "Section 3");
}

class KeywordPageTest : public OptionPagesTest {
protected:
    void SetUp() override {
        OptionPagesTest::SetUp();
        std::ofstream(Home() + "/ZrMacros.ini") << "[Class]\nfood=29-31\nTools=7,8\nbags=18\n";
        std::ofstream(UserDir() + "/ZrMacros.ini") << "[Class]\nFOOD=30\ndrink=32\n";
        user_.Load(system_);
    }
    std::string UserMacros() const {
        std::ifstream file(UserDir() + "/ZrMacros.ini");
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
};

TEST_F(KeywordPageTest, UserDefinitionsOverrideTheSystemsAndTheListIsSortedWithoutCase) {
    COptionPageMacros page(user_, "Class");
    EXPECT_EQ(page.GetListItems(),
              (std::vector<CMacroListItem>{
                  {"bags", true}, {"drink", false}, {"food", false}, {"Tools", true}}));
    EXPECT_EQ(page.GetDefinition("FOOD"), "30");
    EXPECT_EQ(page.GetButtons("Food"), (CMacroButtons{false, true, true}));
    EXPECT_EQ(page.GetButtons("tools"), (CMacroButtons{false, true, false}));
    EXPECT_EQ(page.GetButtons("new"), (CMacroButtons{true, false, false}));
    EXPECT_EQ(page.GetButtons(""), CMacroButtons{});
}

TEST_F(KeywordPageTest, DeletingAUserDefinitionBringsBackTheSystemsS) {
    COptionPageMacros page(user_, "Class");
    EXPECT_FALSE(page.Remove("bags")); // the system's cannot be deleted
    ASSERT_TRUE(page.Remove("food"));
    ASSERT_TRUE(page.Remove("drink"));
    EXPECT_TRUE(page.Create("Shoes", "25"));
    EXPECT_FALSE(page.Create("shoes", "26"));
    EXPECT_FALSE(page.Edit("bags", "18"));
    EXPECT_TRUE(page.Edit("bags", "18,19"));
    EXPECT_EQ(page.GetListItems(),
              (std::vector<CMacroListItem>{
                  {"bags", false}, {"food", true}, {"Shoes", false}, {"Tools", true}}));
    EXPECT_EQ(page.GetDefinition("food"), "29-31");
    const std::string before = UserMacros();
    page.Apply(user_);
    EXPECT_NE(UserMacros(), before);
    CIniPairs stored;
    user_.ReadMacroSection("Class", false, stored);
    EXPECT_EQ(stored, (CIniPairs{{"bags", "18,19"}, {"Shoes", "25"}}));
}

TEST_F(KeywordPageTest, OnlyClassKeywordsHaveADefinitionDialogAndUnchangedOnesWriteNothing) {
    EXPECT_TRUE(COptionPageMacros(user_, "cLASS").CanEditDefinitions());
    EXPECT_FALSE(COptionPageMacros(user_, "Goods").CanEditDefinitions());
    const std::string before = UserMacros();
    COptionPageMacros(user_, "Class").Apply(user_);
    EXPECT_EQ(UserMacros(), before);
}

TEST(ClassKeyword, AValidListIsCompressedAnInvalidOneTellsWhereItFails) {
    const CClassStringCheck valid = CheckClassString("3, 1,2, 9");
    EXPECT_TRUE(valid.valid);
    EXPECT_EQ(valid.summary, "1-3,9");
    const CClassStringCheck invalid = CheckClassString("1, 2, 77, 3");
    EXPECT_FALSE(invalid.valid);
    EXPECT_EQ(invalid.errorPosition, 5u); // where the failing token's blank starts
}

} // namespace
