// Fetching records, images, string lists and conversions from the local service's engines.

#include "TestRecords.h"
#include "tests/support/LocalService.h"

#include <gtest/gtest.h>

using namespace local_service;

namespace {

class RecordsWire : public ::testing::Test {
protected:
    void SetUp() override {
        control_ = ResetControl();
        engines_ = Logon(Remote(), "");
    }

    const EngineInfo& Engine(char code) const { return Find(engines_.in(), code); }

    std::map<std::string, std::string> Summary(char code, CORBA::ULong id) const {
        const EngineInfo& engine = Engine(code);
        OctetSeq_var bytes = engine.engine->GetSummaryDetails3(engine.sessionId, id, "y3:11");
        return test_records::Fields(ToBytes(bytes.in())).value();
    }

    std::map<std::string, std::string> Text(char code, CORBA::ULong id) const {
        const EngineInfo& engine = Engine(code);
        OctetSeq_var bytes = engine.engine->GetTextDetails2(engine.sessionId, id, "y3:12");
        return test_records::Fields(ToBytes(bytes.in())).value();
    }

    // The record id of the mark whose word mark is exactly the text.
    CORBA::ULong Mark(char code, const std::string& wordMark) const {
        for (CORBA::ULong id : Search(Engine(code), ("TMARK=\"" + wordMark + "\"").c_str()))
            if (Summary(code, id)["WORDMARK"] == wordMark)
                return id;
        throw std::runtime_error("no mark " + wordMark);
    }

    ZrTestControl_var control_;
    EngineInfoSeq_var engines_;
};

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G'};

} // namespace

TEST_F(RecordsWire, SummaryAndTextRecords) {
    const CORBA::ULong acme = Mark('u', "ACME");
    auto summary = Summary('u', acme);
    EXPECT_EQ(summary["APPNUM"], "2000001");
    EXPECT_EQ(summary["STATUS"], "Registered");
    EXPECT_EQ(summary["CLASSES"], "9, 35");
    EXPECT_EQ(summary.count("ICON"), 0u); // a word mark

    auto text = Text('u', acme);
    EXPECT_EQ(text["WORDMARK"], "ACME");
    EXPECT_FALSE(text["PROPS"].empty());
    EXPECT_NE(text["GOODS"].find("Computer software"), std::string::npos);
    EXPECT_FALSE(text["APPDATE"].empty());
    EXPECT_EQ(
        LoggedCalls(control_, "remote.u.GetTextDetails2(" + std::to_string(acme) + ",\"y3:12\")")
            .size(),
        1u);

    const CORBA::ULong device = Mark('u', "ACME ZENITH");
    EXPECT_EQ(device & 0x8, 0x8u); // the device bit of the record id
    EXPECT_FALSE(Summary('u', device)["ICON"].empty());
    EXPECT_FALSE(Text('u', device)["IMINFO"].empty());
}

TEST_F(RecordsWire, SerialNumbersAndDesigns) {
    auto us = Text('s', Mark('s', "ACME"));
    EXPECT_EQ(us["SERNUM"], "75000001");
    EXPECT_FALSE(us["APPNUM"].empty());
    auto designs = Summary('o', Search(Engine('o'), "APPNO=\"1-\"").front());
    EXPECT_FALSE(designs["LOCAR"].empty());
    EXPECT_FALSE(designs["DESDESCR"].empty());
}

TEST_F(RecordsWire, ManySummariesInOneReply) {
    const CORBA::ULong acme = Mark('u', "ACME");
    const CORBA::ULong zenith = Mark('u', "ZENITH");
    UlongSeq ids;
    ids.length(3);
    ids[0] = acme;
    ids[1] = 7; // no such record
    ids[2] = zenith;
    const EngineInfo& engine = Engine('u');
    const auto bytes = ToBytes(
        OctetSeq_var(engine.engine->GetMultiSummaryDetails3(engine.sessionId, ids, "y3:11")).in());
    std::vector<std::map<std::string, std::string>> records;
    std::size_t at = 0;
    while (at + 4 <= bytes.size()) {
        const std::uint32_t length = test_records::ReadU32(&bytes[at]);
        ASSERT_LE(at + 4 + length, bytes.size());
        records.push_back(
            test_records::Fields({bytes.begin() + at + 4, bytes.begin() + at + 4 + length})
                .value());
        at += 4 + length;
    }
    EXPECT_EQ(at, bytes.size());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0]["WORDMARK"], "ACME");
    EXPECT_FALSE(records[1]["ERROR"].empty());
    EXPECT_EQ(records[2]["WORDMARK"], "ZENITH");
}

