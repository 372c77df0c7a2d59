// ZRPro: the application object. It starts the program through the start-up sequence; when a
// step ends start-up, the program ends without a main window.

#include "app/ui/MainFrame.h"
#include "app/ui/ZrProgram.h"
#include "core/ui/WxMessageBoxes.h"
#include "engines/Orb.h"

#include <memory>
#include <optional>
#include <wx/app.h>
#include <wx/image.h>

class CZR2000App : public wxApp {
public:
    bool OnInit() override {
        messageBoxes_.emplace();
        std::vector<std::string> arguments;
        for (int i = 1; i < argc; ++i)
            arguments.push_back(argv[i].utf8_string());
        program_ = std::make_unique<CZrProgram>(CZrProgram::Options{arguments, "", ""});
        Bind(wxEVT_IDLE, &CZR2000App::OnIdle, this);
        if (!program_->MakeStartup().Run()) {
            program_.reset();
            ShutdownOrb();
            return false;
        }
        SetTopWindow(program_->GetMainFrame());
        return true;
    }

    int OnExit() override {
        if (program_)
            program_->Exit();
        program_.reset();
        ShutdownOrb();
        messageBoxes_.reset();
        return wxApp::OnExit();
    }

private:
    // Idle time: the examination brings its searches' statistics up to date.
    void OnIdle(wxIdleEvent& event) {
        event.Skip();
        if (program_ && program_->GetMainFrame())
            program_->GetDocument().OnIdle();
    }

    std::optional<CWxMessageBoxes> messageBoxes_;
    std::unique_ptr<CZrProgram> program_;
};

wxIMPLEMENT_APP(CZR2000App);
