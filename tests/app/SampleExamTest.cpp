// The sample examination that scripts/start_client.sh opens: made by zr_sample_exam over the
// local service and opened through the document as the program opens it. Its searches hold
// what the service finds for them, its sections what their Section Info says, and running its
// searches again lists each mark once.

#include "FakeDocumentHost.h"
#include "app/ProgramRepository.h"
#include "app/document/SearchDocument.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "app/views/SectionDialogs.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "engines/SearchProgress.h"
#include "platform/Process.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A mark as the lists show it: register and record.
using Listed = std::vector<std::pair<char, std::uint32_t>>;

class SampleExam : public ::testing::Test {
protected:
    void SetUp() override {
        const TestServiceAddresses& service = local_service::Process().Addresses();
        folder_.Write("prog/ZrSystem.ini", "[Locations]\nHome=" + folder_ / "home" +
                                               "\n[Repository]\nRemote1=" + service.remote +
                                               "\nLocal=" + service.local + "\n");
        std::filesystem::create_directories(folder_ / "home");
        platform::ChildProcess tool;
        ASSERT_TRUE(tool.Start(ZR_BUILD_DIR "/testsvc/zr_sample_exam",
                               {"--program-dir", folder_ / "prog", "--output", SamplePath()}));
        for (int wait = 0; wait < 1200 && tool.IsRunning(); ++wait)
            std::this_thread::sleep_for(100ms);
        ASSERT_EQ(tool.Stop(1s), 0);

        // Logged in as the program logs in, with the settings the tool left.
        TheSystemOptions().Load(folder_ / "prog");
        InstallRegisterTable(&engineTable_);
        std::string localError, remoteError;
        ASSERT_TRUE(TheRepository().Connect(local_service::kCompanyId, local_service::kUserId,
                                            local_service::kPassword, localError, remoteError))
            << localError << remoteError;
        TheSystemOptions().SetUser(local_service::kCompanyId, local_service::kUserId,
                                   local_service::kPassword);
        TheUserOptions().Load();
        engines_ = local_service::Logon(local_service::Remote(), "");
        ASSERT_TRUE(Open(doc_, SamplePath()));
    }
    void TearDown() override {
        InstallActiveExamination(nullptr);
        TheRepository().DisconnectAll();
        InstallRegisterTable(nullptr);
    }

    std::string SamplePath() const { return folder_ / "home/Sample.zre"; }
    bool Open(CZR2000Doc& doc, const std::string& path) {
        InstallActiveExamination(&doc);
        const bool opened = doc.OnOpenDocument(path);
        EXPECT_EQ(host_.messages, std::vector<std::string>());
        return opened;
    }

    // The marks the results window lists for the search, in order.
    static Listed ListedMarks(CZR2000Doc& doc, int searchId) {
        Listed listed;
        for (const CMark& mark :
             CSearchDocument(doc).GetFilteredMarks(MakeSearchIdFilter(searchId, false, true)))
            listed.emplace_back(static_cast<char>(mark.GetRegisterCode()), mark.GetRecordNumber());
        std::sort(listed.begin(), listed.end());
        return listed;
    }
    // What the service finds for the search's criteria on its databases.
    Listed ServiceHits(const CSearch& search) {
        Listed hits;
        const std::string criteria = search.GetCriteria().WriteEngineText();
        for (const char code : search.GetDatabases()) {
            const EngineInfo& engine = local_service::Find(engines_.in(), code == 'i' ? 'I' : code);
            for (const CORBA::ULong id : local_service::Search(engine, criteria.c_str()))
                hits.emplace_back(code, id);
        }
        std::sort(hits.begin(), hits.end());
        return hits;
    }
    // Runs the search as the search progress window runs it.
    static void Run(CZR2000Doc& doc, int searchId) {
        CSearchDocument searchDocument(doc);
        CSearchProgress progress(searchDocument, TheSearchServices());
        progress.AddSearch(searchId);
        progress.Begin();
        for (int tick = 0; tick < 200 && !progress.IsEnded(); ++tick)
            progress.Tick();
        ASSERT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);
    }

    CTempFolder folder_;
    CScopedEnv config_{"XDG_CONFIG_HOME", folder_ / "config"};
    CEngineRegisterTable engineTable_{TheZrDbs()};
    CTableRegisters registers_{TheZrDbs()};
    CProgramRepository repository_{TheRepository()};
    CFakeHost host_;
    CZR2000Doc doc_{registers_, repository_, host_};
    EngineInfoSeq_var engines_;
};

