#include "conntest/WinsockErrors.h"

#include <cerrno>
#include <netdb.h>
#include <utility>

using namespace winsock;

namespace {

constexpr std::pair<int, const char*> kNames[] = {
    {kEINTR, "WSAEINTR"},
    {kEACCES, "WSAEACCES"},
    {kEFAULT, "WSAEFAULT"},
    {kEINVAL, "WSAEINVAL"},
    {kEINPROGRESS, "WSAEINPROGRESS"},
    {kEALREADY, "WSAEALREADY"},
    {kEAFNOSUPPORT, "WSAEAFNOSUPPORT"},
    {kEADDRINUSE, "WSAEADDRINUSE"},
    {kEADDRNOTAVAIL, "WSAEADDRNOTAVAIL"},
    {kENETDOWN, "WSAENETDOWN"},
    {kENETUNREACH, "WSAENETUNREACH"},
    {kENOBUFS, "WSAENOBUFS"},
    {kEISCONN, "WSAEISCONN"},
    {kETIMEDOUT, "WSAETIMEDOUT"},
    {kECONNREFUSED, "WSAECONNREFUSED"},
    {kEPROCLIM, "WSAEPROCLIM"},
    {kSYSNOTREADY, "WSASYSNOTREADY"},
    {kVERNOTSUPPORTED, "WSAVERNOTSUPPORTED"},
    {kNOTINITIALISED, "WSANOTINITIALISED"},
    {kHOST_NOT_FOUND, "WSAHOST_NOT_FOUND"},
    {kTRY_AGAIN, "WSATRY_AGAIN"},
    {kNO_RECOVERY, "WSANO_RECOVERY"},
    {kNO_DATA, "WSANO_DATA"},
};

} // namespace

std::string WinsockErrorName(int code) {
    for (const auto& [known, name] : kNames)
        if (known == code)
            return name;
    return "Unrecognised error code: " + std::to_string(code);
}

int WinsockCodeFromErrno(int error) {
    switch (error) {
    case EINTR:
        return kEINTR;
    case EACCES:
    case EPERM: // what a local firewall rule that rejects a connect gives
        return kEACCES;
    case EFAULT:
        return kEFAULT;
    case EINVAL:
        return kEINVAL;
    case EINPROGRESS:
        return kEINPROGRESS;
    case EALREADY:
        return kEALREADY;
    case EAFNOSUPPORT:
    case EPROTONOSUPPORT:
        return kEAFNOSUPPORT;
    case EADDRINUSE:
        return kEADDRINUSE;
    case EADDRNOTAVAIL:
        return kEADDRNOTAVAIL;
    case ENETDOWN:
        return kENETDOWN;
    case ENETUNREACH:
    case EHOSTUNREACH: // the names support staff know have no separate host entry
        return kENETUNREACH;
    case ENOBUFS:
    case ENOMEM:
    case EMFILE:
    case ENFILE:
        return kENOBUFS;
    case EISCONN:
        return kEISCONN;
    case ETIMEDOUT:
        return kETIMEDOUT;
    case ECONNREFUSED:
        return kECONNREFUSED;
    default:
        return error;
    }
}

int WinsockCodeFromGai(int result, int error) {
    switch (result) {
    case EAI_NONAME:
        return kHOST_NOT_FOUND;
    case EAI_AGAIN:
        return kTRY_AGAIN;
    case EAI_FAIL:
        return kNO_RECOVERY;
    case EAI_NODATA:
    case EAI_ADDRFAMILY:
        return kNO_DATA;
    case EAI_MEMORY:
        return kENOBUFS;
    case EAI_FAMILY:
        return kEAFNOSUPPORT;
    case EAI_SYSTEM:
        return WinsockCodeFromErrno(error);
    default: // bad flags, service or socket type: a fault of the call
        return kEINVAL;
    }
}
