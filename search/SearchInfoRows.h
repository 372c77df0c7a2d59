#pragma once
// The "Search Information" list of one search: per database it was to run on, how many marks
// the search found there and how many of them no other search had found; "-" for a database it
// has not run on, and a "TOTAL" line when there are several databases.

#include <string>
#include <vector>

class CSearch;
class CZrDocData;
class ISearchExamination;

struct CSearchInfoColumn {
    const char* heading;
    int width;
};
inline constexpr CSearchInfoColumn kSearchInfoColumns[] = {
    {"Database", 200}, {"Hits found", 100}, {"New hits found", 100}};

struct CSearchInfoRow {
    std::string database;
    std::string hits;
    std::string newHits;

    bool operator==(const CSearchInfoRow&) const = default;
};

std::vector<CSearchInfoRow> BuildSearchInfoRows(const CSearch& search, const CZrDocData& document,
                                                const ISearchExamination& examination);
