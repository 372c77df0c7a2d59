#pragma once
// The program's file dialogs: wxFileDialog over the main window.

#include "app/FileDialogs.h"

class wxWindow;

class CWxFileDialogs : public IFileDialogs {
public:
    explicit CWxFileDialogs(wxWindow*& parent) : parent_(parent) {}
    bool Ask(const CFileDialogRequest& request, std::string& path) override;

private:
    wxWindow*& parent_;
};
