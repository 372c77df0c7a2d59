// The string finder's cursors and merge over finders in memory that log every call: what is
// fetched when, bounded windows, sort keys, and what finders that fail, end early or send odd
// positions leave of the merged list.

#include "FakeFinders.h"
#include "search/StringFinder.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// "W000", "W001", ...
std::vector<std::string> Numbered(int count) {
    std::vector<std::string> texts;
    for (int i = 1000; i < 1000 + count; ++i)
        texts.push_back("W" + std::to_string(i).substr(1));
    return texts;
}

class StringFinderMergeTest : public ::testing::Test {
protected:
    CStringFinderDb Cursor(char code, int pageSize = 16) {
        CStringFinderDb cursor(code, finders_.Create(code, "", 4), CFinderOrder(4));
        cursor.SetPageSize(pageSize);
        finders_.ClearLog();
        return cursor;
    }
    std::unique_ptr<CStringFinderMerge> Merge(const std::string& codes, int mode = 4,
                                              int pageSize = 16) {
        auto merge = std::make_unique<CStringFinderMerge>("", mode);
        for (char code : codes)
            merge->AddFinder(code, finders_.Create(code, "", mode), 0, pageSize);
        return merge;
    }
    // The merged entries from n on, as far as they go.
    static std::vector<std::string> ReadFrom(CStringFinderMerge& merge, int n) {
        std::vector<std::string> read;
        CFoundString entry;
        for (bool more = merge.GetAt(n, entry); more; more = merge.MergeNext(entry))
            read.push_back(Describe(entry));
        return read;
    }

    CFakeFinderFactory finders_;
};

} // namespace

TEST_F(StringFinderMergeTest, AFirstReplyThatIsAMarkerEndsTheListWithoutFurtherCalls) {
    finders_.Register('u') = {CFakeFinderFactory::Texts({"ALPHA", "BETA"}), 2};
    CStringFinderDb cursor = Cursor('u');
    EXPECT_EQ(cursor.GetAt(0), nullptr);
    EXPECT_EQ(cursor.GetAt(0), nullptr);
    EXPECT_EQ(cursor.GetAt(500), nullptr);
    EXPECT_THAT(finders_.Calls(), ElementsAre("u.Get(0,15)"));
    const CKeyedString* before = cursor.GetAt(-1);
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->entry.GetText(), "BETA");
}

TEST_F(StringFinderMergeTest, WindowsStayBoundedAndRefetchWhatTheyDropped) {
    const std::vector<std::string> texts = Numbered(400);
    finders_.Register('u').entries = CFakeFinderFactory::Texts(texts);
    CStringFinderDb cursor = Cursor('u', 1000);
    EXPECT_EQ(cursor.GetPageSize(), 256);
    cursor.SetPageSize(0);
    EXPECT_EQ(cursor.GetPageSize(), 256);
    cursor.SetPageSize(16);
    const auto readAt = [&](int i) {
        const CKeyedString* entry = cursor.GetAt(i);
        ASSERT_NE(entry, nullptr) << i;
        EXPECT_EQ(entry->entry.GetText(), texts[static_cast<std::size_t>(i)]);
        const auto [first, last] = cursor.GetRange();
        EXPECT_LE(last - first + 1, 256) << i;
    };
    for (int i = 300; i >= 0; --i)
        readAt(i);
    // A jump to 300, then a page back every 16 entries, the last reaching the start.
    const std::vector<std::string> down = finders_.Calls();
    ASSERT_EQ(down.size(), 20u);
    EXPECT_EQ(down[1], "u.Get(284,299)");
    EXPECT_EQ(down.back(), "u.Get(-4,11)");
    EXPECT_EQ(cursor.GetRange(), std::make_pair(0, 255));
    finders_.ClearLog();
    for (int i = 0; i <= 300; ++i)
        readAt(i);
    EXPECT_EQ(cursor.GetAt(-1), nullptr);
    EXPECT_THAT(finders_.Calls(),
                ElementsAre("u.Get(256,271)", "u.Get(272,287)", "u.Get(288,303)"));
}

TEST_F(StringFinderMergeTest, SortKeysOrderByTheWordsFromThePosition) {
    // "&" is the word AND, with a blank before it after a word but none after it.
    EXPECT_EQ(MakeFinderSortKey(CFoundString("Smith&Jones", 0, 0, 'u')),
              "SMITH ANDJONES  \x01SMITH&JONES");
    // Words from the position on, then those before; accents stripped only before 0x01.
    EXPECT_EQ(MakeFinderSortKey(CFoundString("the caf\xE9-bar", 4, 0, 'u')), "CAFE BAR  THE \x01"
                                                                             "CAF\xC9-BARTHE ");
    EXPECT_EQ(MakeFinderSortKey(CFoundString("ab", 9, 0, 'u')), " AB\x01"
                                                                "AB");
    EXPECT_EQ(MakeFinderSortKey(CFoundString("ab", -2, 0, 'u')),
              MakeFinderSortKey(CFoundString("ab", 0, 0, 'u')));
    // Equal words, then the exact characters: the ampersand first.
    const CFinderOrder order(0);
    const CKeyedString ampersand = order.MakeKeyed(CFoundString("Smith & Jones", 0, 0, 'u'));
    const CKeyedString spelt = order.MakeKeyed(CFoundString("SMITH AND JONES", 0, 0, 'u'));
    EXPECT_EQ(ampersand.key.substr(0, ampersand.key.find('\x01')),
              spelt.key.substr(0, spelt.key.find('\x01')));
    EXPECT_LT(order.Compare(ampersand, spelt), 0);
}

