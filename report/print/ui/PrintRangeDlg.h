#pragma once
// The choice before printing a view whose rows are selected: every mark or only the selection,
// the selection preselected. The printer's own dialog, which follows, offers page ranges only.

#include "core/ui/ZrDialog.h"

class wxRadioButton;

class CPrintRangeDlg : public CZrDialog {
public:
    static constexpr int kAllId = 101;
    static constexpr int kSelectionId = 102;

    CPrintRangeDlg(wxWindow* parent, bool selectionOnly);

    bool TransferDataFromWindow() override;
    bool IsSelectionOnly() const { return selectionOnly_; }

private:
    wxRadioButton* selection_;
    bool selectionOnly_;
};
