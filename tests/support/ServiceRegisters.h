#pragma once
// A register table whose registers take the local search service's engines, and the service's
// marks found by their word mark or a search: for the tests and benchmarks of what shows marks.

#include "core/Mark.h"
#include "engines/idl/ZrEngine.hh"
#include "registers/ZrDbs.h"

#include <functional>
#include <string>
#include <string_view>

class CServiceRegisters {
public:
    // Logs on to the service (started on first use) and connects the registers of the codes.
    explicit CServiceRegisters(std::string_view codes);

    CZrDbs& Table() { return table_; }
    CZrDb& Db(char code) { return *table_.GetDb(code); }
    // The register's mark whose word mark is exactly the text, its packed number taken from its
    // record; throws when there is none.
    CMark MarkOf(char code, const std::string& wordMark, int section = 0, int searchId = 0,
                 std::uint32_t flags = 0);
    // The first mark the criteria find for which the test holds; throws when there is none.
    CMark FindMark(char code, const std::string& criteria,
                   const std::function<bool(const CMark&)>& test);

private:
    EngineInfoSeq_var engines_;
    CZrDbs table_;
};
