#include "engines/ZrDbEngine.h"

#include "engines/Orb.h"
#include "engines/ZrDbEngineSet.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

const CZrDate kMarch3(3u + (3u << 8) + (2017u << 16));
const CZrDate kFeb1(1u + (2u << 8) + (2017u << 16));

// A reference to an engine that nothing serves: enough to compare, copy and release.
ZrEngine_var EngineRef(const char* key) {
    CORBA::Object_var object =
        GetOrb()->string_to_object((std::string("corbaloc::127.0.0.1:9/") + key).c_str());
    return ZrEngine::_unchecked_narrow(object);
}

CZrDbEngine Local(int code, const CZrDate& date, const char* key = "local") {
    return CZrDbEngine(code, CZrDbEngine::kLan, date, "Office", EngineRef(key), 1001);
}

CZrDbEngine Remote(int code, const CZrDate& date, const char* key = "remote") {
    return CZrDbEngine(code, CZrDbEngine::kInternet, date, "", EngineRef(key), 2002);
}

// Sets the sort switch for one test and puts the old value back.
class ScopedSortByLocation {
public:
    explicit ScopedSortByLocation(bool byLocation) : previous_(CZrDbEngine::GetSortByLocation()) {
        CZrDbEngine::SetSortByLocation(byLocation);
    }
    ~ScopedSortByLocation() { CZrDbEngine::SetSortByLocation(previous_); }

private:
    bool previous_;
};

} // namespace

TEST(ZrDbEngine, EngineWithoutConnection) {
    const CZrDbEngine engine('u');
    EXPECT_TRUE(engine.IsNil());
    EXPECT_EQ(engine.GetDbCode(), 'u');
    EXPECT_EQ(engine.GetFlags(), 0u);
    EXPECT_TRUE(engine.GetDate().IsEmpty());
    EXPECT_TRUE(engine.GetDate2().IsEmpty());
    EXPECT_EQ(engine.GetName(), "");
    EXPECT_EQ(engine.GetSessionId(), 0u);
    EXPECT_EQ(engine.GetLocationLabel(), "");
    EXPECT_EQ(engine.Describe("UK"), "UK has no Engine connection");
    EXPECT_TRUE(CORBA::is_nil(engine.GetEngine()));
}

TEST(ZrDbEngine, TheLetterIIsReadAsLowerCase) {
    const CZrDbEngine engine = Remote('I', kMarch3);
    EXPECT_EQ(engine.GetDbCode(), 'i');
    EXPECT_EQ(engine.GetEngineCode(), 'I');
    EXPECT_EQ(CZrDbEngine('I').GetDbCode(), 'i');
    EXPECT_EQ(CZrDbEngine('u').GetEngineCode(), 'u');

    CZrDbEngineSet set;
    set.AddEngine(engine, "");
    EXPECT_EQ(set.GetCodes(), "i");
    EXPECT_NE(set.FindEngine('i'), nullptr);
    EXPECT_EQ(set.FindEngine('I'), nullptr);
}

TEST(ZrDbEngine, EngineFromDiscovery) {
    const CZrDbEngine engine = Local('u', kFeb1);
    EXPECT_FALSE(engine.IsNil());
    EXPECT_EQ(engine.GetUpToDate(), kFeb1);
    EXPECT_EQ(engine.GetDate(), kFeb1);
    EXPECT_EQ(engine.GetDate2(), kFeb1);
    EXPECT_EQ(engine.GetSessionId(), 1001u);
    EXPECT_EQ(engine.GetVariantLabel(), "Lan(Office)");
    EXPECT_EQ(Remote('u', kMarch3).GetVariantLabel(), "Web");
    EXPECT_EQ(engine.Describe("UK"), "UK on Lan(Office) up to 1 Feb 2017  SessionId: 1001");
    EXPECT_EQ(Remote('c', kMarch3).Describe("EUTM"),
              "EUTM on Internet() up to 3 Mar 2017  SessionId: 2002");
}

TEST(ZrDbEngine, LocationLabelsAndWords) {
    const auto at = [](std::uint32_t flags) {
        return CZrDbEngine('u', flags, kMarch3, "X", EngineRef("e"), 7);
    };
    EXPECT_EQ(at(CZrDbEngine::kHardDisc).GetLocationLabel(), "HD");
    EXPECT_EQ(at(CZrDbEngine::kCd).GetLocationLabel(), "CD");
    EXPECT_EQ(at(CZrDbEngine::kLan).GetLocationLabel(), "Lan");
    EXPECT_EQ(at(CZrDbEngine::kInternet | CZrDbEngine::kLan).GetLocationLabel(), "Web");
    EXPECT_EQ(at(CZrDbEngine::kHardDisc).Describe("UK"),
              "UK on Hard Disc(X) up to 3 Mar 2017  SessionId: 7");
    // A rank without a word of its own shows the flags.
    EXPECT_EQ(at(CZrDbEngine::kCd | 0x12).Describe("UK"),
              "UK on 0x00040012(X) up to 3 Mar 2017  SessionId: 7");
}

TEST(ZrDbEngine, DiscoveryOrderByDateThenLocation) {
    const ScopedSortByLocation byDate(false);
    // Equal dates: the local engine first.
    EXPECT_TRUE(Local('u', kMarch3) < Remote('u', kMarch3));
    EXPECT_FALSE(Remote('u', kMarch3) < Local('u', kMarch3));
    // Newer data first, wherever it is.
    EXPECT_TRUE(Remote('u', kMarch3) < Local('u', kFeb1));
    EXPECT_FALSE(Local('u', kFeb1) < Remote('u', kMarch3));
    EXPECT_FALSE(Local('u', kFeb1) < Local('u', kFeb1));
}

