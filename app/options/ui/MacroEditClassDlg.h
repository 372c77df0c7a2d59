#pragma once
// "Edit class keyword '<name>'": the class list a keyword stands for. OK keeps the dialog open
// with the invalid part of the text selected until the text is a class list; the value is then
// the list with its ranges compressed.

#include "core/ui/ZrDialog.h"

#include <string>

class wxTextCtrl;

class CMacroEditClassDlg : public CZrDialog {
public:
    static constexpr int kDialogId = 182;
    static constexpr int kValueId = 1104;

    CMacroEditClassDlg(wxWindow* parent, const std::string& name, const std::string& value);

    bool TransferDataFromWindow() override;
    const std::string& GetValue() const { return value_; }

private:
    wxTextCtrl* edit_;
    std::string value_;
};
