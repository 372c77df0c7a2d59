// The main window's own commands without the window: its size, the report to a file, Watch All,
// Next and Previous, and the exit check while background jobs run.

#include "app/MainFrameCommands.h"

#include "DocFixture.h"
#include "app/SearchRunFlow.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/BgrJobs.h"
#include "tests/engines/ScriptedMessages.h"

#include <deque>

namespace {

using Texts = std::vector<std::string>;

TEST(MainWindowRect, HalfTheWorkAreaButAtLeast500Pixels) {
    EXPECT_EQ(MainWindowRect({0, 0, 1200, 800}), (CRect{0, 0, 600, 800}));
    EXPECT_EQ(MainWindowRect({0, 0, 900, 700}), (CRect{0, 0, 500, 700}));
    EXPECT_EQ(MainWindowRect({0, 0, 400, 300}), (CRect{0, 0, 400, 300}));
    EXPECT_EQ(MainWindowRect({0, 0, 1001, 700}), (CRect{0, 0, 500, 700}));
    EXPECT_EQ(MainWindowRect({0, 0, 499, 700}), (CRect{0, 0, 499, 700}));
    // A work area beside a panel keeps its offset.
    EXPECT_EQ(MainWindowRect({64, 24, 1264, 824}), (CRect{64, 24, 664, 824}));
}

TEST(MainFrameTitle, DocumentFirstThenTheProgramAndTheWatchSuffix) {
    EXPECT_EQ(MainFrameTitle("Acme.zre", false), "Acme.zre - RO Vedaridarevu");
    EXPECT_EQ(MainFrameTitle("Acme.zre", true), "Acme.zre - RO Vedaridarevu (Watching)");
    EXPECT_EQ(MainFrameTitle("", true), "RO Vedaridarevu (Watching)");
}

TEST(ReportOutputPath, ANameWithoutExtensionTakesTheTemplatesOne) {
    EXPECT_EQ(ReportOutputPath("/r/acme", "Full.rtf"), "/r/acme.rtf");
    EXPECT_EQ(ReportOutputPath("/r/acme.doc", "Full.rtf"), "/r/acme.doc");
    EXPECT_EQ(ReportOutputPath("/r.x/acme", "Full.rtf"), "/r.x/acme.rtf");
    EXPECT_EQ(ReportOutputPath("/r/acme", "Plain"), "/r/acme");
    const CFileDialogRequest dialog = MakeReportDialog("Full.rtf", "/reports");
    EXPECT_EQ(dialog.filter, "ZRPro Full report (*.rtf)|*.rtf|All files (*.*)|*.*|");
    EXPECT_EQ(dialog.folder, "/reports");
    EXPECT_EQ(dialog.kind, CFileDialogRequest::Kind::Save);
}

class CountingJob : public CBgrJob {
public:
    std::string GetName() const override { return "Report"; }
};

TEST(CheckExitTasks, AnyRunningJobAsksAndCancelKeepsTheProgram) {
    for (const int count : {0, 1, 2}) {
        CBgrJobManager jobs;
        for (int i = 0; i < count; ++i)
            jobs.AddJob(std::make_shared<CountingJob>());
        int asked = 0;
        EXPECT_EQ(CheckExitTasks(jobs, [&asked] { return ++asked, false; }), count == 0) << count;
        EXPECT_TRUE(CheckExitTasks(jobs, [&asked] { return ++asked, true; })) << count;
        EXPECT_EQ(asked, count == 0 ? 0 : 2) << count;
    }
}

struct Fakes : IWatchRun,
               IMainFramePanes,
               IReportRunner,
               IFileDialogs,
               ISearchProgressRun,
               IResultsWindow,
               IDetailsOpener,
               ISearchPrompts {
    void RunCollected(int) override { calls.push_back("watch collected"); }
    void RunAllSearches() override {
        calls.push_back("watch all");
        if (onWatchAll)
            onWatchAll();
    }
    bool HasMainView() const override { return mainView; }
    void RefreshMainView() override { calls.push_back("refresh"); }
    bool ShowWatchSection(int section) override {
        calls.push_back("section " + std::to_string(section));
        return true;
    }
    bool ChooseTemplate(std::string& name) override {
        name = templateName;
        return !name.empty();
    }
    void RunReport(const std::string& templatePath, const std::string& outputPath,
                   CZR2000Doc&) override {
        calls.push_back("report " + templatePath + " > " + outputPath);
    }
    bool Ask(const CFileDialogRequest& request, std::string& path) override {
        calls.push_back("ask " + request.folder);
        path = typedPath;
        return !path.empty();
    }
    bool RunSearch(int searchId) override {
        calls.push_back("run " + std::to_string(searchId));
        return false;
    }
    bool IsOpen() const override { return false; }
    bool GetShownSearch(int&) const override { return false; }
    void ForgetSelection() override {}
    void Focus() override {}
    void Open(bool) override { calls.push_back("results"); }
    void Close() override {}
    bool CanOpenDetails() const override { return true; }
    void OpenDetails(const CFilter&, int) override {}
    void CloseAll() override {}
    bool AskViewPreviouslyFound() override { return false; }

    Texts calls;
    std::function<void()> onWatchAll;
    bool mainView = true;
    std::string templateName;
    std::string typedPath;
};

class MainFrameCommandsTest : public DocFixture {
protected:
    void SetUp() override {
        DocFixture::SetUp();
        folder.Write("prog/ZrSystem.ini", "[Locations]\nHome=" + folder / "home" +
                                              "\nTemplates=" + folder / "tpl" +
                                              "\nReportDir=" + folder / "reports" + "\n");
        system.Load(folder / "prog");
    }
    // A watch of record 20 with one search, whose earlier run found record 21 and whose next
    // finds records 30 and 31.
    void MakeWatch() {
        CMarkList marks;
        marks.AddMark(20, 'u', 1, 0, 0, CMark::kPermanentKeep);
        marks.AddMark(21, 'u', 1, 1, 0, 0);
        CSearchList searches;
        searches.Add(MakeSearch(1, "u"));
        doc.SetWatchContents(marks, searches);
        fakes.onWatchAll = [this] {
            const std::uint32_t found[] = {30, 31};
            doc.AddFoundMarks(found, 'u', 1, 1, true, false);
        };
    }