TEST_F(RecordsWire, AnUnknownRecordIsNotFound) {
    const EngineInfo& engine = Engine('u');
    try {
        OctetSeq_var bytes = engine.engine->GetTextDetails2(engine.sessionId, 7, "y3:12");
        ADD_FAILURE();
    } catch (const TrademarkNotFound& e) {
        EXPECT_STRNE(e.text.in(), "");
    }
    EXPECT_THROW(OctetSeq_var(engine.engine->GetSummaryDetails3(engine.sessionId, 7, "")),
                 TrademarkNotFound);
}

TEST_F(RecordsWire, DamagedAndErrorRecords) {
    const CORBA::ULong acme = Mark('u', "ACME");
    const EngineInfo& engine = Engine('u');
    control_->SetEngineFault("u", "damagedRecord", "", 0);
    const auto damaged =
        ToBytes(OctetSeq_var(engine.engine->GetSummaryDetails3(engine.sessionId, acme, "")).in());
    EXPECT_EQ(test_records::ReadU32(&damaged[1]), damaged.size());
    EXPECT_FALSE(test_records::Fields(damaged).has_value());

    control_->SetEngineFault("u", "none", "", 0);
    control_->SetEngineFault("u", "errorRecord", "Record withdrawn", 0);
    EXPECT_EQ(Summary('u', acme)["ERROR"], "Record withdrawn");
}

TEST_F(RecordsWire, ImagesOfDeviceMarks) {
    const CORBA::ULong device = Mark('u', "ACME ZENITH");
    const EngineInfo& engine = Engine('u');
    CORBA::ULong width = 100, height = 80;
    auto png = ToBytes(
        OctetSeq_var(engine.engine->GetImage2(engine.sessionId, device, width, height)).in());
    ASSERT_GT(png.size(), 8u);
    EXPECT_TRUE(std::equal(std::begin(kPngSignature), std::end(kPngSignature), png.begin()));
    EXPECT_EQ(width, 100u);
    EXPECT_EQ(height, 80u);

    // Asked for more than there is, the engine sends what it has: narrower and lower.
    width = 1000;
    height = 1000;
    OctetSeq_var large = engine.engine->GetImage3(engine.sessionId, device, 2, width, height);
    EXPECT_EQ(width, 240u);
    EXPECT_EQ(height, 180u);
    EXPECT_THROW(OctetSeq_var(engine.engine->GetImage3(engine.sessionId, device, 3, width, height)),
                 DeviceNotAvailable);
    EXPECT_THROW(
        OctetSeq_var(engine.engine->GetImage2(engine.sessionId, Mark('u', "ACME"), width, height)),
        DeviceNotAvailable);
}

