#pragma once
// One search on one engine. The answer is known at once, but the search reports progress over
// several polls before it ends, as a real engine does, and can be told to fail or vanish.

#include "engines/idl/ZrEngine.hh"
#include "testsvc/server/ServiceState.h"

#include <cstdint>
#include <mutex>
#include <vector>

class CSearchServant : public POA_ZrEngineSearch {
public:
    CSearchServant(CServiceState& state, char dbCode, std::vector<std::uint32_t> ids,
                   PortableServer::POA_ptr poa);

    CORBA::ULong GetErrorInfo(CORBA::String_out errorText) override;
    CORBA::Boolean GetProgress(CORBA::String_out statusText) override;
    UlongSeq* GetMarks(CORBA::ULong first, CORBA::ULong last) override;
    UlongSeq* GetResults(CORBA::ULong& total) override;
    void Dispose() override;

private:
    EngineBehaviour Enter(const std::string& call);
    bool IsDone() const;
    // Ended without failing: the ids may be fetched.
    bool HasResults() const;
    void Deactivate();

    CServiceState& state_;
    const char dbCode_;
    const std::vector<std::uint32_t> ids_;
    PortableServer::POA_var poa_;
    mutable std::mutex mutex_;
    std::uint32_t polls_ = 0;
    bool done_ = false;
    bool failed_ = false;
    std::string failReason_;
};
