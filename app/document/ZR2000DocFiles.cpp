// The examination document's files: opening, saving, merging, the quick save and the caveat
// search over a saved examination.

#include "app/document/DatabaseCheck.h"
#include "app/document/MarkRecord.h"
#include "app/document/TextException.h"
#include "app/document/ZR2000Doc.h"
#include "app/document/ZreFile.h"
#include "core/FilePath.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"

#include <algorithm>

namespace {

// Marks asked for their application numbers at a time.
constexpr int kAppNumberBatch = 300;
// Marks sent to a caveat search at a time.
constexpr int kCaveatBatch = 4096;

const char* const kWatchChanged =
    "U208 The database has changed since this watch was last saved.\nYou need to run the "
    "watch again to get the latest information.";
const char* const kExamChanged =
    "U208 The database has changed since this examination was last saved.\nContinuing will "
    "result in searches being reset but kept marks will be retained.";
const char* const kMergedChanged =
    "U208 The database has changed since this examination you are merging in was last "
    "saved.\nContinuing will result in these searches being reset but kept marks will be "
    "retained.";
const char* const kCountrySubsets =
    "U210 The examination you have just loaded has search criteria specifying a subset of "
    "countries to search.\nThis is now handled differently, so you may want to select 'Change "
    "Databases' on the 'Examination' menu\nto check the databases and regions you want to "
    "search is correct.";

bool HasTraining(const std::string& codes) {
    bool anyTraining = false;
    CheckTrainingMix(codes, anyTraining);
    return anyTraining;
}

} // namespace

// One examination file read in full, before the document takes any of it.
struct CZR2000Doc::CLoaded {
    CExamInfo info;
    std::vector<CDbInfo> databases;
    std::string codes;
    CSearchList searches;
    CMarkList marks;
    CDbSelection selection;
    bool countrySubset = false;
};

void CZR2000Doc::ReadExamination(CZreFile& file, CLoaded& loaded) const {
    file.ReadHeader(loaded.info, loaded.databases);
    loaded.codes = file.GetDatabaseCodes();
    std::string missing;
    for (char code : loaded.codes) {
        if (!registers_.HasDb(code))
            missing += code;
    }
    if (!missing.empty())
        throw CTextException("ZRE file uses databases (" + missing + ") not currently available");
    file.ReadSearches(loaded.searches);
    file.ReadMarks(loaded.marks);
    loaded.countrySubset = file.HasCountrySubsetCriteria();
    // Only the register table's catalogue knows the groups of the registers defined by engines.
    loaded.selection = registers_.GetDbSelection();
    const std::string selection = loaded.info.GetValue(CExamInfo::kDbSelection);
    if (!selection.empty())
        loaded.selection.SetSelectionString(selection);
    else
        loaded.selection.SelectFromDbCodes(loaded.codes);
    SortAndGroup(loaded.marks);
}

void CZR2000Doc::ReportLoadFailure(const std::string& path, const std::string& reason) {
    host_.ShowMessage("Could not load " + path + " \n" + reason);
}

bool CZR2000Doc::LoadExamination(const std::string& path, CLoaded& loaded) {
    try {
        CZreFile file;
        std::string error;
        if (!file.OpenForRead(path, registers_, error)) {
            host_.ShowMessage("W305 Cannot open: " + path + " due to: " + error);
            return false;
        }
        ReadExamination(file, loaded);
        return true;
    } catch (const CTextException& e) {
        ReportLoadFailure(path, e.what());
        return false;
    }
}

bool CZR2000Doc::OnOpenDocument(const std::string& path) {
    CLoaded loaded;
    if (!LoadExamination(path, loaded))
        return false;

    info_ = std::move(loaded.info);
    CZrDocData::SetDatabaseCodes(loaded.codes);
    searches_ = std::move(loaded.searches);
    marks_ = std::move(loaded.marks);
    selection_ = std::move(loaded.selection);
    currentSearch_ = 0;
    statsStale_ = false;
    path_ = path;
    UpdateAllViews(nullptr, kHintContents);
    ApplyDatabases();
    modified_ = false;
    ResetTemplateCriteria();

    CDatabaseCheck check(registers_, repository_, host_);
    const std::string changed = check.CheckDatabases(loaded.databases, "", false);
    if (!changed.empty() && (TheSystemOptions().GetTestSetting("NoZreConvert", 0) == 0 ||
                             !host_.AskYesNo("Do you want to skip the zre conversion"))) {
        host_.ShowMessage(IsWatch() ? kWatchChanged : kExamChanged);
        check.ResetChangedSearches(changed, true, marks_, searches_);
    }
    if (loaded.countrySubset)
        host_.ShowMessage(kCountrySubsets);
    host_.SetWatchMode(IsWatch());
    UpdateAllViews(nullptr, kHintContents);
    return true;
}

