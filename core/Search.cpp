#include "core/Search.h"

#include "core/CoreServices.h"
#include "core/SearchList.h"
#include "core/UserOptions.h"

#include <tuple>

bool CSearch::IsCompleted() const {
    return (flags_ & kCompleted) != 0 || ((flags_ & kHasRun) != 0 && found_ == 0);
}

void CSearch::Reset() {
    flags_ &= ~(kHasRun | kNothingFound | kCompleted | kViewed);
    found_ = markCount_ = order_ = 0;
    runDatabases_.clear();
}

void CSearch::ResetCriteria() {
    criteria_.ResetWithDbIds(GetRegisterServices().GetConnectedDatabaseCodes());
    criteria_.SetStatus(TheUserOptions().GetDefaultStatus());
}

bool CSearch::AddResults(int found, int markCount, const std::string& databases) {
    const int counted = TheUserOptions().GetHideDuplicates() ? markCount : found;
    if (!HasRun()) {
        IActiveExamination* examination = GetActiveExamination();
        CSearchList* searches = examination ? examination->GetActiveSearchList() : nullptr;
        if (!searches)
            return false;
        order_ = searches->NewOrder();
        found_ = found;
        markCount_ = markCount;
        runDatabases_ = databases;
        flags_ |= kHasRun;
        if (counted == 0)
            flags_ |= kNothingFound;
    } else {
        found_ += found;
        markCount_ += markCount;
        runDatabases_ += databases;
        if (counted != 0)
            flags_ &= ~kNothingFound;
    }
    std::string searched = criteria_.GetDbIds();
    for (char code : databases) {
        if (searched.find(code) == std::string::npos)
            searched += code;
    }
    criteria_.SetDbIds(searched);
    return true;
}

std::string CSearch::GetDescription(bool withDatabases, const CTermMapper* mapper,
                                    const CCriteriaWording& wording) const {
    std::string description;
    if (withDatabases)
        description = "DB:" + GetRegisterServices().GetDbShortNames(GetDatabases()) + " ";
    return description + criteria_.FormatCriteriaSummary(false, mapper, wording);
}

bool CSearch::operator<(const CSearch& other) const {
    // Unrun searches follow the run ones of their section; run ones go by run order, the
    // others by id.
    auto place = [](const CSearch& s) {
        return std::make_tuple(s.section_, !s.HasRun(), s.HasRun() ? s.order_ : s.searchId_);
    };
    return place(*this) < place(other);
}
