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
    // A search of the UK and EU registers for the word; of every record without one.
    static CSearch SearchFor(const char* word = nullptr) {
        CSearch search(0);
        search.GetCriteria().ResetWithDbIds("uc");
        search.GetCriteria().FillDefaults();
        if (word)
            search.GetCriteria().SetWordTerms({word});
        return search;
    }
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
    const int id = doc.AddSearch(SearchFor());
    ASSERT_NO_FATAL_FAILURE(Run(doc, id));
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

// A file that kept the marks of a removed search: the next new search takes its id, and its
// first run lists its own hits once and nothing of the removed search's.
TEST_F(DocumentSearchTest, ANewSearchListsNoMarksOfTheRemovedSearchWhoseIdItTakes) {
    const auto listed = [this](CZR2000Doc& doc, int id) {
        std::vector<std::pair<int, std::uint32_t>> marks;
        for (const CMark& mark : MarksOf(doc, id))
            marks.emplace_back(mark.GetRegisterCode(), mark.GetRecordNumber());
        return marks;
    };
    CZR2000Doc doc(registers_, examRepository_, host_);
    InstallActiveExamination(&doc);
    // The removed search found the marks of the new one and others.
    ASSERT_NO_FATAL_FAILURE(Run(doc, doc.AddSearch(SearchFor("ACME"))));
    ASSERT_NO_FATAL_FAILURE(Run(doc, doc.AddSearch(SearchFor("AC-"))));
    doc.GetActiveSearchList()->Remove(2);
    const std::string path = (folder_.Path() / "removed.zre").string();
    ASSERT_TRUE(doc.OnSaveDocument(path));

    CZR2000Doc reopened(registers_, examRepository_, host_);
    InstallActiveExamination(&reopened);
    ASSERT_TRUE(reopened.OnOpenDocument(path)) << ::testing::PrintToString(host_.messages);
    // Opening gave the registers the engines of this fixture's repository, which has none.
    ConnectRegisters();
    ASSERT_EQ(reopened.AddSearch(SearchFor("ACME")), 2);
    ASSERT_NO_FATAL_FAILURE(Run(reopened, 2));
    EXPECT_EQ(listed(reopened, 2), listed(reopened, 1));
    EXPECT_EQ(reopened.FindSearch(2).GetFound(), reopened.FindSearch(1).GetFound());
    InstallActiveExamination(nullptr);
}

} // namespace