TEST_F(StringFinderMergeTest, AWordOfSeveralRegistersComesOnceWithAllTheirCodes) {
    finders_.Register('c').entries = {{0, 5, "ACME"}, {0, 2, "ZETA"}};
    finders_.Register('u').entries = {{0, 9, "Acme"}, {0, 1, "BETA"}};
    finders_.Register('w').entries = {{0, 3, "ACME"}};
    // The built-in codes in their fixed order, others after; the first register's values.
    EXPECT_THAT(ReadFrom(*Merge("cuw"), 0),
                ElementsAre("ACME|0|5|ucw", "BETA|0|1|u", "ZETA|0|2|c"));
}

TEST_F(StringFinderMergeTest, NoEntryBeforeTheListsStart) {
    finders_.Register('u').entries = CFakeFinderFactory::Texts(Numbered(40));
    finders_.Register('c').entries = CFakeFinderFactory::Texts({"W005", "W105"});
    auto merge = Merge("uc");
    CFoundString entry;
    // A fresh merge asked for the line above the first.
    EXPECT_FALSE(merge->GetAt(-1, entry));
    for (int n = 0; n < 20; ++n)
        ASSERT_TRUE(merge->GetAt(n, entry));
    EXPECT_FALSE(merge->GetAt(-1, entry));
    EXPECT_EQ(entry.GetText(), "W019");
    ASSERT_TRUE(merge->GetAt(5, entry));
    EXPECT_EQ(Describe(entry), "W005|0|6|uc");
    ASSERT_TRUE(merge->GetAt(40, entry));
    EXPECT_EQ(Describe(entry), "W105|0|2|c");
    EXPECT_FALSE(merge->GetAt(41, entry));

    // A fetch backwards that fails leaves no entry there either.
    finders_.Register('k').entries = CFakeFinderFactory::Texts(Numbered(400));
    auto single = Merge("k");
    ASSERT_TRUE(single->GetAt(300, entry));
    finders_.Register('k').failFromCall = 1;
    EXPECT_FALSE(single->GetAt(10, entry));
    ASSERT_TRUE(single->GetAt(100, entry));
    EXPECT_EQ(entry.GetText(), "W100");
}

TEST_F(StringFinderMergeTest, AFailingRegisterEndsOnlyItsOwnShare) {
    std::vector<std::string> odd, even;
    for (const std::string& text : Numbered(80))
        (text.back() % 2 ? odd : even).push_back(text);
    finders_.Register('u').entries = CFakeFinderFactory::Texts(even);
    finders_.Register('c').entries = CFakeFinderFactory::Texts(odd);
    finders_.Register('u').failFromCall = 3;
    const std::vector<std::string> read = ReadFrom(*Merge("uc", 4, 8), 0);
    // The first page of even entries interleaves with the odd ones, then only odd ones follow.
    ASSERT_EQ(read.size(), 48u);
    EXPECT_EQ(read[15], "W015|0|8|c");
    EXPECT_EQ(read[16], "W017|0|9|c");
    EXPECT_THAT(finders_.Calls("u.Get"), ElementsAre("u.Get(0,7)", "u.Get(8,15)"));
}

TEST_F(StringFinderMergeTest, OddRepliesAreNotMisplaced) {
    // Positions that read negative: not markers, as their texts are not empty; they sort as 0.
    finders_.Register('u').entries = {{0xFFFFFFFEu, 7, "BETA"}, {0xFFFFFFFFu, 1, "GAMMA"}};
    finders_.Register('c').entries = {{0, 2, "ALPHA"}, {0, 3, "BETA"}};
    EXPECT_THAT(ReadFrom(*Merge("uc", 0), 0),
                ElementsAre("ALPHA|0|2|c", "BETA|-2|7|u", "BETA|0|3|c", "GAMMA|-1|1|u"));
    // A short page goes forwards from its first index; backwards it could not be placed.
    finders_.Register('k').entries = CFakeFinderFactory::Texts(Numbered(100));
    CStringFinderDb cursor = Cursor('k', 10);
    ASSERT_NE(cursor.GetAt(50), nullptr);
    finders_.Register('k').shortBy = 3;
    ASSERT_NE(cursor.GetAt(60), nullptr);
    EXPECT_EQ(cursor.GetAt(60)->entry.GetText(), "W060");
    EXPECT_EQ(cursor.GetAt(49), nullptr);
    EXPECT_EQ(cursor.GetRange(), std::make_pair(50, 66));
}

