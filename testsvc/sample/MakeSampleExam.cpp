// zr_sample_exam: prepares a try-out of the program against the local search service. It saves
// an automatic login for the service's test account in the system settings beside the program
// (which must already name the service's repositories), logs in, runs a few searches over the
// sample registers and saves them as an examination.
//
//   zr_sample_exam --program-dir DIR --output FILE.zre

#include "app/DefaultNewExamination.h"
#include "app/ProgramRepository.h"
#include "app/document/SearchDocument.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "core/FilePath.h"
#include "core/IniFile.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/Orb.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "engines/SearchProgress.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"

#include <chrono>
#include <cstring>
#include <iostream>
#include <thread>

namespace {

constexpr const char* kCompanyId = "TESTCO";
constexpr const char* kUserId = "examiner";
constexpr const char* kPassword = "secret";

class CNoProgress : public IProgress {
public:
    void SetRange(int, int, int) override {}
    void SetProgress(const std::string&, int) override {}
    void Finish() override {}
    bool IsCancelled() const override { return false; }
};

// Messages go to the standard error; questions are answered No.
class CConsoleHost : public IDocumentHost {
public:
    void ShowMessage(const std::string& text) override { std::cerr << text << '\n'; }
    bool AskYesNo(const std::string& text) override {
        std::cerr << text << " (No)\n";
        return false;
    }
    void ChangeEngines(const std::string&) override {}
    void SetWatchMode(bool) override {}
    void SetStatusText(const std::string&) override {}
    void SaveAs(const std::string&) override {}
    std::unique_ptr<IProgress> OpenProgress(const std::string&) override {
        return std::make_unique<CNoProgress>();
    }
};

CSearch MakeWordSearch(const std::string& databases, const std::string& word, int section) {
    CSearch search(section);
    search.GetCriteria().ResetWithDbIds(databases);
    search.GetCriteria().FillDefaults();
    search.GetCriteria().SetWordTerms({word});
    return search;
}

bool RunSearch(CZR2000Doc& document, int searchId) {
    CSearchDocument searchDocument(document);
    CSearchProgress progress(searchDocument, TheSearchServices());
    progress.AddSearch(searchId);
    progress.Begin();
    while (!progress.IsEnded()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(CSearchProgress::kTimerPeriodMs));
        progress.Tick();
    }
    return progress.GetResult() == CSearchProgress::Result::Ok;
}

int Fail(const std::string& text) {
    std::cerr << "zr_sample_exam: " << text << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string programDir, output;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--program-dir") == 0)
            programDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--output") == 0)
            output = argv[i + 1];
    }
    if (programDir.empty() || output.empty())
        return Fail("usage: zr_sample_exam --program-dir DIR --output FILE.zre");

    CSystemOptions& system = TheSystemOptions();
    system.Load(programDir);
    if (!system.SaveDefaultLogin(kCompanyId, kUserId, kPassword) ||
        !CIniFile(AppendPath(programDir, "ZrSystem.ini"))
             .WriteBool("DefaultLogin", "AutoLogin", true))
        return Fail("cannot write the login into " + programDir);

    COrbLifetime orb;
    if (!orb.IsStarted())
        return Fail("cannot start the ORB");
    CEngineRegisterTable engineTable(TheZrDbs());
    InstallRegisterTable(&engineTable);
    std::string localError, remoteError;
    if (!TheRepository().Connect(kCompanyId, kUserId, kPassword, localError, remoteError))
        return Fail("cannot log in: " + localError + " " + remoteError);
    if (system.SetUser(kCompanyId, kUserId, kPassword) != 0)
        return Fail("cannot make the user's folder");
    TheUserOptions().Load();

    int result = 0;
    {
        CTableRegisters registers(TheZrDbs());
        CProgramRepository repository(TheRepository());
        CConsoleHost host;
        CZR2000Doc document(registers, repository, host);
        CNewExamination exam = MakeDefaultExamination(
            TheUserOptions(), repository, TheZrDbs().GetDbCodes(), TheZrDbs().GetDbSelection());
        exam.client = "Sample Client Ltd";
        exam.examId = "SAMPLE-1";
        document.NewExamination(exam);
        const std::string databases = exam.databaseCodes;
        for (const auto& [word, section] :
             {std::pair{"ACME", 1}, std::pair{"ZENITH", 1}, std::pair{"NOVA", 2}}) {
            const int id = document.AddSearch(MakeWordSearch(databases, word, section));
            if (!RunSearch(document, id))
                result = Fail(std::string("the search for ") + word + " did not end");
        }
        // A search left to run in the program.
        document.AddSearch(MakeWordSearch(databases, "STAR BRIGHT", 2));
        if (result == 0 && !document.OnSaveDocument(output))
            result = Fail("cannot save " + output);
    }
    TheRepository().DisconnectAll();
    InstallRegisterTable(nullptr);
    return result;
}
