#pragma once
// The small modal dialogs: the about box, the record set of a caveat search, the warning
// before a very large search and the examination's details.

#include "app/dialogs/ExamDialogs.h"
#include "core/ui/HyperLink.h"
#include "core/ui/ZrDialog.h"

#include <string>

class wxCheckBox;
class wxComboBox;
class CNumberField;
class wxTextCtrl;

class CAboutDlg : public CZrDialog {
public:
    enum : int { kDialogId = 100, kVersion = 1211, kEmail = 1206, kWebSite = 1207 };

    // The maker's e-mail address and web site; links open through the opener
    // (platform::OpenUrl without one).
    CAboutDlg(wxWindow* parent, const std::string& email, const std::string& webSite,
              CHyperLink::Opener opener = {});
};

class CCaveatSetDlg : public CZrDialog {
public:
    enum : int { kDialogId = 198, kSet = 1261 };

    CCaveatSetDlg(wxWindow* parent, CCaveatSetChoice& choice);

    // An empty set name keeps the dialog open.
    bool TransferDataFromWindow() override;
    const std::string& GetSetName() const { return setName_; }

private:
    CCaveatSetChoice& choice_;
    wxComboBox* set_;
    std::string setName_;
};

// Ends with kYes or kNo.
class CConfirmSearchDlg : public CZrDialog {
public:
    enum : int { kDialogId = 204, kYes = 6, kNo = 7, kHelp = 9, kText = 1287, kQuestion = 1288 };

    explicit CConfirmSearchDlg(wxWindow* parent);
};

class CChangeDetailsDlg : public CZrDialog {
public:
    enum : int {
        kDialogId = 193,
        kAgency = 1095,
        kClient = 1127,
        kExamId = 1120,
        kExaminer = 1110,
        kOneClassOnly = 1088,
        kSections = 1092,
        kSectionsLabel = 1223,
        kPrimaryClasses = 1130,
        kSecondaryClasses = 1135,
        kWordMark = 1138,
        kStatus = 1009,
    };

    // The dialog edits the form; after OK its details are to be stored.
    CChangeDetailsDlg(wxWindow* parent, CChangeDetailsForm& form, bool requireClientName);

    bool TransferDataFromWindow() override;

private:
    CChangeDetailsForm& form_;
    bool requireClientName_;
    wxTextCtrl* agency_;
    wxTextCtrl* client_;
    wxTextCtrl* examId_;
    wxTextCtrl* examiner_;
    wxCheckBox* oneClassOnly_;
    CNumberField* sections_;
};
