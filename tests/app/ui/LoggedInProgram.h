#pragma once
// The program logged in automatically to the local search service, on a new examination of the
// United Kingdom's databases, under the (virtual) display.

#include "NewExamScript.h"
#include "WxTestSupport.h"
#include "app/ui/ZrProgram.h"
#include "app/views/ui/MainViewWindow.h"
#include "core/IniFile.h"
#include "core/SystemOptions.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"

class LoggedInProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const TestServiceAddresses& service = local_service::Process().Addresses();
        const std::string system =
            folder_.Write("prog/ZrSystem.ini", "[Locations]\nHome=" + folder_ / "home" +
                                                   "\n[Repository]\nRemote1=" + service.remote +
                                                   "\nLocal=" + service.local + "\n");
        std::filesystem::create_directories(folder_ / "home");
        CSystemOptions settings;
        settings.Load(folder_ / "prog");
        ASSERT_TRUE(settings.SaveDefaultLogin(local_service::kCompanyId, local_service::kUserId,
                                              local_service::kPassword));
        CIniFile(system).WriteBool("DefaultLogin", "AutoLogin", true);
        control_ = local_service::ResetControl();
        program_ = std::make_unique<CZrProgram>(CZrProgram::Options{
            {}, folder_ / "prog", folder_ / "config/ZR2000.ini", nullptr, Printer()});
        startup_ = program_->MakeStartup();
        wx_test::DialogScripts wizard;
        wizard.Add(FinishNewExamination);
        ASSERT_TRUE(startup_.Run());
    }
    void TearDown() override {
        program_.reset();
        wx_test::Pump();
        std::filesystem::current_path(workingDir_);
    }

    // The printer the program prints on; null for the desktop's.
    virtual IPrintRunner* Printer() { return nullptr; }

    CZR2000Doc& Document() { return program_->GetDocument(); }
    CResultsFrame* Results() {
        return static_cast<CResultsWindow&>(program_->GetViews().GetResultsWindow()).GetFrame();
    }
    CMainViewWindow& MainView() { return *program_->GetViews().GetMainViewWindow(); }
    // The records of the United Kingdom's register kept in section 0, which the main view shows.
    CMainView& KeepInFirstSection(std::initializer_list<std::uint32_t> records) {
        std::vector<CMark> kept;
        for (const std::uint32_t record : records)
            kept.emplace_back(record, 'u', 0, 0, 0, CMark::kPermanentKeep);
        Document().AddMarks(kept, 0, 0);
        CMainView& view = MainView().GetView();
        view.SetSection(0);
        view.ShowKeptMarks(true);
        return view;
    }
    int KeptIn(int section) { return Document().CountMarks(MakeSectionFilter(section, false)); }

    std::filesystem::path workingDir_ = std::filesystem::current_path();
    CTempFolder folder_;
    CScopedEnv config_{"XDG_CONFIG_HOME", folder_ / "config"};
    ZrTestControl_var control_;
    std::unique_ptr<CZrProgram> program_;
    CStartupSequence startup_;
};
