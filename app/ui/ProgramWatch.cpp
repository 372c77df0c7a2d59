#include "app/ui/ProgramWatch.h"

#include "app/document/SearchDocument.h"
#include "core/UserOptions.h"
#include "engines/SearchEngines.h"
#include "engines/ui/SearchProgressDlg.h"
#include "registers/ZrDbs.h"
#include "search/WatchProgress.h"
#include "search/ui/WatchDlg.h"

void CProgramWatch::ConvertToWatch(CZR2000Doc& document) {
    deferred_.CallAfter([this, &document] { GenerateWatch(document); });
}

void CProgramWatch::GenerateWatch(CZR2000Doc& document) {
    // A second request queued behind the first finds a watch.
    if (document.IsWatch())
        return;
    CTableWatchRecords records(TheZrDbs());
    CWatchController controller(document, services_.host, *this, records, TheUserOptions());
    controller.GenerateWatch();
}

bool CProgramWatch::EditOptions(CWatchOptions& options) {
    CWatchDlg dialog(services_.mainWindow(), options, services_.showHelp);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    options = dialog.GetOptions();
    return true;
}

void CProgramWatch::Run(const std::function<bool(CWatchProgress&)>& collect) {
    CSearchDocument document(services_.document);
    CWatchProgress progress(document, TheSearchServices());
    if (!collect(progress))
        return;
    CSearchProgressDlg dialog(services_.mainWindow(), progress);
    dialog.ShowModal();
}

void CProgramWatch::RunCollected(int section) {
    Run([section](CWatchProgress& progress) { return progress.CollectSearches(section); });
}

void CProgramWatch::RunAllSearches() {
    Run([](CWatchProgress& progress) {
        progress.AddSearches(MakeKeptFilter(true, false));
        return true;
    });
}
