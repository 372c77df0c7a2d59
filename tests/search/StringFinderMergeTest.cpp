// The string finder's cursors and merge over finders in memory that log every call: what is
// fetched when, how windows stay bounded, the order of each finder mode, and what a finder that
// fails, sends odd positions or ends early leaves of the merged list.

#include "FakeFinders.h"
#include "search/StringFinder.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::string Describe(const CFoundString& entry) {
    return entry.GetText() + "|" + std::to_string(entry.GetPosition()) + "|" +
           std::to_string(entry.GetCount()) + "|" + entry.GetCodes();
}

// "W000", "W001", ...
std::vector<std::string> Numbered(int count) {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        const std::string digits = std::to_string(i);
        texts.push_back("W" + std::string(3 - std::min<std::size_t>(3, digits.size()), '0') +
                        digits);
    }
    return texts;
}

class StringFinderMergeTest : public ::testing::Test {
protected:
    CStringFinderDb Cursor(char code, int mode = CFinderOrder::kWordIndex, int pageSize = 16) {
        CStringFinderDb cursor(code, finders_.Create(code, "", mode), CFinderOrder(mode));
        cursor.SetPageSize(pageSize);
        finders_.Log().Clear();
        return cursor;
    }
    std::size_t WindowSize(const CStringFinderDb& cursor) {
        const auto [first, last] = cursor.GetRange();
        return static_cast<std::size_t>(last - first + 1);
    }
    // A merge over the registers, in the order given.
    std::unique_ptr<CStringFinderMerge> Merge(const std::string& codes,
                                              int mode = CFinderOrder::kWordIndex,
                                              int pageSize = 16) {
        auto merge = std::make_unique<CStringFinderMerge>("", mode);
        for (char code : codes)
            merge->AddFinder(code, finders_.Create(code, "", mode), 0, pageSize);
        return merge;
    }
    // The merged entries from n on, forwards, as far as they go.
    std::vector<std::string> ReadFrom(CStringFinderMerge& merge, int n) {
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
    EXPECT_EQ(cursor.GetAt(1), nullptr);
    EXPECT_EQ(cursor.GetAt(500), nullptr);
    EXPECT_THAT(finders_.Log().Calls(), ElementsAre("u.Get(0,15)"));
    // What lies before the marker can still be read.
    const CKeyedString* before = cursor.GetAt(-1);
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->entry.GetText(), "BETA");
}

TEST_F(StringFinderMergeTest, WindowsStayBoundedAndRefetchWhatTheyDropped) {
    const std::vector<std::string> texts = Numbered(400);
    finders_.Register('u').entries = CFakeFinderFactory::Texts(texts);
    CStringFinderDb cursor = Cursor('u');

    const auto readAt = [&](int i) {
        const CKeyedString* entry = cursor.GetAt(i);
        ASSERT_NE(entry, nullptr) << i;
        EXPECT_EQ(entry->entry.GetText(), texts[static_cast<std::size_t>(i)]);
        EXPECT_LE(WindowSize(cursor), CStringFinderDb::kMaxWindow) << i;
    };
    for (int i = 300; i >= 0; --i)
        readAt(i);
    // A jump to 300, then one page back for every 16 entries, the last one reaching the start.
    const std::vector<std::string> down = finders_.Log().Calls();
    ASSERT_EQ(down.size(), 20u);
    EXPECT_EQ(down.front(), "u.Get(300,315)");
    EXPECT_EQ(down[1], "u.Get(284,299)");
    EXPECT_EQ(down.back(), "u.Get(-4,11)");
    EXPECT_EQ(cursor.GetRange(), std::make_pair(0, 255));

    finders_.Log().Clear();
    for (int i = 0; i <= 300; ++i)
        readAt(i);
    EXPECT_THAT(finders_.Log().Calls(),
                ElementsAre("u.Get(256,271)", "u.Get(272,287)", "u.Get(288,303)"));
    // The start is known now: no call for what lies before it.
    finders_.Log().Clear();
    EXPECT_EQ(cursor.GetAt(-1), nullptr);
    EXPECT_EQ(cursor.GetAt(-40), nullptr);
    EXPECT_THAT(finders_.Log().Calls(), IsEmpty());
}

