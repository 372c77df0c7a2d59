#pragma once
// Convert To Watch: the options of the watch generation (cross classes, devices, how word terms
// match). The dialog edits the options; the caller keeps them in the settings after OK.

#include "core/ui/ZrDialog.h"
#include "search/WatchBuilder.h"

#include <functional>

class wxCheckBox;
class wxRadioButton;

class CWatchDlg : public CZrDialog {
public:
    enum : int {
        kCrossClassesId = 1220,
        kDevicesId = 1222,
        kExactMatchId = 1248,
        kSubstringMatchId = 1249,
        kHelpContext = 0x20000 + 175,
    };

    // showHelp opens a help topic by its context id.
    CWatchDlg(wxWindow* parent, const CWatchOptions& options,
              std::function<void(int contextId)> showHelp);

    const CWatchOptions& GetOptions() const { return options_; }
    bool TransferDataFromWindow() override;

private:
    CWatchOptions options_;
    wxCheckBox* crossClasses_;
    wxCheckBox* devices_;
    wxRadioButton* exact_;
    wxRadioButton* substring_;
};
