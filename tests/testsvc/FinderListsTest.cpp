#include "testsvc/data/FinderLists.h"

#include "testsvc/data/TermMatch.h"

#include <gtest/gtest.h>

namespace {

const CTestRegisterData& Uk() {
    static const CTestRegisterData uk(*FindRegister('u'), 300);
    return uk;
}

} // namespace

TEST(FinderLists, TheWordIndexIsLocatedAtTheText) {
    const auto list = CFinderList::Locate(Uk(), "acm", 4);
    ASSERT_TRUE(list);
    const auto page = list->Range(-1, 1);
    ASSERT_EQ(page.size(), 3u);
    EXPECT_LT(page[0].text, "ACM");
    EXPECT_EQ(page[1].text, "ACME");
    EXPECT_EQ(page[2].text, "ACMEX");
    EXPECT_GE(page[1].count, 2u);
}

TEST(FinderLists, BoundaryMarkersOutsideTheList) {
    const auto list = CFinderList::Locate(Uk(), "", 4);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Start(), 0u);
    const auto before = list->Range(-2, 0);
    EXPECT_EQ(before[0].position, 0xFFFFFFFFu);
    EXPECT_EQ(before[1].position, 0xFFFFFFFFu);
    EXPECT_EQ(before[1].text, "");
    EXPECT_NE(before[2].text, "");
    const auto size = static_cast<std::int32_t>(list->Size());
    const auto end = list->Range(size - 1, size);
    EXPECT_NE(end[0].text, "");
    EXPECT_EQ(end[1].position, 0xFFFFFFFFu);
    // A text after every word: the first entry is the end marker.
    EXPECT_EQ(CFinderList::Locate(Uk(), "ZZZZZ", 4)->Range(0, 0)[0].position, 0xFFFFFFFFu);
}

TEST(FinderLists, TheWordFinderPutsDeeperHitsFirst) {
    const auto list = CFinderList::Locate(Uk(), "me", 5);
    ASSERT_TRUE(list);
    const auto all = list->Range(0, static_cast<std::int32_t>(list->Size()) - 1);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].text.substr(all[i].position, 2), "ME");
        if (i) {
            EXPECT_GE(all[i - 1].position, all[i].position);
        }
    }
    EXPECT_FALSE(CFinderList::Locate(Uk(), "qqqq", 5));
}

TEST(FinderLists, CodeListsAreInCodeOrder) {
    const auto vienna = CFinderList::Locate(Uk(), "26", 3);
    ASSERT_TRUE(vienna);
    const auto entries = vienna->Range(0, 1);
    EXPECT_EQ(entries[0].count, 0x260101u);
    EXPECT_EQ(entries[0].text, "26.1.1 Circles");
    EXPECT_LT(entries[0].count, entries[1].count);
    const auto locarno = CFinderList::Locate(Uk(), "6.3", 8);
    EXPECT_EQ(locarno->Range(0, 0)[0].text, "06-03 Tables");
    const auto byName = CFinderList::Locate(Uk(), "lamps", 7);
    EXPECT_EQ(byName->Range(0, 0)[0].text, "26-05 Lamps");
    EXPECT_EQ(byName->Range(0, 0)[0].position, 6u);
}

TEST(FinderLists, OwnerAndAgentNames) {
    const auto owners = CFinderList::Locate(Uk(), "Zen", 0);
    ASSERT_TRUE(owners);
    EXPECT_EQ(owners->Range(0, 0)[0].text.rfind("Zenith", 0), 0u);
    const auto agents = CFinderList::Locate(Uk(), "", 1);
    EXPECT_LE(agents->Size(), 5u);
}
