#pragma once
// The repositories: a remote one (ZrRepository) and the local one (ZrAdmin, which also keeps the
// log of searches). Each checks the logon, opens one session per engine it offers and hands the
// engines out.

#include "engines/idl/ZrEngine.hh"
#include "testsvc/server/ServiceState.h"

#include <cstdint>
#include <string>
#include <vector>

// One engine as a repository offers it.
struct EngineOffer {
    ZrEngine_var engine;
    int engineId = 0;
    char deliveredCode = 0;     // the letter as it travels (the international register goes as I)
    std::uint32_t dataDate = 0; // packed date key; 0 marks an entry the client skips
    std::string name;
    bool opensSession = true;
};

// What both kinds of repository do.
class CEngineDirectory {
public:
    CEngineDirectory(CServiceState& state, std::string name, std::vector<EngineOffer> offers)
        : state_(state), name_(std::move(name)), offers_(std::move(offers)) {}

    EngineInfoSeq* GetAvailableEngines2(const ClientInfo& client, const char* ignoreCodes,
                                        const char* variant, CORBA::String_out errorText,
                                        CORBA::String_out newVersionInfo);
    CServiceState& State() { return state_; }
    const std::string& Name() const { return name_; }

private:
    CServiceState& state_;
    const std::string name_;
    const std::vector<EngineOffer> offers_;
};

class CRemoteRepositoryServant : public POA_ZrRepository {
public:
    CRemoteRepositoryServant(CServiceState& state, std::vector<EngineOffer> offers)
        : directory_(state, "remote", std::move(offers)) {}

    EngineInfoSeq* GetAvailableEngines2(const ClientInfo& client, const char* ignoreCodes,
                                        const char* variant, CORBA::String_out errorText,
                                        CORBA::String_out newVersionInfo) override {
        return directory_.GetAvailableEngines2(client, ignoreCodes, variant, errorText,
                                               newVersionInfo);
    }

private:
    CEngineDirectory directory_;
};

class CLocalRepositoryServant : public POA_ZrAdmin {
public:
    CLocalRepositoryServant(CServiceState& state, std::vector<EngineOffer> offers)
        : directory_(state, "local", std::move(offers)) {}

    EngineInfoSeq* GetAvailableEngines2(const ClientInfo& client, const char* ignoreCodes,
                                        const char* variant, CORBA::String_out errorText,
                                        CORBA::String_out newVersionInfo) override {
        return directory_.GetAvailableEngines2(client, ignoreCodes, variant, errorText,
                                               newVersionInfo);
    }
    void LogSearch(const char* userId, const char* client, const char* examId,
                   const char* description) override;

private:
    CEngineDirectory directory_;
};
