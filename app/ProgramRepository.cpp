#include "app/ProgramRepository.h"

#include "engines/Repository.h"

std::vector<CZrDbEngine> CProgramRepository::GetEngines(char code) const {
    return repository_.GetEngines(static_cast<unsigned char>(code));
}

CZrDbEngine CProgramRepository::GetPreferredEngine(char code) const {
    return repository_.GetPreferredEngine(static_cast<unsigned char>(code));
}

void CProgramRepository::LogSearch(const std::string& userId, const std::string& client,
                                   const std::string& examId, const std::string& text) {
    ZrAdmin_var admin = repository_.GetAdmin();
    if (CORBA::is_nil(admin))
        return;
    try {
        admin->LogSearch(userId.c_str(), client.c_str(), examId.c_str(), text.c_str());
    } catch (const CORBA::SystemException&) {
        // The log is the service's bookkeeping; the caveat search itself has succeeded.
    }
}
