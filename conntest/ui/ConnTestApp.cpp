// ZrProTest: tests a workstation's access to the search service. One dialog; the program ends
// when it closes.

#include "conntest/ConnTestConfig.h"
#include "conntest/SystemNetwork.h"
#include "conntest/ui/ConnTestDlg.h"

#include <iostream>
#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

class CConnTestApp : public wxApp {
public:
    bool OnInit() override {
        ConnTestConfig config;
        std::vector<std::string> arguments;
        for (int i = 1; i < argc; ++i)
            arguments.push_back(argv[i].ToStdString());
        const std::string iniPath =
            ConnTestIniPath(wxStandardPaths::Get().GetExecutablePath().ToStdString());
        if (const auto problems = LoadConnTestConfig(config, iniPath, arguments);
            !problems.empty()) {
            std::string text;
            for (const std::string& problem : problems)
                text += problem + "\n";
            std::cerr << text;
            wxMessageBox(wxString(text.c_str(), wxConvWhateverWorks), "ZrProTest",
                         wxOK | wxICON_ERROR);
            return false;
        }
        auto* dialog = new CConnTestDlg(nullptr, config, MakeSystemNetwork(config));
        SetTopWindow(dialog);
        dialog->Show();
        return true;
    }
};

wxIMPLEMENT_APP(CConnTestApp);
