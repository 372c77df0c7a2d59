#pragma once
// The contents of a watch made from an examination's kept marks: each kept mark becomes one
// section holding a copy of the mark and the searches that would find marks conflicting with it
// later. Word searches come from the pieces of its word mark (words, numbers, joined initials,
// symbols with their spoken forms, "@" spellings), a device search from its device categories;
// all are restricted to the mark's register and its classes (with their cross classes). Nothing
// here touches a document: the caller hands the lists over when every mark is done.

#include "core/Criteria.h"
#include "core/MarkList.h"
#include "core/SearchList.h"
#include "core/ZrData.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CUserOptions;

// The choices of the Convert To Watch dialog, kept in the [Watch] user settings.
struct CWatchOptions {
    bool includeCrossClasses = true;
    // Device searches besides the word searches.
    bool devices = true;
    // Word terms match any substring ("TermMatch" 1), else the exact term (0).
    bool substringMatch = true;

    static CWatchOptions Load(const CUserOptions& settings);
    // Writes the three settings; the settings are marked changed when any differs.
    void Store(CUserOptions& settings) const;
};

// Where the full records of the watched marks come from.
class IWatchRecords {
public:
    virtual ~IWatchRecords() = default;
    // The mark's full record; null when it cannot be had (its register reports why).
    virtual std::shared_ptr<const CZrData> GetTextRecord(const CMark& mark) = 0;
};

// The definition of a class's cross classes ([Class] "x" + class), "" when there is none.
using CrossClassReader = std::function<std::string(const std::string& classText)>;

class CWatchBuilder {
public:
    // The longest term searched whole as a substring; longer ones are cut to it.
    static constexpr std::size_t kMaxSubstringTerm = 14;

    CWatchBuilder(const CWatchOptions& options, IWatchRecords& records,
                  CrossClassReader crossClasses);

    // Watches kept mark number n (from 1): a copy of it as section n, of no search, and, when its
    // record can be had, its word searches and its device search.
    void AddMark(int n, const CMark& mark);

    // The classes with the cross classes of each, as a class summary ("All" for every class).
    std::string CrossClasses(const std::string& classes) const;
    // The word searches of a word mark for section n.
    void AddWordSearches(int n, char code, const std::string& classes, const std::string& word);
    // A search for a term that passes the word-term validation, as a substring when asked, and
    // the spoken and symbol forms of "@", "£", "$" and "#".
    void AddTermSearch(int n, char code, const std::string& classes, const std::string& term,
                       bool substring);
    // Adds the search to section n unless one there has the same or wider criteria.
    void AddSearch(int n, const CCriteria& criteria);

    const CMarkList& GetMarks() const { return marks_; }
    const CSearchList& GetSearches() const { return searches_; }

private:
    void AddWordSearch(int n, char code, const std::string& classes, const std::string& term);
    void AddDeviceSearch(int n, char code, const std::string& classes,
                         const std::vector<std::string>& categories);
    void AddAtSpellings(int n, char code, const std::string& classes, const std::string& word);
    static CCriteria MakeCriteria(char code, const std::string& classes);

    CWatchOptions options_;
    IWatchRecords& records_;
    CrossClassReader crossClasses_;
    CMarkList marks_;
    CSearchList searches_;
    // The criteria of each section's searches, for AddSearch's comparison.
    std::map<int, std::vector<CCriteria>> sectionCriteria_;
};
