#include "TestWebRegister.h"

#include "engines/ZrDbEngineSet.h"
#include "registers/AppNumFormats.h"
#include "registers/BuiltInDb.h"
#include "registers/SortKeys.h"

namespace {

class CTestWebDb : public CBuiltInDb {
public:
    CTestWebDb(CZrDbs& table, int code)
        : CBuiltInDb(table, code,
                     {0,
                      "WT",
                      "Webtown Marks",
                      {"XA"},
                      FormatUkdomAppNum,
                      ParseUkdomAppNum,
                      "APPNUM",
                      GetUkSortKey,
                      1,
                      false,
                      {SummaryDate::Application, SummaryNote::None, HeaderDate::Application,
                       HeaderNote::None, HeaderClasses::Nice}}),
          group_{"WT", "Webtown", false,
                 true, false,     {{"WT", static_cast<char>(code), "Webtown marks", "", true}}} {}
    const CDbGroup* GetDbGroup() const override { return &group_; }

private:
    CDbGroup group_;
};

} // namespace

std::unique_ptr<CZrDb> MakeTestWebDb(CZrDbs& table, const CZrDbEngine& engine) {
    auto db = std::make_unique<CTestWebDb>(table, engine.GetDbCode());
    db->SetEngine(engine, "");
    return db;
}

void ConnectRegisters(IRegisterTable& table, const CZrRepository& repository) {
    CZrDbEngineSet engines;
    for (char c : table.GetDbCodes())
        engines.AddEngine(repository.GetPreferredEngine(static_cast<unsigned char>(c)), "");
    table.SetEngines(engines);
}
