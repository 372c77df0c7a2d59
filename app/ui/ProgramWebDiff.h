#pragma once
// The views' Web Diff: the differences dialog over the marks that pass the view's filter, with
// the program's register table, the web servers of the system settings, its progress window,
// file dialogs and help.

#include "app/FileDialogs.h"
#include "app/views/ViewServices.h"

#include <functional>

class IDocumentHost;
class wxWindow;

class CProgramWebDiff : public IWebDiff {
public:
    // Each is asked when the dialog opens: the window it sits over and the host of its progress
    // window; showHelp opens a help topic by its context id.
    CProgramWebDiff(std::function<wxWindow*()> parent, std::function<IDocumentHost&()> host,
                    IFileDialogs& fileDialogs, std::function<void(int contextId)> showHelp)
        : parent_(std::move(parent)), host_(std::move(host)), fileDialogs_(fileDialogs),
          showHelp_(std::move(showHelp)) {}

    void Run(CZR2000Doc& document, const CFilter& filter) override;

private:
    std::function<wxWindow*()> parent_;
    std::function<IDocumentHost&()> host_;
    IFileDialogs& fileDialogs_;
    std::function<void(int contextId)> showHelp_;
};
