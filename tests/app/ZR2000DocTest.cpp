// The document's operations on searches and marks, and the hints its views receive.

#include "DocFixture.h"
#include "core/UserOptions.h"

#include <vector>

namespace {

using Hints = std::vector<int>;

TEST_F(DocFixture, SearchOperationsHintAndMarkModified) {
    const int id = doc.AddSearch(MakeSearch(1, "u"));
    EXPECT_EQ(id, 1);
    EXPECT_TRUE(doc.IsModified());

    CSearch search = doc.FindSearch(id);
    search.SetFound(3);
    doc.ReplaceSearch(search);
    EXPECT_EQ(doc.FindSearch(id).GetFound(), 3);
    doc.SetSearchResults(search);
    doc.RemoveSearch(id);
    EXPECT_TRUE(doc.IsFreeSearchId(id));
    EXPECT_EQ(view.hints, (Hints{16, 64, 576, 32}));
}

TEST_F(DocFixture, ResultsOfAnEarlierSectionRecountTheMarks) {
    const int early = doc.AddSearch(MakeRunSearch(1, "u", 1, 2));
    doc.AddSearch(MakeRunSearch(2, "u", 2, 1));
    const std::uint32_t records[] = {10, 11};
    doc.AddFoundMarks(records, 'u', 1, early, false, false);
    CSearch search = doc.FindSearch(early);
    search.SetMarkCount(0);
    doc.SetSearchResults(search);
    EXPECT_EQ(doc.FindSearch(early).GetMarkCount(), 2);
}

TEST_F(DocFixture, RemovingASearchKeepsItsKeptMarks) {
    const int id = doc.AddSearch(MakeRunSearch(1, "u", 1, 2));
    const std::uint32_t records[] = {10, 11};
    doc.AddFoundMarks(records, 'u', 1, id, false, false);
    CMark kept = doc.GetMark(1);
    kept.ToggleKeep();
    doc.SetMark(1, kept, 1);
    doc.RemoveSearch(id);
    ASSERT_EQ(doc.GetMarkCount(), 1);
    EXPECT_EQ(doc.GetMark(0).GetRecordNumber(), 11u);
    EXPECT_EQ(doc.GetMark(0).GetSearchId(), 0);
}

TEST_F(DocFixture, AddedMarksAreNewAndMarkTheDocumentModified) {
    const std::uint32_t records[] = {5, 3, 5};
    EXPECT_EQ(doc.AddFoundMarks(records, 'u', 1, 0, true, false), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetMark(0).HasFlag(CMark::kKept));
    doc.SetModifiedFlag(false);

    const std::vector<CMark> pasted = {CMark(3, 'u', 7, 9), CMark(8, 'c', 7, 9)};
    doc.AddMarks(pasted, 2, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.CountMarks(MakeSectionFilter(2, true)), 2);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.MergeMarks(pasted), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints, (Hints{512, 512, 512}));
}