TEST_F(StringFinderMergeTest, PageSizesStayWithinOneAnd256) {
    finders_.Register('u').entries = CFakeFinderFactory::Texts(Numbered(600));
    CStringFinderDb cursor = Cursor('u', CFinderOrder::kWordIndex, 15);
    cursor.SetPageSize(0);
    EXPECT_EQ(cursor.GetPageSize(), 15);
    cursor.SetPageSize(-3);
    EXPECT_EQ(cursor.GetPageSize(), 15);
    cursor.SetPageSize(256);
    EXPECT_EQ(cursor.GetPageSize(), 256);
    cursor.SetPageSize(1000);
    EXPECT_EQ(cursor.GetPageSize(), 256);
    cursor.SetPageSize(1);
    EXPECT_EQ(cursor.GetPageSize(), 1);
    ASSERT_NE(cursor.GetAt(3), nullptr);
    EXPECT_THAT(finders_.Log().Calls(), ElementsAre("u.Get(3,3)"));
}

TEST_F(StringFinderMergeTest, SortKeysOrderByTheWordsFromThePosition) {
    // "&" is the word AND, with a blank before it after a word but none after it.
    EXPECT_EQ(MakeFinderSortKey(CFoundString("Smith&Jones", 0, 0, 'u')),
              "SMITH ANDJONES  \x01SMITH&JONES");
    // Words from the position on, then the words before it; accents stripped only before 0x01.
    EXPECT_EQ(MakeFinderSortKey(CFoundString("the caf\xE9-bar", 4, 0, 'u')),
              "CAFE BAR  THE \x01" "CAF\xC9-BARTHE ");
    // A position past the text, or before it, takes the whole text as head or tail.
    EXPECT_EQ(MakeFinderSortKey(CFoundString("ab", 9, 0, 'u')), " AB\x01" "AB");
    EXPECT_EQ(MakeFinderSortKey(CFoundString("ab", -2, 0, 'u')),
              MakeFinderSortKey(CFoundString("ab", 0, 0, 'u')));

    // Equal words, then the exact characters: the ampersand before the A.
    const CFinderOrder byWords(0);
    const CKeyedString ampersand = byWords.MakeKeyed(CFoundString("Smith & Jones", 0, 0, 'u'));
    const CKeyedString spelt = byWords.MakeKeyed(CFoundString("SMITH AND JONES", 0, 0, 'u'));
    EXPECT_EQ(ampersand.key.substr(0, ampersand.key.find('\x01')),
              spelt.key.substr(0, spelt.key.find('\x01')));
    EXPECT_LT(byWords.Compare(ampersand, spelt), 0);
    EXPECT_GT(byWords.Compare(spelt, ampersand), 0);
    // Equal keys (both positions past the text): by position.
    EXPECT_LT(byWords.Compare(byWords.MakeKeyed(CFoundString("AB CD", 5, 0, 'u')),
                              byWords.MakeKeyed(CFoundString("AB CD", 9, 0, 'u'))),
              0);
}

TEST_F(StringFinderMergeTest, EachModeHasItsOrder) {
    const auto order = [](int mode, std::vector<CFoundString> entries) {
        const CFinderOrder finderOrder(mode);
        std::vector<CKeyedString> keyed;
        for (CFoundString& entry : entries)
            keyed.push_back(finderOrder.MakeKeyed(std::move(entry)));
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
            return finderOrder.Compare(a, b) < 0;
        });
        std::vector<std::string> texts;
        for (const CKeyedString& entry : keyed)
            texts.push_back(entry.entry.GetText());
        return texts;
    };
    const std::vector<CFoundString> entries = {
        {"beta", 0, 0x260100, 'u'}, {"Alpha", 3, 0x260100, 'u'}, {"gamma", 1, 0x010000, 'u'}};
    EXPECT_THAT(order(3, entries), ElementsAre("gamma", "Alpha", "beta"));
    EXPECT_THAT(order(4, entries), ElementsAre("Alpha", "beta", "gamma"));
    EXPECT_THAT(order(5, entries), ElementsAre("Alpha", "gamma", "beta"));
    // By words from the position: "amma", "beta", "ha".
    EXPECT_THAT(order(0, entries), ElementsAre("gamma", "beta", "Alpha"));
}

TEST_F(StringFinderMergeTest, AWordOfSeveralRegistersComesOnceWithAllTheirCodes) {
    finders_.Register('c').entries = {{0, 5, "ACME"}, {0, 2, "ZETA"}};
    finders_.Register('u').entries = {{0, 9, "Acme"}, {0, 1, "BETA"}};
    finders_.Register('w').entries = {{0, 3, "ACME"}};
    auto merge = Merge("cuw");
    // The built-in registers in their fixed order, others after; the first register's values.
    EXPECT_THAT(ReadFrom(*merge, 0), ElementsAre("ACME|0|5|ucw", "BETA|0|1|u", "ZETA|0|2|c"));
}

