#include "app/ui/ProgramReports.h"

#include "app/document/TextException.h"
#include "app/document/ZR2000Doc.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "registers/ZrDbs.h"
#include "report/job/ReportJob.h"
#include "report/job/ZrDbsReportRegisters.h"
#include "report/ui/ReportSelectDlg.h"

#include <ctime>
#include <wx/utils.h>

bool CProgramReports::ChooseTemplate(std::string& templateName) {
    std::vector<std::string> names;
    const CSystemOptions& system = TheSystemOptions();
    system.ListTemplates(names);
    CTemplateChoice choice(std::move(names), TheUserOptions().GetReportTemplate(),
                           system.GetTemplateDir());
    CReportSelectDlg dialog(parent_(), choice, showHelp_);
    if (dialog.ShowModal() != wxID_OK || !choice.CanChoose())
        return false;
    templateName = choice.GetChosenName();
    return true;
}

void CProgramReports::RunReport(const std::string& templatePath, const std::string& outputPath,
                                CZR2000Doc& document) {
    const wxBusyCursor wait;
    CZrDbsReportRegisters registers(TheZrDbs());
    CZrDate today;
    today.SetTime(std::time(nullptr));
    CReportJob job(document, registers, TheUserOptions(), today);
    IDocumentHost& host = host_();
    try {
        job.Run(templatePath, outputPath, host);
    } catch (const CTextException& e) {
        host.ShowMessage(e.what());
    }
}
