#pragma once
// The registers of the local search service's engines, their marks and records, and those
// records' pages served in their registers' layouts, for the tests of the difference check.

#include "registers/ZrDbs.h"
#include "tests/support/LocalService.h"
#include "tests/support/RegisterPageMaker.h"

#include <functional>
#include <stdexcept>
#include <string>

class CServiceMarks {
public:
    // Logs on to the service (started on first use) and connects the registers of the codes.
    CServiceMarks(LoopbackWebServer& server, const std::string& codes) : pages_(server) {
        engines_ = local_service::Logon(local_service::Remote(), "");
        table_.SetCallTimeoutMs(5000);
        table_.GetTextCache().SetLimits(1, 200, 8192);
        table_.GetSummaryCache().SetLimits(1, 200, 8192);
        for (const char code : codes) {
            const EngineInfo& info = Engine(code);
            table_.GetDb(code)->SetEngine(CZrDbEngine(info.dbCode, CZrDbEngine::kInternet,
                                                      CZrDate(info.dataDate), info.name.in(),
                                                      info.engine.in(), info.sessionId),
                                          "");
        }
    }

    CZrDbs& Table() { return table_; }
    CRegisterPageMaker& Pages() { return pages_; }

    // The first mark the criteria find whose record passes the test.
    CMark FindMark(char code, const std::string& criteria,
                   const std::function<bool(const CZrData&)>& test) {
        for (const CORBA::ULong id : local_service::Search(Engine(code), criteria.c_str()))
            if (const CMark mark(id, code, 0, 0); test(Record(mark)))
                return mark;
        throw std::runtime_error("no mark for " + criteria);
    }
    // The register's mark of that word mark (for the domain register, the domain).
    CMark MarkOf(char code, const std::string& wordMark) {
        return FindMark(code, "TMARK=\"" + wordMark + "\"", [&](const CZrData& record) {
            return record.GetField("WORDMARK") == wordMark;
        });
    }
    // The mark, its page served with the change.
    CMark Served(char code, const std::string& wordMark, PageChange change = PageChange::None) {
        const CMark mark = MarkOf(code, wordMark);
        pages_.Add(code, Record(mark), change);
        return mark;
    }
    const CZrData& Record(const CMark& mark) {
        std::string error;
        records_.push_back(table_.GetDb(mark.GetRegisterCode())->GetTextRecord(mark, error));
        return *records_.back();
    }
    std::string Field(const CMark& mark, const char* tag) {
        return std::string(Record(mark).GetField(tag));
    }
    std::string UkPath(const CMark& mark) { return CRegisterPageMaker::UkPath(Record(mark)); }

private:
    // The service names the international register 'I'.
    const EngineInfo& Engine(char code) {
        return local_service::Find(engines_.in(), code == 'i' ? 'I' : code);
    }

    EngineInfoSeq_var engines_;
    CZrDbs table_;
    std::vector<RecordPtr> records_;
    CRegisterPageMaker pages_;
};
