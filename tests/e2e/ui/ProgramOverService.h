#pragma once
// A test of the whole program in its windows over the local search service: system settings
// that name the service's repositories and the registers' sites on a loopback web server, file
// dialogs answered from a queue, printing into a PostScript file, and the program's windows.

#include "PostScriptPrinter.h"
#include "WxTestSupport.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/ui/ZrProgram.h"
#include "app/views/ui/MainViewWindow.h"
#include "app/views/ui/ResultsFrame.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"
#include "tests/support/QueuedFileDialogs.h"
#include "tests/support/RegisterPageMaker.h"
#include "tests/support/WebServer.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class ProgramOverService : public ::testing::Test {
protected:
    void SetUp() override {
        const TestServiceAddresses& service = local_service::Process().Addresses();
        std::string servers;
        for (const char* key : {"UK", "A6", "EUTradeMarks", "IN"})
            servers += std::string(key) + "=" + web_.BaseUrl() + "\n";
        folder_.Write("prog/ZrSystem.ini", "[Locations]\nHome=" + folder_ / "home" +
                                               "\n[Repository]\nRemote1=" + service.remote +
                                               "\nLocal=" + service.local +
                                               "\n[Test]\nShowWebDiff=1\n[WebServers]\n" + servers);
        control_ = local_service::ResetControl();
    }
    void TearDown() override {
        program_.reset();
        wx_test::Pump();
        std::filesystem::current_path(workingDir_);
    }

    CMainFrame& Frame() { return *program_->GetMainFrame(); }
    CZR2000Doc& Document() { return program_->GetDocument(); }
    CMainView& MainView() { return program_->GetViews().GetMainViewWindow()->GetView(); }
    CResultsFrame* Results() {
        return static_cast<CResultsWindow&>(program_->GetViews().GetResultsWindow()).GetFrame();
    }
    // The details window open, if any.
    static CDetailsFrame* Details() {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* frame = dynamic_cast<CDetailsFrame*>(window); frame && frame->IsShown())
                return frame;
        return nullptr;
    }
    void Command(wxWindow& window, int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        window.GetEventHandler()->ProcessEvent(event);
    }
    void Command(int id) { Command(Frame(), id); }

    std::filesystem::path workingDir_ = std::filesystem::current_path();
    CTempFolder folder_;
    CScopedEnv config_{"XDG_CONFIG_HOME", folder_ / "config"};
    LoopbackWebServer web_;
    CRegisterPageMaker pages_{web_};
    CPostScriptRunner printer_{folder_ / "printed.ps"};
    CQueuedFileDialogs files_;
    ZrTestControl_var control_;
    std::unique_ptr<CZrProgram> program_;
};