TEST_F(DocFixture, StoringAnUnchangedMarkChangesNothing) {
    const std::uint32_t records[] = {5};
    doc.AddFoundMarks(records, 'u', 1, 0, false, false);
    doc.SetModifiedFlag(false);
    view.hints.clear();
    doc.SetMark(0, doc.GetMark(0), 1);
    EXPECT_FALSE(doc.IsModified());
    CMark changed = doc.GetMark(0);
    changed.ToggleLong();
    doc.SetMark(0, changed, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(view.hints.empty());
    changed.ToggleLong();
    doc.SetFilteredMark(MakeKeptFilter(true, false), 0, changed, 2);
    EXPECT_EQ(view.hints, (Hints{2}));
    EXPECT_FALSE(doc.GetMark(0).HasFlag(CMark::kLong));
}

TEST_F(DocFixture, CurrentSearchHintsOnlyOnChange) {
    doc.SetCurrentSearch(3);
    doc.SetCurrentSearch(3);
    doc.SelectSearch(4);
    doc.SelectSearch(4);
    doc.SetSectionCount(6);
    EXPECT_EQ(doc.GetCurrentSearch(), 4);
    EXPECT_EQ(doc.GetSectionCount(), 6);
    EXPECT_EQ(view.hints, (Hints{4096, 8192, 16384}));
}

TEST_F(DocFixture, ClosingResultsCommitsKeptMarksAndCompletesTheSearch) {
    CSearch run = MakeRunSearch(1, "u", 1, 2);
    run.SetMarkCount(2);
    const int id = doc.AddSearch(run);
    const std::uint32_t records[] = {10, 11};
    doc.AddFoundMarks(records, 'u', 1, id, false, false);
    for (int i = 0; i < 2; ++i) {
        CMark mark = doc.GetMark(i);
        mark.SetFlags(mark.GetFlags() | 0x80 | (i == 0 ? CMark::kKept : 0));
        doc.SetMark(i, mark, 0);
    }
    view.hints.clear();
    doc.CommitSearchMarks(id);
    EXPECT_EQ(doc.GetMark(0).GetFlags(), CMark::kPermanentKeep | 0x80);
    EXPECT_EQ(doc.GetMark(1).GetFlags(), 0x80u);
    const CSearch& search = doc.FindSearch(id);
    EXPECT_TRUE(search.IsCompleted());
    EXPECT_TRUE(search.IsViewed());
    EXPECT_EQ(search.GetMarkCount(), 2);
    EXPECT_EQ(view.hints, (Hints{256 | 64}));

    view.hints.clear();
    doc.CommitSearchMarks(id);
    EXPECT_TRUE(view.hints.empty());
}

TEST_F(DocFixture, StatisticsCountGroupsAndViews) {
    const int id = doc.AddSearch(MakeRunSearch(1, "u", 1, 3));
    const std::uint32_t records[] = {10, 11, 12};
    doc.AddFoundMarks(records, 'u', 1, id, false, false);
    // Another search's duplicate of record 10 does not count for it.
    const int other = doc.AddSearch(MakeRunSearch(1, "u", 2, 1));
    const std::uint32_t again[] = {10};
    doc.AddFoundMarks(again, 'u', 1, other, false, false);

    CSearch search = doc.FindSearch(id);
    search.SetMarkCount(9);
    search.SetCompleted(true);
    doc.ReplaceSearch(search);
    EXPECT_TRUE(doc.RecomputeSearchStats());
    EXPECT_EQ(doc.FindSearch(id).GetMarkCount(), 3);
    EXPECT_TRUE(doc.FindSearch(id).IsCompleted()); // a larger count loses only the count
    EXPECT_EQ(doc.FindSearch(other).GetMarkCount(), 0);
    EXPECT_FALSE(doc.FindSearch(id).IsViewed());

    search = doc.FindSearch(id);
    search.SetMarkCount(1);
    doc.ReplaceSearch(search);
    doc.RecomputeSearchStats();
    EXPECT_FALSE(doc.FindSearch(id).IsCompleted()); // a smaller one loses completed

    // Viewing every group head makes both searches viewed, the duplicate through its head.
    view.hints.clear();
    for (int i = 0; i < doc.GetMarkCount(); ++i) {
        CMark mark = doc.GetMark(i);
        if (!mark.IsDuplicate()) {
            mark.SetFlags(mark.GetFlags() | 0x40);
            doc.SetMarkQuiet(i, mark);
        }
    }
    EXPECT_TRUE(view.hints.empty());
    doc.OnIdle();
    EXPECT_TRUE(doc.FindSearch(id).IsViewed());
    EXPECT_TRUE(doc.FindSearch(other).IsViewed());
    EXPECT_EQ(view.hints, (Hints{64}));
    doc.OnIdle();
    EXPECT_EQ(view.hints, (Hints{64}));
    EXPECT_FALSE(doc.RecomputeSearchStats());
}

TEST_F(DocFixture, StatisticsKeepSearchesThatShareAnId) {
    // As a damaged file may give them: two searches of one id in different sections.
    CSearch first = MakeRunSearch(1, "u", 1, 3);
    first.SetSearchId(3);
    first.SetMarkCount(5);
    CSearch second = MakeRunSearch(2, "c", 2, 0);
    second.SetSearchId(3);
    doc.AddSearch(first);
    doc.AddSearch(second);
    EXPECT_TRUE(doc.RecomputeSearchStats());
    ASSERT_EQ(doc.GetSearchCount(), 2);
    EXPECT_EQ(doc.GetSearch(0).GetSection(), 1);
    EXPECT_EQ(doc.GetSearch(0).GetMarkCount(), 0);
    EXPECT_EQ(doc.GetSearch(1).GetSection(), 2);
}

TEST_F(DocFixture, WatchContentsReplaceTheExaminationAsANewDocument) {
    doc.SetPathName(folder / "exam.zre");
    doc.SetClient("Acme");
    doc.AddSearch(MakeSearch(1, "u"));
    CMarkList marks;
    marks.Append(CMark(10, 'u', 1, 0, 0, CMark::kPermanentKeep));
    marks.Append(CMark(11, 'u', 2, 0, 0, CMark::kPermanentKeep));
    CSearchList searches;
    searches.Add(MakeSearch(1, "uc"));
    view.hints.clear();
    doc.SetWatchContents(marks, searches);

    EXPECT_TRUE(doc.IsWatch());
    EXPECT_EQ(doc.GetWatchMarkCount(), 2);
    EXPECT_EQ(doc.GetSectionCount(), 1);
    EXPECT_EQ(doc.GetSearchCount(), 1);
    // Its searches' criteria are completed as an opened watch's are: no class is every class.
    EXPECT_TRUE(doc.GetSearch(0).GetCriteria().HasAllClasses());
    EXPECT_EQ(doc.GetClient(), "Acme");
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints, (Hints{4, 4}));

    // A watch walks the sections of its marks of no search.
    EXPECT_EQ(doc.GetFirstSearch(), 1);
    EXPECT_EQ(doc.GetNextSearch(1), 2);
    EXPECT_EQ(doc.GetNextSearch(2), -1);
    EXPECT_EQ(doc.GetPreviousSearch(2), 1);
}

