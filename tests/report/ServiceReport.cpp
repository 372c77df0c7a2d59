#include "ServiceReport.h"

#include "tests/support/LocalService.h"

#include <filesystem>

using namespace local_service;

void ServiceReport::SetUp() {
    ResetControl();
    engines_ = Logon(Remote(), "");
    table_.SetCallTimeoutMs(5000);
    table_.GetTextCache().SetLimits(1, 100, 4096);
    table_.GetSummaryCache().SetLimits(1, 100, 4096);
    for (const char code : {'u', 'c', 'o'}) {
        const EngineInfo& info = Find(engines_.in(), code);
        table_.GetDb(code)->SetEngine(CZrDbEngine(code, CZrDbEngine::kInternet,
                                                  CZrDate(info.dataDate), info.name.in(),
                                                  info.engine.in(), info.sessionId),
                                      "");
    }
    document_.SetClient("Client {1}");
    document_.SetSectionCount(4);
}

CMark ServiceReport::AddMark(char code, const std::string& wordMark, int section, int searchId,
                             std::uint32_t flags, const std::string& criteria) {
    const std::string search = criteria.empty() ? "TMARK=\"" + wordMark + "\"" : criteria;
    for (const CORBA::ULong id : Search(Find(engines_.in(), code), search.c_str())) {
        CMark mark(id, code, section, searchId, 0, flags);
        if (!criteria.empty() || Field(mark, "WORDMARK") == wordMark) {
            CZrDb& db = *table_.GetDb(code);
            db.SetMarkAppNum(mark, *db.FetchSummaryRecord(mark));
            document_.MergeMark(mark);
            return mark;
        }
    }
    ADD_FAILURE() << "no mark " << wordMark << " in register " << code;
    return CMark();
}

std::string ServiceReport::Field(const CMark& mark, const char* name) {
    const RecordPtr record = table_.GetDb(mark.GetRegisterCode())->FetchTextRecord(mark);
    return record ? std::string(record->GetField(name)) : "";
}

std::string ServiceReport::AppNum(const CMark& mark) {
    CZrDb& db = *table_.GetDb(mark.GetRegisterCode());
    const RecordPtr record = db.FetchTextRecord(mark);
    return record ? db.GetAppNumText(*record) : "";
}

bool ServiceReport::Run(const std::string& templateName, const std::string& text,
                        const std::string& outputName) {
    folder_.Write(templateName, text);
    CReportJob job(document_, registers_, options_, today_);
    return job.Run(Path(templateName), Path(outputName), host_);
}

std::string ServiceReport::Report(const std::string& templateName, const std::string& text) {
    EXPECT_TRUE(Run(templateName, text));
    return folder_.Read("report.out");
}

bool ServiceReport::Exists(const std::string& name) const {
    return std::filesystem::exists(folder_ / name);
}
