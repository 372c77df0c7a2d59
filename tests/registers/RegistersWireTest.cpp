// Registers fetching records and images from the local service's engines over the wire, through
// the register table's caches: what is asked of the engine, what comes from the caches, and what
// a register makes of engines that fail, vanish or send short replies.

#include "core/Search.h"
#include "engines/ZrDbEngineSet.h"
#include "registers/ZrDbs.h"
#include "tests/support/LocalService.h"

#include <chrono>
#include <gtest/gtest.h>

using namespace local_service;

namespace {

class RegistersWire : public ::testing::Test {
protected:
    void SetUp() override {
        control_ = ResetControl();
        remote_ = Logon(Remote(), "");
        table_.GetSummaryCache().SetLimits(10, 4096, 8192);
        table_.GetTextCache().SetLimits(1, 40, 2048);
        table_.GetImageCache().SetLimits(1, 40, 2048);
        table_.SetCallTimeoutMs(5000);
    }

    static CZrDbEngine Engine(const EngineInfoSeq& engines, char code) {
        const EngineInfo& info = Find(engines, code);
        return CZrDbEngine(static_cast<int>(info.dbCode), CZrDbEngine::kInternet,
                           CZrDate(info.dataDate), info.name.in(), info.engine.in(),
                           info.sessionId);
    }

    // The register of the code, served by the remote repository's engine.
    CZrDb& Connect(char code) {
        CZrDb& db = *table_.GetDb(code);
        db.SetEngine(Engine(remote_.in(), code), "");
        return db;
    }

    // The marks a search of the register finds.
    std::vector<CMark> Marks(char code, const char* criteria) {
        std::vector<CMark> marks;
        for (const CORBA::ULong id : Search(Find(remote_.in(), code), criteria))
            marks.emplace_back(id, code, 0, 0);
        return marks;
    }

    // The mark whose word mark is exactly the text.
    CMark MarkOf(char code, const std::string& wordMark) {
        for (const CMark& mark : Marks(code, ("TMARK=\"" + wordMark + "\"").c_str())) {
            const RecordPtr record = table_.GetDb(code)->FetchSummaryRecord(mark);
            if (record && record->GetField("WORDMARK") == wordMark)
                return mark;
        }
        throw std::runtime_error("no mark " + wordMark);
    }

    std::size_t Calls(const std::string& text) { return LoggedCalls(control_, text).size(); }

    ZrTestControl_var control_;
    EngineInfoSeq_var remote_;
    CZrDbs table_;
};

constexpr CImageSize kThumbnail{96, 96};

} // namespace

TEST_F(RegistersWire, RecordsComeOnceThenFromTheCaches) {
    CZrDb& uk = Connect('u');
    EXPECT_EQ(uk.GetSystemSets().size(), 2u);
    EXPECT_EQ(uk.GetConnectDate(), uk.GetDataDate());
    EXPECT_FALSE(uk.GetConnectDate().IsEmpty());
    const CMark acme = MarkOf('u', "ACME");
    control_->ClearCallLog();

    std::string error = "old";
    const RecordPtr summary = uk.GetSummaryRecord(acme, error);
    ASSERT_TRUE(summary);
    EXPECT_EQ(error, "");
    EXPECT_EQ(summary->GetField("APPNUM"), "2000001");
    EXPECT_EQ(uk.GetSummaryRecord(acme, error), summary);
    const RecordPtr text = uk.GetTextRecord(acme, error);
    ASSERT_TRUE(text);
    EXPECT_FALSE(text->GetField("GOODS").empty());
    EXPECT_EQ(uk.GetTextRecord(acme, error), text);
    EXPECT_EQ(uk.GetMarkAppNum(acme), "2000001");
    EXPECT_EQ(uk.GetSummaryLines(acme).size(), 4u);
    EXPECT_EQ(Calls("GetSummaryDetails3"), 0u); // fetched while looking the mark up
    EXPECT_EQ(
        Calls("remote.u.GetTextDetails2(" + std::to_string(acme.GetRecordNumber()) + ",\"y3:12\")"),
        1u);

    // An id the engine does not know is no connection failure.
    EXPECT_FALSE(uk.GetSummaryRecord(CMark(7, 'u', 0, 0), error));
    EXPECT_EQ(error, "UK connection error");
    EXPECT_EQ(uk.GetErrorText(), "");
}