void CZR2000Doc::ApplyDatabases() {
    const std::string& codes = CZrDocData::GetDatabaseCodes();
    const std::map<char, std::string> restrictions = selection_.GetSelection();
    for (char code : codes) {
        const auto restriction = restrictions.find(code);
        registers_.SetEngine(code, repository_.GetPreferredEngine(code),
                             restriction == restrictions.end() ? "" : restriction->second);
    }
    for (char code : registers_.GetDbCodes()) {
        if (codes.find(code) == std::string::npos)
            registers_.SwitchEngine(code, CZrDbEngine(code));
    }
}

bool CZR2000Doc::OnSaveDocument(const std::string& path) {
    if (!SaveToFile(path))
        return false;
    modified_ = false;
    return true;
}

bool CZR2000Doc::SaveToFile(const std::string& path) {
    const std::unique_ptr<IProgress> progress = host_.OpenProgress("Saving Examination");
    progress->SetRange(marks_.GetCount(), 0, 33);
    if (!FillAppNumbers(*progress))
        return false;
    // Saved in the order a reader restores: marks equal in the mark order stand in the order of
    // their numbers and flags, which filling in numbers and merging new marks leave as they were.
    SortAndGroup(marks_);
    SetValue(CExamInfo::kDbSelection, selection_.GetSelectionString());

    std::string error;
    CZreFile file;
    file.OpenForWrite(path);
    try {
        file.WriteHeader(info_, GetDatabaseInfos());
        progress->SetRange(searches_.GetCount(), 34, 67);
        file.WriteSearches(searches_, progress.get());
        progress->SetRange(marks_.GetCount(), 68, 100);
        file.WriteMarks(marks_, progress.get());
        progress->Finish();
    } catch (const CTextException& e) {
        error = e.what();
    }
    if (error.empty() && file.Close(error))
        return true;
    host_.ShowMessage("W306 Cannot write: " + path + " due to: " + error);
    return false;
}

bool CZR2000Doc::FillAppNumbers(IProgress& progress) {
    std::vector<bool> asked(static_cast<std::size_t>(marks_.GetCount()));
    for (int i = 0; i < marks_.GetCount(); ++i) {
        progress.SetProgress("Preparing for save", i);
        if (progress.IsCancelled())
            return false;
        const CMark& first = marks_.GetAt(i);
        if (first.GetAppNumber() != 0 || asked[i])
            continue;
        // This mark and the next ones of its register that have no number either; each is
        // asked for once, whatever the engine answers.
        const int code = first.GetRegisterCode();
        std::vector<int> indexes;
        for (int j = i; j < marks_.GetCount() && indexes.size() < kAppNumberBatch; ++j) {
            const CMark& mark = marks_.GetAt(j);
            if (mark.GetRegisterCode() == code && mark.GetAppNumber() == 0 && !asked[j]) {
                indexes.push_back(j);
                asked[j] = true;
            }
        }
        std::vector<std::uint32_t> recordNumbers;
        for (int index : indexes)
            recordNumbers.push_back(marks_.GetAt(index).GetRecordNumber());
        std::vector<int> appNumbers(indexes.size());
        if (!registers_.SgesToAppNums(static_cast<char>(code), recordNumbers, appNumbers))
            continue;
        for (std::size_t k = 0; k < indexes.size(); ++k) {
            CMark mark = marks_.GetAt(indexes[k]);
            mark.SetAppNumber(appNumbers[k]);
            marks_.SetAt(mark, indexes[k]);
        }
    }
    return true;
}

std::vector<CDbInfo> CZR2000Doc::GetDatabaseInfos() const {
    std::vector<CDbInfo> databases;
    for (char code : GetConnectedDatabaseCodes())
        databases.push_back(SavedDatabase(code, registers_.GetDbEngine(code)));
    return databases;
}

void CZR2000Doc::QuickSave() {
    const std::string pendingDir = TheSystemOptions().GetPendingDir();
    if (path_.empty()) {
        host_.SaveAs(pendingDir);
        return;
    }
    const std::string target =
        pendingDir.empty() ? path_ : AppendPath(pendingDir, FileNameOfPath(path_));
    host_.SetStatusText("Saving...");
    const bool saved = target == path_ ? OnSaveDocument(target) : SaveToFile(target);
    if (saved)
        host_.SetStatusText("Saved");
}

