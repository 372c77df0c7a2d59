#pragma once
// The Application Number page of the enquiry sheet.

#include "search/ui/SearchPageWindow.h"

class CEnquiryPageModel;

class CEnquiryPageWindow : public CSearchPageWindow {
public:
    enum : int { kNumber = 1096, kShowDetails = 1174, kDialogId = 150 };

    CEnquiryPageWindow(wxWindow* book, CEnquiryPageModel& page);
    void ShowValues() override;

private:
    CEnquiryPageModel& page_;
    wxTextCtrl* number_ = nullptr;
    wxCheckBox* showDetails_ = nullptr;
};
