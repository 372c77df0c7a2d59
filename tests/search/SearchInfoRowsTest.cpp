// The "Search Information" lines of a search over the marks of an examination.

#include "search/SearchInfoRows.h"

#include "SearchFakes.h"
#include "tests/app/DocFixture.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<CSearchInfoRow>;

class SearchInfo : public DocFixture {
protected:
    int AddRunSearch(const std::string& databases, const std::string& ranOn) {
        CSearch search = MakeRunSearch(0, databases, doc.GetSearchCount() + 1, 0);
        search.SetRunDatabases(ranOn);
        return doc.AddSearch(search);
    }
    void AddMarks(int searchId, char code, std::vector<std::uint32_t> records) {
        doc.AddFoundMarks(records, code, 0, searchId, false, false);
    }

    CFakeSearchExamination exam_;
};

TEST_F(SearchInfo, CountsPerDatabaseWithNewHitsAndATotal) {
    const int first = AddRunSearch("u", "u");
    AddMarks(first, 'u', {1, 2, 3});
    const int second = AddRunSearch("ucz", "uz");
    AddMarks(second, 'u', {2, 3, 4});
    AddMarks(second, 'z', {5});
    EXPECT_EQ(BuildSearchInfoRows(doc.FindSearch(second), doc, exam_),
              (Rows{{"United Kingdom", "3", "1"},
                    {"European Union Trade Marks", "-", "-"},
                    {"???", "1", "1"},
                    {"TOTAL", "4", "2"}}));
    EXPECT_EQ(BuildSearchInfoRows(doc.FindSearch(first), doc, exam_),
              (Rows{{"United Kingdom", "3", "3"}}))
        << "one database, no total";
}

TEST_F(SearchInfo, NotRunAnywhereShowsDashesThroughout) {
    const int id = AddRunSearch("uc", "");
    EXPECT_EQ(BuildSearchInfoRows(doc.FindSearch(id), doc, exam_),
              (Rows{{"United Kingdom", "-", "-"},
                    {"European Union Trade Marks", "-", "-"},
                    {"TOTAL", "-", "-"}}));
}

} // namespace
