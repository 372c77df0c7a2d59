// The new-examination wizard's rules without the search service: the checks of its setters and
// pages, when the term lists are proposed again, and what it hands the document.

#include "SearchFakes.h"
#include "WordListSource.h"
#include "core/GenTerm.h"
#include "engines/Repository.h"
#include "search/NewExamModel.h"
#include "search/NewExamPages.h"
#include "tests/engines/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace {

class NewExam : public SearchModelFixture {
protected:
    static CDbSelection Catalogue(const std::vector<std::pair<std::string, char>>& chosen) {
        CDbSelection catalogue;
        for (const auto& [group, letter] : chosen) {
            catalogue.SetSelected(group, "", true);
            catalogue.SelectDb(letter, true);
        }
        return catalogue;
    }
    // The wizard past its Auto page, for the word mark given.
    void DesignFor(const std::string& wordMark) {
        ASSERT_EQ(wizard_.SetDatabases(Catalogue({{"UK", 'u'}}), {}), "");
        ASSERT_EQ(wizard_.SetPrimaryClasses("9, 35-38"), "");
        ASSERT_EQ(wizard_.SetSecondaryClasses(""), "");
        ASSERT_EQ(wizard_.SetWordMark(wordMark), "");
        ASSERT_EQ(wizard_.SetStatuses({true, true, false, false}), "");
        wizard_.SetAutoDesign(true);
    }

    std::vector<CZrDbEngineSet> sourcesMadeFor_;
    CNewExamModel wizard_{CWordListSource::Factory({"ACNE", "ACMEX"}, sourcesMadeFor_)};
    CScriptedMessages messages_;
};

TEST_F(NewExam, TrainingMixedWithLiveIsRefusedBeforeAnEmptySelection) {
    EXPECT_EQ(wizard_.SetDatabases(Catalogue({{"TR", '0'}, {"UK", 'u'}}), {}),
              "U212 You cannot mix training databases with live databases");
    EXPECT_EQ(wizard_.SetDatabases(Catalogue({}), {}),
              "U203 You must select at least one database");
    EXPECT_EQ(wizard_.SetDatabases(Catalogue({{"TR", '0'}, {"TR", '1'}}), {}), "");
}

TEST_F(NewExam, SectionsOutsideOneToNinetyNineAreRefusedButKept) {
    for (const int count : {0, 100, -5}) {
        EXPECT_EQ(wizard_.SetSections(count), "U202 Number of sections must be between 1 and 99")
            << count;
        EXPECT_EQ(wizard_.GetResult().sectionCount, count);
    }
    EXPECT_EQ(wizard_.SetSections(1), "");
    EXPECT_EQ(wizard_.SetSections(99), "");
    wizard_.SetAutoDesign(true);
    EXPECT_EQ(wizard_.GetSectionCount(), 4);
}

TEST_F(NewExam, DesignCriteriaAreChecked) {
    EXPECT_EQ(wizard_.SetWordMark(" \r\n"), "No word mark entered");
    EXPECT_EQ(wizard_.SetPrimaryClasses("9, 99"), "Invalid class");
    EXPECT_EQ(wizard_.SetPrimaryClasses(""), "There must be at least one primary class");
    EXPECT_EQ(wizard_.SetSecondaryClasses(""), "");
    EXPECT_EQ(wizard_.SetSecondaryClasses("x"), "Invalid class");
    EXPECT_EQ(wizard_.SetStatuses({false, false, false, false}),
              "At least one of Registered/Pending/Lapsed/Abandoned required");
}

TEST_F(NewExam, TermsAreProposedAgainOnlyForANewWordMarkOrNewDatabases) {
    DesignFor("Acme Star");
    EXPECT_TRUE(wizard_.AreTermsStale());
    ASSERT_TRUE(wizard_.ProposeTerms());
    CGenTerm generator;
    CWordListSource source({"ACNE", "ACMEX"});
    generator.SetTerm("Acme Star", source);
    EXPECT_EQ(wizard_.GetTerms(), (CAutoDesignTerms{generator.GetWords(), generator.GetPatterns(),
                                                    generator.GetFoundStrings()}));
    ASSERT_FALSE(wizard_.GetTerms().similar.empty());

    EXPECT_EQ(wizard_.SetWordMark("  Acme Star "), "");
    EXPECT_EQ(wizard_.SetDatabases(Catalogue({{"UK", 'u'}}), {}), "");
    EXPECT_FALSE(wizard_.AreTermsStale());
    EXPECT_EQ(wizard_.SetDatabases(Catalogue({{"UK", 'u'}, {"IE", 'e'}}), {}), "");
    EXPECT_TRUE(wizard_.AreTermsStale());
    ASSERT_TRUE(wizard_.ProposeTerms());
    EXPECT_EQ(wizard_.SetWordMark("Acme  Star"), "");
    EXPECT_TRUE(wizard_.AreTermsStale());
    EXPECT_EQ(sourcesMadeFor_.size(), 2u);
}

