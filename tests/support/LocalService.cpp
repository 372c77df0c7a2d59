#include "tests/support/LocalService.h"

#include "engines/Orb.h"

#include <gtest/gtest.h>
#include <memory>

namespace local_service {

namespace {

// Short limits, so that a broken test fails quickly rather than hanging.
class COrbEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        OrbSettings settings;
        settings.callTimeoutMs = 10000;
        settings.connectTimeoutMs = 3000;
        ASSERT_TRUE(InitOrb(settings));
    }
    void TearDown() override {
        if (ServiceHolder()) {
            // The service ends in order and, under the sanitizers, without leaks.
            EXPECT_EQ(ServiceHolder()->Stop(), 0);
            ServiceHolder().reset();
        }
        ShutdownOrb();
    }

    static std::unique_ptr<CTestServiceProcess>& ServiceHolder() {
        static std::unique_ptr<CTestServiceProcess> service;
        return service;
    }
};

[[maybe_unused]] ::testing::Environment* const kOrbEnvironment =
    ::testing::AddGlobalTestEnvironment(new COrbEnvironment);

template <typename Interface>
typename Interface::_var_type Resolve(const std::string& address) {
    CORBA::Object_var object = GetOrb()->string_to_object(address.c_str());
    return Interface::_narrow(object);
}

} // namespace

CTestServiceProcess& Process() {
    std::unique_ptr<CTestServiceProcess>& service = COrbEnvironment::ServiceHolder();
    if (!service) {
        service = std::make_unique<CTestServiceProcess>();
        std::string error;
        if (!service->Start({}, error)) {
            service.reset();
            throw std::runtime_error("local service: " + error);
        }
    }
    return *service;
}

ZrRepository_var Remote() {
    return Resolve<ZrRepository>(Process().Addresses().remote);
}

ZrAdmin_var Local() {
    return Resolve<ZrAdmin>(Process().Addresses().local);
}

ZrTestControl_var ResetControl() {
    ZrTestControl_var control = Resolve<ZrTestControl>(Process().Addresses().control);
    control->Reset();
    return control;
}

ClientInfo TestClient(const char* password) {
    ClientInfo client;
    client.clientVersion = 0x00040526;
    client.hostName = "testhost";
    client.companyId = kCompanyId;
    client.userId = kUserId;
    client.password = password;
    return client;
}

EngineInfoSeq_var Logon(ZrRepository_ptr repository, const char* variant, std::string* errorText,
                        std::string* newVersion) {
    CORBA::String_var error, version;
    EngineInfoSeq_var engines =
        repository->GetAvailableEngines2(TestClient(), "", variant, error.out(), version.out());
    if (errorText)
        *errorText = error.in();
    else
        EXPECT_STREQ(error.in(), "");
    if (newVersion)
        *newVersion = version.in();
    return engines;
}

const EngineInfo& Find(const EngineInfoSeq& engines, char code) {
    for (CORBA::ULong i = 0; i < engines.length(); ++i)
        if (engines[i].dbCode == static_cast<unsigned char>(code) && engines[i].dataDate != 0)
            return engines[i];
    throw std::runtime_error(std::string("no engine for ") + code);
}

std::vector<CORBA::ULong> Search(const EngineInfo& engine, const char* criteria,
                                 const char* restriction) {
    CORBA::Boolean started = false;
    ZrEngineSearch_var search = engine.engine->StartSearch2(engine.sessionId, criteria, restriction,
                                                            "Client", "Exam 1", 0, started);
    for (int poll = 0; poll < 100; ++poll) {
        CORBA::String_var status;
        if (search->GetProgress(status.out()))
            break;
    }
    CORBA::ULong total = 0;
    UlongSeq_var first = search->GetResults(total);
    std::vector<CORBA::ULong> ids(first->get_buffer(), first->get_buffer() + first->length());
    while (ids.size() < total) {
        const CORBA::ULong from = static_cast<CORBA::ULong>(ids.size());
        UlongSeq_var chunk = search->GetMarks(from, std::min(from + 16384, total - 1));
        if (chunk->length() == 0)
            break;
        ids.insert(ids.end(), chunk->get_buffer(), chunk->get_buffer() + chunk->length());
    }
    search->Dispose();
    return ids;
}

std::vector<std::string> LoggedCalls(ZrTestControl_ptr control, const std::string& text) {
    CallLog_var log = control->GetCallLog();
    std::vector<std::string> calls;
    for (CORBA::ULong i = 0; i < log->length(); ++i)
        if (std::string(log[i].in()).find(text) != std::string::npos)
            calls.emplace_back(log[i].in());
    return calls;
}

std::vector<std::uint8_t> ToBytes(const OctetSeq& sequence) {
    return std::vector<std::uint8_t>(sequence.get_buffer(),
                                     sequence.get_buffer() + sequence.length());
}

} // namespace local_service
