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

// The mark order compared field by field.
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

struct CMerged {
    std::vector<CMark> marks;
    int added = 0;
};

// A plain sort of the new marks, then the merge's one pass, placing each new mark after the
// list's marks that are not after it taken as a duplicate.
CMerged ReferenceMerge(const std::vector<CMark>& list, std::vector<CMark> added, bool keep,
                       bool isLong) {
    std::sort(added.begin(), added.end(), ReferenceSortBefore);
    TVmRec<CMark> source;
    for (const CMark& mark : list)
        source.Add(mark);
    CMarkListMerge merge(source, static_cast<int>(list.size() + added.size()));
    CMerged merged;
    for (const CMark& mark : added) {
        merge.CopySourceWhile(
            [&](const CMark& next) { return !ReferenceBefore(AsDuplicate(mark), next); });
        merged.added += merge.Add(mark, keep, isLong);
    }
    merge.Finish();
    merged.marks.assign(merge.Result().begin(), merge.Result().end());
    return merged;
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

std::string Describe(const CMarkList& list) {
    std::vector<CMark> marks;
    for (int i = 0; i < list.GetCount(); ++i)
        marks.push_back(list.GetAt(i));
    return Describe(marks);
}

// Marks whose fields come, each at the case's choice, from a narrow range, so that groups,
// repeats and equal keys are frequent, or from the whole range with its ends, so that packed
// keys need every word.
class CRandomMarks {
public:
    explicit CRandomMarks(unsigned seed) : random_(seed) {
        for (bool& wide : wide_)
            wide = Chance(20);
    }

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

    std::uint32_t Field(int field, std::uint32_t narrowLow, std::uint32_t narrowHigh) {
        if (!wide_[field])
            return narrowLow +
                   static_cast<std::uint32_t>(Between(0, static_cast<int>(narrowHigh - narrowLow)));
        static constexpr std::uint32_t kEnds[] = {0, 1, 0x7fffffff, 0x80000000, 0xffffffff};
        return Chance(50) ? kEnds[Between(0, 4)] : static_cast<std::uint32_t>(random_());
    }
    int Signed(int field, int narrowLow, int narrowHigh) {
        return static_cast<int>(Field(field, static_cast<std::uint32_t>(narrowLow),
                                      static_cast<std::uint32_t>(narrowHigh)));
    }

    int RegisterCode() {
        static constexpr char kCodes[] = {'u', 'c', 's', 'd'};
        return wide_[0] ? Signed(0, 0, 0) : kCodes[Between(0, 3)];
    }
    CMark Mark() {
        static constexpr std::uint32_t kFlags[] = {0,
                                                   CMark::kKept,
                                                   CMark::kPermanentKeep,
                                                   CMark::kLong,
                                                   CMark::kDuplicate,
                                                   0x40,
                                                   CMark::kPermanentKeep | CMark::kDuplicate,
                                                   CMark::kViewedBits | CMark::kKept};
        const std::uint32_t flags = wide_[5] ? Field(5, 0, 0) : kFlags[Between(0, 7)];
        return CMark(Field(1, 0, 40), RegisterCode(), Signed(2, 0, 3), Signed(3, 0, 6),
                     Signed(4, 0, 2), flags);
    }
    // Sometimes more than the radix sort needs, sometimes fewer.
    std::vector<CMark> Marks() {
        std::vector<CMark> marks(
            static_cast<std::size_t>(Chance(30) ? Between(0, 700) : Between(0, 12)));
        for (CMark& mark : marks)
            mark = Mark();
        return marks;
    }

private:
    std::mt19937 random_;
    bool wide_[6] = {};
};

class MarkSortTest : public ::testing::Test {
protected:
    // Merges by both ways and expects the same outcome; the list takes the merged marks.
    void ExpectMergeAsReference(std::vector<CMark>& list, const std::vector<CMark>& added,
                                const std::string& step) {
        CMarkList merged;
        for (const CMark& mark : list)
            merged.Append(mark);
        const CMerged expected = ReferenceMerge(list, added, false, false);
        EXPECT_EQ(merged.MergeMarks(added), expected.added) << step;
        ASSERT_EQ(Describe(merged), Describe(expected.marks)) << step;
        list = expected.marks;
    }

    CTestServices services;
};

} // namespace

TEST_F(MarkSortTest, SortingMatchesAPlainSort) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        CRandomMarks random(seed);
        TheUserOptions().SetSortOrder(random.Between(0, 1));
        std::vector<CMark> marks = random.Marks(), expected = marks;
        std::sort(expected.begin(), expected.end(), ReferenceSortBefore);
        SortInMarkOrder(marks);
        ASSERT_EQ(Describe(marks), Describe(expected)) << "seed " << seed;
    }
}

