#include "search/ui/EnquiryPageWindow.h"

#include "search/EnquiryPageModel.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CEnquiryPageWindow::CEnquiryPageWindow(wxWindow* book, CEnquiryPageModel& page)
    : CSearchPageWindow(book, page, 0x20000 + kDialogId), page_(page) {
    wxFlexGridSizer* form = MakeForm();
    AddLabel(*form, "Application &Number:");
    number_ = MakeEdit(kNumber, [this](const std::string& text) { page_.SetNumber(text); });
    form->Add(number_, wxSizerFlags().Expand());
    form->AddSpacer(0);
    showDetails_ =
        MakeCheck(kShowDetails, "Show &Details", [this](bool show) { page_.SetShowDetails(show); });
    form->Add(showDetails_);
    FinishLayout(form);
}

void CEnquiryPageWindow::ShowValues() {
    ShowText(*number_, page_.GetNumber());
    showDetails_->SetValue(page_.GetShowDetails());
}