TEST_F(StringFinderMergeTest, ReadingBeforeTheListsStartFindsNothing) {
    finders_.Register('u').entries = CFakeFinderFactory::Texts(Numbered(40));
    finders_.Register('c').entries = CFakeFinderFactory::Texts({"W005", "W105"});
    auto merge = Merge("uc");
    CFoundString entry;
    // Before any read: the line above the first.
    EXPECT_FALSE(merge->GetAt(-1, entry));
    ASSERT_TRUE(merge->GetAt(0, entry));
    EXPECT_EQ(Describe(entry), "W000|0|1|u");

    for (int n = 0; n < 20; ++n)
        ASSERT_TRUE(merge->GetAt(n, entry));
    // Back past the start from line 20: no entry, and the list is where it was.
    entry = CFoundString();
    EXPECT_FALSE(merge->GetAt(-1, entry));
    EXPECT_EQ(entry.GetText(), "");
    ASSERT_TRUE(merge->GetAt(5, entry));
    EXPECT_EQ(Describe(entry), "W005|0|6|uc");
    ASSERT_TRUE(merge->GetAt(40, entry));
    EXPECT_EQ(Describe(entry), "W105|0|2|c");
    EXPECT_FALSE(merge->GetAt(41, entry));
}

TEST_F(StringFinderMergeTest, AFreshCursorReadBeforeTheStartStillFindsTheList) {
    finders_.Register('u').entries = CFakeFinderFactory::Texts({"ALPHA", "BETA"});
    auto merge = Merge("u");
    CFoundString entry;
    EXPECT_FALSE(merge->GetAt(-1, entry));
    EXPECT_THAT(ReadFrom(*merge, 0), ElementsAre("ALPHA|0|1|u", "BETA|0|2|u"));
}

TEST_F(StringFinderMergeTest, AFailedFetchBackwardsAnswersNothing) {
    const std::vector<std::string> texts = Numbered(400);
    finders_.Register('u').entries = CFakeFinderFactory::Texts(texts);
    auto merge = Merge("u");
    CFoundString entry;
    ASSERT_TRUE(merge->GetAt(300, entry));
    finders_.Register('u').failFromCall = 1;
    // Entry 10 left the window long ago and cannot be fetched again.
    EXPECT_FALSE(merge->GetAt(10, entry));
    // What the window holds is still there.
    ASSERT_TRUE(merge->GetAt(100, entry));
    EXPECT_EQ(entry.GetText(), texts[100]);
}

TEST_F(StringFinderMergeTest, AFailingRegisterEndsOnlyItsOwnShare) {
    std::vector<std::string> odd, even;
    for (const std::string& text : Numbered(80))
        (text.back() % 2 ? odd : even).push_back(text);
    finders_.Register('u').entries = CFakeFinderFactory::Texts(even);
    finders_.Register('c').entries = CFakeFinderFactory::Texts(odd);
    // Create and the first page succeed.
    finders_.Register('u').failFromCall = 3;
    auto merge = Merge("uc", CFinderOrder::kWordIndex, 8);

    const std::vector<std::string> read = ReadFrom(*merge, 0);
    ASSERT_EQ(read.size(), 48u);
    // The first eight even entries interleave with the odd ones, then only odd ones follow.
    EXPECT_EQ(read[15], "W015|0|8|c");
    EXPECT_EQ(read[16], "W017|0|9|c");
    EXPECT_EQ(read.back(), "W079|0|40|c");
    EXPECT_THAT(finders_.Log().Starting("u.Get"), ElementsAre("u.Get(0,7)", "u.Get(8,15)"));
}

TEST_F(StringFinderMergeTest, AnOddPositionFromTheEngineSortsAsPositionZero) {
    finders_.Register('u').entries = {{0xFFFFFFFEu, 7, "BETA"}, {0xFFFFFFFFu, 1, "GAMMA"}};
    finders_.Register('c').entries = {{0, 2, "ALPHA"}, {0, 3, "BETA"}};
    auto merge = Merge("uc", 0);
    // Not markers: their texts are not empty. They keep their positions as sent.
    EXPECT_THAT(ReadFrom(*merge, 0),
                ElementsAre("ALPHA|0|2|c", "BETA|-2|7|u", "BETA|0|3|c", "GAMMA|-1|1|u"));
}

