#pragma once
// The main view's rules as pure functions of its state: which commands are enabled, and what an
// update hint of the document asks the view to do.

enum class EMainCommand {
    Search,
    Ident,
    Enquiry,
    Caveat,
    SearchSection,
    SearchAll,
    RunSearchRow,
    SearchInfo,
    Add,
    Edit,
    Delete,
    Undo,
    Cut,
    Copy,
    Paste,
    SelectAll,
    ShortSelection,
    ShortAll,
    LongSelection,
    LongAll,
    NextSection,
    PreviousSection,
    KeptMarks,
    SearchReview,
    ToggleDisplay,
    ConvertToWatch,
    UsageStatistics,
    WebDiff,
    Print,
    PrintPreview,
    Details,
    WebPage,
};

struct CMainViewState {
    bool watch = false;
    bool keptDisplay = true;
    int selectedRows = 0;
    int shownMarks = 0;
    bool searchRowCurrent = false;
    bool currentSearchHasRun = false;
    bool undoPossible = false;
    int section = 0;
    int sectionCount = 1;
    bool notRunInSection = false;
    bool notRunAnywhere = false;
    bool clipboardHasMarks = false;
    bool documentHasKeptMarks = false;
    bool canOpenDetails = false;
    bool canOpenWebPage = false;
    // Which of the windows of later parts of the program are there.
    bool hasSheets = false;
    bool hasCaveatSets = false;
    bool hasWatchConverter = false;
    bool hasWebDiff = false;
    bool hasWebLogin = false;
    bool hasPrinting = false;
};

bool IsMainCommandEnabled(EMainCommand command, const CMainViewState& state);

// What one update of the document asks of the main view.
struct CMainViewUpdate {
    // The sections changed and the view's is gone, or the content is new.
    bool toSectionZero = false;
    bool rebuildMarks = false;
    bool rebuildSearches = false;
    // The rebuilt display starts from its top.
    bool toTop = false;
    bool clearUndo = false;
    // The tabs placed and named again.
    bool refreshLayout = false;
    bool redrawFrame = false;
    // The active display recalculated where it is (the user's fonts may have changed).
    bool recalculate = false;
    // The document's current search may have to be shown in the search display.
    bool followCurrentSearch = false;
    // Redrawn only: kept flags (kept display) or search statistics (search display).
    bool redrawMarks = false;
    bool redrawSearches = false;
};

CMainViewUpdate PlanMainViewUpdate(int hint, int section, int sectionCount);
