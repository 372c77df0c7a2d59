#pragma once
// The connectivity test's one window: a thin dialog over the window-free test run. The run goes
// on a worker thread and reports back through queued calls, so the window stays live while
// ports take their time to answer.

#include "conntest/ConnTestConfig.h"
#include "conntest/ConnTester.h"
#include "conntest/Network.h"

#include <array>
#include <optional>
#include <thread>
#include <wx/dialog.h>
#include <wx/utils.h>

class wxButton;
class wxCheckBox;
class wxListBox;
class wxTextCtrl;

class CConnTestDlg : public wxDialog {
public:
    // Control ids besides wxID_OK ("Test") and wxID_CANCEL ("Exit").
    enum : int {
        kLogList = 1000,
        kTestAllCheck = 1001,
        kConclusionList = 1017,
        kEmailButton = 1018,
        kHttpCheck = 1019,
    };
    static constexpr std::array<int, kRowCount> kMainCellIds = {1003, 1005, 1007, 1009, 1011,
                                                                1013, 1015, 1020, 1022, 1024};
    static constexpr std::array<int, kRowCount> kAltCellIds = {1004, 1006, 1008, 1010, 1012,
                                                               1014, 1016, 1021, 1023, 1025};

    CConnTestDlg(wxWindow* parent, ConnTestConfig config, ConnTestNetwork network);
    ~CConnTestDlg() override;

    bool IsRunning() const { return worker_.joinable(); }
    const std::string& GetReport() const { return report_; }

protected:
    // Every message box of the dialog; tests answer them instead of a user.
    virtual void ShowMessage(const wxString& text, long style);

private:
    class WindowForwarder;

    void BuildControls();
    wxSizer* BuildStatusTable();
    void EnableButtons(bool enable);

    void OnTest(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnEmail(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    // The run's reports, on the window's thread.
    void AppendLog(const std::string& line);
    void AppendConclusion(const std::string& line);
    void SetRow(int port, const std::string& mainText, const std::string& altText);
    void ShowRunMessage(const std::string& text);
    void FinishRun(const std::string& report);

    ConnTestConfig config_;
    ConnTestNetwork network_;
    std::thread worker_;
    std::optional<wxBusyCursor> busy_;
    std::string report_;

    wxListBox* log_ = nullptr;
    wxListBox* conclusion_ = nullptr;
    wxButton* test_ = nullptr;
    wxButton* exit_ = nullptr;
    wxButton* email_ = nullptr;
    wxCheckBox* doHttp_ = nullptr;
    wxCheckBox* testAll_ = nullptr;
    std::array<wxTextCtrl*, kRowCount> mainCells_{};
    std::array<wxTextCtrl*, kRowCount> altCells_{};
};
