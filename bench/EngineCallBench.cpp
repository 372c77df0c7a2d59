// Raw costs of calls on the search service over loopback, against the local service: the floor
// under the client's own search and record-fetch overhead.

#include "engines/Orb.h"
#include "engines/idl/ZrEngine.hh"
#include "testsvc/launch/TestServiceProcess.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr CORBA::ULong kChunk = 16385;

// The service with one large register and a logged-on engine, for every benchmark of the run.
// It is a function-local static, so the ORB goes before the stubs' static destructors run.
class CLoopbackEngine {
public:
    static CLoopbackEngine& Get() {
        static CLoopbackEngine engine;
        return engine;
    }
    ~CLoopbackEngine() {
        engine_ = ZrEngine::_nil();
        service_.Stop();
        ShutdownOrb();
    }

    ZrEngine_ptr Engine() const { return engine_.in(); }
    CORBA::ULong Session() const { return session_; }
    const std::vector<CORBA::ULong>& Ids() const { return ids_; }

private:
    CLoopbackEngine() {
        if (!InitOrb())
            throw std::runtime_error("cannot start the ORB");
        std::string error;
        if (!service_.Start({20000, "u"}, error))
            throw std::runtime_error(error);
        CORBA::Object_var object = GetOrb()->string_to_object(service_.Addresses().remote.c_str());
        ZrRepository_var repository = ZrRepository::_narrow(object);
        ClientInfo client;
        client.clientVersion = 0x00040526;
        client.hostName = "bench";
        client.companyId = "TESTCO";
        client.userId = "examiner";
        client.password = "secret";
        CORBA::String_var errorText, version;
        EngineInfoSeq_var engines =
            repository->GetAvailableEngines2(client, "", "", errorText.out(), version.out());
        engine_ = ZrEngine::_duplicate(engines[0].engine);
        session_ = engines[0].sessionId;

        CORBA::Boolean started = false;
        ZrEngineSearch_var search =
            engine_->StartSearch2(session_, "APPNO=\"1-\"", "", "", "", 0, started);
        CORBA::String_var status;
        while (!search->GetProgress(status.out())) {
        }
        CORBA::ULong total = 0;
        UlongSeq_var first = search->GetResults(total);
        ids_.assign(first->get_buffer(), first->get_buffer() + first->length());
        UlongSeq_var rest = search->GetMarks(static_cast<CORBA::ULong>(ids_.size()), total - 1);
        ids_.insert(ids_.end(), rest->get_buffer(), rest->get_buffer() + rest->length());
        search->Dispose();
    }

    CTestServiceProcess service_;
    ZrEngine_var engine_;
    CORBA::ULong session_ = 0;
    std::vector<CORBA::ULong> ids_;
};

void BM_NullCall(benchmark::State& state) {
    const CLoopbackEngine& loopback = CLoopbackEngine::Get();
    for (auto _ : state)
        loopback.Engine()->SetActive(loopback.Session(), true);
}
BENCHMARK(BM_NullCall)->Unit(benchmark::kMicrosecond);

void BM_GetMarks16385(benchmark::State& state) {
    const CLoopbackEngine& loopback = CLoopbackEngine::Get();
    CORBA::Boolean started = false;
    ZrEngineSearch_var search =
        loopback.Engine()->StartSearch2(loopback.Session(), "APPNO=\"1-\"", "", "", "", 0, started);
    CORBA::String_var status;
    while (!search->GetProgress(status.out())) {
    }
    for (auto _ : state) {
        UlongSeq_var ids = search->GetMarks(0, kChunk - 1);
        benchmark::DoNotOptimize(ids->length());
    }
    search->Dispose();
    state.SetItemsProcessed(state.iterations() * kChunk);
}
BENCHMARK(BM_GetMarks16385)->Unit(benchmark::kMicrosecond);

void BM_GetMultiSummaryDetails3_100(benchmark::State& state) {
    const CLoopbackEngine& loopback = CLoopbackEngine::Get();
    UlongSeq ids;
    ids.length(100);
    for (CORBA::ULong i = 0; i < 100; ++i)
        ids[i] = loopback.Ids()[i * 97 % loopback.Ids().size()];
    for (auto _ : state) {
        OctetSeq_var records =
            loopback.Engine()->GetMultiSummaryDetails3(loopback.Session(), ids, "y3:11");
        benchmark::DoNotOptimize(records->length());
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_GetMultiSummaryDetails3_100)->Unit(benchmark::kMicrosecond);

} // namespace
