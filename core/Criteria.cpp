#include "core/Criteria.h"

#include "core/CriteriaParser.h"
#include "core/CriteriaWording.h"
#include "core/TermMapper.h"
#include "core/Tokeniser.h"

namespace {

constexpr std::size_t kMaxGoodsTerms = 25;

bool HasLetter(const std::string& text, char letter) {
    return text.find(letter) != std::string::npos;
}

// Tallies of the steps of a comparison; a step answers with the codes of CClassList::Compare.
struct CompareTally {
    bool different = false;
    bool more = false;
    bool less = false;

    void Count(int step) {
        different |= step == 0;
        more |= step == 2;
        less |= step == 3;
    }
    int Result() const {
        if (different)
            return 0;
        if (less)
            return more ? 0 : 3;
        return more ? 2 : 1;
    }
};

int CompareDatabases(const std::string& these, const std::string& those) {
    bool thisHasMore = false;
    bool otherHasMore = false;
    for (const char code : std::string("aucsidefptnko")) {
        thisHasMore |= HasLetter(these, code) && !HasLetter(those, code);
        otherHasMore |= HasLetter(those, code) && !HasLetter(these, code);
    }
    if (thisHasMore)
        return 2;
    return otherHasMore ? 3 : 1;
}

} // namespace

void CCriteria::Clear() {
    std::string lastError = std::move(lastError_);
    *this = CCriteria();
    lastError_ = std::move(lastError);
}

void CCriteria::ResetWithDbIds(const std::string& dbIds) {
    Clear();
    dbIds_ = dbIds;
    SetDefaultStatus();
}

void CCriteria::FillDefaults() {
    if (classes_.IsEmpty())
        classes_.SetAll(true);
    if (status_.empty())
        SetDefaultStatus();
    if (countries_.IsEmpty())
        countries_.SetAll(true);
}

bool CCriteria::IsEmpty() const {
    return words_.IsEmpty() && andWords_.IsEmpty() && excludedWords_.IsEmpty() &&
           appNumFrom_.IsEmpty() && appNumTo_.IsEmpty() && appDateFrom_.IsEmpty() &&
           appDateTo_.IsEmpty() && imageCats_.empty() && locarnoClasses_.empty() &&
           ownerNames_.empty() && agentNames_.empty() && designerNames_.empty() && set_.empty() &&
           goods_.empty() && andGoods_.empty() && excludedGoods_.empty();
}

bool CCriteria::IsUnrestricted() const {
    return words_.IsSimple() && andWords_.IsSimple() && excludedWords_.IsSimple() &&
           HasAllStatuses() && appNumFrom_.IsEmpty() && appNumTo_.IsEmpty() &&
           appDateFrom_.IsEmpty() && appDateTo_.IsEmpty() && imageCats_.empty() &&
           locarnoClasses_.empty() && ownerNames_.empty() && agentNames_.empty() && set_.empty() &&
           goods_.empty() && andGoods_.empty() && excludedGoods_.empty();
}

int CCriteria::Compare(const CCriteria& other) const {
    CompareTally tally;
    tally.Count(CompareDatabases(dbIds_, other.dbIds_));
    tally.Count(classes_.Compare(other.classes_));
    tally.Count(words_.Compare(other.words_));
    tally.Count(andWords_.Compare(other.andWords_));
    tally.Count(excludedWords_.Compare(other.excludedWords_));
    tally.Count(CompareTermSets(imageCats_, other.imageCats_));
    return tally.Result();
}

bool CCriteria::ReadCriteriaText(const std::string& text) {
    CCriteriaParser parser;
    return parser.Parse(*this, text);
}

void CCriteria::CollapseBackslashes() {
    words_.CollapseBackslashes();
    andWords_.CollapseBackslashes();
    excludedWords_.CollapseBackslashes();
    ::CollapseBackslashes(goods_);
    ::CollapseBackslashes(andGoods_);
    ::CollapseBackslashes(excludedGoods_);
}

std::string CCriteria::GetDatabasesText(const CCriteriaWording& wording) const {
    return wording.DbCodesToNames(dbIds_);
}

bool CCriteria::SetClasses(const std::string& text) {
    return classes_.SetFromText(text);
}

bool CCriteria::AddWordTerm(const std::string& text, int mode, const CTermMapper* mapper,
                            int kind) {
    return words_.AddTerms(text, mode, mapper, kind, lastError_);
}

const std::vector<std::string>& CCriteria::GetWordTerms(int* kind) const {
    if (kind)
        *kind = words_.GetKind();
    return words_.GetTerms();
}

std::string CCriteria::GetWordTermsText(const CTermMapper* mapper, int* kind) const {
    if (kind)
        *kind = words_.GetKind();
    return words_.GetText(mapper);
}

