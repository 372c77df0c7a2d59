#pragma once
// An examiner without windows who works on an examination the way the program's windows let a
// user: the examination started in the "New Examination" wizard, searches typed into the General
// page of the Search sheet, run and shown through the program's search-and-results flow, marks
// kept in the results window and committed as it closes. The sample examination is made this
// way, so that its file is what a user's work and Save would write.

#include "app/SearchRunFlow.h"
#include "app/document/ZR2000Doc.h"

#include <functional>
#include <memory>
#include <string>

class CCriteria;
class CMark;
class CUserOptions;

// A search as the user types it on the General page: the classes and the main word group with
// its match kind (the item of the kind list, counted from 0).
struct CTypedSearch {
    int section = 0;
    std::string classes;
    std::string terms;
    int kindIndex = 0;
};

// A new examination as the user fills in the "New Examination" wizard: the standard details
// with the databases, and the target mark the automatic search design starts from.
struct CTypedExamination {
    CNewExamination standard;
    std::string wordMark;
    std::string primaryClasses;
    std::string secondaryClasses;
};

class CSampleExaminer {
public:
    // Whether the examiner keeps a mark shown in the results window.
    using KeepRule = std::function<bool(const CMark& mark)>;

    CSampleExaminer(CZR2000Doc& document, const CUserOptions& user);
    CSampleExaminer(const CSampleExaminer&) = delete;
    CSampleExaminer& operator=(const CSampleExaminer&) = delete;
    ~CSampleExaminer();

    // Walks the "New Examination" wizard to its end: the standard details and databases, then,
    // with "Automatic Search Design", the target mark and the user's default statuses. Its last
    // page finishes without terms (none are proposed without the engines' finders), so that it
    // designs no search and the examiner's own follow. False when a page refused the input.
    bool NewExamination(const CTypedExamination& typed);
    // Types the search into a new Search sheet and presses Search: the search is added, run
    // and its results reviewed, keeping the marks the rule picks. False when the page refused
    // the input or the run did not end with OK.
    bool Search(const CTypedSearch& typed, const KeepRule& keep);
    // Types the search into the sheet of Add Search: it is added without running. False when
    // the page refused the input.
    bool AddSearch(const CTypedSearch& typed);
    // What went wrong last.
    const std::string& GetError() const { return error_; }

private:
    class CWindows;

    // The criteria of the sheet opened on the template criteria with the typed input stored.
    bool TypeCriteria(const CTypedSearch& typed, CCriteria& criteria);

    CZR2000Doc& document_;
    const CUserOptions& user_;
    std::unique_ptr<CWindows> windows_;
    CSearchRunFlow flow_;
    std::string error_;
};
