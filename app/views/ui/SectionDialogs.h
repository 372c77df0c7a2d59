#pragma once
// The section dialogs: one section's name, the names of all sections, and the searches and
// marks of each section.

#include "app/views/SectionDialogs.h"
#include "core/ui/ZrDialog.h"

#include <array>
#include <string>
#include <vector>

class wxListCtrl;
class wxScrollBar;
class wxStaticText;
class wxTextCtrl;

// Change Name: the name of the current section.
class CSectionEditDlg : public CZrDialog {
public:
    static constexpr int kNameId = 1100;

    CSectionEditDlg(wxWindow* parent, const std::string& name);
    std::string GetSectionName() const;

private:
    wxTextCtrl* name_;
};

// The names of all sections, ten rows at a time; the caller applies them after OK.
class CSectionNamesDlg : public CZrDialog {
public:
    static constexpr int kFirstEditId = 1200;
    static constexpr int kScrollBarId = 1299;

    CSectionNamesDlg(wxWindow* parent, std::vector<std::string> names);
    // The names as edited.
    const std::vector<std::string>& GetNames() const { return pager_.GetNames(); }
    const CSectionNamesPager& GetPager() const { return pager_; }

    bool TransferDataFromWindow() override;

private:
    void ShowRows();
    void SaveRows();
    void OnScroll(wxScrollEvent& event);

    CSectionNamesPager pager_;
    std::array<wxStaticText*, CSectionNamesPager::kRows> labels_{};
    std::array<wxTextCtrl*, CSectionNamesPager::kRows> edits_{};
    wxScrollBar* scrollBar_ = nullptr;
};

// Section Info: one row per section and a TOTAL; a double click on a section's row chooses it.
class CSectionInfoDlg : public CZrDialog {
public:
    static constexpr int kListId = 1092;

    CSectionInfoDlg(wxWindow* parent, const std::vector<CSectionInfoRow>& rows);
    // The section double-clicked; -1 when none was.
    int GetChosenSection() const { return chosen_; }
    wxListCtrl& GetList() const { return *list_; }

private:
    wxListCtrl* list_;
    int sections_;
    int chosen_ = -1;
};
