#pragma once
// The service as a whole: the ORB on a loopback port, the data sets, the engines, the two
// repositories at their fixed object keys and the control object.
//
//   corbaloc::127.0.0.1:<port>/ZrRepository   the remote repository (every register)
//   corbaloc::127.0.0.1:<port>/ZrAdmin        the local repository (a few "Office" engines)
//   corbaloc::127.0.0.1:<port>/ZrTestControl  the test control object

#include "testsvc/server/ServiceState.h"

#include <cstdint>
#include <string>
#include <vector>

struct ServiceOptions {
    int port = 0;
    std::string addressFile; // written once the service answers; empty: none
    std::uint32_t marksPerRegister = 2000;
    std::string registers;         // letters of the registers to serve; empty: all
    std::vector<Account> accounts; // empty: the one test account
};

// Reads --port N, --address-file PATH, --marks N, --registers LETTERS and --account
// COMPANY:USER:PASSWORD (repeatable). False with a message for anything else.
bool ParseServiceOptions(const std::vector<std::string>& arguments, ServiceOptions& options,
                         std::string& error);

// Serves until the control object's Shutdown or SIGINT/SIGTERM; the process exit code.
int RunTestService(const ServiceOptions& options);
