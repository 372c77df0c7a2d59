#pragma once
// The examination's commands that open dialogs and hand their results to the document:
// Change Details..., Change Databases... and the engine choice of the database check. The main
// view's commands use them too.

#include "core/ui/HyperLink.h"

#include <string>
#include <vector>

class CMakerSite;
class CUserOptions;
class CZR2000Doc;
class CZrRepository;
class IExamRegisters;
class IRegisterTable;
class wxWindow;

// Caveat: the record set among the sets given, the user's default chosen at first; after OK the
// set chosen is the user's default. True for OK.
bool RunCaveatSet(wxWindow* parent, std::vector<std::string> sets, CUserOptions& user,
                  std::string& setName);

// After OK the details go to the document. True for OK.
bool RunChangeDetails(wxWindow* parent, CZR2000Doc& document, bool requireClientName);

// After OK the registers have the chosen engines, and the databases with an engine become the
// document's, with the chosen catalogue (update hint 8). Databases the examination already
// uses keep their engines. The notice and training links point into the maker's site. True for
// OK.
bool RunChangeDatabases(wxWindow* parent, CZR2000Doc& document, IRegisterTable& registers,
                        const CZrRepository& repository, CUserOptions& user,
                        const CMakerSite& makerSite, CHyperLink::Opener opener = {});

// The engine choice for the databases of the letters; after OK they take the chosen engines.
void RunChangeEngines(wxWindow* parent, const std::string& codes, const IRegisterTable& registers,
                      const CZrRepository& repository, IExamRegisters& examRegisters);
