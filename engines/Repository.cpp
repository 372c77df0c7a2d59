#include "engines/Repository.h"

#include "core/SmallHelpers.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "core/ZrVersion.h"
#include "engines/Orb.h"
#include "engines/OrbErrors.h"

#include <algorithm>
#include <strings.h>

namespace {

const char* const kProxyHint = ",\nCheck ZrProProxy is running.";

int DbCodeOf(const EngineInfo& info) {
    return static_cast<int>(info.dbCode & 0xFF);
}

} // namespace

const std::uint32_t CZrRepository::kClientVersion =
    (kZrVersionMajor << 16) + (kZrVersionMinor << 8) + kZrVersionPatch;

CZrRepository::CZrRepository(CSystemOptions& system, CUserOptions& user, IRegisterTable* table)
    : system_(system), user_(user), table_(table) {}

CZrRepository::~CZrRepository() {
    DisconnectAll();
}

IRegisterTable& CZrRepository::Table() const {
    return table_ ? *table_ : GetRegisterTable();
}

bool CZrRepository::Connect(const std::string& companyId, const std::string& userId,
                            const std::string& password, std::string& localError,
                            std::string& remoteError, std::stop_token stop) {
    // Engines of an earlier attempt are dropped, not discovered a second time.
    DisconnectAll();

    bool anyRepositoryNamed = false;
    bool connected =
        ConnectRemote(companyId, userId, password, remoteError, anyRepositoryNamed, stop);
    const std::string local = system_.GetLocalRepository(1);
    if (!local.empty()) {
        anyRepositoryNamed = true;
        if (!stop.stop_requested())
            connected = ConnectLocal(companyId, userId, password, local, localError) || connected;
    }

    SortEngines();
    RegisterWebDatabases();
    ChooseEngines();
    if (!anyRepositoryNamed)
        localError = "W327 No repository specified";
    return connected;
}

bool CZrRepository::ConnectRemote(const std::string& companyId, const std::string& userId,
                                  const std::string& password, std::string& remoteError,
                                  bool& anyRepositoryNamed, const std::stop_token& stop) {
    const std::string proxy = system_.GetRepositoryProxy();
    if (!proxy.empty()) {
        // With a proxy the remote repositories are not consulted.
        anyRepositoryNamed = true;
        if (Logon(companyId, userId, password, "", remoteError, proxy, CZrDbEngine::kInternet))
            return true;
        remoteError += kProxyHint;
        return false;
    }
    for (int index = 1;; ++index) {
        const std::string remote = system_.GetRemoteRepository(index);
        if (remote.empty())
            return false;
        anyRepositoryNamed = true;
        if (stop.stop_requested())
            return false;
        remoteError.clear();
        if (Logon(companyId, userId, password, "", remoteError, remote, CZrDbEngine::kInternet))
            return true;
    }
}

bool CZrRepository::ConnectLocal(const std::string& companyId, const std::string& userId,
                                 const std::string& password, const std::string& reference,
                                 std::string& localError) {
    bool connected = false;
    try {
        CORBA::Object_var object = ResolveReference(reference);
        admin_ = ZrAdmin::_narrow(object);
        if (CORBA::is_nil(admin_)) {
            localError = "W324 Local Repository is not ZrAdmin.";
            return false;
        }
        omniORB::setClientCallTimeout(admin_, callTimeoutMs_);
        connected = Logon(companyId, userId, password, system_.GetLocalVariant(), localError,
                          reference, CZrDbEngine::kLan);
        if (!localError.empty())
            localError += " (ZrAdmin)";
    } catch (const CORBA::SystemException&) {
        localError = "W325 Unable to contact ZrAdmin.";
    } catch (const omniORB::fatalException&) {
        localError = "W325 Unable to contact ZrAdmin.";
    }
    return connected;
}

bool CZrRepository::Logon(const std::string& companyId, const std::string& userId,
                          const std::string& password, const std::string& variant,
                          std::string& errorText, const std::string& reference,
                          std::uint32_t locationFlags) {
    try {
        return RequestEngines(companyId, userId, password, variant, errorText, reference,
                              locationFlags);
    } catch (const CORBA::SystemException& e) {
        // Every failure gets a text, so that a failed logon is never silent.
        errorText = RepositoryFailureText(e);
    } catch (const omniORB::fatalException& e) {
        errorText = OmniOrbErrorText(e);
    } catch (const CORBA::UserException& e) {
        errorText = std::string("W326 Repository call failed - ") + e._name();
    }
    return false;
}

bool CZrRepository::RequestEngines(const std::string& companyId, const std::string& userId,
                                   const std::string& password, const std::string& variant,
                                   std::string& errorText, const std::string& reference,
                                   std::uint32_t locationFlags) {
    CORBA::Object_var object = ResolveReference(reference);
    ZrRepository_var repository = ZrRepository::_narrow(object);
    if (CORBA::is_nil(repository)) {
        errorText = "W324 Repository is not a valid ZrRepository object.";
        return false;
    }
    omniORB::setClientCallTimeout(repository, callTimeoutMs_);

    const bool remote = locationFlags == CZrDbEngine::kInternet;
    const std::string ignoreCodes = remote ? system_.GetIgnoreRemoteEngines() : std::string();
    CORBA::String_var error, newVersion;
    EngineInfoSeq_var offered = repository->GetAvailableEngines2(
        MakeClientInfo(companyId, userId, password), ignoreCodes.c_str(), variant.c_str(),
        error.out(), newVersion.out());
    if (remote)
        newVersion_ = newVersion.in();
    if (*error.in() != '\0') {
        errorText = error.in();
        // Sessions that came with a refusal are not ours to keep.
        DropOffered(offered.in(), password);
        return false;
    }
    password_ = password;
    TakeEngines(offered.in(), locationFlags, ignoreCodes, password);
    return true;
}

