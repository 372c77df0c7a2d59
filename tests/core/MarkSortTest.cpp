// Sorting and merging through packed keys must give what a plain sort and merge with the mark
// order's field-by-field comparison give: the same marks in the same sequence, the same counts.

#include "core/MarkSort.h"

#include "TestServices.h"
#include "core/MarkList.h"
#include "core/MarkListMerge.h"
#include "core/UserOptions.h"

#include <algorithm>
#include <climits>
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

bool ReferenceSortBefore(const CMark& a, const CMark& b) {
    if (ReferenceBefore(a, b) || ReferenceBefore(b, a))
        return ReferenceBefore(a, b);
    return std::make_pair(a.GetAppNumber(), a.GetFlags()) <
           std::make_pair(b.GetAppNumber(), b.GetFlags());
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
// the same of a mark list's merge.
void ExpectMergeAsReference(std::vector<CMark>& list, std::vector<CMark> added,
                            const std::string& step) {
    CMarkList merged;
    for (const CMark& mark : list)
        merged.Append(mark);
    const int newGroups = merged.MergeMarks(added);

    std::sort(added.begin(), added.end(), ReferenceSortBefore);
    TVmRec<CMark> source;
    for (const CMark& mark : list)
        source.Add(mark);
    CMarkListMerge merge(source, static_cast<int>(list.size() + added.size()));
    int expectedNewGroups = 0;
    for (const CMark& mark : added) {
        merge.CopySourceWhile([&](int position) {
            return !ReferenceBefore(AsDuplicate(mark), source.GetAt(position));
        });
        expectedNewGroups += merge.Add(mark, false, false);
    }
    merge.Finish();
    list.assign(merge.Result().begin(), merge.Result().end());

    EXPECT_EQ(newGroups, expectedNewGroups) << step;
    std::vector<CMark> result;
    for (int i = 0; i < merged.GetCount(); ++i)
        result.push_back(merged.GetAt(i));
    ASSERT_EQ(Describe(result), Describe(list)) << step;
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
        for (int step = 0; step < 4; ++step)
            ASSERT_NO_FATAL_FAILURE(ExpectMergeAsReference(list, random.Marks(),
                                                           "seed " + std::to_string(seed) +
                                                               " step " + std::to_string(step)));
    }
}

TEST(MarkSort, MarksOutsideTheFittedOnesArePlacedByTheOrder) {
    // Register keys given directly, so that they reach both ends of their range.
    static constexpr std::uint64_t kKeys[] = {0, 1, 0x7fffffff'ffffffff, 0x80000000'00000000,
                                              ~std::uint64_t{0}};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        CRandomMarks random(seed);
        auto keyed = [&] { return std::make_pair(random.Mark(), kKeys[random.Between(0, 4)]); };
        std::vector<std::pair<CMark, std::uint64_t>> fitted(random.Between(1, 4));
        CMarkKeyLayout::CFit fit;
        for (auto& [mark, key] : fitted) {
            std::tie(mark, key) = keyed();
            fit.Include(mark, key);
        }
        const CMarkKeyLayout layout(fit);
        WithKeyWords(layout.GetWords(), [&](auto words) {
            constexpr std::size_t W = decltype(words)::value;
            for (int outsider = 0; outsider < 20; ++outsider) {
                const auto [mark, key] = outsider == 0 ? fitted[0] : keyed();
                const auto place = layout.Place<W>(mark, key);
                for (const auto& [fittedMark, fittedKey] : fitted) {
                    const TMarkKey<W> packed = layout.Pack<W>(fittedMark, fittedKey);
                    ASSERT_EQ(Describe(layout.Unpack(packed)), Describe(fittedMark));
                    ASSERT_EQ(!place || layout.DuplicateProbe(packed) < *place,
                              OrderFields(AsDuplicate(fittedMark), fittedKey) <
                                  OrderFields(mark, key))
                        << "seed " << seed << ": " << Describe(fittedMark) << "against "
                        << Describe(mark);
                }
            }
        });
    }

    // Register key, register code and record number fill two words with ones but for the
    // duplicate flag's bit: a section above the fitted one is above every key that fits.
    constexpr std::uint64_t kTop = ~std::uint64_t{0};
    CMarkKeyLayout::CFit fit;
    fit.Include(CMark(0, INT_MIN, 0, 0), 0);
    fit.Include(CMark(0x7fffffff, INT_MAX, 0, 0), kTop);
    const CMarkKeyLayout layout(fit);
    ASSERT_EQ(layout.GetWords(), 2u);
    EXPECT_EQ(layout.Place<2>(CMark(0x7fffffff, INT_MAX, 1, 0), kTop), std::nullopt);
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
    std::sort(expected.begin(), expected.end(), ReferenceSortBefore);
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
