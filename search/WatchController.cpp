#include "search/WatchController.h"

#include "core/UserOptions.h"
#include "platform/MessageBox.h"
#include "registers/ZrDbs.h"

std::shared_ptr<const CZrData> CTableWatchRecords::GetTextRecord(const CMark& mark) {
    CZrDb* db = table_.GetDbOfMark(mark);
    if (!db)
        return nullptr;
    std::string errorText;
    return db->GetTextRecord(mark, errorText);
}

CWatchController::CWatchController(CZR2000Doc& document, IDocumentHost& host,
                                   IWatchWindows& windows, IWatchRecords& records,
                                   CUserOptions& settings)
    : document_(document), host_(host), windows_(windows), records_(records), settings_(settings) {}

bool CWatchController::GenerateWatch() {
    // A kept mark in several places of a section counts once.
    TVmRec<int> kept;
    const int count = document_.FilterMarks(MakeKeptFilter(false, true), kept);
    if (count == 0) {
        platform::ShowMessageBox({kNoKeptMarksText, "", platform::MessageButtons::Ok,
                                  platform::MessageIcon::Information});
        return false;
    }
    if (!MayReplaceExamination())
        return false;
    CWatchOptions options = CWatchOptions::Load(settings_);
    if (!windows_.EditOptions(options))
        return false;
    options.Store(settings_);

    CWatchBuilder builder(options, records_, [this](const std::string& classText) {
        return settings_.GetMacroClassDefinition(classText);
    });
    const std::unique_ptr<IProgress> progress = host_.OpenProgress(kProgressCaption);
    progress->SetRange(count, 0, 100);
    if (ProcessMarks(kept, *progress, builder)) {
        document_.SetWatchContents(builder.GetMarks(), builder.GetSearches());
        SwitchToWatch();
    }
    progress->Finish();
    return true;
}

bool CWatchController::MayReplaceExamination() {
    if (!document_.IsModified())
        return true;
    switch (platform::ShowMessageBox({kSaveFirstText, "", platform::MessageButtons::YesNoCancel,
                                      platform::MessageIcon::Question})) {
    case platform::MessageAnswer::Yes:
        return windows_.SaveDocument();
    case platform::MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CWatchController::ProcessMarks(const TVmRec<int>& kept, IProgress& progress,
                                    CWatchBuilder& builder) {
    const int count = kept.GetSize();
    for (int n = 1; n <= count; ++n) {
        builder.AddMark(n, document_.GetMark(kept.GetAt(n - 1)));
        progress.SetProgress(
            "Processing mark " + std::to_string(n) + " of " + std::to_string(count), n);
        if (progress.IsCancelled())
            return false;
    }
    return true;
}

void CWatchController::SwitchToWatch() {
    host_.SetWatchMode(true);
    document_.UpdateAllViews(nullptr, kHintContents);
    windows_.ShowWatch();
}
