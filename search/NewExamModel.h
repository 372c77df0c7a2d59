#pragma once
// The "New Examination" wizard's choices without its windows: the standard details, the
// databases with their engines, the number of sections and, for the automatic search design,
// the word mark, the classes, the statuses and the three term lists proposed from the word
// mark. The pages give their values to the setters below, which answer "" or the message to
// show; the document takes the result and then the designed searches.
//
// The term lists are proposed again only when the word mark or the engines changed since they
// were last proposed, so that the user's edits of them survive going back and forth.

#include "app/document/ZR2000Doc.h"
#include "core/ClassList.h"
#include "core/GenTerm.h"
#include "engines/ZrDbEngineSet.h"
#include "registers/DbSelection.h"
#include "search/AutoSearchDesign.h"
#include "search/StatusChecks.h"

#include <functional>
#include <memory>
#include <string>

class CMergedStringSource;

// The string finders of the engines chosen, from which similar terms are proposed; null when
// none can be had.
using CTermSourceFactory =
    std::function<std::unique_ptr<CMergedStringSource>(const CZrDbEngineSet& engines)>;

class CNewExamModel {
public:
    static constexpr int kMinSections = 1;
    static constexpr int kMaxSections = 99;

    explicit CNewExamModel(CTermSourceFactory termSources);

    // The standard details, as typed.
    void SetDetails(const std::string& agency, const std::string& examiner,
                    const std::string& client, const std::string& examId, bool oneClassOnly);
    // The catalogue with its selection and the engines chosen for it: no training database
    // mixed with live ones, and some database. Both are kept whenever they are accepted; a
    // change of either makes the terms stale.
    std::string SetDatabases(const CDbSelection& catalogue, const CZrDbEngineSet& engines);
    // Kept even when out of range.
    std::string SetSections(int count);
    std::string SetWordMark(const std::string& text);
    std::string SetPrimaryClasses(const std::string& text);
    std::string SetSecondaryClasses(const std::string& text);
    std::string SetStatuses(const CStatusChecks& statuses);
    void SetAutoDesign(bool autoDesign) { autoDesign_ = autoDesign; }

    // Whether a field may be re-formatted as it loses the focus: not once the mouse went down
    // on Cancel.
    bool GetFocusCheck() const { return focusCheck_; }
    void OnCancelPressed() { focusCheck_ = false; }

    bool AreTermsStale() const { return termsStale_; }
    // Proposes the term lists for the word mark from the engines' finders; false, lists and
    // staleness unchanged, when no finder could be had.
    bool ProposeTerms();
    const CAutoDesignTerms& GetTerms() const { return terms_; }
    void SetTerms(CAutoDesignTerms terms) { terms_ = std::move(terms); }
    // The searches the automatic design makes of the current choices and terms.
    std::vector<CAutoSearch> DesignSearches(const CAutoDesignTerms& terms) const;
    // "" when every designed search's terms are accepted, else the first refusal's reason and
    // the section of its search.
    std::string CheckTerms(const CAutoDesignTerms& terms, int& section) const;

    // Four sections with the automatic design, else the number entered.
    int GetSectionCount() const;
    CNewExamination GetResult() const;
    // The designed searches into the document (AddAutoSearches); false when any term was
    // refused or a search left out.
    bool AddAutoSearches(CZR2000Doc& document) const;

private:
    CTermSourceFactory termSources_;
    std::string agency_;
    std::string examiner_;
    std::string client_;
    std::string examId_;
    bool oneClassOnly_ = false;
    CDbSelection catalogue_;
    CZrDbEngineSet engines_;
    int sections_ = CExamInfo::kDefaultSections;
    bool autoDesign_ = false;
    bool focusCheck_ = true;
    std::string wordMark_;
    CClassList primary_;
    CClassList secondary_;
    std::string status_ = CCriteria::kDefaultStatus;
    CGenTerm generator_;
    bool termsStale_ = true;
    CAutoDesignTerms terms_;
};
