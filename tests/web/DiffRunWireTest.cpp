// The difference check end to end: records from the local search service, pages from a loopback
// web server that renders those records in each register's layout, with named changes and
// misbehaving pages, and the service's log of the marks flagged suspect.

#include "WebFixture.h"
#include "registers/ZrDbs.h"
#include "tests/support/LocalService.h"
#include "tests/support/RegisterPageMaker.h"
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
        engines_ = Logon(Remote(), "");
        table_.SetCallTimeoutMs(5000);
        table_.GetTextCache().SetLimits(1, 200, 8192);
        table_.GetSummaryCache().SetLimits(1, 200, 8192);
        for (const char code : std::string("acdeikopsu")) {
            const EngineInfo& info = Engine(code);
            table_.GetDb(code)->SetEngine(CZrDbEngine(info.dbCode, CZrDbEngine::kInternet,
                                                      CZrDate(info.dataDate), info.name.in(),
                                                      info.engine.in(), info.sessionId),
                                          "");
        }
    }

    // The engine of the register; the service names the international register 'I'.
    const EngineInfo& Engine(char code) { return Find(engines_.in(), code == 'i' ? 'I' : code); }

    // The first mark the criteria find whose record passes the test.
    CMark FindMark(char code, const std::string& criteria,
                   const std::function<bool(const CZrData&)>& test) {
        for (const CORBA::ULong id : Search(Engine(code), criteria.c_str()))
            if (const CMark mark(id, code, 0, 0); test(Record(mark)))
                return mark;
        throw std::runtime_error("no mark for " + criteria);
    }
    // The register's mark of that word mark (for the domain register, the domain).
    CMark MarkOf(char code, const std::string& wordMark) {
        return FindMark(code, "TMARK=\"" + wordMark + "\"", [&](const CZrData& record) {
            return record.GetField("WORDMARK") == wordMark;
        });
    }
    const CZrData& Record(const CMark& mark) {
        std::string error;
        records_.push_back(table_.GetDb(mark.GetRegisterCode())->GetTextRecord(mark, error));
        return *records_.back();
    }
    // The mark, its page served with the change.
    CMark Served(char code, const std::string& wordMark, PageChange change = PageChange::None) {
        const CMark mark = MarkOf(code, wordMark);
        pages_.Add(code, Record(mark), change);
        return mark;
    }
    std::string Field(const CMark& mark, const char* tag) {
        return std::string(Record(mark).GetField(tag));
    }

    // The run over the marks on this thread: its summary, and its lines in lines_.
    std::string Run(const std::vector<CMark>& marks) {
        control_->ClearCallLog();
        CDiffRun run(table_, marks);
        CDiffChecker checker(servers_, QuickOptions());
        const std::string summary = run.RunHere(checker);
        lines_ = run.GetLines();
        return summary;
    }
    std::vector<std::string> Flagged() { return LoggedCalls(control_, "FlagSuspectSGEs"); }

    ZrTestControl_var control_;
    EngineInfoSeq_var engines_;
    CZrDbs table_;
    std::vector<RecordPtr> records_;
    CRegisterPageMaker pages_{server_};
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
        marks.push_back(Served(code, "ACME"));
    marks.push_back(Served('k', "acme.co.uk"));
    const CMark designation = FindMark('u', "APPNO=\"1-\"", [](const CZrData& record) {
        return record.GetField("APPNUM").starts_with('M');
    });
    pages_.Add('u', Record(designation));
    marks.push_back(designation);
    // Community designs and Polish marks are only counted.
    marks.push_back(MarkOf('o', "ACME"));
    marks.push_back(MarkOf('p', "ACME"));

    EXPECT_EQ(Run(marks), "9 out of 11 marks checked of which 0 had differences");
    EXPECT_EQ(lines_, Lines{});
    EXPECT_EQ(Flagged(), Lines{});
    // The walks, and the designation's own page.
    const Lines log = server_.Log();
    for (const std::string& request :
         Lines{"POST /DPMAregister/marke/ergebnis.do",
               "GET /ipdl/en/6ter/search?TERM_1=" + UrlEncode(Field(marks[0], "PKEY")),
               "GET /cgi-bin/whois.cgi?query=acme.co.uk",
               "GET " + CRegisterPageMaker::UkPath(Record(designation))})
        EXPECT_EQ(std::count(log.begin(), log.end(), request), 1) << request;
    EXPECT_EQ(log.size(), 16u);
}

