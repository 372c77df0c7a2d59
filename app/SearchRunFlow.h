#pragma once
// Running a search of the active examination and showing its results: which window opens (the
// search progress, the results window, a details window, the watch run) and what the user is
// told. The windows themselves are behind the interfaces below, which the program's windows
// implement; until a window exists, its placeholder does nothing visible.

#include "core/Filter.h"

class CZR2000Doc;
class CUserOptions;

// The modal search progress over searches of the document.
class ISearchProgressRun {
public:
    virtual ~ISearchProgressRun() = default;
    // Runs the search; true when the run ended with OK.
    virtual bool RunSearch(int searchId) = 0;
};

// The watch run over the document's searches.
class IWatchRun {
public:
    virtual ~IWatchRun() = default;
    // Collects the section's searches still to run and, when there are any, runs them modally.
    virtual void RunCollected(int section) = 0;
    // Runs every search of the document modally.
    virtual void RunAllSearches() = 0;
};

// The one results window of the program.
class IResultsWindow {
public:
    virtual ~IResultsWindow() = default;
    virtual bool IsOpen() const = 0;
    // The search its active view shows; nothing when it has no active view.
    virtual bool GetShownSearch(int& searchId) const = 0;
    // Its active view forgets the selected marks.
    virtual void ForgetSelection() = 0;
    virtual void Focus() = 0;
    // Opens it on the document's current search, showing previously found marks when asked,
    // and focuses it.
    virtual void Open(bool showPreviouslyFound) = 0;
    virtual void Close() = 0;
};

// The main view's details windows.
class IDetailsOpener {
public:
    virtual ~IDetailsOpener() = default;
    // False when the main view has as many details windows open as it allows.
    virtual bool CanOpenDetails() const = 0;
    // A details window on the n-th mark passing the filter, opened from the main view, which
    // commits the marks it kept when it closes.
    virtual void OpenDetails(const CFilter& filter, int index) = 0;
    virtual void CloseAll() = 0;
};

// Questions of the results flow.
class ISearchPrompts {
public:
    virtual ~ISearchPrompts() = default;
    // "U207 No new marks found": true when the user ticked "View the previously found marks".
    virtual bool AskViewPreviouslyFound() = 0;
};

struct CSearchRunWindows {
    ISearchProgressRun& progress;
    IWatchRun& watch;
    IResultsWindow& results;
    IDetailsOpener& details;
    ISearchPrompts& prompts;
};

class CSearchRunFlow {
public:
    CSearchRunFlow(CSearchRunWindows windows, const CUserOptions& user)
        : windows_(windows), user_(user) {}

    // Runs the search unless it ran before, then shows its results; a search that found one
    // mark shows it in a details window when asked. True when the results window shows it (a
    // watch always answers true).
    bool RunSearch(CZR2000Doc& document, int searchId, bool openDetails);
    // Opens or refreshes the results window for the search. With force it opens even when no
    // mark passes; found is the search's found count, -1 to take it from the search.
    bool ShowResults(CZR2000Doc& document, int searchId, bool force, int found);

private:
    CSearchRunWindows windows_;
    const CUserOptions& user_;
};
