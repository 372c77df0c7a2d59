#pragma once
// Command ids of the views' menus, tool bar and context menus that are neither wxWidgets' own
// nor the main window's (app/ui/CommandIds.h), which they follow.

#include <wx/defs.h>

enum EViewCommand : int {
    kCmdSearch = wxID_HIGHEST + 200,
    kCmdIdent,
    kCmdEnquiry,
    kCmdCaveat,
    kCmdSearchSection,
    kCmdSearchAll,
    kCmdRunSearchRow,
    kCmdSearchInfo,
    kCmdAddSearch,
    kCmdEditSearch,
    kCmdDelete,
    kCmdShortSelection,
    kCmdShortAll,
    kCmdLongSelection,
    kCmdLongAll,
    kCmdDetails,
    kCmdWebPage,
    kCmdConvertToWatch,
    kCmdSectionInfo,
    kCmdChangeSectionName,
    kCmdKeepSelection,
    kCmdKeepAll,
    kCmdDiscardSelection,
    kCmdDiscardAll,
    kCmdCloseResults,
    kCmdNextSearch,
    kCmdPreviousSearch,
    kCmdShowList,
    kCmdShowIcons,
    kCmdHidePreviouslyFound,
};