TEST_F(RegistersWire, ARecordStaysAsItWasWhenItsCacheSlotIsReused) {
    CZrDb& uk = Connect('u');
    const CMark acme = MarkOf('u', "ACME");
    const CMark zenith = MarkOf('u', "ZENITH");
    for (const int slots : {1, 0}) {
        table_.GetSummaryCache().SetLimits(0, slots, 0);
        table_.GetSummaryCache().Clear();
        std::string error;
        const RecordPtr first = uk.GetSummaryRecord(acme, error);
        ASSERT_TRUE(first);
        const RecordPtr second = uk.GetSummaryRecord(zenith, error);
        ASSERT_TRUE(second);
        EXPECT_EQ(first->GetField("WORDMARK"), "ACME") << slots;
        EXPECT_EQ(second->GetField("WORDMARK"), "ZENITH") << slots;
    }
}

TEST_F(RegistersWire, ShowingRowsTakesOneBatchedCall) {
    CZrDb& uk = Connect('u');
    std::vector<CMark> rows = Marks('u', "APPNO=\"1-\"");
    ASSERT_GE(rows.size(), 60u);
    rows.resize(60);
    rows[59] = CMark(7, 'u', 0, 0); // no such record
    control_->ClearCallLog();

    uk.FetchSummaryRecords(rows);
    EXPECT_EQ(uk.GetErrorText(), "");
    std::string error;
    for (std::size_t i = 0; i < 59; ++i) {
        const RecordPtr record = uk.GetSummaryRecord(rows[i], error);
        ASSERT_TRUE(record) << i;
        EXPECT_FALSE(record->GetField("WORDMARK").empty());
        EXPECT_FALSE(uk.GetSummaryText(*record).empty());
    }
    EXPECT_FALSE(uk.GetSummaryRecord(rows[59], error));
    EXPECT_FALSE(error.empty()); // the record's own ERROR text
    EXPECT_EQ(Calls("remote.u.GetMultiSummaryDetails3("), 1u);
    EXPECT_EQ(Calls("GetSummaryDetails3("), 0u);
}

TEST_F(RegistersWire, AShortBatchKeepsTheRecordsBeforeTheBreak) {
    CZrDb& uk = Connect('u');
    const CMark acme = MarkOf('u', "ACME");
    const CMark zenith = MarkOf('u', "ZENITH");
    const CMark star = MarkOf('u', "STAR BRIGHT");
    table_.FlushCaches('u');
    control_->SetEngineFault("u", "shortReply", "", 3);
    const std::vector<CMark> rows{acme, zenith, star};
    uk.FetchSummaryRecords(rows);
    EXPECT_EQ(uk.GetErrorText(), CZrDb::kDamagedReplyText);
    EXPECT_TRUE(table_.GetSummaryCache().Find(acme));
    EXPECT_TRUE(table_.GetSummaryCache().Find(zenith));
    EXPECT_FALSE(table_.GetSummaryCache().Find(star));

    // A single record cut short keeps the fields that arrived whole.
    std::string error;
    const RecordPtr cut = uk.GetSummaryRecord(star, error);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->GetField("WORDMARK"), "STAR BRIGHT");

    control_->SetEngineFault("u", "shortReply", "", 100000);
    EXPECT_FALSE(uk.GetTextRecord(star, error));
    EXPECT_EQ(uk.GetErrorText(), CZrDb::kEmptyReplyText);
    uk.FetchSummaryRecords(std::vector<CMark>{CMark(8, 'u', 0, 0)});
    EXPECT_EQ(uk.GetErrorText(), CZrDb::kDamagedReplyText);
}