bool CCriteria::AddAndWordTerm(const std::string& text, int mode, const CTermMapper* mapper,
                               int kind) {
    return andWords_.AddTerms(text, mode, mapper, kind, lastError_);
}

const std::vector<std::string>& CCriteria::GetAndWordTerms(int* kind) const {
    if (kind)
        *kind = andWords_.GetKind();
    return andWords_.GetTerms();
}

std::string CCriteria::GetAndWordTermsText(const CTermMapper* mapper, int* kind) const {
    if (kind)
        *kind = andWords_.GetKind();
    return andWords_.GetText(mapper);
}

bool CCriteria::AddExcludedWordTerm(const std::string& text, int mode, const CTermMapper* mapper,
                                    int kind) {
    return excludedWords_.AddTerms(text, mode, mapper, kind, lastError_);
}

const std::vector<std::string>& CCriteria::GetExcludedWordTerms(int* kind) const {
    if (kind)
        *kind = excludedWords_.GetKind();
    return excludedWords_.GetTerms();
}

std::string CCriteria::GetExcludedWordTermsText(const CTermMapper* mapper, int* kind) const {
    if (kind)
        *kind = excludedWords_.GetKind();
    return excludedWords_.GetText(mapper);
}

std::string CCriteria::GetStatusText(const CCriteriaWording& wording, bool abbreviated) const {
    return wording.StatusCodesToText(status_, abbreviated);
}

bool CCriteria::HasAllStatuses() const {
    return HasLetter(status_, 'r') && HasLetter(status_, 'p') && HasLetter(status_, 'l') &&
           HasLetter(status_, 'a');
}

bool CCriteria::SetAppNumRange(const std::string& from, const std::string& to) {
    CZrAppNum lower;
    CZrAppNum upper;
    if (!from.empty() && !lower.SetText(from))
        return false;
    if (!to.empty() && !upper.SetText(to))
        return false;
    if (!lower.IsEmpty() && !upper.IsEmpty() && upper.GetNumber() < lower.GetNumber())
        return false;
    appNumFrom_ = lower;
    appNumTo_ = upper;
    return true;
}

std::string CCriteria::GetAppNumRangeText(const CCriteriaWording& wording) const {
    return wording.AppNumRangeToText(appNumFrom_, appNumTo_);
}

bool CCriteria::SetDate(CZrDate& date, const std::string& text) {
    date.Clear();
    if (text.find_first_not_of(' ') == std::string::npos)
        return true;
    return date.Parse(text.c_str());
}

bool CCriteria::SetAppDateRange(const std::string& from, const std::string& to) {
    CZrDate first;
    CZrDate last;
    if (!SetDate(first, from) || !SetDate(last, to))
        return false;
    if (!first.IsEmpty() && !last.IsEmpty() && last < first)
        return false;
    appDateFrom_ = first;
    appDateTo_ = last;
    return true;
}

std::string CCriteria::GetAppDateRangeText(const CCriteriaWording& wording) const {
    return wording.DateRangeToText(appDateFrom_, appDateTo_);
}

bool CCriteria::AddGoodsTerm(const std::string& text, const CTermMapper* mapper) {
    return AddGoodsTerms(text, mapper, goods_);
}

bool CCriteria::AddAndGoodsTerm(const std::string& text, const CTermMapper* mapper) {
    return AddGoodsTerms(text, mapper, andGoods_);
}

bool CCriteria::AddExcludedGoodsTerm(const std::string& text, const CTermMapper* mapper) {
    return AddGoodsTerms(text, mapper, excludedGoods_);
}

bool CCriteria::AddGoodsTerms(const std::string& text, const CTermMapper* mapper,
                              std::vector<std::string>& goods) {
    CTokeniser tokeniser(text, ", ");
    while (!tokeniser.AtEnd()) {
        bool isDelimiter = false;
        const std::string token = tokeniser.NextToken(&isDelimiter);
        if (isDelimiter)
            continue;
        const std::string term = mapper ? mapper->Map(token) : token;
        if (!ValidateGoodsTerm(term, lastError_))
            return false;
        if (goods.size() >= kMaxGoodsTerms) {
            lastError_ =
                "Cannot search on more than " + std::to_string(kMaxGoodsTerms) + " goods terms.";
            return false;
        }
        goods.push_back(term);
    }
    return true;
}

std::string CCriteria::GetGoodsTermsText(const CTermMapper* mapper) const {
    std::string text;
    JoinTerms(goods_, text, ' ', mapper);
    return text;
}

std::string CCriteria::GetAndGoodsTermsText(const CTermMapper* mapper) const {
    std::string text;
    JoinTerms(andGoods_, text, ' ', mapper);
    return text;
}

std::string CCriteria::GetExcludedGoodsTermsText(const CTermMapper* mapper) const {
    std::string text;
    JoinTerms(excludedGoods_, text, ' ', mapper);
    return text;
}