TEST_F(SampleExam, EveryRunSearchHoldsWhatTheServiceFindsAndEverySectionWhatItsInfoSays) {
    ASSERT_EQ(doc_.GetSearchCount(), 4);
    std::vector<CSectionInfoRow> expected(static_cast<std::size_t>(doc_.GetSectionCount()));
    for (int i = 0; i < doc_.GetSearchCount(); ++i) {
        const CSearch& search = doc_.GetSearch(i);
        const Listed listed = ListedMarks(doc_, search.GetSearchId());
        CSectionInfoRow& row = expected.at(static_cast<std::size_t>(search.GetSection()));
        row.marksFound += static_cast<int>(listed.size());
        if (!search.HasRun()) {
            ++row.toRun;
            EXPECT_EQ(listed, Listed()) << i;
            continue;
        }
        (search.IsCompleted() ? row.completed : row.toView) += 1;
        const Listed hits = ServiceHits(search);
        EXPECT_EQ(search.GetFound(), static_cast<int>(hits.size())) << i;
        EXPECT_EQ(listed, hits) << i;
    }
    for (int section = 0; section < doc_.GetSectionCount(); ++section) {
        expected[static_cast<std::size_t>(section)].name = TheUserOptions().GetSectionName(section);
        expected[static_cast<std::size_t>(section)].marksKept =
            doc_.CountMarks(MakeSectionFilter(section, false));
    }
    std::vector<CSectionInfoRow> rows = BuildSectionInfoRows(doc_, TheUserOptions());
    rows.pop_back(); // the total
    EXPECT_EQ(rows, expected);
    // Searches run in the first two sections, one left to run, marks kept in the first.
    const auto summary = [](const CSectionInfoRow& row) {
        return std::to_string(row.toRun) + " to run, " +
               std::to_string(row.toView + row.completed) + " run, " +
               (row.marksKept > 0 ? "marks kept" : "none kept");
    };
    std::vector<std::string> summaries;
    std::transform(rows.begin(), rows.end(), std::back_inserter(summaries), summary);
    EXPECT_EQ(summaries, (std::vector<std::string>{
                             "0 to run, 2 run, marks kept", "1 to run, 1 run, none kept",
                             "0 to run, 0 run, none kept", "0 to run, 0 run, none kept"}));
}

// Its searches run again after their state was reset in the file, marks kept, as the sample
// tool once wrote them.
TEST_F(SampleExam, RunningItsSearchesAgainListsEachMarkOnce) {
    const int keptBefore = doc_.CountMarks(MakeKeptFilter(false, true));
    ASSERT_GT(keptBefore, 0);
    CSearchList& searches = *doc_.GetActiveSearchList();
    for (int i = 0; i < searches.GetCount(); ++i)
        searches.ResetAt(i);
    const std::string reset = folder_ / "reset.zre";
    ASSERT_TRUE(doc_.OnSaveDocument(reset));

    CZR2000Doc doc(registers_, repository_, host_);
    ASSERT_TRUE(Open(doc, reset));
    std::vector<int> ids;
    doc.GetFilteredSearchIds(MakeNotRunFilter(-1), ids);
    ASSERT_EQ(ids.size(), 4u);
    for (const int id : ids) {
        Run(doc, id);
        const Listed hits = ServiceHits(doc.FindSearch(id));
        EXPECT_EQ(doc.FindSearch(id).GetFound(), static_cast<int>(hits.size())) << id;
        EXPECT_EQ(ListedMarks(doc, id), hits) << id;
    }
    EXPECT_EQ(doc.CountMarks(MakeKeptFilter(false, true)), keptBefore);
}

} // namespace
