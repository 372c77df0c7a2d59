#pragma once
// The Status page of the full sheet: the mark statuses, an application date range and number
// range, and one of the record sets the connected registers offer.

#include "search/SearchPageModel.h"
#include "search/StatusChecks.h"

#include <string>
#include <vector>

class CUserOptions;
class ISearchExamination;

class CStatusPageModel : public CSearchPageModel {
public:
    CStatusPageModel(const ISearchExamination& examination, const CUserOptions& options);

    void Load(const CCriteria& criteria) override;
    void Validate() override;
    void Store(CCriteria& criteria) const override;
    // The statuses go back to the user's default ones.
    void Clear() override;

    const CStatusChecks& GetStatuses() const { return statuses_; }
    const std::string& GetDateFrom() const { return dateFrom_; }
    const std::string& GetDateTo() const { return dateTo_; }
    const std::string& GetNumberFrom() const { return numberFrom_; }
    const std::string& GetNumberTo() const { return numberTo_; }
    // The "Search &Set:" combo's items: an empty entry, then the record sets.
    const std::vector<std::string>& GetSetNames() const { return setNames_; }
    // -1 when none is chosen.
    int GetSetIndex() const { return setIndex_; }

    // Each change validates the page.
    void SetStatuses(const CStatusChecks& statuses);
    void SetDateRange(const std::string& from, const std::string& to);
    void SetNumberRange(const std::string& from, const std::string& to);
    void SetSetIndex(int index);

private:
    bool IsSetChosen(int index) const {
        return index >= 0 && index < static_cast<int>(setNames_.size());
    }

    const CUserOptions& options_;
    CStatusChecks statuses_;
    std::string dateFrom_;
    std::string dateTo_;
    std::string numberFrom_;
    std::string numberTo_;
    std::vector<std::string> setNames_;
    int setIndex_ = -1;
};