TEST_F(StringFinderMergeTest, ShortRepliesAreNotMisplaced) {
    finders_.Register('u').entries = CFakeFinderFactory::Texts(Numbered(100));
    CStringFinderDb cursor = Cursor('u', CFinderOrder::kWordIndex, 10);
    ASSERT_NE(cursor.GetAt(50), nullptr);
    finders_.Register('u').shortBy = 3;
    // Forwards a short page is placed from its first index on.
    const CKeyedString* after = cursor.GetAt(60);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->entry.GetText(), "W060");
    EXPECT_EQ(cursor.GetRange(), std::make_pair(50, 66));
    // Backwards it could not be placed: nothing is taken.
    EXPECT_EQ(cursor.GetAt(49), nullptr);
    EXPECT_EQ(cursor.GetRange(), std::make_pair(50, 66));
}

TEST_F(StringFinderMergeTest, PrimeLoadsEveryFirstPageBeforeTheFirstRead) {
    for (char code : std::string("uck"))
        finders_.Register(code).entries = CFakeFinderFactory::Texts(Numbered(30));
    auto merge = Merge("uck");
    finders_.Log().Clear();
    merge->Prime();
    std::vector<std::string> calls = finders_.Log().Calls();
    std::sort(calls.begin(), calls.end());
    EXPECT_THAT(calls, ElementsAre("c.Get(0,15)", "k.Get(0,15)", "u.Get(0,15)"));

    // One register alone loads on its first read.
    auto single = Merge("u");
    finders_.Log().Clear();
    single->Prime();
    EXPECT_THAT(finders_.Log().Calls(), IsEmpty());
}

TEST_F(StringFinderMergeTest, EveryFinderIsDisposedOnceWhenTheMergeGoes) {
    finders_.Register('u').entries = CFakeFinderFactory::Texts(Numbered(30));
    finders_.Register('c').entries = CFakeFinderFactory::Texts(Numbered(30));
    finders_.Register('c').failFromCall = 2;
    {
        auto merge = Merge("ucx");
        merge->Prime();
        EXPECT_EQ(ReadFrom(*merge, 0).size(), 30u);
    }
    EXPECT_THAT(finders_.Log().Starting("u.Dispose"), ElementsAre("u.Dispose()"));
    EXPECT_THAT(finders_.Log().Starting("c.Dispose"), ElementsAre("c.Dispose()"));
    EXPECT_THAT(finders_.Log().Starting("x."), ElementsAre("x.Create(,4)"));
}

TEST_F(StringFinderMergeTest, TheCachedWalkStopsAtWhatWasFetched) {
    finders_.Register('u').entries = CFakeFinderFactory::Texts({"A1", "A3", "A5", "A7", "A9"});
    finders_.Register('c').entries = CFakeFinderFactory::Texts({"A2", "A4", "A6", "A8"});
    CStringFinderMergeCache merge("A", CFinderOrder::kWordIndex);
    merge.AddFinder('u', finders_.Create('u', "A", 4), 0, 3);
    merge.AddFinder('c', finders_.Create('c', "A", 4), 0, 3);
    merge.Prime();
    finders_.Log().Clear();
    std::vector<std::string> texts;
    CFoundString entry;
    for (bool more = merge.GetAt(0, entry); more; more = merge.MergeNext(entry))
        texts.push_back(entry.GetText());
    // Pages of three: A1 A3 A5 and A2 A4 A6; past A5 register u's next entry is not fetched.
    EXPECT_THAT(texts, ElementsAre("A1", "A2", "A3", "A4", "A5", "A6"));
    EXPECT_THAT(finders_.Log().Calls(), IsEmpty());
}

