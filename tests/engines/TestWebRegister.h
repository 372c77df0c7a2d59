#pragma once
// The register table of a test, wired as the program wires it: web registers for codes it has
// not built in (a stand-in for the layout-described ones, with the catalogue group "Webtown"),
// and every engine a register takes recorded with the repository.

#include "engines/Repository.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"

#include <memory>

// A register for a code the program has not built in, short name "WT".
std::unique_ptr<CZrDb> MakeTestWebDb(CZrDbs& table, const CZrDbEngine& engine);

// Hands every register the engine the repository prefers for its code.
void ConnectRegisters(IRegisterTable& table, const CZrRepository& repository);
