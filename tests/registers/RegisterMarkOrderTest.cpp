// Mark lists over the built-in registers, whose sort keys spread over whole 64-bit words and
// differ from register to register in how they derive from record numbers.

#include "core/CoreServices.h"
#include "core/MarkList.h"
#include "core/MarkOrder.h"
#include "core/UserOptions.h"
#include "registers/ZrDbs.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Describe(const CMark& mark) {
    return std::to_string(mark.GetRegisterCode()) + "/" + std::to_string(mark.GetRecordNumber()) +
           " s" + std::to_string(mark.GetSection()) + " id" + std::to_string(mark.GetSearchId()) +
           " f" + std::to_string(mark.GetFlags());
}

} // namespace

TEST(RegisterMarkOrder, HitsMergeAsTheSameMarksGivenWhole) {
    CZrDbs table;
    InstallRegisterServices(&table);
    std::mt19937 random(11);
    for (const int sortOrder : {0, 1}) {
        TheUserOptions().SetSortOrder(sortOrder);
        CMarkList byHits, byMarks;
        for (int searchId = 1; searchId <= 3; ++searchId) {
            // Every register's hits, some records found twice and many by earlier searches; high
            // bits set too, where registers keep a record's kind.
            std::vector<std::vector<std::uint32_t>> records(table.GetDbCodes().size());
            std::vector<CRecordSet> sets;
            std::vector<CMark> marks;
            for (std::size_t i = 0; i < records.size(); ++i) {
                const int code = table.GetDbCodes()[i];
                for (int hit = 0; hit < 300; ++hit) {
                    const std::uint32_t record =
                        static_cast<std::uint32_t>(random() % 800) | (random() % 4 << 29);
                    records[i].push_back(record);
                    marks.emplace_back(record, code, 0, searchId);
                }
                sets.push_back({code, records[i]});
            }
            const std::string step =
                "sort order " + std::to_string(sortOrder) + " search " + std::to_string(searchId);
            ASSERT_EQ(byHits.AddRecordSets(sets, 0, searchId, false, false),
                      byMarks.MergeMarks(marks))
                << step;
            ASSERT_EQ(byHits.GetCount(), byMarks.GetCount()) << step;
            for (int i = 0; i < byHits.GetCount(); ++i) {
                ASSERT_EQ(Describe(byHits.GetAt(i)), Describe(byMarks.GetAt(i))) << step;
                if (i > 0) {
                    ASSERT_FALSE(IsBeforeInMarkOrder(byHits.GetAt(i), byHits.GetAt(i - 1)))
                        << step << " at " << i;
                }
            }
        }
    }
    TheUserOptions().SetSortOrder(0);
    InstallRegisterServices(nullptr);
}
