#pragma once
// The rules of the examination's small dialogs without their windows: Change Details (what may
// change, and its checks on OK) and the record set of a caveat search.

#include "app/document/ZR2000Doc.h"

#include <string>
#include <vector>

class CDbEngineSelection;
class CUserOptions;
class IExamRegisters;

// The Change Details dialog's values: the details the examination lets change, and the target
// mark's texts, which are only shown.
struct CChangeDetailsForm {
    CExamDetails details;
    std::string primaryClasses;
    std::string secondaryClasses;
    std::string wordMark;
    std::string status;
    // A watch has no sections to change.
    bool watch = false;
    // The fewest sections the searches and marks leave room for.
    int lowestSections = 1;
};

enum class EDetailsField { None, Client, Sections };

CChangeDetailsForm MakeChangeDetailsForm(const CZR2000Doc& document);

// OK: the client is trimmed; "" when the details may be stored, else the message and the field
// that gets the focus. A watch's section count is not checked.
std::string CheckChangeDetails(CChangeDetailsForm& form, bool requireClientName,
                               EDetailsField& focus);

// The record set a caveat search looks in: the sets of the examination's registers, the user's
// default chosen when it is among them.
class CCaveatSetChoice {
public:
    CCaveatSetChoice(std::vector<std::string> sets, CUserOptions& user);

    const std::vector<std::string>& GetSets() const { return sets_; }
    // The default set's row; -1 when the list does not hold it.
    int GetInitialSelection() const { return initial_; }
    // OK with the name typed or chosen: false for an empty name; else it becomes the user's
    // default set.
    bool Accept(const std::string& name);

private:
    std::vector<std::string> sets_;
    CUserOptions& user_;
    int initial_ = -1;
};

// After the engine choice of the database check: every database of the set takes its chosen
// engine, keeping its restriction; the registers of other databases keep theirs.
void ApplyEngineChoice(const std::vector<CDbEngineSelection>& choice, IExamRegisters& registers);
