#pragma once
// Examination > Convert to Watch: turns the document's kept marks into a watch, one section per
// kept mark with the searches that watch it (WatchBuilder.h). The user confirms the loss of an
// unsaved examination and chooses the options first; the marks are processed under a progress
// window with Cancel, and only a completed run replaces the document's contents, so a Cancel
// leaves the examination as it was.

#include "app/document/ZR2000Doc.h"
#include "search/WatchBuilder.h"

class CUserOptions;
class CZrDbs;

// What the conversion asks of the windows.
class IWatchWindows {
public:
    virtual ~IWatchWindows() = default;
    // Saves the document as its Save command does; false when it was not saved.
    virtual bool SaveDocument() = 0;
    // The Convert To Watch dialog on the options; true for its OK.
    virtual bool EditOptions(CWatchOptions& options) = 0;
    // The views' part of the watch layout: the main view reviews the searches and the watch
    // view selects its first row.
    virtual void ShowWatch() = 0;
};

// The full records of marks through the registers of the table.
class CTableWatchRecords : public IWatchRecords {
public:
    explicit CTableWatchRecords(CZrDbs& table) : table_(table) {}
    std::shared_ptr<const CZrData> GetTextRecord(const CMark& mark) override;

private:
    CZrDbs& table_;
};

class CWatchController {
public:
    static constexpr const char* kNoKeptMarksText =
        "You do not have any kept marks to generate a watch from.";
    static constexpr const char* kSaveFirstText =
        "Generating a watch will replace your existing Examination.\nDo you wish to save your "
        "existing examination first?\nFailure to do so will result in the examination being "
        "lost.";
    static constexpr const char* kProgressCaption = "Generating watch";

    CWatchController(CZR2000Doc& document, IDocumentHost& host, IWatchWindows& windows,
                     IWatchRecords& records, CUserOptions& settings);

    // True when the watch was generated, or its generation cancelled after the options were
    // accepted; false when nothing was done.
    bool GenerateWatch();

private:
    // Whether the examination may be replaced: saved first when the user asks for that.
    bool MayReplaceExamination();
    // False when the user cancelled.
    bool ProcessMarks(const TVmRec<int>& kept, IProgress& progress, CWatchBuilder& builder);
    void SwitchToWatch();

    CZR2000Doc& document_;
    IDocumentHost& host_;
    IWatchWindows& windows_;
    IWatchRecords& records_;
    CUserOptions& settings_;
};
