#include "testsvc/server/RepositoryServant.h"

#include <cstdio>
#include <strings.h>

namespace {

std::string Text(const char* text) {
    return text ? text : "";
}

} // namespace

EngineInfoSeq* CEngineDirectory::GetAvailableEngines2(const ClientInfo& client,
                                                      const char* ignoreCodes, const char* variant,
                                                      CORBA::String_out errorText,
                                                      CORBA::String_out newVersionInfo) {
    char version[16];
    std::snprintf(version, sizeof version, "0x%08X", static_cast<unsigned>(client.clientVersion));
    const RepositoryBehaviour behaviour = state_.EnterRepositoryCall(
        name_, name_ + ".GetAvailableEngines2(" + version + "," + Text(client.hostName) + "," +
                   Text(client.companyId) + "," + Text(client.userId) + ",ignore=\"" +
                   Text(ignoreCodes) + "\",variant=\"" + Text(variant) + "\")");
    newVersionInfo = CORBA::string_dup(behaviour.newVersion.c_str());
    EngineInfoSeq_var engines = new EngineInfoSeq;
    std::string error = behaviour.errorText;
    if (error.empty() &&
        !state_.CheckLogon(Text(client.companyId), Text(client.userId), Text(client.password)))
        error = "Logon refused: unknown company id, user id or password";
    errorText = CORBA::string_dup(error.c_str());
    if (!error.empty() && !behaviour.offersAnyway)
        return engines._retn();

    // "*" or nothing asks for every variant; otherwise only the engines of that name. The
    // client drops the sessions of the engines it ignores itself, so all are offered.
    const std::string wanted = Text(variant);
    for (const EngineOffer& offer : offers_) {
        if (!wanted.empty() && wanted != "*" && strcasecmp(wanted.c_str(), offer.name.c_str()) != 0)
            continue;
        EngineInfo info;
        info.dbCode = static_cast<unsigned char>(offer.deliveredCode);
        info.dataDate = offer.dataDate;
        info.engine = ZrEngine::_duplicate(offer.engine.in());
        info.sessionId =
            offer.opensSession ? state_.OpenSession(offer.engineId, Text(client.password)) : 0;
        info.name = offer.name.c_str();
        info.extra = "testsvc";
        const CORBA::ULong at = engines->length();
        engines->length(at + 1);
        engines[at] = info;
    }
    return engines._retn();
}

void CLocalRepositoryServant::LogSearch(const char* userId, const char* client, const char* examId,
                                        const char* description) {
    directory_.State().EnterRepositoryCall(directory_.Name(),
                                           directory_.Name() + ".LogSearch(\"" + Text(userId) +
                                               "\",\"" + Text(client) + "\",\"" + Text(examId) +
                                               "\",\"" + Text(description) + "\")");
}
