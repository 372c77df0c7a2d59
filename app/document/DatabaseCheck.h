#pragma once
// What became of the databases an examination was saved with: whether their engines are still
// there, whether newer data has come, and which registers' data changed. Searches on changed
// databases go back to not run, and the marks of changed registers find their records again
// by application number.

#include "core/DbInfo.h"

#include <string>
#include <vector>

class CMarkList;
class CSearchList;
class CZrDbEngine;
class IDocumentHost;
class IExamRegisters;
class IExamRepository;

// What an examination saves of the engine of a database, for the check when it is opened again.
CDbInfo SavedDatabase(char code, const CZrDbEngine& engine);

class CDatabaseCheck {
public:
    // Marks are re-identified this many at a time.
    static constexpr int kBatchSize = 150;

    CDatabaseCheck(IExamRegisters& registers, const IExamRepository& repository,
                   IDocumentHost& host)
        : registers_(registers), repository_(repository), host_(host) {}

    // Switches each register to its saved engine when that is still there, tells the user of
    // missing and newer databases (offering, or with `ask` requiring, the engine choice), and
    // answers the letters of the saved databases whose data or engine location now differ.
    // Databases of the codes to skip are neither looked for nor reported.
    std::string CheckDatabases(const std::vector<CDbInfo>& saved, const std::string& skipCodes,
                               bool ask);

    // With reset, the searches on any changed database go back to not run and lose their
    // unkept marks. The marks of the changed registers take the record numbers of their
    // application numbers in the current data; the marks are sorted and grouped again.
    void ResetChangedSearches(const std::string& changed, bool reset, CMarkList& marks,
                              CSearchList& searches);

private:
    // "UK(5 Jan 2004), EUTM": each letter's short name with its saved date.
    std::string DescribeDatabases(const std::string& codes,
                                  const std::vector<CDbInfo>& saved) const;
    void ReidentifyMarks(char code, CMarkList& marks);

    IExamRegisters& registers_;
    const IExamRepository& repository_;
    IDocumentHost& host_;
};
