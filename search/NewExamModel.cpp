#include "search/NewExamModel.h"

#include "core/Latin1.h"
#include "core/MergedStringSource.h"
#include "registers/RegisterTexts.h"

#include <algorithm>

CNewExamModel::CNewExamModel(CTermSourceFactory termSources)
    : termSources_(std::move(termSources)) {}

void CNewExamModel::SetDetails(const std::string& agency, const std::string& examiner,
                               const std::string& client, const std::string& examId,
                               bool oneClassOnly) {
    agency_ = agency;
    examiner_ = examiner;
    client_ = client;
    examId_ = examId;
    oneClassOnly_ = oneClassOnly;
}

std::string CNewExamModel::SetDatabases(const CDbSelection& catalogue,
                                        const CZrDbEngineSet& engines) {
    bool anyTraining = false;
    if (!CheckTrainingMix(catalogue.GetSelectedCodes(), anyTraining))
        return "U212 You cannot mix training databases with live databases";
    if (catalogue.GetSelection().empty())
        return "U203 You must select at least one database";
    // Engines changed with the same databases ("Change Engines") count as a change too.
    if (!(catalogue == catalogue_) || !(engines == engines_))
        termsStale_ = true;
    catalogue_ = catalogue;
    engines_ = engines;
    return {};
}

std::string CNewExamModel::SetSections(int count) {
    sections_ = count;
    if (count < kMinSections || count > kMaxSections)
        return "U202 Number of sections must be between " + std::to_string(kMinSections) + " and " +
               std::to_string(kMaxSections);
    return {};
}

std::string CNewExamModel::SetWordMark(const std::string& text) {
    const std::string wordMark(TrimWhite(text));
    if (wordMark.empty())
        return "No word mark entered";
    if (wordMark != wordMark_) {
        wordMark_ = wordMark;
        termsStale_ = true;
    }
    return {};
}

std::string CNewExamModel::SetPrimaryClasses(const std::string& text) {
    if (!primary_.SetFromText(text))
        return "Invalid class";
    if (primary_.IsEmpty())
        return "There must be at least one primary class";
    return {};
}

std::string CNewExamModel::SetSecondaryClasses(const std::string& text) {
    return secondary_.SetFromText(text) ? std::string() : "Invalid class";
}

std::string CNewExamModel::SetStatuses(const CStatusChecks& statuses) {
    status_ = statuses.GetLetters();
    if (status_.empty())
        return "At least one of Registered/Pending/Lapsed/Abandoned required";
    return {};
}

bool CNewExamModel::ProposeTerms() {
    const std::unique_ptr<CMergedStringSource> finders =
        termSources_ ? termSources_(engines_) : nullptr;
    if (!finders)
        return false;
    generator_.SetTerm(wordMark_, *finders);
    terms_ = {generator_.GetWords(), generator_.GetPatterns(), generator_.GetFoundStrings()};
    termsStale_ = false;
    return true;
}

std::vector<CAutoSearch> CNewExamModel::DesignSearches(const CAutoDesignTerms& terms) const {
    return BuildAutoSearches(terms, primary_, secondary_);
}

std::string CNewExamModel::CheckTerms(const CAutoDesignTerms& terms, int& section) const {
    for (const CAutoSearch& search : DesignSearches(terms)) {
        CCriteria criteria;
        const std::string refusal =
            MakeAutoCriteria(search, engines_.GetCodes(), status_, criteria);
        if (!refusal.empty()) {
            section = search.section;
            return refusal;
        }
    }
    return {};
}

int CNewExamModel::GetSectionCount() const {
    return autoDesign_ ? CExamInfo::kDefaultSections : sections_;
}

CNewExamination CNewExamModel::GetResult() const {
    CNewExamination result;
    result.agency = agency_;
    result.examiner = examiner_;
    result.client = client_;
    result.examId = examId_;
    result.oneClassOnly = oneClassOnly_;
    result.sectionCount = GetSectionCount();
    result.databaseCodes = engines_.GetCodes();
    result.selection = catalogue_;
    result.engines = engines_;
    result.autoDesign = autoDesign_;
    if (autoDesign_) {
        result.autoWordMark = wordMark_;
        result.autoPrimaryClasses = primary_.GetSummaryText(true);
        result.autoSecondaryClasses = secondary_.GetSummaryText(true);
        result.autoStatus = StatusCodesToText(status_, false);
        std::replace(result.autoStatus.begin(), result.autoStatus.end(), ' ', ',');
    }
    return result;
}

bool CNewExamModel::AddAutoSearches(CZR2000Doc& document) const {
    return ::AddAutoSearches(DesignSearches(terms_), engines_.GetCodes(), status_, document);
}
