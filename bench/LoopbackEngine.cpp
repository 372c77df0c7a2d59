#include "bench/LoopbackEngine.h"

#include "engines/Orb.h"

#include <stdexcept>

EngineInfoSeq_var LogOnToRemote(const CTestServiceProcess& service) {
    CORBA::Object_var object = GetOrb()->string_to_object(service.Addresses().remote.c_str());
    ZrRepository_var repository = ZrRepository::_narrow(object);
    ClientInfo client;
    client.clientVersion = 0x00040526;
    client.hostName = "bench";
    client.companyId = "TESTCO";
    client.userId = "examiner";
    client.password = "secret";
    CORBA::String_var errorText, version;
    return repository->GetAvailableEngines2(client, "", "", errorText.out(), version.out());
}

std::vector<CORBA::ULong> SearchAll(ZrEngine_ptr engine, CORBA::ULong session) {
    CORBA::Boolean started = false;
    ZrEngineSearch_var search =
        engine->StartSearch2(session, "APPNO=\"1-\"", "", "", "", 0, started);
    CORBA::String_var status;
    while (!search->GetProgress(status.out())) {
    }
    CORBA::ULong total = 0;
    UlongSeq_var first = search->GetResults(total);
    std::vector<CORBA::ULong> ids(first->get_buffer(), first->get_buffer() + first->length());
    if (ids.size() < total) {
        UlongSeq_var rest = search->GetMarks(static_cast<CORBA::ULong>(ids.size()), total - 1);
        ids.insert(ids.end(), rest->get_buffer(), rest->get_buffer() + rest->length());
    }
    search->Dispose();
    return ids;
}

std::vector<std::string> TakeCallLog() {
    ZrTestControl_ptr control = CLoopbackEngine::Get().Control();
    CallLog_var log = control->GetCallLog();
    control->ClearCallLog();
    return {log->get_buffer(), log->get_buffer() + log->length()};
}

double CountCalls(const std::vector<std::string>& log, const std::string& operation) {
    double calls = 0;
    for (const std::string& call : log)
        calls += call.find("." + operation + "(") != std::string::npos;
    return calls;
}

CLoopbackEngine& CLoopbackEngine::Get() {
    static CLoopbackEngine engine;
    return engine;
}

CLoopbackEngine::CLoopbackEngine() {
    if (!InitOrb())
        throw std::runtime_error("cannot start the ORB");
    std::string error;
    if (!service_.Start({20000, "u"}, error))
        throw std::runtime_error(error);
    CORBA::Object_var control = GetOrb()->string_to_object(service_.Addresses().control.c_str());
    control_ = ZrTestControl::_narrow(control);
    EngineInfoSeq_var engines = LogOnToRemote(service_);
    engine_ = ZrEngine::_duplicate(engines[0].engine);
    session_ = engines[0].sessionId;
    dataDate_ = engines[0].dataDate;

    ids_ = SearchAll(engine_.in(), session_);
}

CLoopbackEngine::~CLoopbackEngine() {
    engine_ = ZrEngine::_nil();
    control_ = ZrTestControl::_nil();
    service_.Stop();
    ShutdownOrb();
}
