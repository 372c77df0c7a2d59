#pragma once
// Command ids of the main window's menus and tool bar that are not wxWidgets' own.

#include <wx/defs.h>

enum EZrCommand : int {
    kCmdNext = wxID_HIGHEST + 1,
    kCmdPrevious,
    kCmdOptions,
    kCmdKeptMarks,
    kCmdToggleDisplay,
    kCmdSearchReview,
    kCmdChangeDetails,
    kCmdReport,
    kCmdDiagnostics,
    kCmdWatchAll,
    kCmdKeywords,
    kCmdChangeDatabases,
    kCmdMerge,
    kCmdPreviousSection,
    kCmdNextSection,
    kCmdUsageStatistics,
    kCmdWebDiff,
    kCmdAboutDatabases,
    kCmdPrintSetup,
    kCmdQuickSave,
    kCmdHelpTopics,
    kCmdFirstAnnouncement, // and the four after it
};

// The help context of About the Databases.
inline constexpr int kAboutDatabasesHelpContext = 32838;
