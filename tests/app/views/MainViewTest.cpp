// The main view over a real document: its update rules and command rules, deleting and undoing,
// cutting and pasting, dropping marks on other sections, searches from the sheets and their
// deletion, the section it opens on, and printing a selection.

#include "ViewFixture.h"
#include "app/views/MainView.h"
#include "app/views/UsageStatistics.h"
#include "tests/engines/ScriptedMessages.h"

namespace {

using platform::MessageAnswer;
using Hints = std::vector<int>;
using Texts = std::vector<std::string>;

class CCountingFrame : public IMainViewFrame {
public:
    void LayOut() override { ++layouts; }
    void RedrawFrame() override { ++redraws; }
    int layouts = 0;
    int redraws = 0;
};

// Sheets that accept with their own criteria, and may press F5 again while open.
class CScriptedSheets : public ISearchSheets {
public:
    bool Edit(ESearchSheet sheet, CSearch& search, bool& showDetails) override {
        opened.push_back(static_cast<int>(sheet));
        if (whileOpen)
            whileOpen();
        search.GetCriteria().SetDbIds("uc");
        showDetails = true;
        return accept;
    }
    void ShowSearchInfo(const CSearch&) override {}

    std::vector<int> opened;
    std::function<void()> whileOpen;
    bool accept = true;
};

class MainViewTest : public ViewFixture {
protected:
    CMainView& Open() {
        main_ = std::make_unique<CMainView>(context, window, frame_);
        doc.AddView(main_.get());
        main_->OnInitialUpdate();
        view.hints.clear();
        return *main_;
    }
    void TearDown() override {
        if (main_)
            doc.RemoveView(main_.get());
    }
    std::uint32_t FlagsOf(std::uint32_t record, int section) const {
        for (int i = 0; i < doc.GetMarkCount(); ++i) {
            const CMark& mark = doc.GetMark(i);
            if (mark.GetRecordNumber() == record && mark.GetSection() == section)
                return mark.GetFlags();
        }
        return 0xdead;
    }