TEST_F(RegistersWire, ImagesAtSeveralSizes) {
    CZrDb& uk = Connect('u');
    const CMark device = MarkOf('u', "ACME ZENITH");
    ASSERT_TRUE(uk.IsDeviceMark(device));
    EXPECT_EQ(uk.GetImageInfo(device), 3);
    const std::string image2 = "remote.u.GetImage2(" + std::to_string(device.GetRecordNumber());
    control_->ClearCallLog();

    CPing image;
    ASSERT_TRUE(uk.GetImage(device, {100, 80}, image));
    EXPECT_EQ(image.GetWidth(), 100u);
    EXPECT_EQ(image.GetHeight(), 80u);
    EXPECT_FALSE(image.ToDib().empty());
    ASSERT_TRUE(uk.GetImage(device, {100, 80}, image));
    EXPECT_EQ(Calls(image2), 1u);

    // Asked for more than there is, the engine sends all it has: narrower and lower. That image
    // answers any larger request without asking again.
    ASSERT_TRUE(uk.GetImage(device, {1000, 1000}, image));
    EXPECT_EQ(image.GetWidth(), 240u);
    EXPECT_EQ(image.GetHeight(), 180u);
    ASSERT_TRUE(uk.GetImage(device, {500, 400}, image));
    EXPECT_EQ(image.GetWidth(), 240u);
    EXPECT_EQ(Calls(image2), 2u);

    // Narrower only: the height must match.
    ASSERT_TRUE(uk.GetImageEx(device, 1, {1000, 100}, image));
    EXPECT_EQ(image.GetWidth(), 240u);
    EXPECT_EQ(image.GetHeight(), 100u);
    ASSERT_TRUE(uk.GetImageEx(device, 1, {600, 100}, image));
    ASSERT_TRUE(uk.GetImageEx(device, 1, {600, 120}, image));
    EXPECT_EQ(image.GetHeight(), 120u);
    EXPECT_EQ(Calls("remote.u.GetImage3(" + std::to_string(device.GetRecordNumber()) + ",1,"), 2u);

    // No such image, a word mark: no image, and no failure of the connection.
    EXPECT_FALSE(uk.GetImageEx(device, 3, kThumbnail, image));
    EXPECT_EQ(uk.GetErrorText(), "");
    const CMark word = MarkOf('u', "ACME");
    EXPECT_EQ(uk.GetImageInfo(word), 0);
    EXPECT_FALSE(uk.GetImage(word, kThumbnail, image));
    EXPECT_EQ(uk.GetErrorText(), "");

    CPing icon;
    EXPECT_TRUE(uk.GetIcon(device, icon));
    EXPECT_FALSE(icon.ToDib().empty());
    EXPECT_FALSE(uk.GetIcon(word, icon));
}

TEST_F(RegistersWire, AShortImageGivesNoImageAndAnErrorText) {
    CZrDb& uk = Connect('u');
    const CMark device = MarkOf('u', "ACME ZENITH");
    CPing image;
    for (const CORBA::ULong cut : {1u, 20u, 100000u}) {
        control_->SetEngineFault("u", "shortReply", "", cut);
        EXPECT_FALSE(uk.GetImage(device, kThumbnail, image)) << cut;
        EXPECT_EQ(uk.GetErrorText(),
                  cut == 100000u ? CZrDb::kEmptyReplyText : CZrDb::kDamagedReplyText);
    }
    // Nothing damaged was kept: the whole image comes once the engine sends it whole.
    control_->SetEngineFault("u", "none", "", 0);
    EXPECT_TRUE(uk.GetImage(device, kThumbnail, image));
    EXPECT_EQ(uk.GetErrorText(), "");

    // A damaged record is read as far as it holds together.
    control_->SetEngineFault("u", "damagedRecord", "", 0);
    std::string error;
    const RecordPtr damaged = uk.GetTextRecord(MarkOf('u', "ZENITH"), error);
    ASSERT_TRUE(damaged);
    EXPECT_EQ(uk.GetSummaryLines(MarkOf('u', "ZENITH")).size(), 4u);
}

TEST_F(RegistersWire, AnotherEngineFlushesTheRegistersCaches) {
    std::vector<CZrDbEngine> chosen; // for the UK register
    table_.SetEngineChoiceHook([&](int code, const CZrDbEngine& engine) {
        EXPECT_EQ(code, engine.GetDbCode());
        if (code == 'u')
            chosen.push_back(engine);
    });
    CZrDb& uk = Connect('u');
    Connect('c');
    const CMark acme = MarkOf('u', "ACME");
    const CMark device = MarkOf('u', "ACME ZENITH");
    const CMark eutm = MarkOf('c', "ACME");
    CPing image;
    ASSERT_TRUE(uk.GetImage(device, kThumbnail, image));
    const auto cached = [&](const CMark& mark) {
        return table_.GetSummaryCache().Find(mark) != nullptr;
    };
    const auto imageCached = [&] {
        CImageSize size = kThumbnail;
        return table_.GetImageCache().Find(device, 0, size) != nullptr;
    };
    ASSERT_TRUE(cached(acme));

    // The same engine again changes only the restriction: nothing is sent, nothing dropped.
    control_->ClearCallLog();
    const CZrDbEngine remote = uk.GetDbEngine();
    uk.SetEngine(remote, "GB");
    EXPECT_EQ(uk.GetRestriction(), "GB");
    EXPECT_EQ(Calls("SetActive"), 0u);
    EXPECT_TRUE(cached(acme));
    EXPECT_EQ(chosen.size(), 1u);

    // The local repository's engine for the same database: the old engine is let go, the new one
    // taken, and the register's records and images dropped; other registers keep theirs.
    EngineInfoSeq_var local = Logon(Local(), "*");
    const CZrDbEngine localEngine = Engine(local.in(), 'u');
    uk.SwitchEngine(localEngine);
    EXPECT_EQ(uk.GetRestriction(), "GB");
    EXPECT_EQ(Calls("remote.u.SetActive(false)"), 1u);
    EXPECT_EQ(Calls("local.u.SetActive(true)"), 1u);
    EXPECT_EQ(Calls("local.u.GetSystemSets()"), 1u);
    EXPECT_TRUE(uk.GetDbEngine() == localEngine);
    EXPECT_TRUE(uk.GetLastEngine() == localEngine);
    EXPECT_FALSE(cached(acme));
    EXPECT_FALSE(imageCached());
    EXPECT_TRUE(cached(eutm));
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_TRUE(chosen.back() == localEngine);

    // No engine, then the same engine back: the caches stay, for they hold its records.
    ASSERT_TRUE(uk.FetchSummaryRecord(acme));
    uk.SetEngine(CZrDbEngine('u'), "");
    EXPECT_TRUE(uk.GetDbEngine().IsNil());
    EXPECT_TRUE(uk.GetConnectDate().IsEmpty());
    EXPECT_TRUE(uk.GetSystemSets().empty());
    EXPECT_EQ(table_.GetConnectedDatabaseCodes(), "c");
    uk.SetEngine(localEngine, "");
    EXPECT_TRUE(cached(acme));
    EXPECT_EQ(table_.GetConnectedDatabaseCodes(), "uc");
    EXPECT_EQ(chosen.size(), 3u);
}