bool CZR2000Doc::MergeDocument(const std::string& path) {
    CLoaded loaded;
    if (!LoadExamination(path, loaded))
        return false;
    const std::string connected = GetConnectedDatabaseCodes();
    if (HasTraining(loaded.codes) != HasTraining(connected)) {
        host_.ShowMessage("U213 You cannot merge training databases with live databases.");
        return false;
    }
    if (loaded.info.GetType() == CExamInfo::kWatch) {
        host_.ShowMessage("U209 You cannot merge a watch into an examination.");
        return false;
    }

    // The merged search ids follow this examination's: n becomes n + M - 1.
    int highestId = 0;
    for (int i = 0; i < loaded.searches.GetCount(); ++i)
        highestId = std::max(highestId, loaded.searches.GetAt(i).GetSearchId());
    for (int i = 0; i < loaded.marks.GetCount(); ++i)
        highestId = std::max(highestId, loaded.marks.GetAt(i).GetSearchId());
    const int firstId = searches_.NewSearchId();
    // Ids beyond those a file holds could not be saved.
    if (static_cast<long long>(firstId) - 1 + highestId > kMaxStoredNumber) {
        ReportLoadFailure(path, "its search ids do not fit after this examination's");
        return false;
    }
    const int shift = firstId - 1;

    selection_.Merge(loaded.selection);
    CDatabaseCheck check(registers_, repository_, host_);
    const std::string changed = check.CheckDatabases(loaded.databases, connected, true);
    if (!changed.empty() && !IsWatch()) {
        host_.ShowMessage(kMergedChanged);
        check.ResetChangedSearches(changed, true, loaded.marks, loaded.searches);
    }
    if (loaded.info.GetSections() > GetSectionCount())
        CZrDocData::SetSectionCount(loaded.info.GetSections());

    for (int i = 0; i < loaded.searches.GetCount(); ++i) {
        CSearch search = loaded.searches.GetAt(i);
        if (search.HasRun())
            search.SetOrder(searches_.NewOrder());
        if (search.GetSearchId() != 0)
            search.SetSearchId(search.GetSearchId() + shift);
        searches_.Add(search);
    }
    for (int i = 0; i < loaded.marks.GetCount(); ++i) {
        CMark mark = loaded.marks.GetAt(i);
        if (mark.GetSearchId() != 0) {
            mark.SetSearchId(mark.GetSearchId() + shift);
            loaded.marks.SetAt(mark, i);
        }
    }
    loaded.marks.SetGroupFlags();
    marks_.MergeList(loaded.marks);
    RecomputeSearchStats();
    SetModifiedFlag();
    UpdateAllViews(nullptr, kHintContents);
    return true;
}

bool CZR2000Doc::CaveatSearch(const std::string& path, const std::string& setName, int section,
                              int& searchId, int& found) {
    const CUserOptions& options = TheUserOptions();
    const bool keep = options.GetAutoKeep() >= section + 1;
    const bool isLong = options.GetAutoLong() >= section + 1;
    searchId = searches_.NewSearchId();
    found = 0;

    CLoaded loaded;
    if (!LoadExamination(path, loaded))
        return false;
    selection_.Merge(loaded.selection);
    const std::string connected = GetConnectedDatabaseCodes();
    CDatabaseCheck(registers_, repository_, host_)
        .CheckDatabases(loaded.databases, connected, false);

    const std::unique_ptr<IProgress> progress = host_.OpenProgress("Caveat Searching");
    progress->SetRange(loaded.marks.GetCount(), 0, 100);
    int done = 0;
    for (char code : loaded.codes) {
        const CFilter filter = MakeRegisterFilter(code, false);
        std::vector<const CMark*> kept;
        for (int i = 0; i < loaded.marks.GetCount(); ++i) {
            if (loaded.marks.MatchAt(filter, i))
                kept.push_back(&loaded.marks.GetAt(i));
        }
        for (std::size_t first = 0; first < kept.size(); first += kCaveatBatch) {
            const std::size_t count = std::min<std::size_t>(kCaveatBatch, kept.size() - first);
            std::vector<std::uint32_t> recordNumbers;
            std::vector<int> appNumbers;
            for (std::size_t k = first; k < first + count; ++k) {
                recordNumbers.push_back(kept[k]->GetRecordNumber());
                appNumbers.push_back(kept[k]->GetAppNumber());
            }
            if (!registers_.CaveatSearch(code, GetClient(), GetExamId(), setName, recordNumbers,
                                         appNumbers)) {
                host_.ShowMessage("Error retieving results from " +
                                  registers_.GetDbShortName(code) + " engine");
                return false;
            }
            std::sort(recordNumbers.begin(), recordNumbers.end());
            AddFoundMarks(recordNumbers, code, section, searchId, keep, isLong);
            found += static_cast<int>(recordNumbers.size());
            done += static_cast<int>(count);
            progress->SetProgress("Caveat Searching", done);
        }
    }
    repository_.LogSearch(TheSystemOptions().GetUserId(), GetClient(), GetExamId(),
                          "Caveat search of " + path + " with " +
                              std::to_string(loaded.marks.GetCount()) + " marks");
    return true;
}
