#pragma once
// The automatic search design of a new examination: four sections of searches built from three
// term lists and the primary and secondary classes.
//
//   section 0: exact terms in the primary classes      section 2: substring terms, primary
//   section 1: exact terms in the secondary classes    section 3: similar terms, primary
//
// Within a section, entries of two or more words are split at their first blank into a head
// and a tail and merged into pairs that share a text, so that "red apple" and "red pear" become
// one search for red AND (apple or pear); each pair is one search, its first text the main word
// group and its second the AND-ed group, neither growing to 12 words. Single words are searched
// twelve at a time.

#include <string>
#include <utility>
#include <vector>

class CClassList;
class CCriteria;
class CZR2000Doc;

struct CAutoDesignTerms {
    std::vector<std::string> exact;
    std::vector<std::string> substring;
    std::vector<std::string> similar;

    bool operator==(const CAutoDesignTerms&) const = default;
};

struct CAutoSearch {
    int section = 0;
    std::string classes; // the compact class list
    std::string mainTerms;
    std::string andTerms;

    bool operator==(const CAutoSearch&) const = default;
};

// The (main, AND-ed) word groups of one section's term list: the pairs in the order they were
// made, then the single words in twelves.
std::vector<std::pair<std::string, std::string>>
DesignWordGroups(const std::vector<std::string>& entries);

// Every section's searches; a section with no terms or no classes has none.
std::vector<CAutoSearch> BuildAutoSearches(const CAutoDesignTerms& terms, const CClassList& primary,
                                           const CClassList& secondary);

// The criteria of one designed search on the databases with the statuses: terms checked as the
// new-examination wizard checks them, without mapping; each group keeps the terms accepted
// before a refusal. Answers the reason of the first refusal, "" when there was none.
std::string MakeAutoCriteria(const CAutoSearch& search, const std::string& databaseCodes,
                             const std::string& status, CCriteria& criteria);

// Adds the designed searches to the document. A search whose input was refused is added with
// what its criteria accepted, unless that leaves it without main terms: such a search would
// find every mark of its classes and is left out. False when any input was refused or any
// search left out.
bool AddAutoSearches(const std::vector<CAutoSearch>& searches, const std::string& databaseCodes,
                     const std::string& status, CZR2000Doc& document);
