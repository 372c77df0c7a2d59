#include "report/print/ui/PrintRangeDlg.h"

#include <wx/radiobut.h>

CPrintRangeDlg::CPrintRangeDlg(wxWindow* parent, bool selectionOnly)
    : CZrDialog(parent, "Print"), selectionOnly_(selectionOnly) {
    auto* all =
        new wxRadioButton(this, kAllId, "&All marks", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    selection_ = new wxRadioButton(this, kSelectionId, "&Selection");
    (selectionOnly ? selection_ : all)->SetValue(true);
    Body().Add(all, wxSizerFlags().Border(wxBOTTOM, Gap()));
    Body().Add(selection_);
    FinishLayout();
}

bool CPrintRangeDlg::TransferDataFromWindow() {
    selectionOnly_ = selection_->GetValue();
    return true;
}
