#pragma once
// The test service's control object: faults, the call log and shutting the service down.

#include "testsvc/idl/ZrTestControl.hh"
#include "testsvc/server/ServiceState.h"

class CControlServant : public POA_ZrTestControl {
public:
    CControlServant(CServiceState& state, CORBA::ORB_ptr orb)
        : state_(state), orb_(CORBA::ORB::_duplicate(orb)) {}

    void SetEngineFault(const char* dbCodes, const char* fault, const char* text,
                        CORBA::ULong value) override;
    void SetRepositoryFault(const char* repository, const char* fault, const char* text,
                            CORBA::ULong value) override;
    void Reset() override { state_.Reset(); }
    CORBA::ULong CountOpenSessions() override {
        return static_cast<CORBA::ULong>(state_.CountSessions());
    }
    CallLog* GetCallLog() override;
    void ClearCallLog() override { state_.ClearCallLog(); }
    void Shutdown() override;

private:
    CServiceState& state_;
    CORBA::ORB_var orb_;
};
