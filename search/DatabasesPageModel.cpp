#include "search/DatabasesPageModel.h"

#include "core/Criteria.h"
#include "search/SearchExamination.h"

#include <algorithm>

CDatabasesPageModel::CDatabasesPageModel(const ISearchExamination& examination, int wheelLines)
    : CSearchPageModel("Databases"), connected_(examination.GetConnectedDatabaseCodes()),
      window_(kVisibleRows, wheelLines) {
    for (const char code : connected_)
        if (examination.HasRegister(code))
            rows_.push_back({code, examination.GetLongName(code)});
    window_.SetRowCount(static_cast<int>(rows_.size()));
}

void CDatabasesPageModel::Load(const CCriteria& criteria) {
    selected_ = criteria.GetDbIds();
    window_.Reset();
}

void CDatabasesPageModel::Validate() {
    const auto connectedTicked =
        std::count_if(connected_.begin(), connected_.end(),
                      [this](char c) { return selected_.find(c) != std::string::npos; });
    if (connectedTicked == 0)
        SetState(kPageError, "At least one database must be selected");
    else if (connectedTicked < static_cast<std::ptrdiff_t>(connected_.size()))
        SetState(kPagePartial, "");
    else
        SetState(kPageEmpty, "");
}

void CDatabasesPageModel::Store(CCriteria& criteria) const {
    criteria.SetDbIds(selected_);
}

void CDatabasesPageModel::Clear() {
    selected_ = connected_;
    Validate();
}

std::vector<CDatabaseSlot> CDatabasesPageModel::GetSlots() const {
    std::vector<CDatabaseSlot> slots(kVisibleRows);
    for (int i = 0; i < kVisibleRows; ++i) {
        const int row = window_.GetFirstRow() + i;
        if (row >= static_cast<int>(rows_.size()))
            continue;
        const Row& shown = rows_[row];
        slots[i] = {true, shown.longName, selected_.find(shown.code) != std::string::npos};
    }
    return slots;
}

void CDatabasesPageModel::OnCheckClicked(int slot, bool ticked) {
    const int row = window_.GetFirstRow() + slot;
    if (slot < 0 || slot >= kVisibleRows || row >= static_cast<int>(rows_.size()))
        return;
    const char code = rows_[row].code;
    const bool listed = selected_.find(code) != std::string::npos;
    if (ticked && !listed)
        selected_ += code;
    else if (!ticked)
        std::erase(selected_, code);
    Validate();
    if (ISearchSheet* sheet = GetSheet())
        sheet->RevalidateDevices();
}
