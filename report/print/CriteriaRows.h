#pragma once
// The rows of one search's criteria block on a criteria page: a label and its value, rows with
// an empty value left out. A value of several lines (one figurative code, name or class a line)
// holds them separated by new lines.

#include <string>
#include <vector>

class CCriteriaWording;
class CSearch;
class CTermMapper;

struct CCriteriaRow {
    std::string label;
    std::string value;
    // One empty line comes before the row.
    bool spaceBefore = false;

    bool operator==(const CCriteriaRow&) const = default;
};

// Terms are shown through the mapper (the user's wildcard characters); the number of hits of a
// run search leaves out duplicates when the user hides them.
std::vector<CCriteriaRow> BuildCriteriaRows(const CSearch& search, const CCriteriaWording& wording,
                                            const CTermMapper& mapper, bool hideDuplicates);
