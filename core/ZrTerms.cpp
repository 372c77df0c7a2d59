#include "core/ZrTerms.h"

#include "core/Latin1.h"
#include "core/TermMapper.h"
#include "core/Tokeniser.h"

#include <algorithm>

namespace {

struct KindNames {
    const char* name;
    const char* code;
};

constexpr KindNames kKindNames[] = {
    {"WORDM", "WD"}, {"TMARK", "MK"}, {"WAPPR", "SWD"}, {"TAPPR", "SMK"}, {"WANAG", "AN"}};

const KindNames* FindKind(int kind) {
    return kind >= 0 && kind < static_cast<int>(std::size(kKindNames)) ? &kKindNames[kind]
                                                                       : nullptr;
}

std::string Mapped(const std::string& term, const CTermMapper* mapper) {
    return mapper ? mapper->Map(term) : term;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return ToUpperLatin1(x) == ToUpperLatin1(y); });
}

bool ContainsNoCase(const std::vector<std::string>& terms, const std::string& term) {
    return std::any_of(terms.begin(), terms.end(),
                       [&term](const std::string& t) { return EqualNoCase(t, term); });
}

bool HasEntryMissingIn(const std::vector<std::string>& these,
                       const std::vector<std::string>& those) {
    return std::any_of(these.begin(), these.end(),
                       [&those](const std::string& t) { return !ContainsNoCase(those, t); });
}

} // namespace

bool CZrTerms::AddTerms(const std::string& text, int mode, const CTermMapper* mapper, int kind,
                        std::string& message) {
    terms_.clear();
    kind_ = kind;
    const std::size_t limit = mode != kValidateQuickSearch ? 12 : 2;
    for (const std::string& token : SplitTermList(text, kind)) {
        const std::string term = Mapped(token, mapper);
        if (!ValidateWordTerm(term, mode, kind, message))
            return false;
        if (terms_.size() >= limit) {
            message = "Cannot search on more than " + std::to_string(limit) + " word terms.";
            return false;
        }
        terms_.push_back(term);
    }
    return true;
}

void CZrTerms::Clear() {
    terms_.clear();
    kind_ = kTermWordMatch;
}

std::string CZrTerms::GetText(const CTermMapper* mapper) const {
    std::string text;
    JoinTerms(terms_, text, ' ', mapper);
    return text;
}

std::string CZrTerms::GetSummaryText(const std::string& prefix, const CTermMapper* mapper) const {
    if (terms_.empty())
        return {};
    std::string terms;
    JoinTerms(terms_, terms, ',', mapper);
    return " " + prefix + GetKindCode() + ":" + terms;
}

std::string CZrTerms::GetKindName() const {
    return TermKindName(kind_);
}

std::string CZrTerms::GetKindCode() const {
    const KindNames* names = FindKind(kind_);
    return names ? names->code : "";
}

bool CZrTerms::IsSimple() const {
    if (terms_.size() > 2 || (kind_ != kTermWordMatch && kind_ != kTermMarkMatch))
        return false;
    return std::none_of(terms_.begin(), terms_.end(), [](const std::string& term) {
        return std::any_of(term.begin(), term.end(), IsWildcardChar);
    });
}

int CZrTerms::Compare(const CZrTerms& other) const {
    if (terms_.empty() && other.terms_.empty())
        return 1;
    if (other.terms_.empty())
        return 2;
    if (terms_.empty())
        return 3;
    if (kind_ != other.kind_)
        return 0;
    return CompareTermSets(terms_, other.terms_);
}

void CZrTerms::CollapseBackslashes() {
    ::CollapseBackslashes(terms_);
}

std::string TermKindName(int kind) {
    const KindNames* names = FindKind(kind);
    return names ? names->name : "";
}

std::vector<std::string> SplitTermList(const std::string& text, int kind) {
    if (kind == kTermMarkMatch || kind == kTermSimilarMark)
        return text.empty() ? std::vector<std::string>() : std::vector<std::string>{text};
    std::vector<std::string> terms;
    CTokeniser tokeniser(text, ", ", true);
    tokeniser.SetKeepQuotes(true);
    tokeniser.SetKeepEscapes(true);
    while (!tokeniser.AtEnd()) {
        bool isDelimiter = false;
        std::string token = tokeniser.NextToken(&isDelimiter);
        if (!isDelimiter)
            terms.push_back(std::move(token));
    }
    return terms;
}

int CompareTermSets(const std::vector<std::string>& these, const std::vector<std::string>& those) {
    if (HasEntryMissingIn(these, those))
        return 2;
    if (HasEntryMissingIn(those, these))
        return 3;
    return 1;
}

void CollapseBackslashes(std::vector<std::string>& terms) {
    for (std::string& term : terms) {
        const auto end = std::unique(term.begin(), term.end(),
                                     [](char a, char b) { return a == '\\' && b == '\\'; });
        term.erase(end, term.end());
    }
}

void SplitCommaList(const std::string& text, std::vector<std::string>& terms) {
    CTokeniser tokeniser(text, ", ", true);
    tokeniser.SetKeepQuotes(true);
    tokeniser.SetKeepEscapes(false);
    while (!tokeniser.AtEnd()) {
        bool isDelimiter = false;
        std::string token = tokeniser.NextToken(&isDelimiter);
        if (!isDelimiter)
            terms.push_back(std::move(token));
    }
}

void JoinTerms(const std::vector<std::string>& terms, std::string& text, char separator,
               const CTermMapper* mapper) {
    text.clear();
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (i > 0)
            text += separator;
        text += Mapped(terms[i], mapper);
    }
}
