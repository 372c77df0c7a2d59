#pragma once
// A group of word terms of one kind, any of which may match, as typed in a comma list and
// stored in search criteria.

#include "core/TermValidation.h"

#include <cstdint>
#include <string>
#include <vector>

class CTermMapper;

class CZrTerms {
public:
    CZrTerms() = default;
    CZrTerms(const CZrTerms&) = default;
    CZrTerms& operator=(const CZrTerms&) = default;
    virtual ~CZrTerms() = default;

    // Replaces the group by the terms of a comma or blank separated list, each mapped (when a
    // mapper is given) and validated; the kinds TMARK and TAPPR take the whole text as one term.
    // The kind is set whatever happens. On rejection the message says why, and the group keeps
    // the terms accepted before.
    bool AddTerms(const std::string& text, int mode, const CTermMapper* mapper, int kind,
                  std::string& message);
    // Appends one term without any check.
    void Add(const std::string& term) { terms_.push_back(term); }
    // Replaces the terms; the kind stays.
    void SetTerms(const std::vector<std::string>& terms) { terms_ = terms; }
    void SetKind(int kind) { kind_ = kind; }
    void Clear();
    bool IsEmpty() const { return terms_.empty(); }

    const std::vector<std::string>& GetTerms() const { return terms_; }
    int GetKind() const { return kind_; }
    // The terms joined by single blanks, each through the mapper when one is given.
    std::string GetText(const CTermMapper* mapper) const;
    // Empty for an empty group, else " " + prefix + kind code + ":" + terms joined by ','.
    std::string GetSummaryText(const std::string& prefix, const CTermMapper* mapper) const;
    // "WORDM", "TMARK", ... and "WD", "MK", ...; empty for an unknown kind.
    std::string GetKindName() const;
    std::string GetKindCode() const;

    // At most two terms, kind WORDM or TMARK, no wildcard: an identical-mark search.
    bool IsSimple() const;
    // 1 same (or both empty), 2 this has a term the other lacks, 3 the other has one this lacks,
    // 0 different kinds. Terms compare as sets, ignoring case.
    int Compare(const CZrTerms& other) const;

    void CollapseBackslashes();

private:
    std::vector<std::string> terms_;
    std::int32_t kind_ = kTermWordMatch;
};

// The name of a kind in the criteria text ("WORDM" ...); empty for an unknown kind.
std::string TermKindName(int kind);

// The terms of a typed list before mapping and checks: the whole text for the kinds TMARK and
// TAPPR, else every term of the comma or blank separated list, quoted phrases kept whole.
std::vector<std::string> SplitTermList(const std::string& text, int kind);

// Two lists compared as sets ignoring case: 2 when the first has an entry the second lacks,
// else 3 when the second has one the first lacks, else 1.
int CompareTermSets(const std::vector<std::string>& these, const std::vector<std::string>& those);

// Every run of backslashes in every term becomes one backslash.
void CollapseBackslashes(std::vector<std::string>& terms);

// Appends the terms of a comma or blank separated list, quoted phrases kept whole with quotes.
void SplitCommaList(const std::string& text, std::vector<std::string>& terms);

// The terms separated by the separator, each through the mapper when one is given.
void JoinTerms(const std::vector<std::string>& terms, std::string& text, char separator,
               const CTermMapper* mapper);
