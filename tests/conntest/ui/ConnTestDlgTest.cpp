// The dialog under a real (virtual) display: runs go through its buttons and land in its lists
// and cells. Nothing here waits on a user: message boxes are recorded, waits have deadlines.

#include "conntest/ui/ConnTestDlg.h"

#include "FakeNetwork.h"
#include "LoopbackServers.h"
#include "conntest/ConnTestReport.h"
#include "conntest/CurlHttpClient.h"

#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/init.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

class WxEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static char name[] = "ConnTestDlgTest";
        static char* arguments[] = {name, nullptr};
        int count = 1;
        wxApp::SetInstance(new wxApp); // owned and deleted by wxEntryCleanup
        ASSERT_TRUE(wxEntryStart(count, arguments)) << "no display (run under xvfb-run)";
        ASSERT_TRUE(wxTheApp->CallOnInit());
    }
    void TearDown() override { wxEntryCleanup(); }
};

const auto* const kWx = ::testing::AddGlobalTestEnvironment(new WxEnvironment);

// Processes window events until `done` holds; false when the deadline passes first.
bool PumpUntil(const std::function<bool()>& done, std::chrono::seconds limit = 30s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        wxTheApp->Yield(true);
        wxTheApp->ProcessPendingEvents();
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// The dialog with its message boxes answered by the test.
class TestedDlg : public CConnTestDlg {
public:
    using CConnTestDlg::CConnTestDlg;
    std::vector<wxString> messages;

protected:
    void ShowMessage(const wxString& text, long) override { messages.push_back(text); }
};

// Holds every connect until the test opens the gate (or a deadline passes).
class GatedConnector : public IConnector {
public:
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    int Connect(const std::string&, int) override {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 20s, [this] { return open_; });
        return 0;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
};

class ConnTestDlgTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (!dialog_)
            return;
        wxWeakRef<wxWindow> alive(dialog_);
        dialog_->Close(true);
        EXPECT_TRUE(PumpUntil([&] { return !alive; }));
    }

    void Open(ConnTestNetwork network) {
        ConnTestConfig config;
        config.mainServer = "127.0.0.1";
        config.webHost = "localhost";
        config.supportAddress = "desk@velorin.test";
        dialog_ = new TestedDlg(nullptr, config, std::move(network));
        dialog_->Show();
    }

    template <typename Control>
    Control* Find(int id) const {
        auto* control = dynamic_cast<Control*>(dialog_->FindWindow(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    void Click(int id) {
        wxButton* button = Find<wxButton>(id);
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(button);
        button->ProcessWindowEvent(click);
    }

    void RunAndWait() {
        Click(wxID_OK);
        ASSERT_TRUE(PumpUntil([this] { return !dialog_->IsRunning(); }));
    }

    Lines Items(int listId) const {
        Lines items;
        for (const wxString& item : Find<wxListBox>(listId)->GetStrings())
            items.push_back(item.ToStdString());
        return items;
    }

    Lines Cells(const std::array<int, kRowCount>& ids) const {
        Lines cells;
        for (const int id : ids)
            cells.push_back(Find<wxTextCtrl>(id)->GetValue().ToStdString());
        return cells;
    }

    TestedDlg* dialog_ = nullptr;
};

} // namespace

TEST_F(ConnTestDlgTest, RunOverFakesFillsTheListsAndTheTable) {
    FakeNetwork fake;
    fake.portErrors[kFirstPort + 4] = 10061;
    Open(fake.Make());
    EXPECT_FALSE(Find<wxButton>(CConnTestDlg::kEmailButton)->IsEnabled());
    Find<wxCheckBox>(CConnTestDlg::kTestAllCheck)->SetValue(false);

    RunAndWait();

    RecordingWindow expected;
    FakeNetwork sameFake = fake;
    ConnTestConfig config;
    config.mainServer = "127.0.0.1";
    config.webHost = "localhost";
    ConnTestNetwork network = sameFake.Make();
    RunConnTest(config, network, expected, false, true, [] { return kRunTime; });

    EXPECT_EQ(Items(CConnTestDlg::kLogList), expected.log);
    EXPECT_EQ(Find<wxListBox>(CConnTestDlg::kLogList)->GetSelection(),
              static_cast<int>(expected.log.size()) - 1);
    EXPECT_EQ(Items(CConnTestDlg::kConclusionList),
              Lines({"You have access to the following databases: UK, CTM, US, DE, IN, IE, RW, CD",
                     "You do not have access to the following databases: UKDOM",
                     "Too access any of these you need to unblock the corresponding port number"}));
    EXPECT_EQ(Cells(CConnTestDlg::kMainCellIds),
              Lines({"OK", "OK", "OK", "OK", "Blocked", "OK", "OK", "OK", "OK", "OK"}));
    EXPECT_EQ(Cells(CConnTestDlg::kAltCellIds), Column("N/A", "Not tested"));
    EXPECT_TRUE(Find<wxButton>(CConnTestDlg::kEmailButton)->IsEnabled());
    EXPECT_TRUE(Find<wxButton>(wxID_OK)->IsEnabled());
    EXPECT_EQ(dialog_->GetReport().rfind("\r\nTest started at ", 0), 0u);
    EXPECT_NE(dialog_->GetReport().find("CONCLUSION: You do not have access to the following "
                                        "databases: UKDOM\r\n"),
              std::string::npos);
}

TEST_F(ConnTestDlgTest, HttpLibraryFailureIsShownInAMessage) {
    FakeNetwork fake;
    fake.http.failure = "Could not resolve proxy: proxy.test";
    Open(fake.Make());
    RunAndWait();
    ASSERT_TRUE(PumpUntil([this] { return !dialog_->messages.empty(); }));
    EXPECT_EQ(dialog_->messages[0], "Could not resolve proxy: proxy.test");
    EXPECT_EQ(Items(CConnTestDlg::kConclusionList).at(0),
              "There seems to be a problem accessing the Velorin web site.");
}

TEST_F(ConnTestDlgTest, WindowStaysLiveAndCannotCloseDuringARun) {
    FakeNetwork fake;
    ConnTestNetwork network = fake.Make();
    auto gate = std::make_unique<GatedConnector>();
    GatedConnector& gateRef = *gate;
    network.connector = std::move(gate);
    Open(std::move(network));

    Click(wxID_OK);
    ASSERT_TRUE(PumpUntil([this] { return Items(CConnTestDlg::kLogList).size() >= 10; }));
    EXPECT_TRUE(dialog_->IsRunning());
    EXPECT_FALSE(Find<wxButton>(wxID_OK)->IsEnabled());
    EXPECT_FALSE(Find<wxButton>(wxID_CANCEL)->IsEnabled());
    EXPECT_FALSE(dialog_->Close()); // vetoed
    EXPECT_EQ(Items(CConnTestDlg::kLogList).back(), "Test 4. Checking ZRpro ports...");

    gateRef.Open();
    ASSERT_TRUE(PumpUntil([this] { return !dialog_->IsRunning(); }));
    EXPECT_EQ(Items(CConnTestDlg::kConclusionList),
              Lines({"Your network is correctly configured for full ZRPro access."}));
}

TEST_F(ConnTestDlgTest, LoopbackSmokeRun) {
    ClearProxyEnvironment();
    const HttpServer web(200, 3000);
    const OpenPort open;
    const RefusedPort refused;
    std::map<int, int> ports;
    for (int row = 0; row < kRowCount; ++row)
        ports[kFirstPort + row] = row == 3 ? refused.Port() : open.Port();
    Open({std::make_unique<CSocketStack>(), std::make_unique<CSystemResolver>(),
          std::make_unique<CCurlHttpClient>(2s, web.Port()),
          std::make_unique<MappedConnector>(ports, 2s)});

    RunAndWait();

    const Lines log = Items(CConnTestDlg::kLogList);
    EXPECT_EQ(log.at(4), "... DNS OK (localhost - 127.0.0.1)");
    EXPECT_EQ(log.at(7), "... HTTP OK (127.0.0.1 - read 3000 bytes)");
    EXPECT_EQ(log.at(13), "... Main - US Engine Port closed (127.0.0.1:13576 - WSAECONNREFUSED)");
    EXPECT_EQ(Items(CConnTestDlg::kConclusionList).at(1),
              "You do not have access to the following databases: US");
    EXPECT_EQ(Cells(CConnTestDlg::kMainCellIds),
              Lines({"OK", "OK", "OK", "Blocked", "OK", "OK", "OK", "OK", "OK", "OK"}));
    EXPECT_EQ(Cells(CConnTestDlg::kAltCellIds), Column("N/A", "N/A"));
}

TEST_F(ConnTestDlgTest, EmailCopiesTheReportAndOpensTheMailLink) {
    // A stand-in opener records its arguments instead of starting a mail program.
    const fs::path bin = fs::temp_directory_path() / ("zr_opener_" + std::to_string(::getpid()));
    fs::create_directories(bin);
    const fs::path record = bin / "arguments";
    std::ofstream(bin / "xdg-open")
        << "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$#\" \"$1\" > '" + record.string() +
               ".tmp'\nmv '" + record.string() + ".tmp' '" + record.string() + "'\n";
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", bin.c_str(), 1);

    FakeNetwork fake;
    Open(fake.Make());
    RunAndWait();
    Click(CConnTestDlg::kEmailButton);
    ::setenv("PATH", oldPath.c_str(), 1);

    ASSERT_TRUE(PumpUntil([&] { return fs::exists(record); }, 10s));
    std::ifstream arguments(record);
    std::string count, link;
    std::getline(arguments, count);
    std::getline(arguments, link);
    EXPECT_EQ(count, "1");
    EXPECT_EQ(link, SupportMailLink("desk@velorin.test"));
    EXPECT_TRUE(dialog_->messages.empty());

    ASSERT_TRUE(wxTheClipboard->Open());
    wxTextDataObject text;
    EXPECT_TRUE(wxTheClipboard->GetData(text));
    wxTheClipboard->Close();
    EXPECT_EQ(text.GetText().ToStdString(), dialog_->GetReport());
    fs::remove_all(bin);
}