TEST_F(MarkSortTest, MergingMatchesAPlainMerge) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        CRandomMarks random(seed);
        TheUserOptions().SetSortOrder(random.Between(0, 1));
        CMarkList list;
        std::vector<CMark> expected;
        for (int step = 0; step < 4; ++step) {
            const std::string where =
                "seed " + std::to_string(seed) + " step " + std::to_string(step);
            std::vector<CMark> added = random.Marks();
            if (random.Chance(50)) {
                // The hits of a search run, from one to three registers.
                const int section = random.Signed(2, 0, 3), searchId = random.Signed(3, 1, 6);
                const bool keep = random.Chance(50), isLong = random.Chance(50);
                std::vector<std::vector<std::uint32_t>> records(random.Between(1, 3));
                std::vector<CRecordSet> sets;
                added.clear();
                for (auto& numbers : records) {
                    const int code = random.RegisterCode();
                    for (const CMark& mark : random.Marks()) {
                        numbers.push_back(mark.GetRecordNumber());
                        added.emplace_back(mark.GetRecordNumber(), code, section, searchId);
                    }
                    sets.push_back({code, numbers});
                }
                const CMerged reference = ReferenceMerge(expected, added, keep, isLong);
                EXPECT_EQ(list.AddRecordSets(sets, section, searchId, keep, isLong),
                          reference.added)
                    << where;
                expected = reference.marks;
            } else {
                const CMerged reference = ReferenceMerge(expected, added, false, false);
                EXPECT_EQ(list.MergeMarks(added), reference.added) << where;
                expected = reference.marks;
            }
            ASSERT_EQ(Describe(list), Describe(expected)) << where;
        }
    }
}

TEST_F(MarkSortTest, MarksOutsideTheFittedOnesArePlacedByTheOrder) {
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
                    const bool before =
                        OrderFields(AsDuplicate(fittedMark), fittedKey) < OrderFields(mark, key);
                    ASSERT_EQ(!place || layout.DuplicateProbe(packed) < *place, before)
                        << "seed " << seed << ": " << Describe(fittedMark) << "key " << fittedKey
                        << " against " << Describe(mark) << "key " << key;
                }
            }
        });
    }
}

TEST_F(MarkSortTest, AMarkAboveEveryKeyThatFitsHasNoPlace) {
    // Register key, register code and record number fill two words with ones but for the
    // duplicate flag's bit; a section above the fitted one is above every key.
    constexpr std::uint64_t kTop = ~std::uint64_t{0};
    const CMark low(0, INT_MIN, 0, 0), high(0x7fffffff, INT_MAX, 0, 0);
    CMarkKeyLayout::CFit fit;
    fit.Include(low, 0);
    fit.Include(high, kTop);
    const CMarkKeyLayout layout(fit);
    ASSERT_EQ(layout.GetWords(), 2u);
    EXPECT_EQ(layout.Place<2>(CMark(0x7fffffff, INT_MAX, 1, 0), kTop), std::nullopt);
    // One section below is still before the highest mark's probe.
    const auto below = layout.Place<2>(CMark(0x7fffffff, INT_MAX, -1, 0), kTop);
    ASSERT_TRUE(below.has_value());
    EXPECT_FALSE(layout.DuplicateProbe(layout.Pack<2>(high, kTop)) < *below);
}

TEST_F(MarkSortTest, EdgeCasesMergeAsAPlainMerge) {
    std::vector<CMark> list;
    for (std::uint32_t record = 0; record < 40; record += 3)
        list.emplace_back(record, 'u', 0, 1, 0, record % 2 ? CMark::kKept : 0);

    ExpectMergeAsReference(list, {}, "empty batch");
    ExpectMergeAsReference(list, {CMark(9, 'u', 0, 2, 0, CMark::kPermanentKeep)}, "one mark");

    const std::vector<CMark> equal(1000, CMark(12, 'u', 0, 3, 7, CMark::kLong));
    ExpectMergeAsReference(list, equal, "all marks equal");
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const CMark& m) { return m.GetRecordNumber() == 12; }),
              1001);

    std::vector<CMark> larger;
    for (std::uint32_t record = 0; record < 3000; ++record)
        larger.emplace_back(record * 7919 % 3000, record % 3 ? 'u' : 'c', record % 2, 4);
    ExpectMergeAsReference(list, larger, "batch larger than the list");

    // Keys that differ only in their lowest byte, in an order the radix sort must undo.
    std::vector<CMark> lowByte;
    for (std::uint32_t flags = 0; flags < 256; ++flags)
        lowByte.emplace_back(4000, 's', 0, 5, 0, (flags * 37 % 256) & ~CMark::kDuplicate);
    for (std::uint32_t record = 0; record < 256; ++record)
        lowByte.emplace_back(8192 + record * 101 % 256 * 2, 's', 0, 5);
    std::vector<CMark> sorted = lowByte;
    SortInMarkOrder(sorted);
    std::vector<CMark> expected = lowByte;
    std::sort(expected.begin(), expected.end(), ReferenceSortBefore);
    EXPECT_EQ(Describe(sorted), Describe(expected));
    ExpectMergeAsReference(list, lowByte, "keys differing in their lowest byte");
}

TEST(MarkKeySort, RadixSortMatchesAPlainSortAtEveryDepth) {
    // Few distinct top bits make big buckets that take further passes; the last word has ties.
    std::mt19937_64 random(7);
    for (std::size_t count : {0, 1, 63, 64, 65, 5000, 70000}) {
        TLargeArray<TMarkKey<3>> keys(count);
        for (TMarkKey<3>& key : keys)
            key = {random() & 0xf000000000000000, random() & 0xffffffff, random() & 3};
        std::vector<TMarkKey<3>> expected(keys.begin(), keys.end());
        std::sort(expected.begin(), expected.end());
        SortMarkKeys(keys);
        ASSERT_TRUE(std::equal(keys.begin(), keys.end(), expected.begin(), expected.end()))
            << count << " keys";
    }
}
