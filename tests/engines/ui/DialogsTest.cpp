// The new-version and exit-tasks dialogs under the display, driven through their buttons and
// timer.

#include "engines/ui/ExitTasksDlg.h"
#include "engines/ui/VersionInfoDlg.h"

#include "WxTestSupport.h"
#include "core/ui/WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

namespace {

using Texts = std::vector<std::string>;

std::string TextOf(wxWindow& dialog, int id) {
    return FromWx(wx_test::Child<wxStaticText>(dialog, id).GetLabel());
}

TEST(VersionInfoDlg, DownloadOpensTheAddressAndContinueDoesNot) {
    Texts opened;
    const CVersionNotice notice(
        CVersionInfo("5\t4.6.0\thttp://www.velorin.example/setup\tOld files stop working\t\t"
                     "Faster\tSmaller"),
        [&opened](const std::string& address) {
            opened.push_back(address);
            return 42;
        });
    for (const int button : {wxID_CANCEL, wxID_OK}) {
        CVersionInfoDlg dialog(nullptr, notice);
        wx_test::DialogScripts scripts;
        scripts.Add([button](wxDialog& shown) {
            EXPECT_EQ(TextOf(shown, CVersionInfoDlg::kHeadline),
                      "A new version 4.6.0 of RO Vedaridarevu is available.");
            EXPECT_EQ(TextOf(shown, CVersionInfoDlg::kFirstFeature), "Faster");
            EXPECT_EQ(TextOf(shown, CVersionInfoDlg::kFirstFeature + 1), "Smaller");
            EXPECT_EQ(TextOf(shown, CVersionInfoDlg::kFirstFeature + 2), "");
            EXPECT_EQ(TextOf(shown, CVersionInfoDlg::kWarning), "Old files stop working");
            EXPECT_EQ(wx_test::Child<wxStaticText>(shown, CVersionInfoDlg::kWarning)
                          .GetForegroundColour(),
                      *wxRED);
            wx_test::Click(wx_test::Child<wxButton>(shown, button));
        });
        EXPECT_EQ(dialog.ShowModal(), button);
    }
    EXPECT_EQ(opened, (Texts{"http://www.velorin.example/setup"}));
}

class NamedJob : public CBgrJob {
public:
    explicit NamedJob(std::string name) : name_(std::move(name)) {}
    std::string GetName() const override { return name_; }

private:
    std::string name_;
};

TEST(ExitTasksDlg, ListsTheJobsAndClosesByItselfWhenTheyEnd) {
    CBgrJobManager jobs;
    const auto report = std::make_shared<NamedJob>("Report");
    const auto watch = std::make_shared<NamedJob>("Watch");
    jobs.AddJob(report);
    jobs.AddJob(watch);
    {
        CExitTasksDlg dialog(nullptr, jobs);
        wx_test::DialogScripts scripts;
        scripts.Add([](wxDialog& shown) {
            EXPECT_EQ(wx_test::Child<wxListBox>(shown, CExitTasksDlg::kTaskList).GetStrings(),
                      (wxArrayString{2, std::array<wxString, 2>{"Report", "Watch"}.data()}));
            wx_test::Click(wx_test::Child<wxButton>(shown, wxID_CANCEL));
        });
        EXPECT_EQ(dialog.ShowModal(), wxID_CANCEL);
    }
    CExitTasksDlg dialog(nullptr, jobs);
    wx_test::DialogScripts scripts;
    scripts.Add([&](wxDialog&) {
        jobs.RemoveJob(*report);
        jobs.RemoveJob(*watch);
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