TEST_F(NewExam, NoFindersLeaveTheTermsAsTheyWere) {
    std::vector<CZrDbEngineSet> madeFor;
    CNewExamModel wizard(CWordListSource::Factory({}, madeFor));
    ASSERT_EQ(wizard.SetWordMark("Acme"), "");
    wizard.SetTerms({{"kept"}, {}, {}});
    EXPECT_FALSE(wizard.ProposeTerms());
    EXPECT_EQ(wizard.GetTerms().exact, std::vector<std::string>{"kept"});
    EXPECT_TRUE(wizard.AreTermsStale());
}

TEST_F(NewExam, TermEditsSurviveGoingBackAndForth) {
    options_.SetMatchAny('%');
    DesignFor("Acme");
    CExamTermsPage terms(wizard_, options_);
    terms.Activate();
    CGenTerm generator;
    CWordListSource source({});
    generator.SetTerm("Acme", source);
    ASSERT_EQ(generator.GetPatterns().size(), 1u);
    std::string pattern = generator.GetPatterns()[0];
    std::replace(pattern.begin(), pattern.end(), '-', '%');
    EXPECT_EQ(terms.GetText(CExamTermsPage::kSubstring), pattern) << "in the user's wildcards";
    terms.SetText(CExamTermsPage::kExact, "red apple\r\n  red pear \r\n\r\ngreen");
    terms.SetText(CExamTermsPage::kSubstring, "zen%");
    terms.Activate(); // back and on again with the same word mark
    EXPECT_EQ(terms.GetText(CExamTermsPage::kSubstring), "zen%");
    ASSERT_TRUE(terms.Finish());
    EXPECT_EQ(wizard_.GetTerms().exact,
              (std::vector<std::string>{"red apple", "red pear", "green"}));
    EXPECT_EQ(wizard_.GetTerms().substring, std::vector<std::string>{"zen-"});
    EXPECT_EQ(terms.GetButtons(), (CWizardButtons{true, false, true, "Finish"}));

    ASSERT_EQ(wizard_.SetWordMark("Nova"), "");
    terms.Activate();
    EXPECT_EQ(terms.GetText(CExamTermsPage::kExact), "nova");
}

TEST_F(NewExam, FinishRefusesTermsTheSearchesWouldRefuse) {
    DesignFor("Acme");
    CExamTermsPage terms(wizard_, options_);
    terms.Activate();
    const CAutoDesignTerms proposed = wizard_.GetTerms();
    terms.SetText(CExamTermsPage::kSimilar, "acne\nvery abcdefghijklmnop");
    EXPECT_FALSE(terms.Finish());
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{"Term 'abcdefghijklmnop' must be 15 charcters or less."});
    EXPECT_EQ(terms.GetFocus(), EExamField::SimilarTerms);
    EXPECT_EQ(wizard_.GetTerms(), proposed);
    terms.SetText(CExamTermsPage::kSimilar, "acne\nvery abcdefghijklmno");
    EXPECT_TRUE(terms.Finish());
}

TEST_F(NewExam, ResultCarriesTheDesign) {
    DesignFor("Acme");
    wizard_.SetDetails("Agency", "Examiner", "Client", "EX-9", true);
    const CNewExamination result = wizard_.GetResult();
    EXPECT_EQ(result.sectionCount, 4);
    EXPECT_TRUE(result.autoDesign);
    EXPECT_EQ(result.autoWordMark, "Acme");
    EXPECT_EQ(result.autoPrimaryClasses, "9,35-38");
    EXPECT_EQ(result.autoSecondaryClasses, "");
    EXPECT_EQ(result.autoStatus, "Registered,Pending");
    EXPECT_EQ(result.client, "Client");
    EXPECT_TRUE(result.oneClassOnly);
}

