#include "app/ui/CommandPrompts.h"

#include "app/Announcements.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/ui/CommandIds.h"
#include "app/ui/RecentFiles.h"
#include "app/views/ui/ViewCommandIds.h"

namespace {

struct CPrompt {
    int id;
    const char* text;
};

// The commands of the frames' menus and tool bars.
constexpr CPrompt kPrompts[] = {
    {wxID_NEW, "Create a new examination"},
    {wxID_OPEN, "Open an existing examination"},
    {wxID_SAVE, "Save the examination"},
    {wxID_SAVEAS, "Save the examination with a new name"},
    {kCmdMerge, "Add the marks and searches of another examination to this one"},
    {kCmdReport, "Write a report of the examination to a file"},
    {wxID_PRINT, "Print the kept marks"},
    {wxID_PREVIEW, "Display the printed pages"},
    {kCmdPrintSetup, "Change the printer and printing options"},
    {wxID_EXIT, "Quit the application; prompts to save the examination"},
    {wxID_UNDO, "Undo the last delete"},
    {wxID_CUT, "Cut the selected marks and put them on the Clipboard"},
    {wxID_COPY, "Copy the selected marks and put them on the Clipboard"},
    {wxID_PASTE, "Add the marks on the Clipboard to the section"},
    {wxID_SELECTALL, "Select every mark shown"},
    {kCmdShortSelection, "Show the selected marks in short form"},
    {kCmdShortAll, "Show every mark in short form"},
    {kCmdLongSelection, "Show the selected marks in long form"},
    {kCmdLongAll, "Show every mark in long form"},
    {kCmdDetails, "Show the details of the selected mark"},
    {kCmdWebPage, "Open the web site of the selected domain name"},
    {kCmdDelete, "Delete the selected marks or search"},
    {kCmdKeptMarks, "Show the kept trademarks of the section"},
    {kCmdSearchReview, "Show the searches of the section"},
    {kCmdToggleDisplay, "Switch between the kept trademarks and the search review"},
    {kCmdNext, "Go to the next search or watched mark"},
    {kCmdPrevious, "Go to the previous search or watched mark"},
    {kCmdNextSection, "Show the next section"},
    {kCmdPreviousSection, "Show the previous section"},
    {kCmdChangeDetails, "Change the details of the examination"},
    {kCmdChangeDatabases, "Change the databases of the examination"},
    {kCmdConvertToWatch, "Make a watch of the kept trademarks"},
    {kCmdSearch, "Define a new search and run it"},
    {kCmdIdent, "Search for identical marks"},
    {kCmdEnquiry, "Find marks by their application numbers"},
    {kCmdCaveat, "Search the kept marks of a saved examination"},
    {kCmdSearchSection, "Run the searches of the section not yet run"},
    {kCmdSearchAll, "Run every search not yet run"},
    {kCmdUsageStatistics, "Open the usage statistics page"},
    {kCmdWatchAll, "Run every search of the watch again"},
    {kCmdWebDiff, "Compare the marks with the registers' web pages"},
    {kCmdOptions, "Change your options"},
    {kCmdKeywords, "Change your special characters and keywords"},
    {kCmdDiagnostics, "Show information that helps to find a fault"},
    {kCmdHelpTopics, "List Help topics"},
    {kCmdAboutDatabases, "Show help on the databases"},
    {wxID_ABOUT, "Display program information, version number and copyright"},
    {wxID_HELP, "Display help for the window"},
    {kCmdKeepSelection, "Keep the selected marks"},
    {kCmdKeepAll, "Keep every mark shown"},
    {kCmdDiscardSelection, "Discard the selected marks"},
    {kCmdDiscardAll, "Discard every mark shown"},
    {kCmdCloseResults, "Close the results window"},
    {kCmdNextSearch, "Show the results of the next search"},
    {kCmdPreviousSearch, "Show the results of the previous search"},
    {kCmdShowList, "Show the marks as a summary list"},
    {kCmdShowIcons, "Show the marks as icons"},
    {kCmdHidePreviouslyFound, "Hide the marks that earlier searches of the section found"},
    {CDetailsFrame::kCmdKeep, "Keep the mark"},
    {CDetailsFrame::kCmdDiscard, "Discard the mark"},
    {CDetailsFrame::kCmdClose, "Close the details window"},
    {CDetailsFrame::kCmdNext, "Show the next mark"},
    {CDetailsFrame::kCmdPrevious, "Show the previous mark"},
    {CDetailsFrame::kCmdPrintLong, "Print the mark with all its details"},
    {CDetailsFrame::kCmdPrintShort, "Print the mark's summary"},
    {CDetailsFrame::kCmdViewAllDetails, "Show every mark of the list in turn"},
    {wxID_VIEW_LIST, "Show or hide the tool bar"},
    {wxID_VIEW_DETAILS, "Show or hide the status bar"},
};

bool InRange(int id, int first, int count) {
    return id >= first && id < first + count;
}

} // namespace

std::string CommandPrompt(int id) {
    if (InRange(id, wxID_FILE1, CRecentFiles::kCount))
        return "Open this examination";
    if (InRange(id, kCmdFirstAnnouncement, CAnnouncements::kMaxMenuItems))
        return "Show this announcement";
    for (const CPrompt& prompt : kPrompts) {
        if (prompt.id == id)
            return prompt.text;
    }
    return "";
}
