#include "app/ui/ProgramViews.h"

#include "app/document/SearchDocument.h"
#include "app/ui/ZrClipboard.h"
#include "app/ui/ZrStatusBar.h"
#include "app/views/ui/MainViewWindow.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/SearchEngines.h"
#include "engines/SearchProgress.h"
#include "engines/ui/SearchProgressDlg.h"
#include "registers/ZrDbs.h"
#include "search/ui/WatchViewWindow.h"

namespace {

// The watch view as the main window steps through the watch's sections.
class CProgramWatchView : public CWatchViewWindow, public IWatchSectionView {
public:
    using CWatchViewWindow::CWatchViewWindow;
    void ShowSection(int section) override { GetWatchView().ShowSection(section); }
};

} // namespace

namespace {

std::function<wxStatusBar*(wxFrame& frame)> StatusBarMaker(std::function<bool()> hasTrainingDb) {
    return [hasTrainingDb = std::move(hasTrainingDb)](wxFrame& frame) {
        auto* bar = new CZrStatusBar(&frame, hasTrainingDb);
        bar->Bind(wxEVT_IDLE, [bar](wxIdleEvent& event) {
            event.Skip();
            bar->UpdateLockKeys();
        });
        return bar;
    };
}

} // namespace

CProgramViews::CProgramViews(Services services)
    : services_(std::move(services)), webLogin_(TheSystemOptions()),
      caveatSets_(services_.mainWindow),
      details_({services_.document, TheZrDbs(), TheSystemOptions(), TheUserOptions(),
                services_.mainWindow, StatusBarMaker(services_.hasTrainingDb), services_.showHelp,
                services_.printMark}),
      context_(MakeContext()), results_(context_, ResultsOptions()) {
    context_.printing = &services_.printing;
}

CViewContext CProgramViews::MakeContext() {
    CViewContext context{services_.document,    TheZrDbs(), TheUserOptions(),
                         TheSystemOptions(),    *this,      *this,
                         services_.fileDialogs, &details_,  &details_};
    context.webDiff = services_.webDiff;
    context.webLogin = &webLogin_;
    context.watch = services_.watch;
    context.sheets = services_.sheets;
    context.caveatSets = &caveatSets_;
    return context;
}

CProgramViews::~CProgramViews() {
    results_.Close();
    // At once, not when the main window goes: the views follow the document.
    if (mainView_)
        mainView_->Destroy();
    if (watchView_)
        watchView_->Destroy();
}

CResultsFrameOptions CProgramViews::ResultsOptions() {
    CResultsFrameOptions options;
    options.showWebDiff = TheSystemOptions().GetTestSetting("ShowWebDiff", 0) != 0;
    options.mainWindow = services_.mainWindow;
    options.showHelp = services_.showHelp;
    options.makeStatusBar = StatusBarMaker(services_.hasTrainingDb);
    return options;
}

wxWindow* CProgramViews::CreateMainView(wxWindow* parent) {
    auto* window = new CMainViewWindow(parent, context_);
    mainView_ = window;
    return window;
}

wxWindow* CProgramViews::CreateWatchView(wxWindow* parent) {
    auto* window = new CProgramWatchView(parent, context_);
    watchView_ = window;
    return window;
}

void CProgramViews::ShowWatch() {
    if (mainView_)
        mainView_->GetView().ShowKeptMarks(false);
    if (watchView_ && watchView_->GetWatchView().GetMarkCount() > 0)
        watchView_->GetWatchView().SelectRow(0, 0);
}

bool CProgramViews::RunInProgressWindow(const std::function<void(CSearchProgress&)>& addSearches) {
    CSearchDocument document(services_.document);
    CSearchProgress progress(document, TheSearchServices());
    addSearches(progress);
    CSearchProgressDlg dialog(services_.mainWindow(), progress);
    return dialog.ShowModal() == wxID_OK;
}

bool CProgramViews::RunSearch(int searchId) {
    return RunInProgressWindow([searchId](CSearchProgress& run) { run.AddSearch(searchId); });
}

bool CProgramViews::RunSearches(const CFilter& filter) {
    return RunInProgressWindow([&filter](CSearchProgress& run) { run.AddSearches(filter); });
}

bool CProgramViews::RunSearch(int searchId, bool openDetails) {
    return services_.runSearch(searchId, openDetails);
}

bool CProgramViews::ShowResults(int searchId, bool force, int found) {
    return services_.showResults(searchId, force, found);
}

bool CProgramViews::CanOpenDetails() const {
    return mainView_ && mainView_->GetView().HasRoomForDetails();
}

void CProgramViews::OpenDetails(const CFilter& filter, int index) {
    if (!mainView_)
        return;
    CZrView& view = mainView_->GetView();
    if (IDetailsWindow* window = details_.OpenEnquiry(view, filter, index))
        view.AddDetails(window);
}

void CProgramViews::CloseAll() {
    if (mainView_)
        mainView_->GetView().CloseAllDetails();
}

bool CProgramViews::Put(std::span<const CMark> marks) {
    CZrClipboard clipboard;
    for (const CMark& mark : marks)
        clipboard.Add(mark);
    return clipboard.PutOnClipboard();
}

bool CProgramViews::Read(std::vector<CMark>& marks) {
    CZrClipboard clipboard;
    if (!clipboard.ReadClipboard())
        return false;
    marks.insert(marks.end(), clipboard.GetMarks().begin(), clipboard.GetMarks().end());
    return true;
}

bool CProgramViews::HasMarks() const {
    return CZrClipboard::ClipboardHasMarks();
}
