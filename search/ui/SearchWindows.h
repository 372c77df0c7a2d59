#pragma once
// The search definition's windows as the program opens them, one call each: a search edited in
// one of the three sheets, a search's information, and the new-examination wizard.

#include "engines/MakerSite.h"
#include "search/SearchSheetModel.h"
#include "search/ui/SearchDlg.h"

#include <functional>

class CSystemOptions;
class CUserOptions;
class CZR2000Doc;
class CZrDbs;
class CZrDocData;
class CZrRepository;
class IFinderDialogs;
class IRegisterTable;
class wxWindow;

class CSearchWindows {
public:
    struct Services {
        CZrDbs& registers;
        IRegisterTable& registerTable;
        const CZrRepository& repository;
        CUserOptions& user;
        const CSystemOptions& system;
        // The window the dialogs open over.
        std::function<wxWindow*()> parent;
        // Opens a help topic by its context id.
        std::function<void(int contextId)> showHelp;
        // The font of the selection pages' lists, as it is when a sheet opens.
        const wxFont& listFont;
        // The string finder's dialogs; null keeps the finder buttons disabled.
        IFinderDialogs* finders = nullptr;
        // Where the wizard's notice and training links point.
        CMakerSite makerSite = {};
    };

    explicit CSearchWindows(Services services) : services_(std::move(services)) {}

    // Edits the search of the examination in the sheet; true for OK, the search then edited.
    // showDetails: the enquiry sheet's "Show &Details" after OK.
    bool EditSearch(CSearchSheetModel::EKind sheet, const CZrDocData& examination, CSearch& search,
                    bool& showDetails);
    void ShowSearchInfo(const CZrDocData& examination, const CSearch& search);
    // The wizard, then the new examination with its designed searches in the document; false,
    // the document unchanged, when it was cancelled.
    bool NewExamination(CZR2000Doc& document);

private:
    Services services_;
};
