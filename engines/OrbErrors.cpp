#include "engines/OrbErrors.h"

#include <cstdio>

std::string SystemExceptionName(const CORBA::Exception& e) {
    const CORBA::SystemException* system = CORBA::SystemException::_downcast(&e);
    return system ? system->_name() : "?";
}

bool IsConnectionFailure(const CORBA::SystemException& e) {
    return CORBA::COMM_FAILURE::_downcast(&e) || CORBA::OBJECT_NOT_EXIST::_downcast(&e) ||
           CORBA::TRANSIENT::_downcast(&e) || CORBA::TIMEOUT::_downcast(&e);
}

std::string OmniOrbErrorText(const omniORB::fatalException& e) {
    const char* file = e.file() ? e.file() : "?";
    const char* message = e.errmsg() ? e.errmsg() : "?";
    const int size =
        std::snprintf(nullptr, 0, "W310 omniORB error in %s(%d) - %s", file, e.line(), message);
    std::string text(static_cast<std::size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, "W310 omniORB error in %s(%d) - %s", file, e.line(),
                  message);
    return text;
}

std::string RepositoryFailureText(const CORBA::SystemException& e) {
    if (IsConnectionFailure(e))
        return "W326 Unable to contact the repository.";
    return "W326 Repository call failed - " + SystemExceptionName(e);
}