TEST_F(DocFixture, ExaminationWalksItsSearches) {
    const int first = doc.AddSearch(MakeSearch(1, "u"));
    const int second = doc.AddSearch(MakeSearch(1, "c"));
    EXPECT_EQ(doc.GetFirstSearch(), first);
    EXPECT_EQ(doc.GetNextSearch(first), second);
    EXPECT_EQ(doc.GetPreviousSearch(first), -1);
    int position = 0;
    int count = 0;
    doc.GetSearchPosition(second, position, count);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(count, 2);
}

TEST_F(DocFixture, SearchesRunForTheActiveDocument) {
    InstallActiveExamination(&doc);
    CSearch search = doc.FindSearch(doc.AddSearch(MakeSearch(1, "u")));
    EXPECT_TRUE(search.AddResults(4, 4, "u"));
    EXPECT_EQ(search.GetOrder(), 1);
    EXPECT_EQ(doc.NewOrder(), 2);
    InstallActiveExamination(nullptr);
}

TEST_F(DocFixture, NewExaminationTakesTheWizardsChoices) {
    const std::string defaultStatus = TheUserOptions().GetDefaultStatus();
    TheUserOptions().SetDefaultStatus("rp");
    doc.AddSearch(MakeSearch(1, "u"));
    CNewExamination choices;
    choices.agency = "Agency";
    choices.examiner = "Examiner";
    choices.client = "Client";
    choices.examId = "E-1";
    choices.oneClassOnly = true;
    choices.sectionCount = 6;
    choices.databaseCodes = "uc";
    choices.selection.SelectFromDbCodes("uc");
    choices.engines.AddEngine(MakeEngine('u', MakeDate(2020, 1, 1), 0x80000, "Web"), "GB");
    choices.autoDesign = true;
    choices.autoWordMark = "ACME";
    choices.autoStatus = "Registered,Pending";
    doc.NewExamination(choices);

    EXPECT_EQ(doc.GetSearchCount(), 0);
    EXPECT_EQ(doc.GetAgency(), "Agency");
    EXPECT_EQ(doc.GetExamId(), "E-1");
    EXPECT_EQ(doc.IsOneClassOnly(), 1);
    EXPECT_EQ(doc.GetSectionCount(), 6);
    EXPECT_EQ(doc.GetDatabaseCodes(), "uc");
    EXPECT_EQ(doc.CZrDocData::GetDatabaseCodes(), "uc");
    EXPECT_EQ(doc.GetValue(CExamInfo::kAutoWordMark), "ACME");
    EXPECT_EQ(doc.GetValue(CExamInfo::kAutoStatus), "Registered,Pending");
    EXPECT_EQ(doc.GetTemplateCriteria().GetDbIds(), "uc");
    EXPECT_EQ(doc.GetTemplateCriteria().GetStatus(), "rp");
    TheUserOptions().SetDefaultStatus(defaultStatus);
    EXPECT_EQ(registers.GetDbEngine('u').GetName(), "Web");
    EXPECT_EQ(registers.restrictions['u'], "GB");
    EXPECT_EQ(host.watchModes, (std::vector<bool>{false}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.hints.back(), 4);
}

TEST_F(DocFixture, DetailsAndDatabasesChangesAreKept) {
    CExamDetails details;
    details.client = "New client";
    details.sectionCount = 5;
    doc.ChangeDetails(details);
    EXPECT_EQ(doc.GetClient(), "New client");
    EXPECT_EQ(doc.GetSectionCount(), 5);
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    CDbSelection selection;
    selection.SelectFromDbCodes("c");
    doc.ChangeDatabases("c", selection);
    EXPECT_EQ(doc.GetDatabaseCodes(), "c");
    EXPECT_EQ(doc.CZrDocData::GetDatabaseCodes(), "c");
    EXPECT_EQ(doc.GetTemplateCriteria().GetDbIds(), "c");
    EXPECT_TRUE(doc.GetDbSelection() == selection);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints.back(), 8);
}

TEST_F(DocFixture, SetNamesOfConnectedRegistersOnce) {
    registers.systemSets['u'] = {"AddedLastWeek", "UpdatedLastWeek"};
    registers.systemSets['c'] = {"UpdatedLastWeek", "Renewals"};
    registers.systemSets['s'] = {"NotConnected"};
    EXPECT_EQ(CZrDocData::GetSetNames(registers),
              (std::vector<std::string>{"AddedLastWeek", "UpdatedLastWeek", "Renewals"}));
}

TEST_F(DocFixture, ViewsMayLeaveWhileUpdating) {
    class CLeavingView : public IDocumentView {
    public:
        explicit CLeavingView(CZR2000Doc& doc) : doc_(doc) {}
        void OnUpdate(IDocumentView*, int) override { doc_.RemoveView(this); }

    private:
        CZR2000Doc& doc_;
    } leaving(doc);
    doc.AddView(&leaving);
    doc.UpdateAllViews(nullptr, 4);
    doc.UpdateAllViews(&view, 8);
    EXPECT_EQ(view.hints, (Hints{4}));
}

} // namespace
