#pragma once
// The ordered lists a string-locate session walks, one per finder mode, and where the located
// text stands in them. The modes are the client's: 0 owner names, 1 agent names, 2 figurative
// codes by description, 3 figurative codes by code, 4 word index, 5 word finder, 7 Locarno
// classes by description, 8 Locarno classes by code; any other mode is the word index.

#include "testsvc/data/DataSet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FinderEntry {
    std::uint32_t position = 0; // where the part the list is ordered by begins in the text
    std::uint32_t count = 0;    // records holding a word or name; the packed code of a code list
    std::string text;
};

class CFinderList {
public:
    // The list of a mode, positioned at the text. Empty when the word finder finds nothing.
    static std::optional<CFinderList> Locate(const CTestRegisterData& data, const std::string& text,
                                             std::uint32_t mode);

    // The entries with the indexes first to last, both included, where index 0 is the located
    // entry and indexes may be negative (they travel as unsigned numbers). An index outside the
    // list gives the boundary marker: empty text, position 0xFFFFFFFF.
    std::vector<FinderEntry> Range(std::int32_t first, std::int32_t last) const;
    std::size_t Size() const { return entries_.size(); }
    std::size_t Start() const { return start_; }

private:
    std::vector<FinderEntry> entries_;
    std::size_t start_ = 0;
};
