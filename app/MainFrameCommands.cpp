#include "app/MainFrameCommands.h"

#include "app/SearchRunFlow.h"
#include "app/document/ZR2000Doc.h"
#include "core/AppTitle.h"
#include "core/FilePath.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/BgrJobs.h"

#include <algorithm>

namespace {

constexpr int kMinimumWidth = 500;

} // namespace

CRect MainWindowRect(const CRect& workArea) {
    const int width = workArea.Width() < kMinimumWidth
                          ? workArea.Width()
                          : std::max(workArea.Width() / 2, kMinimumWidth);
    return {workArea.left, workArea.top, workArea.left + width, workArea.bottom};
}

std::string MainFrameTitle(const std::string& documentTitle, bool watch) {
    const std::string suffix = watch ? " (Watching)" : "";
    if (documentTitle.empty())
        return kAppTitle + suffix;
    return documentTitle + " - " + kAppTitle + suffix;
}

CFileDialogRequest MakeReportDialog(const std::string& templateName, const std::string& folder) {
    const std::string extension = FileExtOfPath(templateName);
    const std::string name = RemoveFileExt(templateName);
    CFileDialogRequest request;
    request.kind = CFileDialogRequest::Kind::Save;
    request.title = "Report";
    request.filter =
        "ZRPro " + name + " report (*." + extension + ")|*." + extension + "|All files (*.*)|*.*|";
    request.folder = folder;
    return request;
}

std::string ReportOutputPath(const std::string& typedPath, const std::string& templateName) {
    const std::string extension = FileExtOfPath(templateName);
    if (extension.empty() || !FileExtOfPath(typedPath).empty())
        return typedPath;
    return typedPath + "." + extension;
}

bool CheckExitTasks(const CBgrJobManager& jobs, const std::function<bool()>& showExitTasks) {
    int remaining = 0;
    jobs.GetProgress(remaining);
    return remaining == 0 || showExitTasks();
}

void CMainFrameCommands::Report() {
    std::string templateName;
    if (!services_.reports.ChooseTemplate(templateName))
        return;
    services_.user.SetReportTemplate(templateName);
    std::string typed;
    if (!services_.dialogs.Ask(MakeReportDialog(templateName, services_.system.GetReportDir()),
                               typed))
        return;
    services_.reports.RunReport(AppendPath(services_.system.GetTemplateDir(), templateName),
                                ReportOutputPath(typed, templateName), document_);
}

bool CMainFrameCommands::CanWatchAll() const {
    return document_.IsWatch() && document_.GetSearchCount() > 0;
}

void CMainFrameCommands::WatchAll() {
    if (!services_.panes.HasMainView() || !CanWatchAll())
        return;
    // Only the kept marks of no search stay: the watched marks themselves.
    document_.KeepFiltered(MakeSearchMarksFilter(0, false), true);
    // The views' lists of marks would point past the marks that went.
    document_.UpdateAllViews(nullptr, kHintContents);
    services_.panes.RefreshMainView();
    services_.watch.RunAllSearches();
    services_.panes.RefreshMainView();
    if (services_.user.GetWatchSkipReview()) {
        document_.CommitAllMarks();
        if (services_.user.GetWatchAutoReport())
            RunWatchReport();
        return;
    }
    services_.flow.ShowResults(document_, document_.GetFirstSearch(), true, -1);
}

void CMainFrameCommands::RunWatchReport() {
    const std::string templatePath =
        AppendPath(services_.system.GetTemplateDir(), services_.user.GetWatchDefaultReport());
    const std::string& path = document_.GetPathName();
    const std::string baseName = path.empty() ? "untitled" : RemoveFileExt(FileNameOfPath(path));
    const std::string outputPath = AppendPath(services_.user.GetWatchReportDir(),
                                              baseName + "." + FileExtOfPath(templatePath));
    MakeDirPath(outputPath);
    services_.reports.RunReport(templatePath, outputPath, document_);
}

void CMainFrameCommands::Step(bool forward) {
    const int current = document_.GetCurrentSearch();
    if (document_.IsWatch()) {
        const int section =
            forward ? document_.GetNextSearch(current) : document_.GetPreviousSearch(current);
        if (section >= 1)
            services_.panes.ShowWatchSection(section);
        return;
    }
    if (!services_.panes.HasMainView())
        return;
    const int searchId =
        forward ? document_.GetNextSearch(current) : document_.GetPreviousSearch(current);
    if (searchId >= 1)
        services_.flow.RunSearch(document_, searchId, false);
}
