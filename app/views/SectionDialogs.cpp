#include "app/views/SectionDialogs.h"

#include "app/document/ZrDocData.h"
#include "core/UserOptions.h"

#include <algorithm>

std::string CSectionNamesPager::GetLabel(int row) const {
    return IsRowEnabled(row) ? std::to_string(first_ + row + 1) : "";
}

std::string CSectionNamesPager::GetName(int row) const {
    return IsRowEnabled(row) ? names_[static_cast<std::size_t>(first_ + row)] : "";
}

void CSectionNamesPager::SetName(int row, const std::string& name) {
    if (IsRowEnabled(row))
        names_[static_cast<std::size_t>(first_ + row)] = name;
}

bool CSectionNamesPager::Scroll(EScrollCode code, int pos) {
    const std::optional<int> target =
        ScrollTarget(code, pos, first_, first_ - kRows, first_ + kRows, GetMaxFirst());
    const int first = std::clamp(target.value_or(first_), 0, std::max(GetMaxFirst(), 0));
    if (first == first_)
        return false;
    first_ = first;
    return true;
}

std::vector<CSectionInfoRow> BuildSectionInfoRows(const CZrDocData& document,
                                                  const CUserOptions& user) {
    std::vector<CSectionInfoRow> rows;
    CSectionInfoRow total{"TOTAL"};
    for (int section = 0; section < document.GetSectionCount(); ++section) {
        int searches = 0, run = 0, flagged = 0, all = 0, keptAll = 0;
        CSectionInfoRow row{user.GetSectionName(section)};
        document.GetSectionSearchCounts(section, searches, run, flagged);
        document.GetSectionCounts(section, row.marksFound, row.marksKept, all, keptAll);
        row.toRun = searches - run;
        row.toView = run - flagged;
        row.completed = flagged;
        total.toRun += row.toRun;
        total.toView += row.toView;
        total.completed += row.completed;
        rows.push_back(row);
    }
    // The whole examination's marks, whatever the sections.
    int inSection = 0, keptInSection = 0;
    document.GetSectionCounts(0, inSection, keptInSection, total.marksFound, total.marksKept);
    rows.push_back(total);
    return rows;
}