TEST_F(StringFinderMergeTest, AViennaDescriptionBecomesTheCodeToStartAt) {
    finders_.Register('u').entries = {{0, 0x020101, "men in suits"}, {0, 0x030101, "lions"}};
    finders_.Register('c').entries = {{0, 0x050303, "maple leaves"}};
    // No first entry has the text at a word's start: category 1.
    { CStringFinderCode finder(finders_, "uits", 3, "uc", 16); }
    EXPECT_THAT(finders_.Calls("u.Create"), ElementsAre("u.Create(uits,3)", "u.Create(1,3)"));
    finders_.ClearLog();
    {
        CStringFinderCode finder(finders_, "Leaves", 3, "uc", 16);
        EXPECT_EQ(finder.GetText(), "Leaves");
        EXPECT_EQ(finder.GetString(0).GetText(), "men in suits");
    }
    EXPECT_THAT(finders_.Calls("c."),
                ElementsAre("c.Create(Leaves,3)", "c.Get(0,0)", "c.Dispose()", "c.Create(5.3.3,3)",
                            "c.Get(0,15)", "c.Dispose()"));
    // A code typed, or one register: the text as it is.
    finders_.ClearLog();
    { CStringFinderCode byCode(finders_, "2.1", 3, "uc", 16); }
    { CStringFinderCode alone(finders_, "suit", 3, "u", 16); }
    EXPECT_THAT(finders_.Calls("u.Create"), ElementsAre("u.Create(2.1,3)", "u.Create(suit,3)"));
}

// Random lists located at a common entry, read at random: every entry is the one a merge of the
// registers' whole lists puts there, and there is none outside it.
TEST_F(StringFinderMergeTest, RandomReadsMatchAMergeOfTheWholeLists) {
    std::mt19937 random(2024);
    const std::string codes = "ucwk";
    for (const int mode : {0, 3, 4, 5, 7}) {
        const CFinderOrder order(mode);
        const auto less = [&](const auto& a, const auto& b) { return order.Compare(a, b) < 0; };
        std::vector<CKeyedString> pool;
        while (pool.size() < 150) {
            std::string text;
            for (int length = 1 + static_cast<int>(random() % 8); length > 0; --length)
                text += "abAB &-\xE9x1"[random() % 11];
            CKeyedString entry = order.MakeKeyed(CFoundString(text, static_cast<int>(random() % 4),
                                                              static_cast<int>(random() % 5), 'u'));
            if (std::none_of(pool.begin(), pool.end(),
                             [&](const auto& held) { return order.Compare(held, entry) == 0; }))
                pool.push_back(std::move(entry));
        }
        const CKeyedString probe = pool[random() % pool.size()];
        std::vector<CKeyedString> all;
        for (char code : codes) {
            std::vector<CKeyedString> list;
            std::copy_if(pool.begin(), pool.end(), std::back_inserter(list),
                         [&](const auto&) { return random() % 2 == 0; });
            std::sort(list.begin(), list.end(), less);
            CFakeRegister& fake = finders_.Register(code);
            fake.entries.clear();
            for (const CKeyedString& keyed : list) {
                const CFoundString& e = keyed.entry;
                fake.entries.push_back({static_cast<std::uint32_t>(e.GetPosition()),
                                        static_cast<std::uint32_t>(e.GetCount()), e.GetText()});
                all.push_back(order.MakeKeyed(
                    CFoundString(e.GetText(), e.GetPosition(), e.GetCount(), code)));
            }
            fake.located = static_cast<std::size_t>(
                std::lower_bound(list.begin(), list.end(), probe, less) - list.begin());
        }
        std::stable_sort(all.begin(), all.end(), less);
        std::vector<std::string> model;
        int offset = 0;
        for (std::size_t i = 0, j = 0; i < all.size(); i = j) {
            CFoundString folded = all[i].entry;
            for (j = i + 1; j < all.size() && order.Compare(all[j], all[i]) == 0; ++j)
                folded.AddCodes(all[j].entry);
            model.push_back(Describe(folded));
            offset += less(all[i], probe);
        }

        auto merge = Merge(codes, mode, 1 + static_cast<int>(random() % 4));
        merge->Prime();
        for (int step = 0, n = 0; step < 600; ++step) {
            n = step % 50 == 0 ? static_cast<int>(random() % (model.size() + 20)) - offset - 10
                               : n + static_cast<int>(random() % 5) - 2;
            const int at = n + offset;
            const bool exists = at >= 0 && at < static_cast<int>(model.size());
            CFoundString entry;
            ASSERT_EQ(merge->GetAt(n, entry), exists) << "mode " << mode << " line " << n;
            if (exists) {
                ASSERT_EQ(Describe(entry), model[static_cast<std::size_t>(at)])
                    << "mode " << mode << " line " << n;
            }
        }
    }
}
