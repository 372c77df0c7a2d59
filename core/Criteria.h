#pragma once
// The complete definition of one search: registers, classes, word terms, statuses, application
// numbers and dates, figurative codes, Locarno classes, names, record set, goods terms and
// countries. Its one persistent form is the criteria text, stored in examination files and sent
// to the engines; a shorter summary form is for display.

#include "core/ClassList.h"
#include "core/CountryList.h"
#include "core/ZrAppNum.h"
#include "core/ZrDate.h"
#include "core/ZrTerms.h"

#include <cstdint>
#include <string>
#include <vector>

class CCriteriaParser;
class CCriteriaWording;
class CTermMapper;

class CCriteria {
public:
    CCriteria() = default;
    CCriteria(const CCriteria&) = default;
    CCriteria& operator=(const CCriteria&) = default;
    virtual ~CCriteria() = default;

    // Empties every member but the last error.
    void Clear();
    // Clear, then these databases and the default status.
    void ResetWithDbIds(const std::string& dbIds);
    // Completes read criteria: no classes means all, no status "rpla", no countries all.
    void FillDefaults();

    // No terms, numbers, dates, codes, names, record set or goods (databases, classes, status
    // and countries are not looked at).
    bool IsEmpty() const;
    // An identical-mark search: simple word groups, every status, nothing else restricting.
    bool IsUnrestricted() const;
    // 1 same, 2 this has more, 3 this has less, 0 not comparable.
    int Compare(const CCriteria& other) const;

    // The stored criteria text.
    std::string WriteCriteriaText(bool withDbIds) const;
    // The text sent to an engine: without the databases, and asking for every application
    // number where nothing else selects marks.
    std::string WriteEngineText() const;
    // Clears, reads a criteria text and completes it; false on a syntax error or a rejected
    // word term, the reason in the last error.
    bool ReadCriteriaText(const std::string& text);
    // The short form for lists and report headings, terms shown through the mapper.
    std::string FormatCriteriaSummary(bool withDatabases, const CTermMapper* mapper,
                                      const CCriteriaWording& wording) const;
    // Every run of backslashes in the word and goods terms becomes one backslash.
    void CollapseBackslashes();
    const std::string& GetLastError() const { return lastError_; }

    void SetDbIds(const std::string& dbIds) { dbIds_ = dbIds; }
    const std::string& GetDbIds() const { return dbIds_; }
    std::string GetDatabasesText(const CCriteriaWording& wording) const;

    // The class-list parse result; the classes read up to an error stay.
    bool SetClasses(const std::string& text);
    const CClassList& GetClasses() const { return classes_; }
    std::string GetClassesText() const { return classes_.GetSummaryText(true); }
    bool HasAllClasses() const { return classes_.IsAll(); }

    // The validated adders replace their group by the terms of the text; on rejection they
    // return false with the message in the last error. The plain adders append one term.
    bool AddWordTerm(const std::string& text, int mode, const CTermMapper* mapper, int kind);
    void AddWord(const std::string& term) { words_.Add(term); }
    void SetWordTerms(const std::vector<std::string>& terms) { words_.SetTerms(terms); }
    const std::vector<std::string>& GetWordTerms(int* kind = nullptr) const;
    std::string GetWordTermsText(const CTermMapper* mapper, int* kind = nullptr) const;

    bool AddAndWordTerm(const std::string& text, int mode, const CTermMapper* mapper, int kind);
    void AddAndWord(const std::string& term) { andWords_.Add(term); }
    void SetAndWordTerms(const std::vector<std::string>& terms) { andWords_.SetTerms(terms); }
    const std::vector<std::string>& GetAndWordTerms(int* kind = nullptr) const;
    std::string GetAndWordTermsText(const CTermMapper* mapper, int* kind = nullptr) const;

    bool AddExcludedWordTerm(const std::string& text, int mode, const CTermMapper* mapper,
                             int kind);
    void AddExcludedWord(const std::string& term) { excludedWords_.Add(term); }
    const std::vector<std::string>& GetExcludedWordTerms(int* kind = nullptr) const;
    std::string GetExcludedWordTermsText(const CTermMapper* mapper, int* kind = nullptr) const;

    // Status letters: r registered, p pending, l lapsed, a abandoned.
    void SetStatus(const std::string& letters) { status_ = letters; }
    void SetDefaultStatus() { status_ = kDefaultStatus; }
    const std::string& GetStatus() const { return status_; }
    std::string GetStatusText(const CCriteriaWording& wording, bool abbreviated) const;
    bool HasAllStatuses() const;

    // Each keeps the text and returns whether it is a valid number.
    bool SetAppNumFrom(const std::string& text) { return appNumFrom_.SetText(text); }
    bool SetAppNumTo(const std::string& text) { return appNumTo_.SetText(text); }
    const CZrAppNum& GetAppNumFrom() const { return appNumFrom_; }
    const CZrAppNum& GetAppNumTo() const { return appNumTo_; }
    // Both bounds (an empty text clears one) only when both are valid and in order.
    bool SetAppNumRange(const std::string& from, const std::string& to);
    std::string GetAppNumRangeText(const CCriteriaWording& wording) const;