class NewExamPagesOffline : public NewExam {
protected:
    void SetUp() override {
        NewExam::SetUp();
        home_.Folder().Write("prog/ZrSystem.ini",
                             "[Locations]\nHome=" + Home() + "\n[Config]\nRequireClientName=1\n");
        system_.Load(home_.Folder() / "prog");
        ASSERT_EQ(system_.SetUser("ACME", "jsmith", "pw"), 0);
    }
    CExamStandardPage MakeStandardPage() {
        return CExamStandardPage(wizard_, {GetRegisterTable(), repository_, options_, system_},
                                 CDbSelection());
    }

    CZrRepository repository_{system_, options_};
};

TEST_F(NewExamPagesOffline, StandardPageStartsFromTheUsersDefaults) {
    options_.SetAgency("Agency");
    options_.SetSections(98);
    CExamStandardPage page = MakeStandardPage();
    EXPECT_EQ(page.GetDetails().sections, 98);
    EXPECT_EQ(page.GetInitialFocus(), EExamField::Examiner);
    page.SpinSections(1);
    page.SpinSections(1);
    EXPECT_EQ(page.GetDetails().sections, 99);
    CExamStandardDetails details = page.GetDetails();
    details.sections = 2;
    details.examiner = "Examiner";
    details.autoDesign = true;
    page.SetDetails(details);
    page.SpinSections(-1);
    page.SpinSections(-1);
    EXPECT_EQ(page.GetDetails().sections, 1);
    EXPECT_EQ(page.GetButtons(), (CWizardButtons{false, true, false, "Finish"}));
}

TEST_F(NewExamPagesOffline, StandardPageNeedsAClientNameAndADatabase) {
    CExamStandardPage page = MakeStandardPage();
    EXPECT_EQ(page.GetButtons(), (CWizardButtons{false, false, true, "OK"}));
    CExamStandardDetails details = page.GetDetails();
    details.client = "  ";
    page.SetDetails(details);
    EXPECT_FALSE(page.Finish());
    EXPECT_EQ(page.GetFocus(), EExamField::Client);
    details.client = " Client ";
    page.SetDetails(details);
    EXPECT_FALSE(page.Next()) << "no engines, so no database";
    EXPECT_EQ(page.GetFocus(), EExamField::FirstDatabase);
    EXPECT_EQ(messages_.Texts(),
              (std::vector<std::string>{"U214 You must specify a Client name.",
                                        "U203 You must select at least one database"}));
    EXPECT_EQ(wizard_.GetResult().client, "Client");
}

TEST_F(NewExamPagesOffline, AutoPageChecksInOrderAndReformatsClassesUntilCancel) {
    options_.SetDefaultStatus("la");
    CExamAutoPage page(wizard_, options_);
    page.Activate();
    EXPECT_EQ(page.GetCriteria().statuses, (CStatusChecks{false, false, true, true}));
    CExamAutoCriteria criteria = page.GetCriteria();
    criteria.statuses.registered = true;
    criteria.primaryClasses = ".food 9";
    page.SetCriteria(criteria);
    page.Activate();
    EXPECT_TRUE(page.GetCriteria().statuses.registered) << "only the first activation";

    EXPECT_FALSE(page.Next());
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"Invalid class"});
    EXPECT_EQ(page.GetFocus(), EExamField::PrimaryClasses);
    page.OnClassFieldFocusLost(EExamField::PrimaryClasses);
    EXPECT_EQ(page.GetCriteria().primaryClasses, "9,29-33");
    EXPECT_FALSE(page.Next());
    EXPECT_EQ(messages_.Texts().back(), "No word mark entered");
    EXPECT_EQ(page.GetFocus(), EExamField::WordMark);

    criteria = page.GetCriteria();
    criteria.wordMark = "Acme";
    criteria.secondaryClasses = ".food";
    page.SetCriteria(criteria);
    wizard_.OnCancelPressed();
    page.OnClassFieldFocusLost(EExamField::SecondaryClasses);
    EXPECT_EQ(page.GetCriteria().secondaryClasses, ".food");
}

} // namespace
