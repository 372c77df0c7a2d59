// A web-defined register made from the layout of the local service's register 'w', end to end,
// and what an engine without a layout or a failing one leaves.

#include "registers/PresentationFlags.h"
#include "registers/ZrDb_Web.h"
#include "registers/ZrDbs.h"
#include "tests/support/LocalService.h"
#include "tests/support/RecordingPresenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace local_service;
using ::testing::ElementsAre;

namespace {

class WebDbWire : public ::testing::Test {
protected:
    void SetUp() override {
        control_ = ResetControl();
        remote_ = Logon(Remote(), "");
        table_.GetTextCache().SetLimits(1, 40, 2048);
        table_.SetCallTimeoutMs(5000);
        const EngineInfo& info = Find(remote_.in(), 'w');
        engine_ = CZrDbEngine('w', CZrDbEngine::kInternet, CZrDate(info.dataDate), info.name.in(),
                              info.engine.in(), info.sessionId);
    }

    // The marks with the word mark, on the register's engine.
    CMark MarkOf(CZrDb& db, const std::string& wordMark) {
        for (const CORBA::ULong id :
             Search(Find(remote_.in(), 'w'), ("TMARK=\"" + wordMark + "\"").c_str())) {
            const CMark mark(id, 'w', 0, 0);
            const RecordPtr record = db.FetchTextRecord(mark);
            if (record && record->GetField("WORDMARK") == wordMark)
                return mark;
        }
        throw std::runtime_error("no mark " + wordMark);
    }

    ZrTestControl_var control_;
    EngineInfoSeq_var remote_;
    CZrDbEngine engine_{'w'};
    CZrDbs table_;
};

TEST_F(WebDbWire, TheLayoutMakesTheRegister) {
    CZrDb* db = table_.AddWebDb(CreateWebDb(table_, 'w', engine_));
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(db->GetErrorText(), "");
    EXPECT_EQ(db->GetShortName(), "WT");
    EXPECT_EQ(table_.GetDbShortName('w'), "WT");
    EXPECT_THAT(db->GetCountryCodes(), ElementsAre("XA", "XB"));
    const auto& web = dynamic_cast<CZrDb_Web&>(*db);
    EXPECT_EQ(web.GetFlagImage().GetWidth(), 18u);
    EXPECT_EQ(web.GetFlagImage().GetHeight(), 12u);
    table_.AddDbGroupToSelection('w');
    EXPECT_EQ(table_.GetDbSelection().GetGroups().back().code, "WT");

    db->SetEngine(engine_, "");
    const CMark acme = MarkOf(*db, "ACME");
    const RecordPtr record = db->FetchTextRecord(acme);
    const std::string appNum(record->GetField("APPNUM"));
    const std::string status(record->GetField("STATUS"));
    ASSERT_EQ(status, "Registered");
    EXPECT_EQ(db->GetSummaryText(*record),
              appNum + ", Registered, class " + std::string(record->GetField("CLASSES")));

    CHeaderTexts header;
    std::string error;
    ASSERT_TRUE(db->GetHeaderTexts(acme, header, error));
    EXPECT_EQ(header.line1Left, appNum);
    EXPECT_EQ(header.line1Right, "Reg:" + std::string(record->GetField("REGDATE")));
    EXPECT_EQ(header.line2Right, "Registered");
    EXPECT_EQ(header.line3Left, "on the register");
    EXPECT_EQ(header.wordMark, "ACME");

    // A pending mark has no registration date: the header shows when it was applied for.
    const CMark zenith = MarkOf(*db, "ZENITH");
    ASSERT_TRUE(db->GetHeaderTexts(zenith, header, error));
    EXPECT_EQ(header.line1Right,
              "App:" + std::string(db->FetchTextRecord(zenith)->GetField("APPDATE")));
    EXPECT_EQ(header.line3Left, "");

    PairList owners;
    db->FetchTextRecord(acme)->GetPairList("PROPS", owners);
    ASSERT_FALSE(owners.empty());
    CRecordingPresenter output;
    db->PresentRecord(acme, output,
                      kPresentWordMark | kPresentHeading | kPresentDetails | kPresentOwnerName, 0,
                      0);
    const auto plain = [](const std::string& label, std::string_view value) {
        return "AddField(0, \"" + label + "\", \"" + std::string(value) + "\", 0x10, 1, 0, 0)";
    };
    EXPECT_THAT(output.Calls(),
                ElementsAre("AddField(0, \"Mark\", \"ACME\", 0x12, 1, 0, 0)", "RequestParagraph()",
                            plain("Number", appNum), plain("Applied", record->GetField("APPDATE")),
                            plain("Registered", record->GetField("REGDATE")), "RequestParagraph()",
                            plain("Owner", owners[0].first)));
}

TEST_F(WebDbWire, AnEngineWithoutLayoutLeavesAnEmptyRegister) {
    control_->SetEngineFault("w", "layoutNotFound", "", 0);
    CZrDb* db = table_.AddWebDb(CreateWebDb(table_, 'w', engine_));
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(db->GetErrorText(), "");
    EXPECT_EQ(db->GetShortName(), "");
    EXPECT_EQ(table_.GetDbShortName('w'), "WEB");

    db->SetEngine(engine_, "");
    control_->SetEngineFault("w", "none", "", 0);
    CRecordingPresenter output;
    db->PresentRecord(MarkOf(*db, "ACME"), output, 0xffffffff, 0, 0);
    EXPECT_TRUE(output.Calls().empty());
}

TEST_F(WebDbWire, AFailingEngineLeavesTheErrorText) {
    control_->SetEngineFault("w", "commFailure", "", 0);
    const std::unique_ptr<CZrDb> db = CreateWebDb(table_, 'w', engine_);
    EXPECT_EQ(db->GetErrorText(), "COMM_FAILURE");
    EXPECT_EQ(db->GetShortName(), "");
    EXPECT_EQ(db->GetDbGroup()->databases.size(), 0u);
}

} // namespace
