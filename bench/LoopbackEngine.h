#pragma once
// The local service with one large UK register and a logged-on engine, shared by every benchmark
// of the run. It is a function-local static, so the ORB goes before the stubs' static
// destructors run.

#include "engines/idl/ZrEngine.hh"
#include "testsvc/idl/ZrTestControl.hh"
#include "testsvc/launch/TestServiceProcess.h"

#include <string>
#include <vector>

// Logs on to the service's remote repository with its test account: the engines it offers.
EngineInfoSeq_var LogOnToRemote(const CTestServiceProcess& service);
// The record ids of every mark of the engine's register.
std::vector<CORBA::ULong> SearchAll(ZrEngine_ptr engine, CORBA::ULong session);
// The calls the service received since the last look, oldest first.
std::vector<std::string> TakeCallLog();
// Of those, the calls of the operation ("GetTextDetails2").
double CountCalls(const std::vector<std::string>& log, const std::string& operation);

class CLoopbackEngine {
public:
    static CLoopbackEngine& Get();
    ~CLoopbackEngine();
    CLoopbackEngine(const CLoopbackEngine&) = delete;
    CLoopbackEngine& operator=(const CLoopbackEngine&) = delete;

    ZrEngine_ptr Engine() const { return engine_.in(); }
    CORBA::ULong Session() const { return session_; }
    CORBA::ULong DataDate() const { return dataDate_; }
    // The record ids of every mark of the register.
    const std::vector<CORBA::ULong>& Ids() const { return ids_; }
    // The service's test control, to read back the calls it received.
    ZrTestControl_ptr Control() const { return control_.in(); }

private:
    CLoopbackEngine();

    CTestServiceProcess service_;
    ZrEngine_var engine_;
    ZrTestControl_var control_;
    CORBA::ULong session_ = 0;
    CORBA::ULong dataDate_ = 0;
    std::vector<CORBA::ULong> ids_;
};
