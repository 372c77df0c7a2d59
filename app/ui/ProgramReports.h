#pragma once
// Reports from templates in the program: the template chooser over the templates folder with
// the user's default, and report runs over the register table under the progress window. A
// template that cannot be read or a report that cannot be written is told in a message box.

#include "app/MainFrameCommands.h"

#include <functional>

class IDocumentHost;
class wxWindow;

class CProgramReports : public IReportRunner {
public:
    // Each is asked when a report needs it: the window the chooser sits over, the host of the
    // progress window and the messages, and the opener of help topics by context id.
    CProgramReports(std::function<wxWindow*()> parent, std::function<IDocumentHost&()> host,
                    std::function<void(int contextId)> showHelp)
        : parent_(std::move(parent)), host_(std::move(host)), showHelp_(std::move(showHelp)) {}

    bool ChooseTemplate(std::string& templateName) override;
    void RunReport(const std::string& templatePath, const std::string& outputPath,
                   CZR2000Doc& document) override;

private:
    std::function<wxWindow*()> parent_;
    std::function<IDocumentHost&()> host_;
    std::function<void(int contextId)> showHelp_;
};
