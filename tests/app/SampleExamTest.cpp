// The sample examination that scripts/start_client.sh opens, made by zr_sample_exam over the
// local service and opened through the document as the program opens it.

#include "FakeDocumentHost.h"
#include "app/ProgramRepository.h"
#include "app/dialogs/ExamDialogs.h"
#include "app/document/SearchDocument.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "app/views/SectionDialogs.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "engines/SearchProgress.h"
#include "engines/selection/ChangeDatabases.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"

#include <algorithm>
#include <array>
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

    // The marks the results window lists for the search, sorted.
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
    // Per section: searches to run, searches run, marks found.
    std::vector<std::array<int, 3>> expected(static_cast<std::size_t>(doc_.GetSectionCount()));
    std::vector<std::pair<int, bool>> placed; // section, run
    for (int i = 0; i < doc_.GetSearchCount(); ++i) {
        const CSearch& search = doc_.GetSearch(i);
        const Listed listed = ListedMarks(doc_, search.GetSearchId());
        const Listed hits = search.HasRun() ? ServiceHits(search) : Listed();
        EXPECT_EQ(search.GetFound(), static_cast<int>(hits.size())) << i;
        EXPECT_EQ(listed, hits) << i;
        auto& counts = expected.at(static_cast<std::size_t>(search.GetSection()));
        ++counts[search.HasRun() ? 1 : 0];
        counts[2] += static_cast<int>(listed.size());
        placed.emplace_back(search.GetSection(), search.HasRun());
    }
    std::vector<std::array<int, 3>> shown;
    for (const CSectionInfoRow& row : BuildSectionInfoRows(doc_, TheUserOptions()))
        shown.push_back({row.toRun, row.toView + row.completed, row.marksFound});
    shown.pop_back(); // the total
    EXPECT_EQ(shown, expected);
    // Searches run in the first two sections, one left to run, marks kept in the first.
    EXPECT_EQ(placed,
              (std::vector<std::pair<int, bool>>{{0, true}, {0, true}, {1, true}, {1, false}}));
    EXPECT_GT(doc_.CountMarks(MakeSectionFilter(0, false)), 0);
}

// Change Details shows the clearance search the README tells of, as the wizard was given it, and
// Change Databases takes its databases unchanged.
TEST_F(SampleExam, ItsDetailsAndDatabasesAreThoseTheWizardWasGiven) {
    const CChangeDetailsForm form = MakeChangeDetailsForm(doc_);
    EXPECT_EQ((std::vector<std::string>{form.details.client, form.details.agency,
                                        form.details.examiner, form.details.examId, form.wordMark,
                                        form.primaryClasses, form.secondaryClasses, form.status}),
              (std::vector<std::string>{"Acme Software Ltd", "Fairbairn & Marsh LLP",
                                        "Helen Carter", "ACM-0417", "ACME", "9,42", "35,38",
                                        "Registered,Pending,Lapsed,Abandoned"}));
    EXPECT_FALSE(form.details.oneClassOnly);

    std::vector<std::string> shown;
    const platform::ScopedMessageBoxHandler messages([&shown](const platform::Message& message) {
        shown.push_back(message.text);
        return platform::MessageAnswer::Ok;
    });
    const CSearchDocument examination(doc_);
    CChangeDatabases databases(examination, engineTable_, TheRepository(), TheUserOptions(), true);
    databases.Init();
    EXPECT_TRUE(databases.OnOK());
    EXPECT_EQ(shown, std::vector<std::string>());
}

// Its searches run again after their state was reset in the file, marks kept, as the sample
// tool once wrote them.
TEST_F(SampleExam, RunningItsSearchesAgainListsEachMarkOnce) {
    const int keptBefore = doc_.CountMarks(MakeKeptFilter(false, true));
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
