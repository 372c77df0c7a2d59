#pragma once
// The program's file dialogs: wxFileDialog over the main window.

#include "app/FileDialogs.h"

#include <functional>

class wxWindow;

class CWxFileDialogs : public IFileDialogs {
public:
    // The parent of the dialog, asked when it opens.
    explicit CWxFileDialogs(std::function<wxWindow*()> parent) : parent_(std::move(parent)) {}
    bool Ask(const CFileDialogRequest& request, std::string& path) override;

private:
    std::function<wxWindow*()> parent_;
};
