#pragma once
// The watch in the program: Examination > Convert to Watch with its options dialog and progress
// window, the runs of a watched mark's section that the watch view and Watch Mark ask for, and
// Watch All, both in the search progress window.

#include "app/SearchRunFlow.h"
#include "app/views/ViewServices.h"
#include "search/WatchController.h"

#include <functional>
#include <wx/event.h>

class CWatchProgress;
class wxWindow;

class CProgramWatch : public IWatchConverter, public IWatchRun, private IWatchWindows {
public:
    struct Services {
        CZR2000Doc& document;
        // The progress window of the conversion and the main window's layout.
        IDocumentHost& host;
        std::function<wxWindow*()> mainWindow;
        // Save as the File menu's Save does; false when the document was not saved.
        std::function<bool()> saveDocument;
        // The views' part of the watch layout.
        std::function<void()> showWatch;
        std::function<void(int contextId)> showHelp;
    };

    explicit CProgramWatch(Services services) : services_(std::move(services)) {}

    // IWatchConverter. The conversion runs once the command that asked for it has returned, as
    // the new layout replaces the view the command came from.
    void ConvertToWatch(CZR2000Doc& document) override;
    // IWatchRun.
    void RunCollected(int section) override;
    void RunAllSearches() override;

private:
    // IWatchWindows.
    bool SaveDocument() override { return services_.saveDocument(); }
    bool EditOptions(CWatchOptions& options) override;
    void ShowWatch() override { services_.showWatch(); }

    void GenerateWatch(CZR2000Doc& document);
    // The watch run in the search progress window, when collect found searches to run.
    void Run(const std::function<bool(CWatchProgress&)>& collect);

    Services services_;
    // Deferred calls die with the object.
    wxEvtHandler deferred_;
};