TEST_F(RecordsWire, NumberConversionsAndRecordSets) {
    const EngineInfo& engine = Engine('u');
    const CORBA::ULong acme = Mark('u', "ACME");
    UlongSeq ids;
    ids.length(2);
    ids[0] = acme;
    ids[1] = 7;
    UlongSeq_var numbers = engine.engine->SGEToAppNums2(engine.sessionId, ids);
    ASSERT_EQ(numbers->length(), 2u);
    EXPECT_EQ(numbers[0], 2000001u << 8);
    EXPECT_EQ(numbers[1], 0u);

    UlongPairSeq pairs;
    pairs.length(2);
    pairs[0].first = 0;
    pairs[0].second = numbers[0];
    pairs[1].first = 0;
    pairs[1].second = 12345;
    UlongSeq_var back = engine.engine->AppNumToSGEs2(engine.sessionId, pairs);
    ASSERT_EQ(back->length(), 2u);
    EXPECT_EQ(back[0], acme);
    EXPECT_EQ(back[1], 0u);

    StringSeq_var sets = engine.engine->GetSystemSets();
    ASSERT_EQ(sets->length(), 2u);
    const auto updated = Search(engine, "SET=\"UpdatedLastWeek\"");
    const auto all = Search(engine, "APPNO=\"1-\"");
    ASSERT_FALSE(updated.empty());
    UlongPairSeq caveat;
    caveat.length(2);
    caveat[0].first = 1;
    caveat[0].second = updated.front();
    caveat[1].first = 2;
    caveat[1].second = acme; // the first mark, not in the set
    UlongSeq_var changed = engine.engine->CaveatSearchByAppNum(engine.sessionId, "Client", "Exam",
                                                               "UpdatedLastWeek", caveat);
    ASSERT_EQ(changed->length(), 1u);
    EXPECT_EQ(changed[0], updated.front());
    EXPECT_LT(updated.size(), all.size());
}

TEST_F(RecordsWire, CodeTexts) {
    const EngineInfo& engine = Engine('u');
    EXPECT_STREQ(CORBA::String_var(engine.engine->CodeToString2(engine.sessionId, 1, 0)).in(),
                 "Acme Holdings Ltd");
    EXPECT_STREQ(
        CORBA::String_var(engine.engine->CodeToString2(engine.sessionId, 0x260401, 2)).in(),
        "26.4.1");
    EXPECT_STREQ(CORBA::String_var(engine.engine->CodeToString2(engine.sessionId, 999, 0)).in(),
                 "");
}

TEST_F(RecordsWire, StringFinderWalksAnOrderedList) {
    const EngineInfo& engine = Engine('u');
    ZrStringFinder_var finder = engine.engine->CreateStringFinder2(engine.sessionId, "ACM", 4);
    FoundStringSeq_var page = finder->GetStrings(0, 1);
    ASSERT_EQ(page->length(), 2u);
    EXPECT_STREQ(page[0].text.in(), "ACME");
    EXPECT_STREQ(page[1].text.in(), "ACMEX");
    EXPECT_GE(page[0].count, 2u);

    // Before the located entry: negative indexes, as unsigned numbers on the wire.
    FoundStringSeq_var before =
        finder->GetStrings(static_cast<CORBA::ULong>(-1), static_cast<CORBA::ULong>(-1));
    ASSERT_EQ(before->length(), 1u);
    EXPECT_LT(std::string(before[0].text.in()), "ACM");

    // Far beyond the list: boundary markers.
    FoundStringSeq_var beyond = finder->GetStrings(100000, 100001);
    ASSERT_EQ(beyond->length(), 2u);
    EXPECT_EQ(beyond[0].position, 0xFFFFFFFFu);
    EXPECT_STREQ(beyond[0].text.in(), "");
    finder->Dispose();

    ZrStringFinder_var words = engine.engine->CreateStringFinder2(engine.sessionId, "cme", 5);
    FoundStringSeq_var hits = words->GetStrings(0, 0);
    EXPECT_NE(std::string(hits[0].text.in()).find("CME"), std::string::npos);
    EXPECT_THROW(
        ZrStringFinder_var(engine.engine->CreateStringFinder2(engine.sessionId, "qqqq", 5)),
        LocateStringNotFound);
}

TEST_F(RecordsWire, OnlyTheWebRegisterHasALayout) {
    const EngineInfo& web = Engine('w');
    auto layout = test_records::Fields(ToBytes(OctetSeq_var(web.engine->GetLayout()).in())).value();
    EXPECT_EQ(layout["shortName"], "WT");
    EXPECT_EQ(layout["appNumFormat"], "2");
    EXPECT_FALSE(layout["details"].empty());
    EXPECT_EQ(layout["flag"].substr(0, 2), "BM");
    EXPECT_EQ(OctetSeq_var(Engine('u').engine->GetLayout())->length(), 0u);
}