TEST(ZrDbEngine, DiscoveryOrderByLocationThenDate) {
    const ScopedSortByLocation byLocation(true);
    EXPECT_TRUE(Local('u', kMarch3) < Remote('u', kMarch3));
    // A remote engine with newer data still goes after every local one.
    EXPECT_TRUE(Local('u', kFeb1) < Remote('u', kMarch3));
    EXPECT_FALSE(Remote('u', kMarch3) < Local('u', kFeb1));
    EXPECT_TRUE(Local('u', kMarch3, "a") < Local('u', kFeb1, "b"));

    std::vector<CZrDbEngine> engines = {Remote('u', kMarch3), Local('u', kFeb1),
                                        Local('u', kMarch3, "newer")};
    std::sort(engines.begin(), engines.end());
    EXPECT_EQ(engines[0].GetDate(), kMarch3);
    EXPECT_EQ(engines[0].GetLocationRank(), CZrDbEngine::kLan);
    EXPECT_EQ(engines[1].GetDate(), kFeb1);
    EXPECT_EQ(engines[2].GetLocationRank(), CZrDbEngine::kInternet);
}

TEST(ZrDbEngine, CopiesShareTheEngineObject) {
    const CZrDbEngine original = Local('u', kFeb1);
    CZrDbEngine copy(original);
    EXPECT_TRUE(copy == original);
    EXPECT_EQ(copy.GetEngine().in(), original.GetEngine().in());
    // The same database from another repository is another engine.
    EXPECT_FALSE(Remote('u', kFeb1) == original);

    CZrDbEngine assigned('c');
    assigned = copy;
    EXPECT_TRUE(assigned == original);
    const CZrDbEngine& self = assigned;
    assigned = self;
    EXPECT_TRUE(assigned == original);
    EXPECT_FALSE(assigned.IsNil());
}

TEST(ZrDbEngine, ACopyOutlivesItsSource) {
    std::vector<CZrDbEngine> kept;
    {
        const CZrDbEngine source = Remote('c', kMarch3, "outlived");
        kept.push_back(source);
        kept.push_back(kept.front());
    }
    kept.erase(kept.begin());
    ASSERT_FALSE(kept.front().IsNil());
    ZrEngine_var engine = kept.front().GetEngine();
    EXPECT_FALSE(CORBA::is_nil(engine));
    EXPECT_TRUE(engine->_is_equivalent(EngineRef("outlived")));
}

TEST(ZrDbEngine, DisconnectWithoutSessionOrEngineCallsNothing) {
    CZrDbEngine none('u');
    none.Disconnect("secret");
    EXPECT_EQ(none.GetSessionId(), 0u);
}

TEST(ZrDbEngineSet, EntriesByCode) {
    CZrDbEngineSet set;
    set.AddEngine(Remote('u', kMarch3), "GB");
    set.AddEngine(Remote('a', kMarch3), "");
    set.AddEngine(Remote('I', kMarch3), "FR,DE");
    EXPECT_EQ(set.GetCodes(), "aiu");

    CZrDbEngine engine('x');
    std::string restriction = "untouched";
    EXPECT_FALSE(set.GetEngine('c', engine, restriction));
    EXPECT_EQ(engine.GetDbCode(), 'x');
    EXPECT_EQ(restriction, "untouched");
    EXPECT_TRUE(set.GetEngine('i', engine, restriction));
    EXPECT_EQ(engine.GetEngineCode(), 'I');
    EXPECT_EQ(restriction, "FR,DE");
}

TEST(ZrDbEngineSet, AddReplacesBothSetKeepsTheRestriction) {
    CZrDbEngineSet set;
    set.AddEngine(Remote('u', kMarch3), "GB");
    set.SetEngine(Local('u', kFeb1));
    CZrDbEngine engine('x');
    std::string restriction;
    ASSERT_TRUE(set.GetEngine('u', engine, restriction));
    EXPECT_EQ(engine.GetLocationRank(), CZrDbEngine::kLan);
    EXPECT_EQ(restriction, "GB");

    set.AddEngine(Remote('u', kMarch3), "");
    ASSERT_TRUE(set.GetEngine('u', engine, restriction));
    EXPECT_EQ(engine.GetLocationRank(), CZrDbEngine::kInternet);
    EXPECT_EQ(restriction, "");

    set.SetEngine(Local('c', kFeb1));
    ASSERT_TRUE(set.GetEngine('c', engine, restriction));
    EXPECT_EQ(restriction, "");
    EXPECT_EQ(set.GetCodes(), "cu");
}

TEST(ZrDbEngineSet, CopiesAreIndependent) {
    CZrDbEngineSet set;
    set.AddEngine(Remote('u', kMarch3), "GB");
    CZrDbEngineSet copy;
    copy.AddEngine(Remote('c', kMarch3), "");
    copy = set;
    EXPECT_EQ(copy.GetCodes(), "u");
    set.Clear();
    EXPECT_EQ(set.GetCodes(), "");
    ASSERT_NE(copy.FindEngine('u'), nullptr);
    EXPECT_FALSE(copy.FindEngine('u')->IsNil());
}
