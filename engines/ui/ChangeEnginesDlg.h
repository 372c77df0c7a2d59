#pragma once
// The "Change Engines" dialog: a row per database served by more than one engine, its label and
// a list of the engines to choose from; nine rows at a time, with a scroll bar that moves one
// row per line and nine per page. The dialog edits the helper; its caller applies the choice
// after OK.

#include "core/ui/ZrDialog.h"
#include "engines/EngineChoice.h"

#include <array>

class wxChoice;
class wxScrollBar;
class wxScrollEvent;
class wxStaticText;

class CChangeEnginesDlg : public CZrDialog {
public:
    static constexpr int kFirstLabelId = 1401;
    static constexpr std::array<int, CEngineDlgHelper::kVisibleRows> kListIds = {
        1010, 1015, 1019, 1023, 1027, 1029, 1031, 1035, 1038};
    static constexpr int kScrollBarId = 1041;

    CChangeEnginesDlg(wxWindow* parent, CEngineDlgHelper& helper);

private:
    // Shows the rows from the helper's first visible one.
    void ShowRows();
    void OnScroll(wxScrollEvent& event);

    CEngineDlgHelper& helper_;
    std::array<wxStaticText*, CEngineDlgHelper::kVisibleRows> labels_{};
    std::array<wxChoice*, CEngineDlgHelper::kVisibleRows> lists_{};
    wxScrollBar* scrollBar_ = nullptr;
};
