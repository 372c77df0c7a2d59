#pragma once
// The examination document: one examination or watch with its searches, marks, settings and
// database selection, shared by the main, results and details windows. It loads, saves and
// merges examination files, checks on loading whether the databases changed since saving, runs
// caveat searches, keeps the searches' statistics up to date and tells its views what changed
// through update hints (DocumentServices.h). The windows and dialogs are not part of it: they
// hand their results to the operations below.

#include "app/document/DocumentServices.h"
#include "app/document/ZrDocData.h"
#include "core/CoreServices.h"
#include "core/Criteria.h"
#include "core/DbInfo.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CZreFile;

// What the new-examination wizard chose.
struct CNewExamination {
    std::string agency;
    std::string examiner;
    std::string client;
    std::string examId;
    bool oneClassOnly = false;
    int sectionCount = CExamInfo::kDefaultSections;
    std::string databaseCodes;
    CDbSelection selection;
    CZrDbEngineSet engines;
    // The automatic design's texts; when used, the wizard adds its searches afterwards.
    bool autoDesign = false;
    std::string autoWordMark;
    std::string autoPrimaryClasses;
    std::string autoSecondaryClasses;
    std::string autoStatus;
};

// What the Change Details dialog may change.
struct CExamDetails {
    std::string agency;
    std::string examiner;
    std::string client;
    std::string examId;
    bool oneClassOnly = false;
    int sectionCount = CExamInfo::kDefaultSections;
};

class CZR2000Doc : public CZrDocData, public IActiveExamination {
public:
    CZR2000Doc(IExamRegisters& registers, IExamRepository& repository, IDocumentHost& host);
    CZR2000Doc(const CZR2000Doc&) = delete;
    CZR2000Doc& operator=(const CZR2000Doc&) = delete;
    ~CZR2000Doc() override = default;

    // Views.
    void AddView(IDocumentView* view);
    void RemoveView(IDocumentView* view);
    void UpdateAllViews(IDocumentView* sender, int hint);

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    // The file the document was loaded from or saved to; empty for a new one.
    const std::string& GetPathName() const { return path_; }
    void SetPathName(const std::string& path) { path_ = path; }

    // Contents. Failures are reported to the user through the host.
    // The wizard's choices as a new examination; the wizard adds its designed searches after.
    void NewExamination(const CNewExamination& choices);
    // Marks, searches and settings cleared, current search 0, no file.
    void DeleteContents();
    // Reads the whole file before anything of the document changes: a file that cannot be
    // loaded leaves the document as it was.
    bool OnOpenDocument(const std::string& path);
    // Saves and clears the modified flag; a failure leaves the file and the flag as they were.
    bool OnSaveDocument(const std::string& path);
    // Merges another examination's searches and marks into this one.
    bool MergeDocument(const std::string& path);
    // Saves to the pending folder (else to the document's own file); a copy in the pending
    // folder leaves the document modified, as its own file was not written.
    void QuickSave();
    // Asks the engines which kept marks of a saved examination changed in a record set, and
    // adds those as marks of a new search id in the section.
    bool CaveatSearch(const std::string& path, const std::string& setName, int section,
                      int& searchId, int& found);
    void ChangeDetails(const CExamDetails& details);
    // The codes become the databases of the data, the template criteria and the document.
    void ChangeDatabases(const std::string& codes, const CDbSelection& selection);

    // Searches.
    int AddSearch(const CSearch& search);
    void SetSearchResults(const CSearch& search);
    void ReplaceSearch(const CSearch& search);
    // The search's unkept marks go with it; its kept marks stay with search id 0.
    void RemoveSearch(int searchId);
    // The same for the search's marks alone; the search stays.
    void RemoveSearchMarks(int searchId);
    void SetCurrentSearch(int searchId);
    void SelectSearch(int searchId);
    int GetCurrentSearch() const { return currentSearch_; }
    void SetSectionCount(int count);

    // Marks. Each returns the number of new marks where it has one.
    int AddFoundMarks(std::span<const std::uint32_t> recordNumbers, int registerCode, int section,
                      int searchId, bool keep, bool isLong);
    // Every register's hits of a search run, merged at once.
    int AddFoundRecordSets(std::span<const CRecordSet> sets, int section, int searchId, bool keep,
                           bool isLong);
    int MergeMarks(std::span<const CMark> marks);
    void AddMarks(std::span<const CMark> marks, int section, int searchId);
    // Stores the mark; when it changed the document is modified and a hint other than 0 goes
    // to the views.
    void SetMark(int index, const CMark& mark, int hint);
    // Takes over the mark's viewed bits and application number without a hint; the searches'
    // statistics are brought up to date when idle.
    void SetMarkQuiet(int index, const CMark& mark);
    void SetFilteredMark(const CFilter& filter, int n, const CMark& mark, int hint);
    int FindFilteredIndex(const CFilter& filter, int n) const {
        return marks_.FindFilteredIndex(filter, n);
    }
    int FindFilteredPosition(const CFilter& filter, const CMark& mark) const {
        return marks_.FindFilteredPosition(filter, mark);
    }
    // A watch's contents: the marks and searches it was generated from.
    void SetWatchContents(const CMarkList& marks, const CSearchList& searches);
    // Kept marks of the search (or of the whole document) become permanently kept.
    void CommitSearchMarks(int searchId);
    void CommitAllMarks();
    // Each search's mark count and viewed flag from the marks; whether any changed.
    bool RecomputeSearchStats();
    // Idle time: the statistics when a mark was stored quietly.
    void OnIdle();

    const CCriteria& GetTemplateCriteria() const { return templateCriteria_; }
    void SetTemplateCriteria(const CCriteria& criteria) { templateCriteria_ = criteria; }
    // The codes chosen in the wizard or the Change Databases dialog (the data's own codes are
    // those the examination was loaded with: CZrDocData::GetDatabaseCodes).
    const std::string& GetDatabaseCodes() const { return docDatabaseCodes_; }
    void SetDatabaseCodes(const std::string& codes) { docDatabaseCodes_ = codes; }

    CSearchList* GetActiveSearchList() override { return &searches_; }

private:
    struct CLoaded;

    // The file's header and its check that every database has a register, then everything
    // else; throws a CTextException for what cannot be loaded.
    void ReadExamination(CZreFile& file, CLoaded& loaded) const;
    // Opens and reads a file, reporting failures; false when it cannot be loaded.
    bool LoadExamination(const std::string& path, CLoaded& loaded);
    void ApplyDatabases();
    void ResetTemplateCriteria();
    // Writes the file, reporting failures; the modified flag is left alone.
    bool SaveToFile(const std::string& path);
    // Application numbers for the marks without one; false when the user cancelled.
    bool FillAppNumbers(IProgress& progress);
    std::vector<CDbInfo> GetDatabaseInfos() const;
    // The kept marks of the search become permanently kept; whether any changed.
    bool CommitKeptMarks(int searchId, bool allSearches);
    void ReportLoadFailure(const std::string& path, const std::string& reason);

    IExamRegisters& registers_;
    IExamRepository& repository_;
    IDocumentHost& host_;
    std::vector<IDocumentView*> views_;
    int currentSearch_ = 0;
    CCriteria templateCriteria_;
    std::string docDatabaseCodes_;
    bool statsStale_ = false;
    bool modified_ = false;
    std::string path_;
};
