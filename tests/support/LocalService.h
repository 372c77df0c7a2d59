#pragma once
// The local search service for tests that cross the wire: one service process per test program,
// started on first use, and the client ORB, started before the first test and destroyed after
// the last one (before static destructors run).

#include "engines/idl/ZrEngine.hh"
#include "testsvc/idl/ZrTestControl.hh"
#include "testsvc/launch/TestServiceProcess.h"

#include <string>
#include <vector>

namespace local_service {

// The test account of the service.
constexpr const char* kCompanyId = "TESTCO";
constexpr const char* kUserId = "examiner";
constexpr const char* kPassword = "secret";

// The running service; fails the test (fatally) when it cannot be started.
CTestServiceProcess& Process();
ZrRepository_var Remote();
ZrAdmin_var Local();
// The control object, with every fault off and the call log empty.
ZrTestControl_var ResetControl();

// The client identity of the test account, or of another password.
ClientInfo TestClient(const char* password = kPassword);
// Logs on to a repository with the test account; the engines, and the error text if any.
EngineInfoSeq_var Logon(ZrRepository_ptr repository, const char* variant,
                        std::string* errorText = nullptr, std::string* newVersion = nullptr);
// The entry of a database letter (as it travels) in a list of engines; fails the test without.
const EngineInfo& Find(const EngineInfoSeq& engines, char code);
// The record ids a search finds, polled to its end; a restriction as a database of the catalogue
// sends it ("BaseMadrid", "EM,GB").
std::vector<CORBA::ULong> Search(const EngineInfo& engine, const char* criteria,
                                 const char* restriction = "");
// The calls the service logged that contain the text.
std::vector<std::string> LoggedCalls(ZrTestControl_ptr control, const std::string& text);

// Bytes of an octet sequence.
std::vector<std::uint8_t> ToBytes(const OctetSeq& sequence);

} // namespace local_service
