#include "engines/Orb.h"

#include "engines/OrbErrors.h"

#include <cstdio>
#include <string>

namespace {

CORBA::ORB_var& HeldOrb() {
    static CORBA::ORB_var orb;
    return orb;
}

} // namespace

bool InitOrb(const OrbSettings& settings) {
    const std::string callTimeout = std::to_string(settings.callTimeoutMs);
    const std::string connectTimeout = std::to_string(settings.connectTimeoutMs);
    const std::string maxMessage = std::to_string(settings.maxMessageBytes);
    const char* options[][2] = {{"clientCallTimeOutPeriod", callTimeout.c_str()},
                                {"clientConnectTimeOutPeriod", connectTimeout.c_str()},
                                {"giopMaxMsgSize", maxMessage.c_str()},
                                {nullptr, nullptr}};
    char programName[] = "ZrClient";
    char* argv[] = {programName, nullptr};
    int argc = 1;
    try {
        // omniORB 4 wants its own identifier; the old "omniORB3" only earns a warning.
        CORBA::ORB_var orb = CORBA::ORB_init(argc, argv, "omniORB4", options);
        HeldOrb() = orb._retn();
        return true;
    } catch (const CORBA::SystemException& e) {
        std::fprintf(stderr, "ORB start failed: %s\n", SystemExceptionName(e).c_str());
    } catch (const omniORB::fatalException& e) {
        std::fprintf(stderr, "%s\n", OmniOrbErrorText(e).c_str());
    }
    return false;
}

CORBA::ORB_ptr GetOrb() {
    return HeldOrb().in();
}

void ShutdownOrb() {
    CORBA::ORB_var& orb = HeldOrb();
    if (CORBA::is_nil(orb))
        return;
    try {
        orb->destroy();
    } catch (const CORBA::SystemException&) {
        // An ORB that is already going down needs nothing more.
    }
    orb = CORBA::ORB::_nil();
}

std::string OrbLibraryVersion() {
    return omniORB::versionString();
}
