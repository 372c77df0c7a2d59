#include "testsvc/sample/SampleExaminer.h"

#include "app/document/SearchDocument.h"
#include "app/document/ZR2000Doc.h"
#include "core/UserOptions.h"
#include "engines/SearchProgress.h"
#include "search/GeneralPageModel.h"
#include "search/NewExamModel.h"
#include "search/NewExamPages.h"

#include <chrono>
#include <thread>

// The windows of the search-and-results flow, with the examiner at them: the search progress
// runs to its end, the results window is reviewed and closed as soon as it opens, and no
// question finds anything more to look at.
class CSampleExaminer::CWindows : public ISearchProgressRun,
                                  public IWatchRun,
                                  public IResultsWindow,
                                  public IDetailsOpener,
                                  public ISearchPrompts {
public:
    CWindows(CZR2000Doc& document, const CUserOptions& user) : document_(document), user_(user) {}

    void SetKeepRule(KeepRule keep) { keep_ = std::move(keep); }

    bool RunSearch(int searchId) override {
        CSearchDocument searchDocument(document_);
        CSearchProgress progress(searchDocument, TheSearchServices());
        progress.AddSearch(searchId);
        progress.Begin();
        while (!progress.IsEnded()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(CSearchProgress::kTimerPeriodMs));
            progress.Tick();
        }
        return progress.GetResult() == CSearchProgress::Result::Ok;
    }

    // An examination has no watch.
    void RunCollected(int) override {}
    void RunAllSearches() override {}

    // The window is closed again before anything else happens.
    bool IsOpen() const override { return false; }
    bool GetShownSearch(int&) const override { return false; }
    void ForgetSelection() override {}
    void Focus() override {}
    void Open(bool showPreviouslyFound) override {
        const int searchId = document_.GetCurrentSearch();
        const bool hidePreviouslyFound = user_.GetHideDuplicates() && !showPreviouslyFound;
        TVmRec<int> rows;
        document_.FilterMarks(MakeSearchIdFilter(searchId, hidePreviouslyFound, true), rows);
        for (int row = 0; row < rows.GetSize(); ++row) {
            CMark mark = document_.GetMark(rows.GetAt(row));
            if (!mark.IsKept() && keep_ && keep_(mark)) {
                mark.SetFlags(mark.GetFlags() | CMark::kKept);
                document_.SetMark(rows.GetAt(row), mark, 0);
            }
        }
        // Closing the window commits what was kept.
        document_.CommitSearchMarks(searchId);
    }
    void Close() override {}

    bool CanOpenDetails() const override { return false; }
    void OpenDetails(const CFilter&, int) override {}
    void CloseAll() override {}

    bool AskViewPreviouslyFound() override { return false; }

private:
    CZR2000Doc& document_;
    const CUserOptions& user_;
    KeepRule keep_;
};

CSampleExaminer::CSampleExaminer(CZR2000Doc& document, const CUserOptions& user)
    : document_(document), user_(user), windows_(std::make_unique<CWindows>(document, user)),
      flow_(CSearchRunWindows{*windows_, *windows_, *windows_, *windows_, *windows_}, user) {}

CSampleExaminer::~CSampleExaminer() = default;

bool CSampleExaminer::NewExamination(const CTypedExamination& typed) {
    // Without the engines' finders the design proposes no terms.
    CNewExamModel wizard(nullptr);
    // The Standard page, left with Next.
    const CNewExamination& standard = typed.standard;
    wizard.SetDetails(standard.agency, standard.examiner, standard.client, standard.examId,
                      standard.oneClassOnly);
    if (const std::string refusal = wizard.SetDatabases(standard.selection, standard.engines);
        !refusal.empty()) {
        error_ = "the New Examination wizard refused the databases: " + refusal;
        return false;
    }
    wizard.SetAutoDesign(true);
    CExamAutoPage autoPage(wizard, user_);
    autoPage.Activate();
    CExamAutoCriteria target = autoPage.GetCriteria();
    target.wordMark = typed.wordMark;
    target.primaryClasses = typed.primaryClasses;
    target.secondaryClasses = typed.secondaryClasses;
    autoPage.SetCriteria(target);
    if (autoPage.Next()) {
        CExamTermsPage termsPage(wizard, user_);
        termsPage.Activate();
        if (termsPage.Finish()) {
            document_.NewExamination(wizard.GetResult());
            return true;
        }
    }
    error_ = "the New Examination wizard refused the target mark " + typed.wordMark +
             " in classes " + typed.primaryClasses + " and " + typed.secondaryClasses;
    return false;
}

bool CSampleExaminer::TypeCriteria(const CTypedSearch& typed, CCriteria& criteria) {
    CGeneralPageModel page(CGeneralPageModel::EMode::Normal, user_);
    page.Load(criteria);
    page.SetClasses(typed.classes);
    page.SetGroupKind(CGeneralPageModel::kGroupA, typed.kindIndex);
    page.SetGroupText(CGeneralPageModel::kGroupA, typed.terms);
    if (page.GetState() != kPageEntered) {
        error_ = "the Search sheet refused \"" + typed.terms + "\" in classes " + typed.classes +
                 ": " + page.GetMessage();
        return false;
    }
    page.Store(criteria);
    return true;
}

bool CSampleExaminer::Search(const CTypedSearch& typed, const KeepRule& keep) {
    CSearch search(typed.section);
    CCriteria criteria = document_.GetTemplateCriteria();
    if (!TypeCriteria(typed, criteria))
        return false;
    search.SetCriteria(criteria);
    document_.SetTemplateCriteria(criteria);
    windows_->SetKeepRule(keep);
    const int searchId = document_.AddSearch(search);
    if (!flow_.RunSearch(document_, searchId, false) && !document_.FindSearch(searchId).HasRun()) {
        error_ = "the search for \"" + typed.terms + "\" did not end";
        return false;
    }
    return true;
}

bool CSampleExaminer::AddSearch(const CTypedSearch& typed) {
    CSearch search(typed.section);
    CCriteria criteria;
    criteria.SetDbIds(CZrDocData::GetConnectedDatabaseCodes());
    criteria.SetStatus(user_.GetDefaultStatus());
    if (!TypeCriteria(typed, criteria))
        return false;
    search.SetCriteria(criteria);
    document_.AddSearch(search);
    return true;
}
