// Every register's presenter on records of the local service, one presentation flag group at a
// time: which rows each group writes, with their labels, values, styles, text modes and blocks.

#include "engines/ZrDbEngineSet.h"
#include "registers/PresentationFlags.h"
#include "registers/RecordRows.h"
#include "registers/ZrDbs.h"
#include "tests/support/LocalService.h"
#include "tests/support/RecordingPresenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace local_service;
using ::testing::Contains;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// The registers whose presenters are built in; '0' and '1' have no engine in the service.
constexpr const char* kRegisters = "aucsidetpnko";

std::string Row(std::string_view label, std::string_view value, unsigned style, int mode,
                bool newBlock, bool endBlock, int kind = -1) {
    CRecordingPresenter expected;
    if (kind >= 0)
        expected.AddField(kind, label, value, style, mode, newBlock, endBlock);
    else
        expected.AddPlainField(label, value, style, mode, newBlock, endBlock);
    return expected.Calls().front();
}

class PresentersWire : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        ResetControl();
        remote_ = Logon(Remote(), "");
        table_.GetTextCache().SetLimits(1, 40, 2048);
        table_.SetCallTimeoutMs(5000);
        // The international register's letter travels as 'I'.
        const EngineInfo& info = Find(remote_.in(), GetParam() == 'i' ? 'I' : GetParam());
        db_ = table_.GetDb(GetParam());
        db_->SetEngine(CZrDbEngine(static_cast<int>(info.dbCode), CZrDbEngine::kInternet,
                                   CZrDate(info.dataDate), info.name.in(), info.engine.in(),
                                   info.sessionId),
                       "");
        // ACME ZENITH: a device mark with owners, goods, history and source; the domain names
        // have no devices, and their marks are domains.
        const bool domains = GetParam() == 'k';
        for (const CORBA::ULong id :
             Search(info, domains ? "TMARK=\"acme-zenith.co.uk\"" : "TMARK=\"ACME ZENITH\"")) {
            const CMark mark(id, GetParam(), 0, 0);
            const RecordPtr record = db_->FetchTextRecord(mark);
            if (record && (domains || record->GetField("WORDMARK") == "ACME ZENITH")) {
                mark_ = mark;
                record_ = record;
            }
        }
        ASSERT_TRUE(record_);
    }

    std::vector<std::string> Present(std::uint32_t flags) {
        CRecordingPresenter output;
        db_->PresentRecord(mark_, output, flags, 7, 8);
        return output.Calls();
    }

    std::string_view Field(std::string_view name) const { return record_->GetField(name); }
    bool Is(const char* codes) const {
        return std::string_view(codes).find(GetParam()) != std::string_view::npos;
    }
    // Owners, dates and other notes of some registers are written in the Greek font when the
    // text needs it.
    int PartyMode() const { return Is("cdiep") ? kTextDecide : kTextLatin; }

    EngineInfoSeq_var remote_;
    CZrDbs table_;
    CZrDb* db_ = nullptr;
    CMark mark_;
    RecordPtr record_;
};

TEST_P(PresentersWire, NoFlagsNoRows) {
    const std::vector<std::string> rows = Present(0);
    if (Is("tn"))
        EXPECT_THAT(rows, ElementsAreArray({"RequestParagraph()"}));
    else
        EXPECT_THAT(rows, IsEmpty());
}

TEST_P(PresentersWire, Heading) {
    const std::vector<std::string> rows = Present(kPresentHeading);
    if (Is("k"))
        EXPECT_THAT(rows, IsEmpty());
    else if (Is("tn"))
        EXPECT_THAT(rows, ElementsAreArray({Row("", Field("APPNUM"), 0x02, kTextLatin, false, true),
                                            std::string("RequestParagraph()")}));
    else
        EXPECT_THAT(rows, ElementsAreArray({Row("", Field(Is("s") ? "SERNUM" : "APPNUM"), 0x02,
                                                kTextLatin, false, true)}));
}

TEST_P(PresentersWire, WordMark) {
    std::vector<std::string> expected;
    if (Is("o")) {
        PairList descriptions;
        record_->GetPairList("DESDESCR", descriptions);
        for (std::size_t i = 0; i < descriptions.size(); ++i)
            expected.push_back(Row("[" + descriptions[i].first + "] ", descriptions[i].second, 0x12,
                                   descriptions[i].first == "EL" ? kTextGreek : kTextLatin, i == 0,
                                   i + 1 == descriptions.size()));
        expected.push_back("RequestParagraph()");
    } else {
        const int mode = Is("c") && record_->HasField("CHARSET2") ? kTextGreek : kTextLatin;
        expected.push_back(
            Row(Is("k") ? "Domain:" : "Mark:", Field("WORDMARK"), 0x12, mode, false, true));
    }
    if (Is("tn"))
        expected.push_back("RequestParagraph()");
    EXPECT_THAT(Present(kPresentWordMark), ElementsAreArray(expected));
}

TEST_P(PresentersWire, ClassesAndGoods) {
    if (Is("ko")) { // no Nice classes
        EXPECT_THAT(Present(kPresentClasses), IsEmpty());
        return;
    }
    std::vector<std::string> expected;
    if (Is("tn"))
        expected.push_back("RequestParagraph()");
    expected.push_back(Row("Classes:", Field("CLASSES"), 0x14, kTextLatin, false, false));
    PairList goods;
    record_->GetPairList("GOODS", goods);
    ASSERT_FALSE(goods.empty());
    for (std::size_t i = 0; i < goods.size(); ++i)
        expected.push_back(Row("Class " + goods[i].first + ": ", goods[i].second, 0x10,
                               Is("c") ? kTextDecide : kTextLatin, i == 0, i + 1 == goods.size(),
                               kFieldGoods));
    // Reserved Words join runs of classes with the same goods; the service's goods differ.
    EXPECT_THAT(Present(kPresentClasses | kPresentGoods), ElementsAreArray(expected));
}

