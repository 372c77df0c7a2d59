#include "engines/RegisterTable.h"

#include "core/CriteriaWording.h"

#include <algorithm>
#include <string_view>

namespace {

class CStandInWording : public CCriteriaWording {
public:
    std::string DbCodesToNames(const std::string& codes) const override { return codes; }
    std::string StatusCodesToText(const std::string& letters, bool) const override {
        return letters;
    }
    std::string AppNumRangeToText(const CZrAppNum&, const CZrAppNum&) const override { return {}; }
    std::string DateRangeToText(const CZrDate&, const CZrDate&) const override { return {}; }
};

// Knows the built-in codes but holds no register: nothing can be searched or connected.
class CStandInTable : public IRegisterTable {
public:
    bool IsKnownCode(int code) const override {
        return code > 0 && code < 256 &&
               std::string_view(kBuiltInDbCodes).find(static_cast<char>(code)) !=
                   std::string_view::npos;
    }
    std::string GetDbCodes() const override { return kBuiltInDbCodes; }
    bool HasRegister(int) const override { return false; }
    std::string GetShortName(int) const override { return {}; }
    std::string GetLongName(int) const override { return {}; }
    std::string GetDbShortName(int code) const override {
        return std::string("'") + static_cast<char>(code) + "'";
    }
    const CCriteriaWording& GetCriteriaWording() const override { return wording_; }
    std::string AddWebDb(const CZrDbEngine&) override { return {}; }
    void AddDbGroupToSelection(int) override {}
    bool IsWebDb(int) const override { return false; }
    bool HasWebDbs() const override { return false; }
    CZrDbEngine GetDbEngine(int code) const override { return CZrDbEngine(code); }
    void SetEngines(const CZrDbEngineSet&) override {}
    std::string GetConnectedDatabaseCodes() const override { return {}; }
    ZrEngineSearch_var StartSearch(int, const CSearch&, const std::string&, const std::string&, int,
                                   std::string& errorText) override {
        errorText = "no register";
        return ZrEngineSearch::_nil();
    }
    bool SgesToAppNums(int, std::span<const std::uint32_t>,
                       std::span<std::uint32_t> numbers) override {
        std::fill(numbers.begin(), numbers.end(), 0u);
        return false;
    }

private:
    CStandInWording wording_;
};

IRegisterTable* gInstalled = nullptr;

} // namespace

void InstallRegisterTable(IRegisterTable* table) {
    gInstalled = table;
}

IRegisterTable& GetRegisterTable() {
    static CStandInTable standIn;
    return gInstalled ? *gInstalled : standIn;
}