// Random lists of registers located at a common text, read at random: every entry is the one
// a merge of the registers' whole lists puts there.
TEST_F(StringFinderMergeTest, RandomReadsMatchAMergeOfTheWholeLists) {
    std::mt19937 random(2024);
    const std::string codes = "ucwk";
    for (const int mode : {0, 3, 4, 5, 7}) {
        const CFinderOrder order(mode);
        const auto less = [&](const CKeyedString& a, const CKeyedString& b) {
            return order.Compare(a, b) < 0;
        };
        std::vector<CKeyedString> pool;
        const std::string letters = "abAB &-\xE9x1";
        while (pool.size() < 150) {
            std::string text;
            for (int length = 1 + static_cast<int>(random() % 8); length > 0; --length)
                text += letters[random() % letters.size()];
            CKeyedString entry = order.MakeKeyed(
                CFoundString(text, static_cast<int>(random() % 4), static_cast<int>(random() % 5),
                             'u'));
            if (std::none_of(pool.begin(), pool.end(),
                             [&](const auto& held) { return order.Compare(held, entry) == 0; }))
                pool.push_back(std::move(entry));
        }
        const CKeyedString probe = pool[random() % pool.size()];
        std::vector<std::pair<char, CKeyedString>> all;
        for (char code : codes) {
            std::vector<CKeyedString> list;
            std::copy_if(pool.begin(), pool.end(), std::back_inserter(list),
                         [&](const auto&) { return random() % 2 == 0; });
            std::sort(list.begin(), list.end(), less);
            CFakeRegister& fake = finders_.Register(code);
            fake.entries.clear();
            for (const CKeyedString& entry : list) {
                const CFoundString& e = entry.entry;
                fake.entries.push_back({static_cast<std::uint32_t>(e.GetPosition()),
                                        static_cast<std::uint32_t>(e.GetCount()), e.GetText()});
                all.emplace_back(code, order.MakeKeyed(CFoundString(
                                           e.GetText(), e.GetPosition(), e.GetCount(), code)));
            }
            fake.located = static_cast<std::size_t>(
                std::lower_bound(list.begin(), list.end(), probe, less) - list.begin());
        }
        std::stable_sort(all.begin(), all.end(),
                         [&](const auto& a, const auto& b) { return less(a.second, b.second); });
        std::vector<std::string> model;
        int offset = 0;
        for (std::size_t i = 0; i < all.size();) {
            CFoundString folded = all[i].second.entry;
            const bool beforeProbe = less(all[i].second, probe);
            std::size_t j = i + 1;
            for (; j < all.size() && order.Compare(all[j].second, all[i].second) == 0; ++j)
                folded.AddCodes(all[j].second.entry);
            model.push_back(Describe(folded));
            offset += beforeProbe;
            i = j;
        }

        auto merge = Merge(codes, mode, 1 + static_cast<int>(random() % 4));
        merge->Prime();
        int n = 0;
        for (int step = 0; step < 600; ++step) {
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

TEST_F(StringFinderMergeTest, ViennaCodesShowTheirLevels) {
    EXPECT_EQ(FormatCode(0x260401), "26.4.1");
    EXPECT_EQ(FormatCode(0x261100), "26.11");
    EXPECT_EQ(FormatCode(0x010000), "1");
    EXPECT_EQ(FormatCode(0x000001), "0.0.1");
    EXPECT_EQ(FormatCode(0), "");
}

TEST_F(StringFinderMergeTest, AViennaDescriptionBecomesTheCodeToStartAt) {
    finders_.Register('u').entries = {{0, 0x020101, "men in suits"}, {0, 0x030101, "lions"}};
    finders_.Register('c').entries = {{0, 0x050303, "maple leaves"}};
    // No register's first entry has the text at a word's start: category 1.
    { CStringFinderCode finder(finders_, "uits", 3, "uc", 16); }
    EXPECT_THAT(finders_.Log().Starting("u.Create"),
                ElementsAre("u.Create(uits,3)", "u.Create(1,3)"));

    finders_.Log().Clear();
    {
        CStringFinderCode finder(finders_, "Leaves", 3, "uc", 16);
        EXPECT_EQ(finder.GetText(), "Leaves");
        EXPECT_EQ(finder.GetString(0).GetText(), "men in suits");
    }
    EXPECT_THAT(finders_.Log().Starting("c.Create"),
                ElementsAre("c.Create(Leaves,3)", "c.Create(5.3.3,3)"));
    // The probing finders are disposed of too: one per finder made.
    EXPECT_EQ(finders_.Log().Starting("u.Dispose").size(), 2u);

    // A code typed, or one register: the text as it is.
    finders_.Log().Clear();
    { CStringFinderCode byCode(finders_, "2.1", 3, "uc", 16); }
    { CStringFinderCode alone(finders_, "suit", 3, "u", 16); }
    EXPECT_THAT(finders_.Log().Starting("u.Create"), ElementsAre("u.Create(2.1,3)", "u.Create(suit,3)"));
}