    CCountingFrame frame_;
    std::unique_ptr<CMainView> main_;
};

TEST(MainViewRules, HintsAskForTheirRebuilds) {
    struct Row {
        int hint;
        int section;
        bool toSectionZero, marks, searches, toTop, clearUndo, layout, follow;
    };
    const Row rows[] = {
        {0x4000, 1, false, false, false, false, false, true, false},
        {0x4000, 4, true, true, true, true, false, true, false},
        {0x0004, 2, true, true, true, true, true, true, false},
        {0x0100, 2, false, true, false, true, false, false, false},
        {0x0400, 2, false, true, false, false, false, false, false},
        {0x0500, 2, false, true, false, true, false, false, false},
        {0x0200, 2, false, true, false, false, true, false, false},
        {0x0010, 2, false, false, true, false, false, false, false},
        {0x0020, 2, false, true, true, false, true, false, false},
        {0x1000, 2, false, true, true, true, true, false, false},
        {0x2000, 2, false, false, false, false, false, false, true},
    };
    for (const Row& row : rows) {
        const CMainViewUpdate plan = PlanMainViewUpdate(row.hint, row.section, 4);
        EXPECT_EQ(plan.toSectionZero, row.toSectionZero) << row.hint;
        EXPECT_EQ(plan.rebuildMarks, row.marks) << row.hint;
        EXPECT_EQ(plan.rebuildSearches, row.searches) << row.hint;
        EXPECT_EQ(plan.toTop, row.toTop) << row.hint;
        EXPECT_EQ(plan.clearUndo, row.clearUndo) << row.hint;
        EXPECT_EQ(plan.refreshLayout, row.layout) << row.hint;
        EXPECT_EQ(plan.followCurrentSearch, row.follow) << row.hint;
    }
    EXPECT_TRUE(PlanMainViewUpdate(0x0008, 0, 4).redrawFrame);
    EXPECT_TRUE(PlanMainViewUpdate(0x0800, 0, 4).recalculate);
    EXPECT_TRUE(PlanMainViewUpdate(0x0002, 0, 4).redrawMarks);
    EXPECT_TRUE(PlanMainViewUpdate(0x0040, 0, 4).redrawSearches);
    EXPECT_FALSE(PlanMainViewUpdate(0x0040, 0, 4).rebuildSearches);
}

TEST(MainViewRules, CommandsFollowTheDisplayTheDocumentAndTheWindowsThere) {
    CMainViewState exam;
    exam.hasSheets = true;
    exam.sectionCount = 3;
    CMainViewState watch = exam;
    watch.watch = true;
    EXPECT_TRUE(IsMainCommandEnabled(EMainCommand::Search, exam));
    EXPECT_FALSE(IsMainCommandEnabled(EMainCommand::Search, watch));
    CMainViewState noSheets = exam;
    noSheets.hasSheets = false;
    EXPECT_FALSE(IsMainCommandEnabled(EMainCommand::Search, noSheets));
    EXPECT_FALSE(IsMainCommandEnabled(EMainCommand::Add, noSheets));

    // Edit: a current row, and in an examination only before the search ran.
    for (CMainViewState* state : {&exam, &watch})
        state->searchRowCurrent = state->currentSearchHasRun = true;
    EXPECT_FALSE(IsMainCommandEnabled(EMainCommand::Edit, exam));
    EXPECT_TRUE(IsMainCommandEnabled(EMainCommand::Edit, watch));
    exam.keptDisplay = false;
    EXPECT_TRUE(IsMainCommandEnabled(EMainCommand::Delete, exam));
    exam.keptDisplay = true;
    EXPECT_FALSE(IsMainCommandEnabled(EMainCommand::Delete, exam));
    exam.selectedRows = 1;
    EXPECT_TRUE(IsMainCommandEnabled(EMainCommand::Delete, exam));
    EXPECT_FALSE(IsMainCommandEnabled(EMainCommand::Undo, exam));

    for (const int section : {0, 1, 2}) {
        exam.section = section;
        EXPECT_EQ(IsMainCommandEnabled(EMainCommand::PreviousSection, exam), section > 0);
        EXPECT_EQ(IsMainCommandEnabled(EMainCommand::NextSection, exam), section < 2);
    }
    for (const EMainCommand later :
         {EMainCommand::Caveat, EMainCommand::ConvertToWatch, EMainCommand::UsageStatistics,
          EMainCommand::Print, EMainCommand::Details})
        EXPECT_FALSE(IsMainCommandEnabled(later, exam)) << static_cast<int>(later);
    exam.documentHasKeptMarks = true;
    EXPECT_FALSE(IsMainCommandEnabled(EMainCommand::WebDiff, exam));
    exam.hasWebDiff = true;
    EXPECT_TRUE(IsMainCommandEnabled(EMainCommand::WebDiff, exam));
}

TEST_F(MainViewTest, OpensOnTheFirstSectionWithKeptMarksOrSearches) {
    doc.SetSectionCount(4);
    doc.AddSearch(MakeSearch(2, "u"));
    AddMarks('u', {2}, 3, 0, CMark::kPermanentKeep);
    CMainView& main = Open();
    EXPECT_EQ(main.GetSection(), 2);
    EXPECT_FALSE(main.IsKeptDisplay());
    EXPECT_EQ(main.GetSearchRowCount(), 1);
    EXPECT_EQ(main.GetTabHeight(), CMainView::kTabHeight);
    EXPECT_EQ(main.GetSectionTabText(2), "Section 3");

    doc.SetSectionCount(1);
    EXPECT_EQ(main.GetSection(), 0);
    EXPECT_EQ(main.GetTabHeight(), 0);
}

TEST_F(MainViewTest, DeletingThreeMarksIsUndoneAndACutIsNot) {
    AddMarks('u', {2, 4, 6, 16}, 0, 0, CMark::kPermanentKeep);
    CMainView& main = Open();
    main.SelectAll();
    main.SelectRow(1, CRowSelection::kControl);
    ASSERT_EQ(main.GetSelectionCount(), 3);
    CScriptedMessages messages({MessageAnswer::Yes});
    main.Run(EMainCommand::Delete);
    EXPECT_EQ(messages.Texts(), (Texts{"Are you sure you want to delete these marks?"}));
    EXPECT_TRUE(messages.Shown()[0].secondIsDefault);
    EXPECT_EQ(main.GetMarkCount(), 1);
    EXPECT_EQ(view.hints, (Hints{1024}));
    EXPECT_EQ(main.GetUndoText(), "&Undo Delete\tCtrl+Z");

    main.Run(EMainCommand::Undo);
    EXPECT_EQ(main.GetMarkCount(), 4);
    for (const std::uint32_t record : {2u, 4u, 6u, 16u})
        EXPECT_EQ(FlagsOf(record, 0), CMark::kPermanentKeep) << record;
    EXPECT_FALSE(main.IsEnabled(EMainCommand::Undo));
    EXPECT_EQ(main.GetUndoText(), "&Undo \tCtrl+Z");

    main.SelectRow(0, 0);
    main.Run(EMainCommand::Cut);
    EXPECT_EQ(clipboard.marks.size(), 1u);
    EXPECT_EQ(FlagsOf(2, 0), 0u);
    EXPECT_FALSE(main.IsEnabled(EMainCommand::Undo));
    EXPECT_EQ(messages.Texts().size(), 1u);
}

TEST_F(MainViewTest, PastedAndDroppedMarksBelongToNoSearchOfTheirSection) {
    doc.SetSectionCount(3);
    const int id = doc.AddSearch(MakeRunSearch(0, "u", 1, 2));
    AddMarks('u', {2, 4}, 0, id, CMark::kPermanentKeep);
    CMainView& main = Open();
    clipboard.marks = {CMark(30, 'u', 2, 9, 0, CMark::kPermanentKeep)};
    ASSERT_TRUE(main.IsEnabled(EMainCommand::Paste));
    main.Run(EMainCommand::Paste);
    const int pasted = IndexOf(30);
    EXPECT_EQ(doc.GetMark(pasted).GetSection(), 0);
    EXPECT_EQ(doc.GetMark(pasted).GetSearchId(), 0);

    // Both kept marks of the search dragged onto section 2's tab and moved there.
    main.SelectAll();
    main.SelectRow(2, CRowSelection::kControl);
    EXPECT_EQ(main.DropEffectOnTab(2, true, false), EDropEffect::Move);
    EXPECT_EQ(main.DropEffectOnTab(2, true, true), EDropEffect::Copy);
    EXPECT_EQ(main.DropEffectOnTab(0, true, false), EDropEffect::None);
    EXPECT_EQ(main.DropEffectOnTab(2, false, false), EDropEffect::None);
    EXPECT_EQ(main.DropEffectOnTab(-1, true, false), EDropEffect::None);
    const std::vector<CMark> dragged = main.GetSelectedMarks();
    ASSERT_EQ(dragged.size(), 2u);
    main.PasteMarks(dragged, 2);
    main.FinishDrag(dragged, EDropEffect::Move);
    EXPECT_EQ(FlagsOf(2, 0), 0u);
    EXPECT_EQ(FlagsOf(4, 0), 0u);
    EXPECT_EQ(FlagsOf(30, 0), CMark::kPermanentKeep);
    EXPECT_EQ(FlagsOf(2, 2), CMark::kPermanentKeep);
    EXPECT_EQ(FlagsOf(4, 2), CMark::kPermanentKeep);
    EXPECT_EQ(main.GetMarkCount(), 1);
    main.SetSection(2);
    EXPECT_EQ(main.GetMarkCount(), 2);
    EXPECT_EQ(main.GetShownMark(0).GetSearchId(), 0);
}

TEST_F(MainViewTest, SearchFromTheSheetBecomesTheTemplateAndRunsOnceAtATime) {
    CScriptedSheets sheets;
    context.sheets = &sheets;
    CMainView& main = Open();
    sheets.whileOpen = [&main] { main.Run(EMainCommand::Search); };
    main.Run(EMainCommand::Search);
    EXPECT_EQ(sheets.opened, (std::vector<int>{448}));
    ASSERT_EQ(doc.GetSearchCount(), 1);
    EXPECT_EQ(doc.GetTemplateCriteria().GetDbIds(), "uc");
    EXPECT_EQ(host.runs, (Texts{std::to_string(doc.GetSearch(0).GetSearchId())}));

    // The enquiry keeps its databases and the show-details choice, and runs with it.
    sheets.whileOpen = nullptr;
    main.Run(EMainCommand::Enquiry);
    EXPECT_EQ(doc.GetDatabaseCodes(), "uc");
    EXPECT_TRUE(user.GetEnquiryShowDetails());
    EXPECT_EQ(host.runs.back(), std::to_string(doc.GetSearch(1).GetSearchId()) + "+details");

    sheets.accept = false;
    main.Run(EMainCommand::Ident);
    EXPECT_EQ(doc.GetSearchCount(), 2);
}

TEST_F(MainViewTest, DeletingSearchesAsksOnlyForRunOnesWithoutKeptMarks) {
    const int unrun = doc.AddSearch(MakeSearch(0, "u"));
    const int withKept = doc.AddSearch(MakeRunSearch(0, "u", 1, 1));
    const int withoutKept = doc.AddSearch(MakeRunSearch(0, "u", 2, 1));
    AddMarks('u', {2}, 0, withKept, CMark::kPermanentKeep);
    AddMarks('u', {4}, 0, withoutKept, 0);
    CMainView& main = Open();
    main.ShowKeptMarks(false);
    const auto rowOf = [&main](int id) {
        for (int row = 0; row < main.GetSearchRowCount(); ++row) {
            if (main.GetShownSearch(row).GetSearchId() == id)
                return row;
        }
        return -1;
    };
    CScriptedMessages messages({MessageAnswer::Ok, MessageAnswer::Yes});
    main.SelectSearchRow(rowOf(withKept));
    main.Run(EMainCommand::Delete);
    EXPECT_FALSE(doc.IsFreeSearchId(withKept));
    EXPECT_EQ(window.beeps, 1);

    host.resultsOpen = true;
    main.SelectSearchRow(rowOf(withoutKept));
    main.Run(EMainCommand::Delete);
    EXPECT_TRUE(doc.IsFreeSearchId(withoutKept));
    EXPECT_FALSE(host.resultsOpen);

    main.SelectSearchRow(rowOf(unrun));
    main.Run(EMainCommand::Delete);
    EXPECT_TRUE(doc.IsFreeSearchId(unrun));
    EXPECT_EQ(messages.Texts(), (Texts{"Cannot delete a search with kept marks",
                                       "Are you sure you want to delete this search?"}));
    // Choosing a search row shows it in the results window while that is open.
    EXPECT_EQ(host.runs, (Texts{std::to_string(withoutKept)}));
}

TEST_F(MainViewTest, TheCurrentSearchIsFollowedOnlyWhenTheDocumentHasIt) {
    doc.SetSectionCount(3);
    doc.AddSearch(MakeSearch(0, "u"));
    const int second = doc.AddSearch(MakeSearch(1, "u"));
    const int third = doc.AddSearch(MakeSearch(1, "u"));
    CMainView& main = Open();
    main.ShowKeptMarks(false);
    doc.SelectSearch(99);
    EXPECT_EQ(main.GetSection(), 0);
    EXPECT_FALSE(main.HasCurrentSearchRow());
    doc.SelectSearch(third);
    EXPECT_EQ(main.GetSection(), 1);
    EXPECT_EQ(main.GetCurrentSearchRow(), 1);
    EXPECT_EQ(main.GetShownSearch(main.GetCurrentSearchRow()).GetSearchId(), third);
    EXPECT_NE(second, third);
}

TEST_F(MainViewTest, PrintingASelectionPrintsItsMarksAsOfTheFirstSection) {
    class CRecordingPrinting : public IMarkPrinting {
    public:
        void Print(const CZrDocData&, const CZrDocData* selection, bool) override {
            if (selection)
                for (int i = 0; i < selection->GetMarkCount(); ++i)
                    sections.push_back(selection->GetMark(i).GetSection());
            oneClassOnly = selection && selection->IsOneClassOnly();
        }
        std::vector<int> sections;
        bool oneClassOnly = false;
    } printing;
    context.printing = &printing;
    doc.SetSectionCount(3);
    AddMarks('u', {2, 4, 6}, 2, 0, CMark::kPermanentKeep);
    CMainView& main = Open();
    main.SelectRow(0, 0);
    main.SelectRow(2, CRowSelection::kControl);
    main.Run(EMainCommand::Print);
    EXPECT_EQ(printing.sections, (std::vector<int>{0, 0}));
    EXPECT_TRUE(printing.oneClassOnly);
}

TEST(UsageStatistics, AnswersAreEncodedSoNoneChangesTheAddress) {
    EXPECT_EQ(BuildUsageStatisticsUrl("www.velorin.example", {"TEST CO", "A&B=c", "x?y#z/"}, "uc",
                                      true),
              "http://www.velorin.example/cgi-bin/du2v.dll?Custom=zrstarta.htt&cookie=x%3fy%23z%2f"
              "&cname=A%26B%3dc&company=TEST+CO&db=uc&oneclass=1");
}

} // namespace
