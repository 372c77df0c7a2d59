// A search run over the wire that lands its marks in the examination document, which keeps them
// through its file.

#include "ConnectedFixture.h"
#include "app/document/SearchDocument.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "tests/core/TempFolder.h"

namespace {

class CNoRepository : public IExamRepository {
public:
    std::vector<CZrDbEngine> GetEngines(char) const override { return {}; }
    CZrDbEngine GetPreferredEngine(char code) const override {
        return CZrDbEngine(static_cast<unsigned char>(code));
    }
    void LogSearch(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {}
};

class CSilentProgress : public IProgress {
public:
    void SetRange(int, int, int) override {}
    void SetProgress(const std::string&, int) override {}
    void Finish() override {}
    bool IsCancelled() const override { return false; }
};

// Records messages and answers No to every question.
class CQuietHost : public IDocumentHost {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        messages.push_back(text);
        return false;
    }
    void ChangeEngines(const std::string&) override {}
    void SetWatchMode(bool) override {}
    void SetStatusText(const std::string&) override {}
    void SaveAs(const std::string&) override {}
    std::unique_ptr<IProgress> OpenProgress(const std::string&) override {
        return std::make_unique<CSilentProgress>();
    }

    std::vector<std::string> messages;
};

class DocumentSearchTest : public ConnectedFixture {
protected:
    std::vector<CMark> MarksOf(CZR2000Doc& doc, int searchId) {
        return CSearchDocument(doc).GetFilteredMarks(MakeSearchIdFilter(searchId, false, true));
    }
    // Runs the search of the document as the search progress window runs it.
    void Run(CZR2000Doc& doc, int searchId) {
        CSearchDocument searchDocument(doc);
        CSearchProgress progress(searchDocument, Services());
        progress.AddSearch(searchId);
        ASSERT_TRUE(RunToEnd(progress));
        ASSERT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);
    }

    CTableRegisters registers_{zrDbs_};
    CNoRepository examRepository_;
    CQuietHost host_;
    CTempFolder folder_;
};

TEST_F(DocumentSearchTest, ARunsMarksReachTheDocumentAndItsFile) {
    CZR2000Doc doc(registers_, examRepository_, host_);
    CSearch search(0);
    search.GetCriteria().ResetWithDbIds("uc");
    search.GetCriteria().FillDefaults();
    const int id = doc.AddSearch(search);

    CSearchDocument searchDocument(doc);
    {
        CSearchProgress progress(searchDocument, Services());
        progress.AddSearch(id);
        ASSERT_TRUE(RunToEnd(progress));
        EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);
    }
    EXPECT_EQ(doc.FindSearch(id).GetFound(), 1200);
    EXPECT_TRUE(doc.IsModified());
    const std::vector<CMark> found = MarksOf(doc, id);
    ASSERT_EQ(found.size(), 1200u);
    EXPECT_EQ(doc.CountMarks(MakeRegisterFilter('u', true)), 600);
    EXPECT_EQ(doc.CountMarks(MakeRegisterFilter('c', true)), 600);

    const std::string path = (folder_.Path() / "run.zre").string();
    ASSERT_TRUE(doc.OnSaveDocument(path));
    CZR2000Doc reopened(registers_, examRepository_, host_);
    ASSERT_TRUE(reopened.OnOpenDocument(path)) << ::testing::PrintToString(host_.messages);
    const std::vector<CMark> loaded = MarksOf(reopened, id);
    ASSERT_EQ(loaded.size(), found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(loaded[i].GetRegisterCode(), found[i].GetRegisterCode()) << i;
        EXPECT_EQ(loaded[i].GetRecordNumber(), found[i].GetRecordNumber()) << i;
        EXPECT_EQ(loaded[i].GetSearchId(), found[i].GetSearchId()) << i;
    }
    EXPECT_TRUE(reopened.FindSearch(id).HasRun());
}

// A file whose search state and marks disagree: a search that has not run already owns marks
// (it was reset, or it is new and takes the id of a removed search whose marks the file kept).
// Its first run lists each of its hits once and nothing else, and a kept mark stays kept.
TEST_F(DocumentSearchTest, AFirstRunListsEachHitOnceWhateverMarksTheFileGaveTheSearch) {
    struct Case {
        const char* name;
        // Breaks the searches of the examination about to be saved, whose second search found
        // the same marks as its first and whose third found others; answers the id of the
        // search that runs after reopening, a new search for searchFor unless that is null.
        std::function<int(CSearchList&)> breakState;
        const char* searchFor;
    };
    const Case cases[] = {
        {"reset",
         [](CSearchList& searches) {
             searches.ResetAt(searches.FindIndex(1));
             return 1;
         },
         nullptr},
        {"removed",
         [](CSearchList& searches) {
             searches.Remove(3);
             return 3;
         },
         "ZENITH"},
    };
    const auto wordSearch = [](const char* word) {
        CSearch search(0);
        search.GetCriteria().ResetWithDbIds("uc");
        search.GetCriteria().FillDefaults();
        search.GetCriteria().SetWordTerms({word});
        return search;
    };
    const auto listed = [this](CZR2000Doc& doc, int id) {
        std::vector<std::pair<int, std::uint32_t>> marks;
        for (const CMark& mark : MarksOf(doc, id))
            marks.emplace_back(mark.GetRegisterCode(), mark.GetRecordNumber());
        return marks;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CZR2000Doc doc(registers_, examRepository_, host_);
        InstallActiveExamination(&doc);
        for (const char* word : {"ACME", "ACME", "NOVA"})
            ASSERT_NO_FATAL_FAILURE(Run(doc, doc.AddSearch(wordSearch(word))));
        ASSERT_GT(doc.FindSearch(1).GetFound(), 1);
        // The first mark of the first search kept for good.
        const int keptIndex = doc.FindFilteredIndex(MakeSearchIdFilter(1, false, true), 0);
        CMark kept = doc.GetMark(keptIndex);
        kept.SetFlags(kept.GetFlags() | CMark::kPermanentKeep);
        doc.SetMark(keptIndex, kept, 0);
        const int id = c.breakState(*doc.GetActiveSearchList());
        const std::string path = (folder_.Path() / (std::string(c.name) + ".zre")).string();
        ASSERT_TRUE(doc.OnSaveDocument(path));

        CZR2000Doc reopened(registers_, examRepository_, host_);
        InstallActiveExamination(&reopened);
        ASSERT_TRUE(reopened.OnOpenDocument(path)) << ::testing::PrintToString(host_.messages);
        // Opening gave the registers this fixture's engineless repository's engines.
        ConnectRegisters();
        if (c.searchFor) {
            ASSERT_EQ(reopened.AddSearch(wordSearch(c.searchFor)), id);
        }
        ASSERT_NO_FATAL_FAILURE(Run(reopened, id));
        // The same search new to an examination of its own.
        CZR2000Doc fresh(registers_, examRepository_, host_);
        InstallActiveExamination(&fresh);
        CSearch again = reopened.FindSearch(id);
        again.Reset();
        const int freshId = fresh.AddSearch(again);
        ASSERT_NO_FATAL_FAILURE(Run(fresh, freshId));
        EXPECT_EQ(listed(reopened, id), listed(fresh, freshId));
        EXPECT_EQ(reopened.FindSearch(id).GetFound(), fresh.FindSearch(freshId).GetFound());
        EXPECT_EQ(reopened.CountMarks(MakeKeptFilter(false, true)), 1);
        InstallActiveExamination(nullptr);
    }
}

} // namespace
