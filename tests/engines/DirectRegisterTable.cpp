#include "DirectRegisterTable.h"

#include "core/Search.h"
#include "engines/OrbErrors.h"
#include "engines/Repository.h"
#include "registers/DbCodes.h"

#include <algorithm>

CDirectRegisterTable::CDirectRegisterTable() : codes_(kBuiltInDbCodes) {
    for (char c : codes_) {
        Register& entry = registers_[c];
        entry.shortName = std::string(GetCatalogueShortName(c));
        entry.longName = entry.shortName + " register";
        entry.engine = CZrDbEngine(c);
    }
}

std::string CDirectRegisterTable::GetShortName(int code) const {
    const auto found = registers_.find(code);
    return found == registers_.end() ? std::string() : found->second.shortName;
}

std::string CDirectRegisterTable::GetLongName(int code) const {
    const auto found = registers_.find(code);
    return found == registers_.end() ? std::string() : found->second.longName;
}

std::string CDirectRegisterTable::GetDbShortName(int code) const {
    const std::string name = GetShortName(code);
    return name.empty() ? std::string("'") + static_cast<char>(code) + "'" : name;
}

std::string CDirectRegisterTable::AddWebDb(const CZrDbEngine& engine) {
    Register& entry = registers_[engine.GetDbCode()];
    entry.shortName = std::string("WEB") + static_cast<char>(engine.GetDbCode());
    entry.longName = "Web register " + entry.shortName;
    entry.web = true;
    entry.engine = engine;
    codes_ += static_cast<char>(engine.GetDbCode());
    return "Direct";
}

bool CDirectRegisterTable::IsWebDb(int code) const {
    const auto found = registers_.find(code);
    return found != registers_.end() && found->second.web;
}

bool CDirectRegisterTable::HasWebDbs() const {
    return std::any_of(registers_.begin(), registers_.end(),
                       [](const auto& entry) { return entry.second.web; });
}

CZrDbEngine CDirectRegisterTable::GetDbEngine(int code) const {
    const auto found = registers_.find(code);
    return found == registers_.end() ? CZrDbEngine(code) : found->second.engine;
}

void CDirectRegisterTable::SetEngines(const CZrDbEngineSet& engines) {
    for (char c : codes_) {
        Register& entry = registers_[c];
        CZrDbEngine engine(c);
        std::string restriction;
        engines.GetEngine(c, engine, restriction);
        entry.engine = engine;
        entry.restriction = restriction;
    }
}

std::string CDirectRegisterTable::GetConnectedDatabaseCodes() const {
    std::string codes;
    for (char c : codes_)
        if (!registers_.at(c).engine.IsNil())
            codes += c;
    return codes;
}

ZrEngineSearch_var CDirectRegisterTable::StartSearch(int code, const CSearch& search,
                                                     const std::string& client,
                                                     const std::string& examId, int oneClassOnly,
                                                     std::string& errorText) {
    Register& entry = registers_.at(code);
    entry.lastEngineText = search.GetCriteria().WriteEngineText();
    if (entry.engine.IsNil()) {
        errorText = "INV_OBJREF";
        return ZrEngineSearch::_nil();
    }
    try {
        CORBA::Boolean started = false;
        errorText.clear();
        return entry.engine.GetEngine()->StartSearch2(
            entry.engine.GetSessionId(), entry.lastEngineText.c_str(), entry.restriction.c_str(),
            client.c_str(), examId.c_str(), static_cast<CORBA::ULong>(oneClassOnly), started);
    } catch (const CORBA::SystemException& e) {
        errorText = SystemExceptionName(e);
        return ZrEngineSearch::_nil();
    }
}

bool CDirectRegisterTable::SgesToAppNums(int code, std::span<const std::uint32_t> ids,
                                         std::span<std::uint32_t> numbers) {
    ++appNumCalls_;
    largestSlice_ = std::max(largestSlice_, ids.size());
    std::fill(numbers.begin(), numbers.end(), 0u);
    const auto found = registers_.find(code);
    if (found == registers_.end() || found->second.engine.IsNil())
        return false;
    try {
        UlongSeq request(static_cast<CORBA::ULong>(ids.size()));
        request.length(static_cast<CORBA::ULong>(ids.size()));
        std::copy(ids.begin(), ids.end(), request.get_buffer());
        UlongSeq_var answer = found->second.engine.GetEngine()->SGEToAppNums2(
            found->second.engine.GetSessionId(), request);
        if (answer->length() < ids.size())
            return false;
        std::copy(answer->get_buffer(), answer->get_buffer() + ids.size(), numbers.begin());
        return true;
    } catch (const CORBA::SystemException&) {
        return false;
    }
}

std::string CDirectRegisterTable::GetLastEngineText(int code) const {
    const auto found = registers_.find(code);
    return found == registers_.end() ? std::string() : found->second.lastEngineText;
}

void ConnectRegisters(CDirectRegisterTable& table, const CZrRepository& repository) {
    CZrDbEngineSet engines;
    for (char c : table.GetDbCodes())
        engines.AddEngine(repository.GetPreferredEngine(static_cast<unsigned char>(c)), "");
    table.SetEngines(engines);
}
