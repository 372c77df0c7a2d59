#include "ServiceRegisters.h"

#include "tests/support/LocalService.h"

#include <stdexcept>

using namespace local_service;

namespace {

// The service names the international register 'I'.
const EngineInfo& EngineOf(const EngineInfoSeq& engines, char code) {
    return Find(engines, code == 'i' ? 'I' : code);
}

} // namespace

CServiceRegisters::CServiceRegisters(std::string_view codes) {
    engines_ = Logon(Remote(), "");
    table_.SetCallTimeoutMs(5000);
    table_.GetSummaryCache().SetLimits(1, 200, 8192);
    table_.GetTextCache().SetLimits(1, 200, 8192);
    table_.GetImageCache().SetLimits(1, 200, 8192);
    for (const char code : codes) {
        const EngineInfo& info = EngineOf(engines_.in(), code);
        table_.GetDb(code)->SetEngine(CZrDbEngine(info.dbCode, CZrDbEngine::kInternet,
                                                  CZrDate(info.dataDate), info.name.in(),
                                                  info.engine.in(), info.sessionId),
                                      "");
    }
}

CMark CServiceRegisters::MarkOf(char code, const std::string& wordMark, int section, int searchId,
                                std::uint32_t flags) {
    CMark mark = FindMark(code, "TMARK=\"" + wordMark + "\"", [&](const CMark& found) {
        const RecordPtr record = Db(code).FetchSummaryRecord(found);
        return record && record->GetField("WORDMARK") == wordMark;
    });
    mark.SetSection(section);
    mark.SetSearchId(searchId);
    mark.SetFlags(flags);
    return mark;
}

CMark CServiceRegisters::FindMark(char code, const std::string& criteria,
                                  const std::function<bool(const CMark&)>& test) {
    for (const CORBA::ULong id : Search(EngineOf(engines_.in(), code), criteria.c_str())) {
        CMark mark(id, code, 0, 0);
        if (!test(mark))
            continue;
        if (const RecordPtr summary = Db(code).FetchSummaryRecord(mark))
            Db(code).SetMarkAppNum(mark, *summary);
        return mark;
    }
    throw std::runtime_error("no mark for " + criteria + " in register " + code);
}
