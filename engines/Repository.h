#pragma once
// The connection to the search service's repositories: logs the user on to the proxy or a remote
// repository and to the local one named in the system settings, keeps every engine they hand
// out, and chooses one engine per database. It also keeps the local repository's administration
// reference, with which searches are logged, and the new-version notice of the remote side.
//
// Every session a repository opens for this client is dropped exactly once: at once for engines
// the settings ignore or that come with a failed logon, otherwise by DisconnectAll (which a new
// Connect also runs first, so that a retried login neither duplicates engines nor leaks them).

#include "engines/RegisterTable.h"
#include "engines/ZrDbEngine.h"
#include "engines/idl/ZrEngine.hh"

#include <cstdint>
#include <map>
#include <stop_token>
#include <string>
#include <vector>

class CSystemOptions;
class CUserOptions;

class CZrRepository {
public:
    // The client version sent with every request for engines: 4.5.38 as 4 x 65536 + 5 x 256 + 38.
    static const std::uint32_t kClientVersion;

    // Without a table, the installed register table (GetRegisterTable) serves.
    CZrRepository(CSystemOptions& system, CUserOptions& user, IRegisterTable* table = nullptr);
    CZrRepository(const CZrRepository&) = delete;
    CZrRepository& operator=(const CZrRepository&) = delete;
    virtual ~CZrRepository();

    // Logs on to the repositories of the [Repository] settings and chooses the engines. True when
    // the proxy, a remote or the local repository delivered its engines. The error texts tell
    // what failed on the local and on the remote side ("" when nothing did). Once a stop is
    // requested, repositories not yet asked are left alone.
    bool Connect(const std::string& companyId, const std::string& userId,
                 const std::string& password, std::string& localError, std::string& remoteError,
                 std::stop_token stop = {});
    // One repository, given by a stringified object reference; exceptions become error texts.
    bool Logon(const std::string& companyId, const std::string& userId, const std::string& password,
               const std::string& variant, std::string& errorText, const std::string& reference,
               std::uint32_t locationFlags);
    // The request itself; CORBA exceptions reach the caller.
    bool RequestEngines(const std::string& companyId, const std::string& userId,
                        const std::string& password, const std::string& variant,
                        std::string& errorText, const std::string& reference,
                        std::uint32_t locationFlags);

    // Drops the session of every discovered engine and empties the list; the chosen engines keep
    // their copies.
    void DisconnectAll();

    // Every discovered engine, in discovery order.
    const std::vector<CZrDbEngine>& GetAllEngines() const { return engines_; }
    // Copies of the discovered engines of a database, in discovery order.
    std::vector<CZrDbEngine> GetEngines(int code) const;
    // The engine the user chose before for the database ([Exam] "<name>_Engine"), else the
    // discovery choice, else an engine without connection.
    CZrDbEngine GetPreferredEngine(int code) const;
    // Makes the engine the chosen one of the database and saves the choice for the user.
    void SetPreferredEngine(int code, const CZrDbEngine& engine);
    // The local repository as administration (duplicated); nil when there is none.
    ZrAdmin_var GetAdmin() const { return admin_; }
    // The new-version notice of the last remote repository asked; "" when none.
    const std::string& GetNewVersionInfo() const { return newVersion_; }

    // How long one call on a repository may take before it counts as unreachable.
    void SetCallTimeout(unsigned milliseconds) { callTimeoutMs_ = milliseconds; }

private:
    IRegisterTable& Table() const;
    ClientInfo MakeClientInfo(const std::string& companyId, const std::string& userId,
                              const std::string& password) const;
    // The stringified reference as an object whose calls are held to the call time-out.
    CORBA::Object_var ResolveReference(const std::string& reference) const;
    void TakeEngines(const EngineInfoSeq& offered, std::uint32_t locationFlags,
                     const std::string& ignoreCodes, const std::string& password);
    static void DropOffered(const EngineInfoSeq& offered, const std::string& password);
    bool ConnectRemote(const std::string& companyId, const std::string& userId,
                       const std::string& password, std::string& remoteError,
                       bool& anyRepositoryNamed, const std::stop_token& stop);
    bool ConnectLocal(const std::string& companyId, const std::string& userId,
                      const std::string& password, const std::string& reference,
                      std::string& localError);
    void SortEngines();
    void RegisterWebDatabases();
    void ChooseEngines();

    CSystemOptions& system_;
    CUserOptions& user_;
    IRegisterTable* table_;
    unsigned callTimeoutMs_ = 30000;

    std::vector<CZrDbEngine> engines_;
    std::map<int, CZrDbEngine> chosen_;
    ZrAdmin_var admin_;
    std::string password_;
    std::string newVersion_;
};

// The program's repository connection, on the program's settings and installed register table.
CZrRepository& TheRepository();