TEST_F(RegistersWire, TheTableHandsEnginesOutAndCollectsThemBack) {
    CZrDbEngineSet engines;
    for (const char code : std::string("ucI"))
        engines.AddEngine(Engine(remote_.in(), code), code == 'I' ? "GB,FR" : "");
    table_.SetEngines(engines);
    EXPECT_EQ(table_.GetConnectedDatabaseCodes(), "uci");
    EXPECT_FALSE(table_.HasConnectedTrainingDb());
    EXPECT_EQ(table_.GetDb('i')->GetRestriction(), "GB,FR");
    EXPECT_EQ(table_.GetDb('u')->GetTitle(),
              "United Kingdom Trade Marks to " + table_.GetDb('u')->GetDataDate().Format());

    CZrDbEngineSet collected;
    table_.GetEngines(collected);
    EXPECT_EQ(collected.GetCodes(), "01acdeiknopstu");
    CZrDbEngine engine('i');
    std::string restriction;
    ASSERT_TRUE(collected.GetEngine('i', engine, restriction));
    EXPECT_FALSE(engine.IsNil());
    EXPECT_EQ(restriction, "GB,FR");

    // A set without them disconnects them.
    table_.SetEngines(CZrDbEngineSet());
    EXPECT_EQ(table_.GetConnectedDatabaseCodes(), "");
}

TEST_F(RegistersWire, AnEngineLostInTheMiddleOfFetching) {
    CZrDb& uk = Connect('u');
    const CMark acme = MarkOf('u', "ACME");
    const CMark device = MarkOf('u', "ACME ZENITH");
    std::string error;
    const RecordPtr held = uk.GetSummaryRecord(acme, error);
    ASSERT_TRUE(held);
    table_.GetTextCache().Clear();

    // One more call succeeds, then the connection fails on every call.
    control_->SetEngineFault("u", "commFailure", "", 1);
    EXPECT_TRUE(uk.GetTextRecord(acme, error));
    EXPECT_FALSE(uk.GetTextRecord(device, error));
    EXPECT_EQ(error, "UK connection error");
    EXPECT_EQ(uk.GetErrorText(), "COMM_FAILURE");
    EXPECT_TRUE(uk.GetSummaryLines(device).empty());

    // What was fetched stays usable; what was not fails without an exception.
    EXPECT_EQ(held->GetField("WORDMARK"), "ACME");
    EXPECT_EQ(uk.GetSummaryRecord(acme, error), held);
    CPing image;
    EXPECT_FALSE(uk.GetImage(device, kThumbnail, image));
    EXPECT_EQ(uk.GetErrorText(), "COMM_FAILURE");
    uk.FetchSummaryRecords(std::vector<CMark>{CMark(8, 'u', 0, 0), CMark(16, 'u', 0, 0)});
    EXPECT_FALSE(table_.GetSummaryCache().Find(CMark(8, 'u', 0, 0)));
    CSearch search;
    EXPECT_TRUE(CORBA::is_nil(uk.StartSearch(search, "Client", "Exam", false)));
    EXPECT_EQ(uk.SgesToAppNums(std::vector<std::uint32_t>{acme.GetRecordNumber(), 8}),
              (std::vector<std::uint32_t>{0, 0}));
    EXPECT_EQ(uk.SgeToAppNum(acme.GetRecordNumber()), 0u);
    EXPECT_EQ(uk.CodeToString(1, 0), "");
    EXPECT_TRUE(CORBA::is_nil(uk.CreateStringFinder("ACM", 4)));
    std::vector<std::uint32_t> ids{acme.GetRecordNumber()};
    EXPECT_FALSE(uk.CaveatSearch("Client", "Exam", "UpdatedLastWeek", ids, {}));
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(uk.GetErrorText(), "COMM_FAILURE");

    // Letting the lost engine go does not fail either.
    uk.SetEngine(CZrDbEngine('u'), "");
    EXPECT_TRUE(uk.GetDbEngine().IsNil());
}

