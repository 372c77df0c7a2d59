#pragma once
// What the views of an examination ask of the rest of the program: the document and registers
// they show, the settings, the search runs and the results window, and the windows that later
// parts of the program bring (details windows, keep sounds). A service that is not there yet is
// null, and the commands that need it are disabled.

#include "core/Filter.h"
#include "core/Mark.h"

#include <span>
#include <string>
#include <vector>

class CSearch;
class CSystemOptions;
class CUserOptions;
class CZR2000Doc;
class CZrDbs;
class CZrDocData;
class CZrView;
class IFileDialogs;

// The search runs and the results window of the program.
class IViewHost {
public:
    virtual ~IViewHost() = default;
    // Runs the search unless it ran, then shows its results (CSearchRunFlow).
    virtual bool RunSearch(int searchId, bool openDetails) = 0;
    virtual bool ShowResults(int searchId, bool force, int found) = 0;
    // Runs every search that passes, one after the other, in the progress window; true when
    // the run ended with OK.
    virtual bool RunSearches(const CFilter& filter) = 0;
    virtual bool IsResultsWindowOpen() const = 0;
    virtual void CloseResultsWindow() = 0;
};

// One details window, opened from a view; it calls CZrView::RemoveDetails when it closes.
class IDetailsWindow {
public:
    virtual ~IDetailsWindow() = default;
    virtual CMark GetMark() const = 0;
    virtual void Close() = 0;
};

// Opens details windows.
class IDetailsWindows {
public:
    virtual ~IDetailsWindows() = default;
    // A details window on the row of the view, stepping through the rows of its filter; null
    // when none could be made.
    virtual IDetailsWindow* Open(CZrView& view, const CFilter& filter, int row) = 0;
};

// The sounds of keeping and discarding a mark with a click on its box.
class IKeepSounds {
public:
    virtual ~IKeepSounds() = default;
    // "ZRPro_Keep" when the mark is now kept, else "ZRPro_UnKeep".
    virtual void PlayKeepSound(bool kept) = 0;
};

// Marks on the clipboard ("ZrMarks").
class IMarkClipboard {
public:
    virtual ~IMarkClipboard() = default;
    virtual bool Put(std::span<const CMark> marks) = 0;
    // Appends the clipboard's marks; false when it holds none.
    virtual bool Read(std::vector<CMark>& marks) = 0;
    virtual bool HasMarks() const = 0;
};

// The search definition sheets, by the mode they open in.
enum class ESearchSheet { Full = 448, Ident = 515, Enquiry = 516 };

class ISearchSheets {
public:
    virtual ~ISearchSheets() = default;
    // Edits the search in the sheet; true for OK. The enquiry sheet also says whether the one
    // mark found opens in a details window.
    virtual bool Edit(ESearchSheet sheet, CSearch& search, bool& showDetails) = 0;
    // The search information dialog.
    virtual void ShowSearchInfo(const CSearch& search) = 0;
};

// The record set of a caveat search, chosen among those the examination's registers offer.
class ICaveatSetChooser {
public:
    virtual ~ICaveatSetChooser() = default;
    virtual bool Choose(CZR2000Doc& document, std::string& setName) = 0;
};

// A watch generated from the examination's kept marks.
class IWatchConverter {
public:
    virtual ~IWatchConverter() = default;
    virtual void ConvertToWatch(CZR2000Doc& document) = 0;
};

// The difference check of the marks that pass the filter against the registers' web records.
class IWebDiff {
public:
    virtual ~IWebDiff() = default;
    virtual void Run(CZR2000Doc& document, const CFilter& filter) = 0;
};

// The maker's web login, whose answers open the usage statistics page.
struct CWebLoginAnswers {
    std::string company;
    std::string clientName;
    std::string cookie;
};

class IWebLogin {
public:
    virtual ~IWebLogin() = default;
    // False, with the connection's error text, when the page could not be had.
    virtual bool Login(const std::string& companyId, const std::string& userId,
                       const std::string& password, CWebLoginAnswers& answers,
                       std::string& errorText) = 0;
    // The host (with its ":port" when it has one) that the statistics page is asked of.
    virtual std::string GetHost() const = 0;
};

// Printing of kept marks: the whole examination, or only the marks that were selected (then
// offered and chosen first in the print dialog).
class IMarkPrinting {
public:
    virtual ~IMarkPrinting() = default;
    virtual void Print(const CZrDocData& document, const CZrDocData* selection, bool preview) = 0;
};

struct CViewContext {
    CZR2000Doc& document;
    CZrDbs& registers;
    CUserOptions& user;
    const CSystemOptions& system;
    IViewHost& host;
    IMarkClipboard& clipboard;
    IFileDialogs& fileDialogs;
    // The windows that later parts of the program bring; null until they do.
    IDetailsWindows* details = nullptr;
    IKeepSounds* sounds = nullptr;
    ISearchSheets* sheets = nullptr;
    ICaveatSetChooser* caveatSets = nullptr;
    IWatchConverter* watch = nullptr;
    IWebDiff* webDiff = nullptr;
    IWebLogin* webLogin = nullptr;
    IMarkPrinting* printing = nullptr;
};
