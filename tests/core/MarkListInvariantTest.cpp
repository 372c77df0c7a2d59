// Random sequences of merges, removals and updates must leave a mark list sorted, well grouped
// and holding exactly the marks the operations put there.

#include "TestServices.h"
#include "core/MarkList.h"
#include "core/UserOptions.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace {

using CIdentity = std::tuple<std::uint32_t, int, int, int>;
using CModel = std::multiset<CIdentity>;

CIdentity IdentityOf(const CMark& mark) {
    return {mark.GetRecordNumber(), mark.GetRegisterCode(), mark.GetSection(), mark.GetSearchId()};
}

class CRandomMarks {
public:
    explicit CRandomMarks(unsigned seed) : random_(seed) {}

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

    CMark Mark() {
        static constexpr std::uint32_t kFlagChoices[] = {0,
                                                         CMark::kKept,
                                                         CMark::kPermanentKeep,
                                                         CMark::kLong,
                                                         CMark::kDuplicate,
                                                         0x40,
                                                         CMark::kPermanentKeep | CMark::kDuplicate};
        // Few records, so that groups, repeats and shared keys are frequent.
        return CMark(static_cast<std::uint32_t>(Between(0, 30)), Chance(70) ? 'u' : 'c',
                     Between(0, 3), Between(0, 6), Between(0, 2),
                     kFlagChoices[Between(0, std::size(kFlagChoices) - 1)]);
    }
    std::vector<CMark> Marks(int maxCount) {
        std::vector<CMark> marks(static_cast<std::size_t>(Between(0, maxCount)));
        for (CMark& mark : marks)
            mark = Mark();
        return marks;
    }

private:
    std::mt19937 random_;
};

int CountHeads(const CMarkList& list) {
    int heads = 0;
    for (int i = 0; i < list.GetCount(); ++i)
        heads += list.GetAt(i).IsDuplicate() ? 0 : 1;
    return heads;
}

void ExpectWellFormed(const CMarkList& list, const CModel& model, const std::string& step) {
    CModel held;
    for (int i = 0; i < list.GetCount(); ++i) {
        const CMark& mark = list.GetAt(i);
        held.insert(IdentityOf(mark));
        if (i == 0) {
            ASSERT_FALSE(mark.IsDuplicate()) << step;
            continue;
        }
        const CMark& before = list.GetAt(i - 1);
        ASSERT_FALSE(mark < before) << step << ": out of order at " << i;
        ASSERT_EQ(mark.IsDuplicate(), mark.IsSameGroup(before)) << step << ": group at " << i;
    }
    ASSERT_EQ(held, model) << step << ": marks lost or doubled";
}

// What removing the searches must leave: their unkept marks and duplicates go, their kept group
// heads stay without a search.
CModel AfterRemoval(const CMarkList& list, const std::set<int>& searchIds) {
    CModel model;
    for (int i = 0; i < list.GetCount(); ++i) {
        CMark mark = list.GetAt(i);
        if (searchIds.count(mark.GetSearchId())) {
            if (!mark.IsKept() || mark.IsDuplicate())
                continue;
            mark.SetSearchId(0);
        }
        model.insert(IdentityOf(mark));
    }
    return model;
}

class CRandomRun {
public:
    CRandomRun(unsigned seed) : random_(seed) {
        TheUserOptions().SetSortOrder(random_.Between(0, 1));
    }

    void Step() {
        const int heads = CountHeads(list_);
        switch (random_.Between(0, 8)) {
        case 0: {
            std::vector<std::uint32_t> ids;
            for (const CMark& mark : random_.Marks(12))
                ids.push_back(mark.GetRecordNumber());
            const int section = random_.Between(0, 3), searchId = random_.Between(1, 6);
            for (std::uint32_t id : ids)
                model_.insert({id, 'u', section, searchId});
            ExpectNewGroups(heads, list_.AddRecords(ids, 'u', section, searchId, random_.Chance(50),
                                                    random_.Chance(50)));
            break;
        }
        case 1: {
            const std::vector<CMark> marks = random_.Marks(12);
            for (const CMark& mark : marks)
                model_.insert(IdentityOf(mark));
            ExpectNewGroups(heads, list_.MergeMarks(marks));
            break;
        }
        case 2: {
            CMarkList other;
            other.MergeMarks(random_.Marks(10));
            for (int i = 0; i < other.GetCount(); ++i)
                model_.insert(IdentityOf(other.GetAt(i)));
            ExpectNewGroups(heads, list_.MergeList(other));
            break;
        }
        case 3: {
            const std::vector<CMark> marks = random_.Marks(8);
            const int section = random_.Between(0, 3), searchId = random_.Between(1, 6);
            for (const CMark& mark : marks)
                model_.insert({mark.GetRecordNumber(), mark.GetRegisterCode(), section, searchId});
            ExpectNewGroups(heads, list_.AddMarks(marks, section, searchId));
            break;
        }
        case 4: {
            const CMark mark = random_.Mark();
            model_.insert(IdentityOf(mark));
            list_.MergeMark(mark);
            break;
        }
        case 5: {
            const int searchId = random_.Between(0, 6);
            model_ = AfterRemoval(list_, {searchId});
            list_.RemoveSearch(searchId);
            break;
        }
        case 6: {
            const std::set<int> searchIds = {random_.Between(0, 6), random_.Between(0, 6)};
            model_ = AfterRemoval(list_, searchIds);
            list_.RemoveSearches(searchIds);
            break;
        }
        default:
            Update();
            break;
        }
    }

    const CMarkList& List() const { return list_; }
    const CModel& Model() const { return model_; }

private:
    void ExpectNewGroups(int headsBefore, int added) {
        EXPECT_EQ(CountHeads(list_) - headsBefore, added);
    }

    void Update() {
        if (list_.GetCount() == 0)
            return;
        const int index = random_.Between(0, list_.GetCount() - 1);
        CMark mark = random_.Chance(80) ? list_.GetAt(index) : random_.Mark();
        const bool same = IdentityOf(mark) == IdentityOf(list_.GetAt(index));
        mark.SetFlags(mark.GetFlags() | 0x80);
        EXPECT_EQ(list_.UpdateMarkAt(mark, index), same);
    }

    CTestServices services_;
    CRandomMarks random_;
    CMarkList list_;
    CModel model_;
};

} // namespace

TEST(MarkListInvariants, HoldAfterAnySequenceOfOperations) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        CRandomRun run(seed);
        for (int step = 0; step < 150; ++step) {
            run.Step();
            ASSERT_NO_FATAL_FAILURE(
                ExpectWellFormed(run.List(), run.Model(),
                                 "seed " + std::to_string(seed) + " step " + std::to_string(step)));
        }
    }
}
