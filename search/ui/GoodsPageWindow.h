#pragma once
// The Goods page of the full sheet: three groups of goods and services terms.

#include "search/ui/SearchPageWindow.h"

#include <array>

class CGoodsPageModel;

class CGoodsPageWindow : public CSearchPageWindow {
public:
    static constexpr std::array<int, 3> kGroupIds = {1098, 1111, 1121};
    enum : int { kDialogId = 158 };

    CGoodsPageWindow(wxWindow* book, CGoodsPageModel& page);
    void ShowValues() override;

private:
    CGoodsPageModel& page_;
    std::array<wxTextCtrl*, 3> groups_{};
};
