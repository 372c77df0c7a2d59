// zr_sample_exam: prepares a try-out of the program against the local search service. It saves
// an automatic login for the service's test account in the system settings beside the program
// (which must already name the service's repositories), logs in, and works through a small
// clearance examination as a user would (SampleExaminer.h): the client's word mark and classes
// given to the wizard, searches run in the first two sections, the client's closest conflicts
// kept in the first, one search left to run. Then it saves the examination.
//
//   zr_sample_exam --program-dir DIR --output FILE.zre

#include "app/DefaultNewExamination.h"
#include "app/ProgramRepository.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "core/FilePath.h"
#include "core/IniFile.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/Orb.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "testsvc/sample/SampleExaminer.h"

#include <cstring>
#include <iostream>

namespace {

constexpr const char* kCompanyId = "TESTCO";
constexpr const char* kUserId = "examiner";
constexpr const char* kPassword = "secret";

// The client's mark, in the classes of its goods and services, and the neighbouring classes of
// the services it may offer later.
constexpr const char* kClientMark = "ACME";
constexpr const char* kClientClasses = "9, 42";
constexpr const char* kNeighbouringClasses = "35, 38";
// The registers of the client's markets, whose conflicting marks the examiner keeps.
constexpr const char* kMarketRegisters = "uc";
// Items of the General page's match-kind list.
enum EMatchKind { kContainingWords = 0, kSimilarWords = 1, kAnagrams = 2 };

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
        return std::make_unique<CSilentProgress>();
    }
};

// The client's mark alone, or leading a longer mark, in one of the client's markets.
bool IsMarketConflict(const CMark& mark) {
    const char code = static_cast<char>(mark.GetRegisterCode());
    CZrDb* db = TheZrDbs().GetDb(code);
    if (!db || std::strchr(kMarketRegisters, code) == nullptr)
        return false;
    const std::string wordMark = db->GetWordMark(mark, nullptr);
    return wordMark == kClientMark || wordMark.starts_with(std::string(kClientMark) + " ");
}

// The examination's work, from the wizard on; false, with the reason on the standard error,
// when a step failed.
bool WorkThrough(CZR2000Doc& document, const CNewExamination& standard) {
    CSampleExaminer examiner(document, TheUserOptions());
    const auto keepNothing = [](const CMark&) { return false; };
    const bool done =
        examiner.NewExamination({standard, kClientMark, kClientClasses, kNeighbouringClasses}) &&
        examiner.Search({0, kClientClasses, kClientMark, kContainingWords}, IsMarketConflict) &&
        examiner.Search({0, kClientClasses, kClientMark, kSimilarWords}, keepNothing) &&
        examiner.Search({1, kClientClasses, kClientMark, kAnagrams}, keepNothing) &&
        // The neighbouring services, for later.
        examiner.AddSearch({1, kNeighbouringClasses, kClientMark, kContainingWords});
    if (!done)
        std::cerr << "zr_sample_exam: " << examiner.GetError() << '\n';
    return done;
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
        // Search runs record their run order in the active examination, as in the program.
        InstallActiveExamination(&document);
        CNewExamination exam =
            MakeDefaultExamination(TheUserOptions(), repository, TheZrDbs().GetDbSelection());
        exam.client = "Acme Software Ltd";
        exam.agency = "Fairbairn & Marsh LLP";
        exam.examiner = "Helen Carter";
        exam.examId = "ACM-0417";
        // Marks with the client's classes among others conflict as well.
        exam.oneClassOnly = false;
        if (!WorkThrough(document, exam))
            result = 1;
        else if (!document.OnSaveDocument(output))
            result = Fail("cannot save " + output);
        InstallActiveExamination(nullptr);
    }
    TheRepository().DisconnectAll();
    InstallRegisterTable(nullptr);
    return result;
}