CORBA::Object_var CZrRepository::ResolveReference(const std::string& reference) const {
    CORBA::ORB_ptr orb = GetOrb();
    if (CORBA::is_nil(orb))
        throw CORBA::BAD_INV_ORDER(0, CORBA::COMPLETED_NO);
    CORBA::Object_var object = orb->string_to_object(reference.c_str());
    if (!CORBA::is_nil(object))
        omniORB::setClientCallTimeout(object, callTimeoutMs_);
    return object;
}

ClientInfo CZrRepository::MakeClientInfo(const std::string& companyId, const std::string& userId,
                                         const std::string& password) const {
    ClientInfo client;
    client.clientVersion = kClientVersion;
    client.hostName = GetHostName().c_str();
    client.companyId = companyId.c_str();
    client.userId = userId.c_str();
    client.password = password.c_str();
    return client;
}

void CZrRepository::TakeEngines(const EngineInfoSeq& offered, std::uint32_t locationFlags,
                                const std::string& ignoreCodes, const std::string& password) {
    for (CORBA::ULong i = 0; i < offered.length(); ++i) {
        const EngineInfo& info = offered[i];
        if (info.dataDate == 0)
            continue;
        CZrDbEngine engine(DbCodeOf(info), locationFlags, CZrDate(info.dataDate), info.name.in(),
                           info.engine.in(), info.sessionId);
        if (ignoreCodes.find(static_cast<char>(DbCodeOf(info))) != std::string::npos)
            // A lost engine does not stop the others from being taken or dropped.
            engine.Disconnect(password.c_str());
        else
            engines_.push_back(std::move(engine));
    }
}

void CZrRepository::DropOffered(const EngineInfoSeq& offered, const std::string& password) {
    for (CORBA::ULong i = 0; i < offered.length(); ++i) {
        const EngineInfo& info = offered[i];
        CZrDbEngine(DbCodeOf(info), 0, CZrDate(info.dataDate), "", info.engine.in(), info.sessionId)
            .Disconnect(password.c_str());
    }
}

void CZrRepository::SortEngines() {
    CZrDbEngine::SetSortByLocation(system_.GetSortByLocation());
    std::stable_sort(engines_.begin(), engines_.end());
}

void CZrRepository::RegisterWebDatabases() {
    IRegisterTable& table = Table();
    std::map<std::string, int> lastCodeOfGroup;
    for (const CZrDbEngine& engine : engines_)
        if (!table.IsKnownCode(engine.GetDbCode()))
            lastCodeOfGroup[table.AddWebDb(engine)] = engine.GetDbCode();
    for (const auto& [group, code] : lastCodeOfGroup)
        table.AddDbGroupToSelection(code);
}

void CZrRepository::ChooseEngines() {
    for (char c : Table().GetDbCodes()) {
        const int code = static_cast<unsigned char>(c);
        const auto first = std::find_if(engines_.begin(), engines_.end(),
                                        [code](const auto& e) { return e.GetDbCode() == code; });
        chosen_.insert_or_assign(code, first == engines_.end() ? CZrDbEngine(code) : *first);
    }
}

void CZrRepository::DisconnectAll() {
    for (CZrDbEngine& engine : engines_)
        engine.Disconnect(password_.c_str());
    engines_.clear();
}

std::vector<CZrDbEngine> CZrRepository::GetEngines(int code) const {
    std::vector<CZrDbEngine> engines;
    for (const CZrDbEngine& engine : engines_)
        if (engine.GetDbCode() == code)
            engines.push_back(engine);
    return engines;
}

CZrDbEngine CZrRepository::GetPreferredEngine(int code) const {
    const std::string saved = user_.GetPreferredEngine(static_cast<char>(code));
    const std::size_t comma = saved.find(',');
    if (comma != std::string::npos && comma > 0) {
        CZrDate date;
        date.Parse(saved.substr(0, comma).c_str());
        const std::string name = saved.substr(comma + 1);
        for (const CZrDbEngine& engine : engines_)
            if (engine.GetDbCode() == code && engine.GetDate() == date &&
                strcasecmp(engine.GetName().c_str(), name.c_str()) == 0)
                return engine;
    }
    const auto chosen = chosen_.find(code);
    return chosen == chosen_.end() ? CZrDbEngine(code) : chosen->second;
}

void CZrRepository::SetPreferredEngine(int code, const CZrDbEngine& engine) {
    chosen_.insert_or_assign(code, engine);
    user_.SetPreferredEngine(static_cast<char>(code),
                             engine.IsNil() ? std::string()
                                            : engine.GetDate().Format() + "," + engine.GetName());
}

CZrRepository& TheRepository() {
    static CZrRepository repository(TheSystemOptions(), TheUserOptions());
    return repository;
}
