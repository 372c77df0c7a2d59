#pragma once
// The section dialogs without their windows: the names of all sections edited ten rows at a
// time, and the table of searches and marks per section.

#include "app/views/SubViews.h"

#include <string>
#include <vector>

class CUserOptions;
class CZrDocData;

// The rows of the names dialog over a list of names; rows past the last section are empty
// and disabled.
class CSectionNamesPager {
public:
    static constexpr int kRows = 10;

    explicit CSectionNamesPager(std::vector<std::string> names) : names_(std::move(names)) {}

    int GetRowsShown() const { return std::min(GetCount(), kRows); }
    int GetFirst() const { return first_; }
    int GetMaxFirst() const { return GetCount() - GetRowsShown(); }
    // "%d" of the section number, "" past the last section.
    std::string GetLabel(int row) const;
    bool IsRowEnabled(int row) const { return first_ + row < GetCount(); }
    std::string GetName(int row) const;
    // What the row's edit holds.
    void SetName(int row, const std::string& name);
    // Lines, pages of ten, the thumb, top and bottom; true when the first row changed.
    bool Scroll(EScrollCode code, int pos);
    const std::vector<std::string>& GetNames() const { return names_; }

private:
    int GetCount() const { return static_cast<int>(names_.size()); }

    std::vector<std::string> names_;
    int first_ = 0;
};

struct CSectionInfoRow {
    std::string name;
    int toRun = 0;
    int toView = 0;
    int completed = 0;
    int marksFound = 0;
    int marksKept = 0;

    bool operator==(const CSectionInfoRow&) const = default;
};

// One row per section, then "TOTAL": the searches summed over the rows, the marks of the whole
// examination.
std::vector<CSectionInfoRow> BuildSectionInfoRows(const CZrDocData& document,
                                                  const CUserOptions& user);
