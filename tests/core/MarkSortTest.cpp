// Sorting and merging through packed keys must give what a plain sort and merge with the mark
// order's field-by-field comparison give: the same marks in the same sequence, the same counts.

#include "core/MarkSort.h"

#include "TestServices.h"
#include "core/MarkList.h"
#include "core/MarkListMerge.h"
#include "core/UserOptions.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

auto OrderFields(const CMark& mark, std::uint64_t registerKey) {
    return std::make_tuple(registerKey, mark.GetRegisterCode(), mark.GetRecordNumber(),
                           mark.GetSection(), mark.IsDuplicate(), mark.GetSearchId());
}

bool ReferenceBefore(const CMark& a, const CMark& b) {
    return OrderFields(a, a.GetSortKey()) < OrderFields(b, b.GetSortKey());
}

// The order of a sort: the mark order, then application number and flags.
bool ReferenceSortBefore(const CMark& a, std::uint64_t keyA, const CMark& b, std::uint64_t keyB) {
    return std::tuple_cat(OrderFields(a, keyA), std::make_tuple(a.GetAppNumber(), a.GetFlags())) <
           std::tuple_cat(OrderFields(b, keyB), std::make_tuple(b.GetAppNumber(), b.GetFlags()));
}
bool ReferenceSortBefore(const CMark& a, const CMark& b) {
    return ReferenceSortBefore(a, a.GetSortKey(), b, b.GetSortKey());
}

CMark AsDuplicate(CMark mark) {
    mark.SetFlags(mark.GetFlags() | CMark::kDuplicate);
    return mark;
}

// Every field, so that marks that differ anywhere read differently.
std::string Describe(const CMark& m) {
    return std::to_string(m.GetRecordNumber()) + "/" + std::to_string(m.GetRegisterCode()) + "/" +
           std::to_string(m.GetAppNumber()) + "/" + std::to_string(m.GetSearchId()) + "/" +
           std::to_string(m.GetSection()) + "/" + std::to_string(m.GetFlags()) + " ";
}

std::string Describe(std::span<const CMark> marks) {
    std::string text;
    for (const CMark& mark : marks)
        text += Describe(mark);
    return text;
}

// A plain sort of the new marks, then the merge's one pass, placing each new mark after the
// list's marks that are not after it taken as a duplicate; the list takes the result. Expects
// the same marks and count of new groups of a mark list that was the list and merged the new marks
// its own way.
void ExpectMergeAsReference(std::vector<CMark>& list, std::vector<CMark> added,
                            const CMarkList& merged, int newGroups, bool keep, bool isLong,
                            const std::string& step) {
    std::sort(added.begin(), added.end(),
              [](const CMark& a, const CMark& b) { return ReferenceSortBefore(a, b); });
    TVmRec<CMark> source;
    for (const CMark& mark : list)
        source.Add(mark);
    CMarkListMerge merge(source, static_cast<int>(list.size() + added.size()));
    int expectedNewGroups = 0;
    for (const CMark& mark : added) {
        merge.CopySourceWhile([&](int position) {
            return !ReferenceBefore(AsDuplicate(mark), source.GetAt(position));
        });
        expectedNewGroups += merge.Add(mark, keep, isLong);
    }
    merge.Finish();
    list.assign(merge.Result().begin(), merge.Result().end());

    EXPECT_EQ(newGroups, expectedNewGroups) << step;
    std::vector<CMark> result;
    for (int i = 0; i < merged.GetCount(); ++i)
        result.push_back(merged.GetAt(i));
    ASSERT_EQ(Describe(result), Describe(list)) << step;
}

CMarkList ListOf(const std::vector<CMark>& marks) {
    CMarkList list;
    for (const CMark& mark : marks)
        list.Append(mark);
    return list;
}

void ExpectMergeAsReference(std::vector<CMark>& list, const std::vector<CMark>& added,
                            const std::string& step) {
    CMarkList merged = ListOf(list);
    const int newGroups = merged.MergeMarks(added);
    ExpectMergeAsReference(list, added, merged, newGroups, false, false, step);
}

// The hits of a search: record numbers by register.
struct CHits {
    std::vector<std::vector<std::uint32_t>> records;
    std::vector<CRecordSet> sets;
    int section = 0;
    int searchId = 0;
    bool keep = false;
    bool isLong = false;
};