TEST_F(RegistersWire, ACallThatTakesTooLongEndsAtTheTimeOut) {
    CZrDb& uk = Connect('u');
    const CMark acme = MarkOf('u', "ACME");
    table_.FlushCaches('u');
    table_.SetCallTimeoutMs(200);
    control_->SetEngineFault("u", "slow", "", 2000);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(uk.FetchSummaryRecord(acme));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_EQ(uk.GetErrorText(), "TIMEOUT");
    control_->SetEngineFault("u", "slow", "", 0);
    table_.SetCallTimeoutMs(5000);
    EXPECT_TRUE(uk.FetchSummaryRecord(acme));
    EXPECT_EQ(uk.GetErrorText(), "");
}

TEST_F(RegistersWire, SearchesAndConversions) {
    CZrDb& uk = Connect('u');
    uk.SetEngine(uk.GetDbEngine(), "GB");
    const CMark acme = MarkOf('u', "ACME");
    CSearch search;
    ASSERT_TRUE(search.GetCriteria().ReadCriteriaText("WORDM=\"ACME\""));
    ZrEngineSearch_var started = uk.StartSearch(search, "Client", "Exam 1", true);
    ASSERT_FALSE(CORBA::is_nil(started));
    EXPECT_EQ(Calls("remote.u.StartSearch2(\"" + search.GetCriteria().WriteEngineText() +
                    "\",\"GB\",\"Client\",\"Exam 1\",1)"),
              1u);
    started->Dispose();
    control_->SetEngineFault("u", "criteriaInvalid", "No terms", 0);
    EXPECT_THROW(uk.StartSearch(search, "Client", "Exam 1", false), CriteriaInvalid);
    EXPECT_EQ(uk.GetErrorText(), "");
    control_->SetEngineFault("u", "none", "", 0);

    const std::vector<std::uint32_t> numbers =
        uk.SgesToAppNums(std::vector<std::uint32_t>{acme.GetRecordNumber(), 7});
    EXPECT_EQ(numbers, (std::vector<std::uint32_t>{2000001u << 8, 0}));
    EXPECT_EQ(uk.SgeToAppNum(acme.GetRecordNumber()), 2000001u << 8);
    std::vector<std::uint32_t> ids{2000001u << 8, 12345};
    uk.AppNumsToSges(ids, std::vector<std::uint32_t>{0, 0});
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{acme.GetRecordNumber(), 0}));

    const std::vector<CMark> updated = Marks('u', "SET=\"UpdatedLastWeek\"");
    ASSERT_FALSE(updated.empty());
    std::vector<std::uint32_t> caveat{updated.front().GetRecordNumber(), acme.GetRecordNumber()};
    EXPECT_TRUE(uk.CaveatSearch("Client", "Exam", "UpdatedLastWeek", caveat,
                                std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(caveat, std::vector<std::uint32_t>{updated.front().GetRecordNumber()});

    EXPECT_EQ(uk.CodeToString(1, 0), "Acme Holdings Ltd");
    ZrStringFinder_var finder = uk.CreateStringFinder("ACM", 4);
    ASSERT_FALSE(CORBA::is_nil(finder));
    finder->Dispose();
    EXPECT_THROW(uk.CreateStringFinder("qqqq", 5), LocateStringNotFound);
    uk.FlagSuspectSges(std::vector<std::uint32_t>{acme.GetRecordNumber()});
    EXPECT_EQ(Calls("remote.u.FlagSuspectSGEs("), 1u);
    EXPECT_EQ(uk.GetErrorText(), "");
}