TEST_P(PresentersWire, FirstOwnerWithAddress) {
    PairList owners;
    record_->GetPairList("PROPS", owners);
    ASSERT_FALSE(owners.empty());
    std::vector<std::string> expected;
    if (Is("tn"))
        expected.push_back("RequestParagraph()");
    expected.push_back(Row("Owner:", owners[0].first, 0x10, PartyMode(), true, false));
    expected.push_back(Row("", owners[0].second, 0, PartyMode(), false, false));
    expected.push_back("RequestParagraph()");
    EXPECT_THAT(Present(kPresentOwnerName | kPresentOwnerAddress | kPresentFurtherAddresses),
                ElementsAreArray(expected));
    // Further owners come only with the first.
    const std::vector<std::string> further = Present(kPresentFurtherOwners);
    EXPECT_EQ(further.size(), Is("tn") ? 1u : 0u);
}

TEST_P(PresentersWire, AgentsAndServices) {
    PairList agents;
    record_->GetPairList("AGENTS", agents);
    std::vector<std::string> expected;
    if (Is("tn"))
        expected.push_back("RequestParagraph()");
    const bool hasAgents = !Is("ceps");
    for (std::size_t i = 0; hasAgents && i < agents.size(); ++i) {
        expected.push_back(Row("Agent:", agents[i].first, 0x10, kTextLatin, i == 0, false));
        expected.push_back(Row("", agents[i].second, 0, kTextLatin, false, false));
    }
    if (hasAgents && !agents.empty())
        expected.push_back("RequestParagraph()");
    EXPECT_THAT(Present(kPresentAgentNames | kPresentAgentAddresses), ElementsAreArray(expected));

    expected.resize(Is("tn") ? 1 : 0);
    PairList services;
    record_->GetPairList("SERVS", services);
    const bool hasServices = !Is("k");
    const int mode = Is("cdiep") ? kTextDecide : kTextLatin;
    for (std::size_t i = 0; hasServices && i < services.size(); ++i) {
        expected.push_back(
            Row(Is("s") ? "Agent:" : "Service:", services[i].first, 0x10, mode, i == 0, false));
        expected.push_back(Row("", services[i].second, 0, mode, false, i + 1 == services.size()));
    }
    if (hasServices && !services.empty() && Is("cdieptn"))
        expected.push_back("RequestParagraph()");
    EXPECT_THAT(Present(kPresentServiceNames | kPresentServiceAddresses),
                ElementsAreArray(expected));
}

TEST_P(PresentersWire, Devices) {
    const std::vector<std::string> categories = StringListItems(*record_, "DEVCATS");
    std::vector<std::string> expected;
    if (Is("tn"))
        expected.push_back("RequestParagraph()");
    const int mode = Is("cdiep") ? kTextDecide : kTextLatin;
    for (std::size_t i = 0; !Is("k") && i < categories.size(); ++i)
        expected.push_back(
            Row("Device:", categories[i], 0x10, mode, i == 0, i + 1 == categories.size()));
    EXPECT_THAT(Present(kPresentDevices), ElementsAreArray(expected));
}

TEST_P(PresentersWire, HistoryAndSource) {
    const std::vector<std::string> rows = Present(kPresentHistory | kPresentSource);
    const std::size_t offset = Is("tn") ? 1 : 0;
    ASSERT_GT(rows.size(), offset + 3);
    EXPECT_EQ(rows[offset], "EndParagraph(1)");
    EXPECT_EQ(rows[offset + 1], "AddTwoColumns(\"Week Ending\", \"Recent History\", 0x12, 1)");
    EXPECT_EQ(rows[rows.size() - 2], "SetParagraphPending(1)");
    EXPECT_EQ(rows.back(), Row("", Field("SRCINFO"), 0x04, kTextLatin, true, true));
}

TEST_P(PresentersWire, Details) {
    const std::vector<std::string> rows = Present(kPresentDetails);
    const std::string appDate(Field("APPDATE"));
    ASSERT_FALSE(appDate.empty());
    if (Is("k")) {
        EXPECT_THAT(rows,
                    ElementsAreArray({Row("Application Date:", appDate, 0x10, 1, false, true)}));
        return;
    }
    if (Is("s")) {
        EXPECT_THAT(rows, Contains(Row("Last known USPTO status:", Field("USSTATUS"), 0x10, 1,
                                       false, false)));
        return;
    }
    EXPECT_THAT(rows, Contains(Row(Is("eptn") ? "Application date:" : "Application Date:", appDate,
                                   0x10, 1, false, Is("d"))));
    if (Is("ucdiptn")) {
        EXPECT_THAT(rows, Contains(Row("Mark Type:", Field("MARKTYPE"), 0x14, 1, false, false)));
    } else if (Is("o")) {
        EXPECT_THAT(rows,
                    Contains(Row("Words indexed:", Field("WORDMARK"), 0x10, 1, false, false)));
    } else {
        EXPECT_THAT(rows, Contains(Row("Colours:", Field("IMCOLOURS"), 0x10, 2, false, false)));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryRegister, PresentersWire,
                         ::testing::ValuesIn(std::vector<char>(kRegisters, kRegisters + 12)),
                         [](const auto& info) { return std::string(1, info.param); });

} // namespace
