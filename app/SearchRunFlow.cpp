#include "app/SearchRunFlow.h"

#include "app/document/ZR2000Doc.h"
#include "core/UserOptions.h"
#include "platform/MessageBox.h"

namespace {

void ShowWarning(const std::string& text) {
    platform::ShowMessageBox(
        {text, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}

constexpr const char* kNoMarksFound = "U206 No marks found";

} // namespace

bool CSearchRunFlow::RunSearch(CZR2000Doc& document, int searchId, bool openDetails) {
    if (document.IsWatch()) {
        // In a watch the id is the section's.
        windows_.watch.RunCollected(searchId);
        ShowResults(document, searchId, false, -1);
        return true;
    }
    if (document.FindSearch(searchId).HasRun())
        return ShowResults(document, searchId, false, -1);
    if (!windows_.progress.RunSearch(searchId))
        return false;
    // Every mark of the search counts here, kept or not and duplicates too.
    const CFilter allMarks = MakeSearchIdFilter(searchId, false, true);
    if (openDetails && document.CountMarks(allMarks) == 1) {
        if (windows_.results.IsOpen())
            windows_.results.Close();
        if (windows_.details.CanOpenDetails())
            windows_.details.OpenDetails(allMarks, 0);
        else
            ShowWarning("W303 Too many detail windows open");
        return false;
    }
    return ShowResults(document, searchId, false, -1);
}

bool CSearchRunFlow::ShowResults(CZR2000Doc& document, int searchId, bool force, int found) {
    IResultsWindow& results = windows_.results;
    if (results.IsOpen()) {
        int shown = 0;
        if (!results.GetShownSearch(shown))
            return false;
        if (shown != searchId) {
            results.ForgetSelection();
            if (document.IsWatch())
                document.SetCurrentSearch(searchId);
            else
                document.SelectSearch(searchId);
        }
        results.Focus();
        return true;
    }

    const CFilter filter = MakeSearchIdFilter(searchId, user_.GetHideDuplicates(), true);
    document.SelectSearch(searchId);
    if (document.HasMarks(filter, 1) || force) {
        results.Open(false);
        return true;
    }
    if (document.IsWatch()) {
        ShowWarning(kNoMarksFound);
        return false;
    }
    if (found == -1)
        found = document.FindSearch(searchId).GetFound();
    if (found == 0) {
        ShowWarning(kNoMarksFound);
        return false;
    }
    if (!windows_.prompts.AskViewPreviouslyFound())
        return false;
    results.Open(true);
    return true;
}