void ExpectHitsMergeAsReference(std::vector<CMark>& list, const CHits& hits,
                                const std::string& step) {
    CMarkList merged = ListOf(list);
    const int newGroups =
        merged.AddRecordSets(hits.sets, hits.section, hits.searchId, hits.keep, hits.isLong);
    std::vector<CMark> added;
    for (const CRecordSet& set : hits.sets)
        for (std::uint32_t record : set.recordNumbers)
            added.emplace_back(record, set.registerCode, hits.section, hits.searchId);
    ExpectMergeAsReference(list, added, merged, newGroups, hits.keep, hits.isLong, step);
}

// Each field, at the case's choice, from a narrow range, so that groups, repeats and equal keys
// are frequent, or from the whole range with its ends, so that packed keys need every word.
class CRandomMarks {
public:
    explicit CRandomMarks(unsigned seed) : random_(seed) {
        for (bool& wide : wide_)
            wide = Between(1, 5) == 1;
    }

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    CMark Mark() {
        static constexpr std::uint32_t kFlags[] = {
            0, CMark::kKept, CMark::kPermanentKeep, CMark::kLong, CMark::kDuplicate, 0xe0};
        static constexpr char kCodes[] = {'u', 'c', 's', 'd'};
        return CMark(Field(0, Between(0, 40)), static_cast<int>(Field(1, kCodes[Between(0, 3)])),
                     static_cast<int>(Field(2, Between(0, 3))),
                     static_cast<int>(Field(3, Between(0, 6))),
                     static_cast<int>(Field(4, Between(0, 2))), Field(5, kFlags[Between(0, 5)]));
    }
    // Sometimes enough for the radix sort, mostly a few.
    std::vector<CMark> Marks() {
        std::vector<CMark> marks(
            static_cast<std::size_t>(Between(0, 3) == 0 ? Between(0, 700) : Between(0, 12)));
        for (CMark& mark : marks)
            mark = Mark();
        return marks;
    }

    // Up to four registers' hits, the same register twice at times.
    CHits Hits() {
        CHits hits;
        hits.records.resize(static_cast<std::size_t>(Between(0, 4)));
        for (std::vector<std::uint32_t>& records : hits.records) {
            for (const CMark& mark : Marks())
                records.push_back(mark.GetRecordNumber());
            hits.sets.push_back({Mark().GetRegisterCode(), records});
        }
        const CMark like = Mark();
        hits.section = like.GetSection();
        hits.searchId = like.GetSearchId();
        hits.keep = Between(0, 1) == 1;
        hits.isLong = Between(0, 1) == 1;
        return hits;
    }

private:
    std::uint32_t Field(int field, std::uint32_t narrow) {
        static constexpr std::uint32_t kEnds[] = {0, 1, 0x7fffffff, 0x80000000, 0xffffffff};
        if (!wide_[field])
            return narrow;
        return Between(0, 1) ? kEnds[Between(0, 4)] : static_cast<std::uint32_t>(random_());
    }

    std::mt19937 random_;
    bool wide_[6] = {};
};

} // namespace

TEST(MarkSort, MergingMatchesAPlainSortAndMerge) {
    CTestServices services;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        CRandomMarks random(seed);
        TheUserOptions().SetSortOrder(random.Between(0, 1));
        std::vector<CMark> list;
        for (int step = 0; step < 6; ++step) {
            const std::string name =
                "seed " + std::to_string(seed) + " step " + std::to_string(step);
            if (random.Between(0, 1) == 0)
                ASSERT_NO_FATAL_FAILURE(ExpectMergeAsReference(list, random.Marks(), name));
            else
                ASSERT_NO_FATAL_FAILURE(ExpectHitsMergeAsReference(list, random.Hits(), name));
        }
    }
}

