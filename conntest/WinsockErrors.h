#pragma once
// Winsock error names. Support staff read reports from every kind of workstation by these names,
// so the system's own errno and resolver codes are reported under them.

#include <string>

namespace winsock {

enum Code : int {
    kEINTR = 10004,
    kEACCES = 10013,
    kEFAULT = 10014,
    kEINVAL = 10022,
    kEINPROGRESS = 10036,
    kEALREADY = 10037,
    kEAFNOSUPPORT = 10047,
    kEADDRINUSE = 10048,
    kEADDRNOTAVAIL = 10049,
    kENETDOWN = 10050,
    kENETUNREACH = 10051,
    kENOBUFS = 10055,
    kEISCONN = 10056,
    kETIMEDOUT = 10060,
    kECONNREFUSED = 10061,
    kEPROCLIM = 10067,
    kSYSNOTREADY = 10091,
    kVERNOTSUPPORTED = 10092,
    kNOTINITIALISED = 10093,
    kHOST_NOT_FOUND = 11001,
    kTRY_AGAIN = 11002,
    kNO_RECOVERY = 11003,
    kNO_DATA = 11004,
};

} // namespace winsock

// "WSAECONNREFUSED" and the like, else "Unrecognised error code: <code>".
std::string WinsockErrorName(int code);

// The Winsock code of an errno value; an errno without a counterpart is passed on as it is, so
// that the report still shows its number.
int WinsockCodeFromErrno(int error);

// The Winsock code of a getaddrinfo result; EAI_SYSTEM takes the errno that came with it.
int WinsockCodeFromGai(int result, int error);
