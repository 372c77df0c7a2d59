#pragma once
// The program's views and the windows that show searches: the main view and in a watch the watch
// view (made for the main window), the one results window, the search progress window and the
// marks on the clipboard,
// put together over the program's document, registers and settings. Windows that later parts of
// the program bring are null in the views' context, and their commands are disabled.

#include "app/SearchRunFlow.h"
#include "app/details/ui/DetailsWindows.h"
#include "app/ui/CaveatSetWindow.h"
#include "app/ui/MainFrame.h"
#include "app/views/UsageStatistics.h"
#include "app/views/ViewServices.h"
#include "app/views/ui/ResultsFrame.h"

#include <functional>
#include <wx/weakref.h>

class CMainViewWindow;
class CWatchViewWindow;
class CZrProgram;

class CProgramViews : public IMainViewFactory,
                      public ISearchProgressRun,
                      public IDetailsOpener,
                      private IViewHost,
                      private IMarkClipboard {
public:
    struct Services {
        CZR2000Doc& document;
        IFileDialogs& fileDialogs;
        // The search flow of the program.
        std::function<bool(int searchId, bool openDetails)> runSearch;
        std::function<bool(int searchId, bool force, int found)> showResults;
        std::function<wxWindow*()> mainWindow;
        std::function<bool()> hasTrainingDb;
        std::function<void(int contextId)> showHelp;
        // The print commands of the main view.
        IMarkPrinting& printing;
        // A details window's Print Long and Print Short.
        std::function<void(wxWindow* parent, const CMark& mark, bool longForm)> printMark;
        // The difference check of the views' Web Diff.
        IWebDiff* webDiff = nullptr;
        // Convert to Watch; null keeps it disabled.
        IWatchConverter* watch = nullptr;
        // The search sheets; null keeps their commands disabled.
        ISearchSheets* sheets = nullptr;
    };

    explicit CProgramViews(Services services);
    // Ends the results window's review and destroys the main and watch views, before the
    // program destroys the document.
    ~CProgramViews() override;

    IResultsWindow& GetResultsWindow() { return results_; }
    CMainViewWindow* GetMainViewWindow() const { return mainView_.get(); }
    CWatchViewWindow* GetWatchViewWindow() const { return watchView_.get(); }
    // The views of a watch just made: the main view reviews the searches, the watch view selects
    // its first row.
    void ShowWatch();

    // IMainViewFactory.
    wxWindow* CreateMainView(wxWindow* parent) override;
    wxWindow* CreateWatchView(wxWindow* parent) override;

    // ISearchProgressRun.
    bool RunSearch(int searchId) override;

    // IDetailsOpener: the main view's details windows; OpenDetails shows an enquiry, whose window
    // keeps and commits what it kept when it closes.
    bool CanOpenDetails() const override;
    void OpenDetails(const CFilter& filter, int index) override;
    void CloseAll() override;

private:
    // IViewHost.
    bool RunSearch(int searchId, bool openDetails) override;
    bool ShowResults(int searchId, bool force, int found) override;
    bool RunSearches(const CFilter& filter) override;
    bool IsResultsWindowOpen() const override { return results_.IsOpen(); }
    void CloseResultsWindow() override { results_.Close(); }

    // IMarkClipboard.
    bool Put(std::span<const CMark> marks) override;
    bool Read(std::vector<CMark>& marks) override;
    bool HasMarks() const override;

    // The searches that pass run in the progress window.
    bool RunInProgressWindow(const std::function<void(class CSearchProgress&)>& addSearches);
    CResultsFrameOptions ResultsOptions();
    CViewContext MakeContext();

    Services services_;
    CMakerWebLogin webLogin_;
    CCaveatSetWindow caveatSets_;
    CDetailsWindows details_;
    CViewContext context_;
    CResultsWindow results_;
    wxWeakRef<CMainViewWindow> mainView_;
    wxWeakRef<CWatchViewWindow> watchView_;
};
