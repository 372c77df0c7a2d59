// The program's commands that open the option sheets, the diagnostics, the about box and the
// examination's dialogs.

#include "app/MakerServer.h"
#include "app/dialogs/ProgramDiagnostics.h"
#include "app/dialogs/ui/DiagnosticsDlg.h"
#include "app/dialogs/ui/DocumentDialogs.h"
#include "app/dialogs/ui/SmallDialogs.h"
#include "app/options/ui/OptionChoosers.h"
#include "app/options/ui/OptionSheetDlg.h"
#include "app/ui/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "app/ui/ZrProgram.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "core/ui/InfoBoxWindow.h"
#include "engines/BgrJobs.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "registers/ZrDbs.h"

#include <wx/utils.h>
#include <wx/versioninfo.h>

namespace {

std::string WindowLibraryVersion() {
    const wxVersionInfo library = wxGetLibraryVersionInfo();
    return std::to_string(library.GetMajor()) + "." + std::to_string(library.GetMinor()) + "." +
           std::to_string(library.GetMicro());
}

} // namespace

void CZrProgram::BindDialogCommands() {
    CMainFrame& frame = *GetMainFrame();
    const auto runSheet = [this](COptionSheet sheet) {
        CWxOptionChoosers choosers;
        RunOptionSheet(
            FrameWindow(), sheet, choosers, TheUserOptions(),
            {[this](int hint) { document_->UpdateAllViews(nullptr, hint); }, ShowWxInfoBox});
    };
    frame.BindCommand(kCmdOptions, [runSheet] {
        runSheet(MakeOptionsSheet({TheUserOptions(), TheSystemOptions(), GetRegisterTable(),
                                   TheRepository(), TheZrDbs().GetDbSelection()}));
    });
    frame.BindCommand(kCmdKeywords, [runSheet] {
        runSheet(MakeKeywordsSheet(TheUserOptions(), TheSystemOptions()));
    });
    frame.BindDialogCommand(kCmdDiagnostics, [this](wxWindow& owner) {
        // With Ctrl held the report lists the examination's marks and searches too.
        const bool includeMarks = wxGetKeyState(WXK_CONTROL);
        CProgramDiagnosticsSource source({TheRepository(), TheZrDbs(), TheSystemOptions(),
                                          TheBgrJobManager(), WindowLibraryVersion()},
                                         document_.get());
        CDiagnosticsDlg dialog(&owner, source, fileDialogs_, includeMarks);
        dialog.ShowModal();
    });
    frame.BindDialogCommand(wxID_ABOUT, [](wxWindow& owner) {
        CAboutDlg dialog(&owner, TheSystemOptions().GetMakerEmail(),
                         TheSystemOptions().GetMakerWebSite());
        dialog.ShowModal();
    });
    frame.BindCommand(kCmdChangeDetails, [this] {
        RunChangeDetails(FrameWindow(), *document_, TheSystemOptions().GetRequireClientName());
    });
    frame.BindCommand(kCmdChangeDatabases, [this] {
        RunChangeDatabases(FrameWindow(), *document_, GetRegisterTable(), TheRepository(),
                           TheUserOptions(), MakerSite(TheSystemOptions()));
    });
}
