// The string finder over the local service's twelve registers and its web register: the merged
// list of every finder mode the pages use equals a merge of the lists the engines serve, read
// whole and bare; engines that fail or hang end only their own share; every finder made is
// disposed of; and the term expansion finds its similar strings through the engines.

#include "FakeFinders.h"
#include "core/GenTerm.h"
#include "search/CorbaStringFinder.h"
#include "search/StringFinder.h"
#include "tests/engines/ConnectedFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

using List = std::vector<CFinderReplyEntry>;

// A register's list as the engine serves it, from the located entry on.
struct CRegisterList {
    char code;
    List entries;
};

// The merge of whole lists: the smallest head first, the earliest list's on a tie, with the
// codes of every list holding an equal entry.
std::vector<std::string> MergeLists(const std::vector<CRegisterList>& lists, int mode) {
    const CFinderOrder order(mode);
    std::vector<std::vector<CKeyedString>> keyed;
    for (const CRegisterList& list : lists) {
        std::vector<CKeyedString>& entries = keyed.emplace_back();
        for (const CFinderReplyEntry& e : list.entries)
            entries.push_back(order.MakeKeyed(CFoundString(e.text, static_cast<int>(e.position),
                                                           static_cast<int>(e.count), list.code)));
    }
    std::vector<std::size_t> next(lists.size(), 0);
    std::vector<std::string> merged;
    for (;;) {
        const CKeyedString* kept = nullptr;
        for (std::size_t k = 0; k < keyed.size(); ++k)
            if (next[k] < keyed[k].size() && (!kept || order.Compare(keyed[k][next[k]], *kept) < 0))
                kept = &keyed[k][next[k]];
        if (!kept)
            return merged;
        CFoundString folded = kept->entry;
        const CKeyedString head = *kept;
        for (std::size_t k = 0; k < keyed.size(); ++k)
            if (next[k] < keyed[k].size() && order.Compare(keyed[k][next[k]], head) == 0)
                folded.AddCodes(keyed[k][next[k]++].entry);
        merged.push_back(Describe(folded));
    }
}

// The registers' lists read bare from the engines, served from memory through the merge the
// term expansion uses.
class CBareListSource : public CMergedStringSource {
public:
    using Reader = std::function<std::vector<CRegisterList>(const std::string&, int, int)>;
    explicit CBareListSource(Reader reader) : reader_(std::move(reader)) {}

    std::unique_ptr<CMergedStringList> OpenMerge(const std::string& text, int mode,
                                                 int pageSize) override {
        auto merge = std::make_unique<CStringFinderMergeCache>(text, mode);
        for (const CRegisterList& list : reader_(text, mode, pageSize)) {
            lists_.Register(list.code).entries = list.entries;
            merge->AddFinder(list.code, lists_.Create(list.code, text, mode), 0, pageSize);
        }
        if (merge->GetCodes().empty())
            return nullptr;
        merge->Prime();
        return merge;
    }

private:
    Reader reader_;
    CFakeFinderFactory lists_;
};

class StringFinderWire : public ConnectedFixture {
protected:
    void SetUp() override {
        ConnectedFixture::SetUp();
        zrDbs_.SetCallTimeoutMs(5000);
        for (char code : zrDbs_.GetDbCodes())
            if (!zrDbs_.GetDb(static_cast<unsigned char>(code))->GetDbEngine().IsNil())
                codes_ += code;
    }

    // The register's list, read bare from the located entry to the end; at most `limit` entries.
    List ReadList(char code, const std::string& text, int mode, std::size_t limit) {
        CZrDb& db = *zrDbs_.GetDb(static_cast<unsigned char>(code));
        ZrEngine_var engine = db.GetEngineObject();
        if (CORBA::is_nil(engine))
            return {};
        ZrStringFinder_var finder;
        try {
            finder = engine->CreateStringFinder2(db.GetDbEngine().GetSessionId(), text.c_str(),
                                                 static_cast<CORBA::ULong>(mode));
        } catch (const LocateStringNotFound&) {
            return {};
        }
        List list;
        for (CORBA::ULong from = 0; list.size() < limit; from += 1000) {
            FoundStringSeq_var reply = finder->GetStrings(from, from + 999);
            bool ended = false;
            for (CORBA::ULong i = 0; i < reply->length() && !ended; ++i) {
                const FoundStringEntry& e = reply[i];
                ended = e.position == 0xFFFFFFFFu && std::string(e.text.in()).empty();
                if (!ended && list.size() < limit)
                    list.push_back({e.position, e.count, e.text.in()});
            }
            if (ended)
                break;
        }
        finder->Dispose();
        return list;
    }
    std::vector<CRegisterList> ReadLists(const std::string& codes, const std::string& text,
                                         int mode, std::size_t limit = 100000) {
        std::vector<CRegisterList> lists;
        for (char code : codes)
            lists.push_back({code, ReadList(code, text, mode, limit)});
        return lists;
    }
    // The finder's entries from index 0 on, as far as they go.
    static std::vector<std::string> Walk(CStringFinder& finder) {
        std::vector<std::string> walked;
        for (int i = 0;; ++i) {
            const CFoundString entry = finder.GetString(i);
            if (entry.GetText().empty())
                return walked;
            walked.push_back(Describe(entry));
        }
    }
    void ExpectEveryFinderDisposed() {
        EXPECT_EQ(Calls("CreateStringFinder2(").size(), Calls(".Dispose()").size());
    }

