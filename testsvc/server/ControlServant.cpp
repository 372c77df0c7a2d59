#include "testsvc/server/ControlServant.h"

#include <cstdio>
#include <stdexcept>

namespace {

std::string Text(const char* text) {
    return text ? text : "";
}

} // namespace

void CControlServant::SetEngineFault(const char* dbCodes, const char* fault, const char* text,
                                     CORBA::ULong value) {
    try {
        state_.SetEngineFault(Text(dbCodes), Text(fault), Text(text), value);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "zr_testsvc: %s\n", e.what());
        throw CORBA::BAD_PARAM(0, CORBA::COMPLETED_NO);
    }
}

void CControlServant::SetRepositoryFault(const char* repository, const char* fault,
                                         const char* text, CORBA::ULong value) {
    try {
        state_.SetRepositoryFault(Text(repository), Text(fault), Text(text), value);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "zr_testsvc: %s\n", e.what());
        throw CORBA::BAD_PARAM(0, CORBA::COMPLETED_NO);
    }
}

CallLog* CControlServant::GetCallLog() {
    const std::vector<std::string> entries = state_.GetCallLog();
    CallLog_var log = new CallLog(static_cast<CORBA::ULong>(entries.size()));
    log->length(static_cast<CORBA::ULong>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        log[static_cast<CORBA::ULong>(i)] = entries[i].c_str();
    return log._retn();
}

void CControlServant::Shutdown() {
    // Without waiting: this call itself must still be answered.
    orb_->shutdown(false);
}
