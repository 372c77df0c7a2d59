#pragma once
// The differences dialog: checks marks of the examination against their registers' public pages
// in one run and lists every difference. The run starts half a second after the window opens and
// again on Run Again; its web work goes on a thread of its own (CDiffWorker) while a progress
// window offers Cancel, and the lines arrive a mark at a time. Close, Run Again and Save To File
// wait for the run to end; closing the window, or Escape, ends the run as Cancel does (the marks
// found to differ so far are flagged and summed up) before the window goes.

#include "app/FileDialogs.h"
#include "app/document/DocumentServices.h"
#include "core/Filter.h"
#include "web/DiffWorker.h"

#include <functional>
#include <memory>
#include <vector>
#include <wx/dialog.h>
#include <wx/timer.h>

class CHScrollListBox;
class CZrDbs;
class CZrDocData;
class wxButton;
class wxStaticText;

// What the dialog works with besides its marks.
struct CDiffServices {
    CZrDbs& registers;
    CWebServers servers;
    // Opens the progress window.
    IDocumentHost& host;
    // Asks where the report is saved.
    IFileDialogs& fileDialogs;
    // Opens a help topic by its context id.
    std::function<void(int contextId)> showHelp;
    CWebOptions webOptions = DiffWebOptions();
};

class CDiffDlg : public wxDialog {
public:
    // Control ids besides wxID_CANCEL ("Close") and wxID_HELP.
    enum : int {
        kStatusText = 1009,
        kSaveButton = 1056,
        kRunAgainButton = 1058,
        kReportList = 1062,
        kHelpContext = 0x20000 + 202,
    };
    static constexpr int kStartDelayMs = 500;

    CDiffDlg(wxWindow* parent, std::vector<CMark> marks, CDiffServices services);
    ~CDiffDlg() override;

    bool IsRunning() const { return worker_ && !worker_->IsFinished(); }

private:
    void BuildControls();
    void EnableButtons(bool enable);
    void StartRun();
    // Ends a run in progress as Cancel does, at once.
    void StopRun();
    // Brings the window forward with the focus on the control, so that keys (Escape above all)
    // reach it without a click.
    void TakeFocus(wxWindow& control);

    void ShowProgress(const std::string& text, int item);
    void AddLines(const std::vector<std::string>& lines);
    void FinishRun(const std::string& summary);
    void SaveToFile();
    void OnClose(wxCloseEvent& event);

    std::vector<CMark> marks_;
    CDiffServices services_;
    std::unique_ptr<CDiffRun> run_;
    std::unique_ptr<CDiffWorker> worker_;
    std::unique_ptr<IProgress> progress_;
    wxTimer startTimer_;
    // Passes the progress window's Cancel on to the run.
    wxTimer cancelPoll_;

    wxStaticText* status_ = nullptr;
    CHScrollListBox* report_ = nullptr;
    wxButton* close_ = nullptr;
    wxButton* runAgain_ = nullptr;
    wxButton* save_ = nullptr;
};

// The dialog, modal, over the document's marks that pass the filter.
void ShowDiffDlg(wxWindow* parent, const CZrDocData& document, const CFilter& filter,
                 CDiffServices services);