    std::string codes_;
    CRegisterStringFinders finders_{zrDbs_};
};

struct ModeText {
    int mode;
    const char* text;
};

} // namespace

TEST_F(StringFinderWire, EveryModeMergesTheRegistersLists) {
    ASSERT_EQ(codes_.size(), 13u);
    for (const ModeText& search : {ModeText{0, "B"}, ModeText{3, "26"}, ModeText{4, "ACM"},
                                   ModeText{5, "AR"}, ModeText{7, "CH"}, ModeText{8, "6"}}) {
        SCOPED_TRACE("mode " + std::to_string(search.mode));
        const std::vector<std::string> expected =
            MergeLists(ReadLists(codes_, search.text, search.mode), search.mode);
        ASSERT_GT(expected.size(), 2u);
        control_->ClearCallLog();
        {
            CStringFinder finder(finders_, search.text, search.mode, codes_,
                                 CStringFinder::kDialogPageSize);
            EXPECT_EQ(Walk(finder), expected);
            EXPECT_EQ(finder.GetText(), search.text);
        }
        ExpectEveryFinderDisposed();
    }
    // No word holds the text: the engines locate nothing and give no finder.
    CStringFinder none(finders_, "QQQQ", 5, codes_, CStringFinder::kDialogPageSize);
    EXPECT_EQ(Describe(none.GetString(0)), "|-1|0|");
}

TEST_F(StringFinderWire, AFailingEngineEndsOnlyItsShare) {
    const std::string codes = "uck";
    std::vector<CRegisterList> lists = ReadLists(codes, "A", 4);
    CStringFinder finder(finders_, "A", 4, codes, CStringFinder::kDialogPageSize);
    // After its first page, register c answers one more page and then fails.
    control_->SetEngineFault("c", "commFailure", "", 1);
    control_->ClearCallLog();
    lists[1].entries.resize(32);
    EXPECT_EQ(Walk(finder), MergeLists(lists, 4));
    EXPECT_THAT(Calls("finder.c.GetStrings"),
                ElementsAre("finder.c.GetStrings(16,31)", "finder.c.GetStrings(32,47)"));
}

TEST_F(StringFinderWire, AHangingEngineEndsItsShareAtTheCallTimeOut) {
    const std::string codes = "uck";
    std::vector<CRegisterList> lists = ReadLists(codes, "A", 4);
    zrDbs_.SetCallTimeoutMs(300);
    control_->ClearCallLog();
    {
        CStringFinder finder(finders_, "A", 4, codes, CStringFinder::kDialogPageSize);
        control_->SetEngineFault("k", "slow", "", 2000);
        lists[2].entries.resize(16);
        EXPECT_EQ(Walk(finder), MergeLists(lists, 4));
    }
    EXPECT_THAT(Calls("finder.k."),
                ElementsAre("finder.k.GetStrings(0,15)", "finder.k.GetStrings(16,31)",
                            "finder.k.Dispose()"));
    ExpectEveryFinderDisposed();
    control_->SetEngineFault("k", "none", "", 0);
}

TEST_F(StringFinderWire, TheTermExpansionAsksTheEnginesOfTheExamination) {
    CZrDbEngineSet engines;
    zrDbs_.GetEngines(engines);
    CEngineSetStringFinders source(engines, zrDbs_.GetCallTimeoutMs());
    CBareListSource model([&](const std::string& text, int mode, int pageSize) {
        return ReadLists(engines.GetCodes(), text, mode, static_cast<std::size_t>(pageSize));
    });
    // Words holding the tokens; for ACME none that the expansion takes.
    std::size_t similar = 0;
    for (const char* term : {"ACME", "MAR", "TEL STAR"}) {
        SCOPED_TRACE(term);
        CGenTerm expected;
        const int offered = expected.SetTerm(term, model);
        similar += expected.GetFoundStrings().size();
        control_->ClearCallLog();
        CGenTerm generated;
        EXPECT_EQ(generated.SetTerm(term, source), offered);
        EXPECT_EQ(generated.GetFoundStrings(), expected.GetFoundStrings());
        EXPECT_EQ(generated.GetWords(), expected.GetWords());
        EXPECT_EQ(generated.GetPatterns(), expected.GetPatterns());
        ExpectEveryFinderDisposed();
    }
    EXPECT_GT(similar, 30u);
}