TEST(MarkSort, PackedKeysOrderAsTheirMarks) {
    // Register keys given directly, so that they reach both ends of their range.
    static constexpr std::uint64_t kKeys[] = {0, 1, 0x7fffffff'ffffffff, 0x80000000'00000000,
                                              ~std::uint64_t{0}};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        CRandomMarks random(seed);
        std::vector<std::pair<CMark, std::uint64_t>> fitted(random.Between(1, 12));
        CMarkKeyLayout::CFit fit;
        for (auto& [mark, key] : fitted) {
            mark = random.Mark();
            key = kKeys[random.Between(0, 4)];
            fit.Include(mark, key);
        }
        const CMarkKeyLayout layout(fit);
        WithKeyWords(layout.GetWords(), [&](auto words) {
            constexpr std::size_t W = decltype(words)::value;
            // Hits are packed from what they share with one mark; they pack as marks do.
            CMark like = fitted[0].first;
            const auto packHit = layout.RecordPacker<W>(like);
            for (const auto& [mark, key] : fitted) {
                const TMarkKey<W> packed = layout.Pack<W>(mark, key);
                ASSERT_EQ(Describe(layout.Unpack(packed)), Describe(mark)) << "seed " << seed;
                ASSERT_EQ(layout.RegisterKeyOf(packed), key) << "seed " << seed;
                like.SetRecordNumber(mark.GetRecordNumber());
                ASSERT_EQ(packHit(mark.GetRecordNumber(), key), layout.Pack<W>(like, key))
                    << "seed " << seed << ": " << Describe(like);
                for (const auto& [other, otherKey] : fitted)
                    ASSERT_EQ(packed < layout.Pack<W>(other, otherKey),
                              ReferenceSortBefore(mark, key, other, otherKey))
                        << "seed " << seed << ": " << Describe(mark) << "against "
                        << Describe(other);
            }
        });
    }
}

TEST(MarkSort, EdgeCasesMergeAsAPlainMerge) {
    CTestServices services;
    std::vector<CMark> list;
    for (std::uint32_t record = 0; record < 40; record += 3)
        list.emplace_back(record, 'u', 0, 1, 0, record % 2 ? CMark::kKept : 0);
    ExpectMergeAsReference(list, {}, "empty batch");
    ExpectMergeAsReference(list, {CMark(9, 'u', 0, 2, 0, CMark::kPermanentKeep)}, "one mark");
    ExpectMergeAsReference(list, std::vector<CMark>(1000, CMark(12, 'u', 0, 3, 7, CMark::kLong)),
                           "all marks equal");
    ASSERT_EQ(std::count_if(list.begin(), list.end(),
                            [](const CMark& m) { return m.GetRecordNumber() == 12; }),
              1001);

    std::vector<CMark> larger;
    for (std::uint32_t record = 0; record < 3000; ++record)
        larger.emplace_back(record * 7919 % 3000, record % 3 ? 'u' : 'c', record % 2, 4);
    ExpectMergeAsReference(list, larger, "batch larger than the list");

    // Keys that differ only in their lowest byte, in an order the radix sort must undo; sorted
    // alone too, as a list being loaded is.
    std::vector<CMark> lowByte;
    for (std::uint32_t i = 0; i < 256; ++i) {
        lowByte.emplace_back(4000, 's', 0, 5, 0, (i * 37 % 256) & ~CMark::kDuplicate);
        lowByte.emplace_back(8192 + i * 101 % 256 * 2, 's', 0, 5);
    }
    std::vector<CMark> sorted = lowByte, expected = lowByte;
    SortInMarkOrder(sorted);
    std::sort(expected.begin(), expected.end(),
              [](const CMark& a, const CMark& b) { return ReferenceSortBefore(a, b); });
    EXPECT_EQ(Describe(sorted), Describe(expected));
    ExpectMergeAsReference(list, lowByte, "keys differing in their lowest byte");
}

TEST(MarkSort, RadixSortMatchesAPlainSortAtEveryDepth) {
    // Few distinct top bits make big buckets that take further passes; differing bits on both
    // sides of a word's boundary make digits that straddle it; the last word has ties.
    std::mt19937_64 random(7);
    for (const TMarkKey<3> mask :
         {TMarkKey<3>{0xf000000000000000, 0xffffffff, 3}, TMarkKey<3>{0xf, ~std::uint64_t{0}, 3}}) {
        for (std::size_t count : {0, 1, 63, 64, 65, 5000, 70000}) {
            TLargeArray<TMarkKey<3>> keys(count);
            for (TMarkKey<3>& key : keys)
                key = {random() & mask[0], random() & mask[1], random() & mask[2]};
            std::vector<TMarkKey<3>> expected(keys.begin(), keys.end());
            std::sort(expected.begin(), expected.end());
            SortMarkKeys(keys);
            ASSERT_TRUE(std::equal(keys.begin(), keys.end(), expected.begin(), expected.end()))
                << count << " keys";
        }
    }
}
