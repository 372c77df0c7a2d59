#pragma once
// The General page of the full sheet (normal mode: each word group with its match kind, groups
// B and C switched on by their check boxes) and of the identical-mark sheet (identical mode).
// The class field shows its list in compact form once it loses the focus.

#include "search/ui/SearchPageWindow.h"

#include <array>

class CGeneralPageModel;
class CHtmlComboBox;
class IFinderDialogs;
class wxButton;

class CGeneralPageWindow : public CSearchPageWindow {
public:
    enum : int {
        kClasses = 1001,
        kLocate = 1032,
        kIndex = 1034,
        kFinder = 1036,
        kIdenticalDialogId = 133,
        kNormalDialogId = 201,
    };
    static constexpr std::array<int, 3> kGroupIds = {1003, 1005, 1087};
    static constexpr std::array<int, 3> kKindIds = {1280, 1281, 1282};
    // The check boxes of groups B and C.
    static constexpr std::array<int, 3> kGroupOnIds = {0, 1291, 1292};

    // Without finder dialogs "&Index" and "&Finder" are disabled.
    CGeneralPageWindow(wxWindow* book, CGeneralPageModel& page, IFinderDialogs* finders);
    void ShowValues() override;

private:
    void AddGroupRow(wxSizer& form, int group);
    void RunFinder(bool index);

    CGeneralPageModel& page_;
    IFinderDialogs* finders_;
    wxTextCtrl* classes_ = nullptr;
    std::array<wxTextCtrl*, 3> groups_{};
    std::array<CHtmlComboBox*, 3> kinds_{};
    std::array<wxCheckBox*, 3> groupOn_{};
    wxTextCtrl* locate_ = nullptr;
};
