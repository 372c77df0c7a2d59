// The difference check end to end: records from the local search service, pages from a loopback
// web server that renders those records in each register's layout, with named changes and
// misbehaving pages, and the service's log of the marks flagged suspect.

#include "ServiceMarks.h"
#include "WebFixture.h"
#include "web/Diff.h"
#include "web/DiffRun.h"
#include "web/DiffWorker.h"
#include "web/HttpStatus.h"
#include "web/UrlCoding.h"

#include <deque>
#include <mutex>

using namespace local_service;
using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

namespace {

class DiffRunWire : public WebFixture {
protected:
    void SetUp() override {
        WebFixture::SetUp();
        control_ = ResetControl();
    }

    // The run over the marks on this thread: its summary, and its lines in lines_.
    std::string Run(const std::vector<CMark>& marks) {
        control_->ClearCallLog();
        CDiffRun run(marks_.Table(), marks);
        CDiffChecker checker(servers_, QuickOptions());
        const std::string summary = run.RunHere(checker);
        lines_ = run.GetLines();
        return summary;
    }
    std::vector<std::string> Flagged() { return LoggedCalls(control_, "FlagSuspectSGEs"); }

    ZrTestControl_var control_;
    CServiceMarks marks_{server_, "acdeikopsu"};
    CRegisterPageMaker& pages_ = marks_.Pages();
    CWebServers servers_ = ServersAt(server_.BaseUrl());
    Lines lines_;
};

// "Differences for ..." and the lines of one difference.
Lines Difference(const std::string& label, const std::string& number, const std::string& field,
                 const std::string& have, const std::string& should) {
    return {"Differences for " + label + " AppNum: " + number, "  " + field, "    Have:\t\t" + have,
            "    Should be:\t" + should};
}

Lines Joined(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST_F(DiffRunWire, PagesThatShowTheRecordsRaiseNothing) {
    std::vector<CMark> marks;
    for (const char code : std::string("acdeisu"))
        marks.push_back(marks_.Served(code, "ACME"));
    marks.push_back(marks_.Served('k', "acme.co.uk"));
    const CMark designation = marks_.FindMark('u', "APPNO=\"1-\"", [](const CZrData& record) {
        return record.GetField("APPNUM").starts_with('M');
    });
    pages_.Add('u', marks_.Record(designation));
    marks.push_back(designation);
    // Community designs and Polish marks are only counted.
    marks.push_back(marks_.MarkOf('o', "ACME"));
    marks.push_back(marks_.MarkOf('p', "ACME"));

    EXPECT_EQ(Run(marks), "9 out of 11 marks checked of which 0 had differences");
    EXPECT_EQ(lines_, Lines{});
    EXPECT_EQ(Flagged(), Lines{});
    // The walks, and the designation's own page.
    const Lines log = server_.Log();
    for (const std::string& request :
         Lines{"POST /DPMAregister/marke/ergebnis.do",
               "GET /ipdl/en/6ter/search?TERM_1=" + UrlEncode(marks_.Field(marks[0], "PKEY")),
               "GET /cgi-bin/whois.cgi?query=acme.co.uk", "GET " + marks_.UkPath(designation)})
        EXPECT_EQ(std::count(log.begin(), log.end(), request), 1) << request;
    EXPECT_EQ(log.size(), 16u);
}

TEST_F(DiffRunWire, EachChangeOfAPageGivesItsLinesAndFlagsItsMark) {
    const CMark status = marks_.Served('u', "ACNE", PageChange::Status);
    const CMark date = marks_.Served('s', "ACNE", PageChange::AppDate);
    const CMark wordMark = marks_.Served('c', "ACNE", PageChange::WordMark);
    const CMark goods = marks_.Served('e', "ACNE", PageChange::GoodsClass);
    const CMark owner = marks_.Served('i', "ACNE", PageChange::ExtraOwner);
    // Lists that are not compared first entry to first entry take any order.
    const CMark swapped = marks_.Served('c', "STAR BRIGHT", PageChange::SwappedOwners);
    PairList goodsPairs;
    ASSERT_TRUE(marks_.Record(goods).GetPairList("GOODS", goodsPairs));
    ASSERT_NE(goodsPairs.front().first, "44");

    EXPECT_EQ(Run({status, date, wordMark, goods, owner, swapped}),
              "6 out of 6 marks checked of which 5 had differences");
    const auto number = [&](const CMark& mark, const char* tag = "APPNUM") {
        return marks_.Field(mark, tag);
    };
    EXPECT_EQ(
        lines_,
        Joined(
            {Difference("UK", number(status), "Status", marks_.Field(status, "STATUS"),
                        "Abandoned"),
             Difference("US", number(date, "SERNUM"), "Application date",
                        marks_.Field(date, "APPDATE"), "1901-01-01"),
             Difference("CTM", number(wordMark), "Word mark", marks_.Field(wordMark, "WORDMARK"),
                        marks_.Field(wordMark, "WORDMARK") + " PLUS"),
             Difference("IE", number(goods), "Goods class 44", kMissing, goodsPairs.front().second),
             {"  Goods class " + goodsPairs.front().first,
              "    Have:\t\t" + goodsPairs.front().second, "    Should be:\t<Missing>"},
             Difference("IR", number(owner), "Owners name/addr", "", "Extra Owner Ltd"),
             {"         \t\t9 Side Street, Leeds"}}));
    const auto flag = [](const char* engine, const CMark& mark) {
        return std::string("remote.") + engine + ".FlagSuspectSGEs(" +
               std::to_string(mark.GetRecordNumber()) + ")";
    };
    EXPECT_EQ(Flagged(), (Lines{flag("u", status), flag("c", wordMark), flag("s", date),
                                flag("i", owner), flag("e", goods)}));
}

TEST_F(DiffRunWire, AFailedPageIsTheMarksErrorAndTheRunGoesOn) {
    const CMark failed = marks_.Served('u', "ACME");
    server_.Status(marks_.UkPath(failed), 500);
    const CMark moved = marks_.MarkOf('u', "ACME ZENITH");
    server_.Redirect(marks_.UkPath(moved), 302, "/moved");
    server_.Page("/moved", CRegisterPageMaker::Render('u', marks_.Record(moved), PageChange::None));
    const CMark stalled = marks_.Served('u', "ZENITH");
    server_.Trickle(marks_.UkPath(stalled), 100, 1500ms);
    const CMark cut = marks_.Served('u', "NOVA");
    server_.CutOff(marks_.UkPath(cut), 4000, 100);
    // A number among the reserved marks is not fetched.
    CMark reserved = marks_.Served('u', "ALPHA OMEGA");
    reserved.SetAppNumber(5000000 << 8);
    const CMark unknown(7, 'u', 0, 0);
    const CMark fine = marks_.Served('u', "ACMEX");

    EXPECT_EQ(Run({failed, moved, stalled, cut, reserved, unknown, fine}),
              "2 out of 7 marks checked of which 0 had differences");
    ASSERT_EQ(lines_.size(), 7u);
    const auto error = [&](const CMark& mark) {
        return "ERROR while trying to access UK AppNum: " + marks_.Field(mark, "APPNUM");
    };
    EXPECT_EQ(Lines(lines_.begin(), lines_.begin() + 3),
              (Lines{error(failed), " " + HttpStatusText(500), error(stalled)}));
    EXPECT_EQ(lines_[4], error(cut));
    EXPECT_EQ(lines_[6], "Not checking UK Reserved mark: 5000000");
    for (const std::size_t reason : {3, 5})
        EXPECT_TRUE(lines_[reason].starts_with(" ") && lines_[reason].size() > 1) << lines_[reason];
    EXPECT_EQ(server_.Log().size(), 6u);
}

TEST_F(DiffRunWire, CancelEndsTheTransferInFlightAndKeepsTheMarksChecked) {
    const CMark first = marks_.Served('u', "ACME");
    const CMark changed = marks_.Served('u', "ACNE", PageChange::WordMark);
    const CMark slow = marks_.Served('u', "ZENITH");
    const std::string slowPath = marks_.UkPath(slow);
    server_.Trickle(slowPath, 1000, 200ms);
    const CMark never = marks_.Served('u', "ACMEX");

    std::mutex mutex;
    std::deque<std::function<void()>> calls;
    Lines events;
    bool finished = false;
    CDiffRun run(marks_.Table(), {first, changed, slow, never});
    CDiffWorker worker(
        run, servers_, QuickOptions(),
        {[&](const std::string& text, int item) {
             events.push_back(text + " @" + std::to_string(item));
         },
         [&](const Lines& lines) { events.push_back(std::to_string(lines.size()) + " lines"); },
         [&](const std::string& summary) {
             events.push_back(summary);
             finished = true;
         }},
        [&](std::function<void()> call) {
            const std::lock_guard lock(mutex);
            calls.push_back(std::move(call));
        });
    const auto pumpUntil = [&](const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            std::function<void()> call;
            {
                const std::lock_guard lock(mutex);
                if (!calls.empty()) {
                    call = std::move(calls.front());
                    calls.pop_front();
                }
            }
            if (call)
                call();
            else
                std::this_thread::sleep_for(5ms);
        }
        return done();
    };
    control_->ClearCallLog();
    worker.Start();
    // The first two marks are in, the third's page is on its way.
    ASSERT_TRUE(pumpUntil([&] {
        const Lines log = server_.Log();
        return events.size() == 4 &&
               std::find(log.begin(), log.end(), "GET " + slowPath) != log.end();
    }));
    const auto cancelled = std::chrono::steady_clock::now();
    worker.Cancel();
    ASSERT_TRUE(pumpUntil([&] { return finished; }));
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, 3s);

    EXPECT_EQ(events, (Lines{"Checking mark 1 of 4 @0", "Checking mark 2 of 4 @1", "4 lines",
                             "Checking mark 3 of 4 @2",
                             "2 out of 4 marks checked of which 1 had differences"}));
    EXPECT_EQ(run.GetLines().size(), 4u);
    EXPECT_EQ(Flagged(),
              Lines{"remote.u.FlagSuspectSGEs(" + std::to_string(changed.GetRecordNumber()) + ")"});
    const Lines log = server_.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "GET " + marks_.UkPath(never)), 0);
}