    Fakes fakes;
    CUserOptions user;
    CSystemOptions system;
    CSearchRunFlow flow{{fakes, fakes, fakes, fakes, fakes}, user};
    CMainFrameCommands commands{doc, {flow, fakes, fakes, fakes, fakes, user, system}};
    CScriptedMessages messages;
};

TEST_F(MainFrameCommandsTest, ReportGoesToTheTypedPathWithTheTemplatesExtension) {
    fakes.templateName = "Full.rtf";
    fakes.typedPath = folder / "out/acme";
    commands.Report();
    EXPECT_EQ(user.GetReportTemplate(), "Full.rtf");
    EXPECT_EQ(fakes.calls,
              (Texts{"ask " + folder / "reports",
                     "report " + folder / "tpl/Full.rtf" + " > " + folder / "out/acme.rtf"}));

    fakes.calls.clear();
    fakes.typedPath.clear();
    commands.Report();
    fakes.templateName.clear();
    commands.Report();
    EXPECT_EQ(fakes.calls, (Texts{"ask " + folder / "reports"}));
}

TEST_F(MainFrameCommandsTest, WatchAllRunsEverySearchAndShowsTheFirstSection) {
    EXPECT_FALSE(commands.CanWatchAll());
    MakeWatch();
    ASSERT_TRUE(commands.CanWatchAll());
    view.hints.clear();
    commands.WatchAll();
    EXPECT_EQ(fakes.calls, (Texts{"refresh", "watch all", "refresh", "results"}));
    // The views rebuilt their lists before the run's marks came.
    ASSERT_GE(view.hints.size(), 2u);
    EXPECT_EQ(view.hints[0], kHintContents);
    EXPECT_EQ(view.hints[1], kHintMarksAdded);
    // The earlier run's mark went before the run.
    std::vector<std::uint32_t> records;
    for (int i = 0; i < doc.GetMarkCount(); ++i)
        records.push_back(doc.GetMark(i).GetRecordNumber());
    EXPECT_EQ(records, (std::vector<std::uint32_t>{20, 30, 31}));
}

TEST_F(MainFrameCommandsTest, WatchAllSkippingReviewCommitsAndReportsBesideTheFile) {
    MakeWatch();
    doc.SetPathName(folder / "watches/Acme Watch.zre");
    user.SetWatchSkipReview(true);
    user.SetWatchAutoReport(true);
    user.SetWatchDefaultReport("Watch.rtf");
    user.SetWatchReportDir(folder / "watch reports");
    commands.WatchAll();
    EXPECT_EQ(fakes.calls.back(), "report " + folder / "tpl/Watch.rtf" + " > " +
                                      folder / "watch reports/Acme Watch.rtf");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "watch reports"));
    for (int i = 0; i < doc.GetMarkCount(); ++i) {
        const CMark& mark = doc.GetMark(i);
        EXPECT_FALSE(mark.HasFlag(CMark::kKept)) << mark.GetRecordNumber();
        EXPECT_TRUE(mark.HasFlag(CMark::kPermanentKeep)) << mark.GetRecordNumber();
    }

    // An untitled watch reports as "untitled".
    doc.SetPathName("");
    fakes.calls.clear();
    commands.WatchAll();
    EXPECT_EQ(fakes.calls.back(),
              "report " + folder / "tpl/Watch.rtf" + " > " + folder / "watch reports/untitled.rtf");
}

TEST_F(MainFrameCommandsTest, WatchAllNeedsAWatchWithSearchesAndTheMainView) {
    CMarkList marks;
    CSearchList searches;
    doc.SetWatchContents(marks, searches);
    EXPECT_FALSE(commands.CanWatchAll());
    commands.WatchAll();
    MakeWatch();
    fakes.mainView = false;
    commands.WatchAll();
    EXPECT_TRUE(fakes.calls.empty());
}

TEST_F(MainFrameCommandsTest, NextAndPreviousStopAtTheEnds) {
    const int first = doc.AddSearch(MakeSearch(1, "u"));
    const int last = doc.AddSearch(MakeSearch(1, "u"));
    doc.SelectSearch(first);
    commands.Next();
    commands.Previous();
    doc.SelectSearch(last);
    commands.Next();
    commands.Previous();
    EXPECT_EQ(fakes.calls, (Texts{"run 2", "run 1"}));
    fakes.mainView = false;
    commands.Previous();
    EXPECT_EQ(fakes.calls.size(), 2u);
}

TEST_F(MainFrameCommandsTest, InAWatchNextAndPreviousMoveBetweenSections) {
    CMarkList marks;
    marks.AddMark(20, 'u', 1, 0, 0, CMark::kPermanentKeep);
    marks.AddMark(21, 'u', 3, 0, 0, CMark::kPermanentKeep);
    doc.SetWatchContents(marks, CSearchList());
    doc.SetCurrentSearch(1);
    commands.Next();
    commands.Previous();
    EXPECT_EQ(fakes.calls, (Texts{"section 3"}));
}

} // namespace