TEST_F(DiffRunWire, EachChangeOfAPageGivesItsLinesAndFlagsItsMark) {
    const CMark status = Served('u', "ACNE", PageChange::Status);
    const CMark date = Served('s', "ACNE", PageChange::AppDate);
    const CMark wordMark = Served('c', "ACNE", PageChange::WordMark);
    const CMark goods = Served('e', "ACNE", PageChange::GoodsClass);
    const CMark owner = Served('i', "ACNE", PageChange::ExtraOwner);
    // Lists that are not compared first entry to first entry take any order.
    const CMark swapped = Served('c', "STAR BRIGHT", PageChange::SwappedOwners);
    PairList goodsPairs;
    ASSERT_TRUE(Record(goods).GetPairList("GOODS", goodsPairs));
    ASSERT_NE(goodsPairs.front().first, "44");

    EXPECT_EQ(Run({status, date, wordMark, goods, owner, swapped}),
              "6 out of 6 marks checked of which 5 had differences");
    const auto number = [&](const CMark& mark, const char* tag = "APPNUM") {
        return Field(mark, tag);
    };
    EXPECT_EQ(
        lines_,
        Joined(
            {Difference("UK", number(status), "Status", Field(status, "STATUS"), "Abandoned"),
             Difference("US", number(date, "SERNUM"), "Application date", Field(date, "APPDATE"),
                        "1901-01-01"),
             Difference("CTM", number(wordMark), "Word mark", Field(wordMark, "WORDMARK"),
                        Field(wordMark, "WORDMARK") + " PLUS"),
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
    const CMark failed = Served('u', "ACME");
    server_.Status(CRegisterPageMaker::UkPath(Record(failed)), 500);
    const CMark moved = MarkOf('u', "ACME ZENITH");
    server_.Redirect(CRegisterPageMaker::UkPath(Record(moved)), 302, "/moved");
    server_.Page("/moved", CRegisterPageMaker::Render('u', Record(moved), PageChange::None));
    const CMark stalled = Served('u', "ZENITH");
    server_.Trickle(CRegisterPageMaker::UkPath(Record(stalled)), 100, 1500ms);
    const CMark cut = Served('u', "NOVA");
    server_.CutOff(CRegisterPageMaker::UkPath(Record(cut)), 4000, 100);
    // A number among the reserved marks is not fetched.
    CMark reserved = Served('u', "ALPHA OMEGA");
    reserved.SetAppNumber(5000000 << 8);
    const CMark unknown(7, 'u', 0, 0);
    const CMark fine = Served('u', "ACMEX");

    EXPECT_EQ(Run({failed, moved, stalled, cut, reserved, unknown, fine}),
              "2 out of 7 marks checked of which 0 had differences");
    ASSERT_EQ(lines_.size(), 7u);
    const auto error = [&](const CMark& mark) {
        return "ERROR while trying to access UK AppNum: " + Field(mark, "APPNUM");
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
    const CMark first = Served('u', "ACME");
    const CMark changed = Served('u', "ACNE", PageChange::WordMark);
    const CMark slow = Served('u', "ZENITH");
    const std::string slowPath = CRegisterPageMaker::UkPath(Record(slow));
    server_.Trickle(slowPath, 1000, 200ms);
    const CMark never = Served('u', "ACMEX");

    std::mutex mutex;
    std::deque<std::function<void()>> calls;
    Lines events;
    bool finished = false;
    CDiffRun run(table_, {first, changed, slow, never});
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
    EXPECT_EQ(
        std::count(log.begin(), log.end(), "GET " + CRegisterPageMaker::UkPath(Record(never))), 0);
}