    // Day-first texts ("5 Jan 2004"); an empty or unreadable text leaves the date empty, and
    // only an unreadable one gives false.
    bool SetAppDateFrom(const std::string& text) { return SetDate(appDateFrom_, text); }
    bool SetAppDateTo(const std::string& text) { return SetDate(appDateTo_, text); }
    const CZrDate& GetAppDateFrom() const { return appDateFrom_; }
    const CZrDate& GetAppDateTo() const { return appDateTo_; }
    // Both dates only when both are readable and in order.
    bool SetAppDateRange(const std::string& from, const std::string& to);
    std::string GetAppDateRangeText(const CCriteriaWording& wording) const;

    void AddImageCat(const std::string& code) { imageCats_.push_back(code); }
    void SetImageCats(const std::vector<std::string>& codes) { imageCats_ = codes; }
    const std::vector<std::string>& GetImageCats() const { return imageCats_; }
    void SetImageCatsMatchAll(bool all) { imageCatsMatchAll_ = all ? 1 : 0; }
    bool GetImageCatsMatchAll() const { return imageCatsMatchAll_ != 0; }

    void AddLocarnoClass(const std::string& code) { locarnoClasses_.push_back(code); }
    void SetLocarnoClasses(const std::vector<std::string>& codes) { locarnoClasses_ = codes; }
    const std::vector<std::string>& GetLocarnoClasses() const { return locarnoClasses_; }
    void SetLocarnoMatchAll(bool all) { locarnoMatchAll_ = all ? 1 : 0; }
    bool GetLocarnoMatchAll() const { return locarnoMatchAll_ != 0; }

    void AddOwnerName(const std::string& name) { ownerNames_.push_back(name); }
    void SetOwnerNames(const std::vector<std::string>& names) { ownerNames_ = names; }
    const std::vector<std::string>& GetOwnerNames() const { return ownerNames_; }
    void AddAgentName(const std::string& name) { agentNames_.push_back(name); }
    void SetAgentNames(const std::vector<std::string>& names) { agentNames_ = names; }
    const std::vector<std::string>& GetAgentNames() const { return agentNames_; }
    void AddDesignerName(const std::string& name) { designerNames_.push_back(name); }
    const std::vector<std::string>& GetDesignerNames() const { return designerNames_; }

    // A predefined set of records, e.g. "AddedLastWeek".
    void SetSet(const std::string& set) { set_ = set; }
    const std::string& GetSet() const { return set_; }

    // The validated goods adders split the text, map and check each term and append it to the
    // group; on rejection they return false with the message in the last error. The plain
    // adders append one term.
    bool AddGoodsTerm(const std::string& text, const CTermMapper* mapper);
    bool AddAndGoodsTerm(const std::string& text, const CTermMapper* mapper);
    bool AddExcludedGoodsTerm(const std::string& text, const CTermMapper* mapper);
    void AddGoods(const std::string& term) { goods_.push_back(term); }
    void AddAndGoods(const std::string& term) { andGoods_.push_back(term); }
    void AddExcludedGoods(const std::string& term) { excludedGoods_.push_back(term); }
    const std::vector<std::string>& GetGoodsTerms() const { return goods_; }
    const std::vector<std::string>& GetAndGoodsTerms() const { return andGoods_; }
    const std::vector<std::string>& GetExcludedGoodsTerms() const { return excludedGoods_; }
    std::string GetGoodsTermsText(const CTermMapper* mapper) const;
    std::string GetAndGoodsTermsText(const CTermMapper* mapper) const;
    std::string GetExcludedGoodsTermsText(const CTermMapper* mapper) const;

    const CCountryList& GetCountries() const { return countries_; }
    void SetCountries(const CCountryList& countries) { countries_ = countries; }
    // Sets or clears a country by its two-letter code; an unknown code is ignored.
    void AddCountry(const std::string& code, bool value) { countries_.SetCode(code, value); }

    static constexpr const char* kDefaultStatus = "rpla";

private:
    friend class CCriteriaParser; // reports syntax errors in the last error

    bool AddGoodsTerms(const std::string& text, const CTermMapper* mapper,
                       std::vector<std::string>& goods);
    static bool SetDate(CZrDate& date, const std::string& text);
    std::string WriteText(bool withDbIds, bool forEngine) const;

    std::string dbIds_;
    CClassList classes_;
    CZrTerms words_;
    CZrTerms andWords_;
    CZrTerms excludedWords_;
    std::string status_;
    CZrAppNum appNumFrom_;
    CZrAppNum appNumTo_;
    CZrDate appDateFrom_;
    CZrDate appDateTo_;
    std::vector<std::string> imageCats_;
    std::uint8_t imageCatsMatchAll_ = 0;
    std::vector<std::string> locarnoClasses_;
    std::uint8_t locarnoMatchAll_ = 0;
    std::vector<std::string> ownerNames_;
    std::vector<std::string> agentNames_;
    std::vector<std::string> designerNames_;
    std::string set_;
    std::vector<std::string> goods_;
    std::vector<std::string> andGoods_;
    std::vector<std::string> excludedGoods_;
    CCountryList countries_;
    std::string lastError_;
};
