#include "testsvc/server/TestService.h"

#include "platform/Signals.h"
#include "testsvc/server/ControlServant.h"
#include "testsvc/server/EngineServant.h"
#include "testsvc/server/RepositoryServant.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <thread>

namespace {

constexpr std::uint32_t Packed(int year, int month, int day) {
    return static_cast<std::uint32_t>(day + (month << 8) + (year << 16));
}

// The remote repository's engines are current to this date.
constexpr std::uint32_t kRemoteDataDate = Packed(2017, 3, 3);

// The engines the local repository offers: an older copy of the UK register, a copy of the EU
// register as recent as the remote one, and an old copy of the domain names.
struct LocalEngine {
    char code;
    const char* name;
    std::uint32_t dataDate;
};
const LocalEngine kLocalEngines[] = {{'u', "Office", Packed(2017, 2, 1)},
                                     {'c', "Office", kRemoteDataDate},
                                     {'k', "Backup", Packed(2016, 12, 1)}};

const Account kTestAccount = {"TESTCO", "examiner", "secret"};

bool ParseNumber(const std::string& text, std::uint32_t& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 9)
        return false;
    value = static_cast<std::uint32_t>(std::stoul(text));
    return true;
}

// Everything the service serves, owned for the life of the ORB.
class CServedObjects {
public:
    CServedObjects(const ServiceOptions& options, CORBA::ORB_ptr orb);
    void Activate(PortableServer::POA_ptr fixedPoa);

private:
    EngineOffer AddEngine(const CTestRegisterData& data, const std::string& repository);

    CServiceState state_;
    std::map<char, std::unique_ptr<CTestRegisterData>> data_;
    PortableServer::POA_var poa_;
    std::vector<PortableServer::Servant_var<CEngineServant>> engines_;
    PortableServer::Servant_var<CRemoteRepositoryServant> remote_;
    PortableServer::Servant_var<CLocalRepositoryServant> local_;
    PortableServer::Servant_var<CControlServant> control_;
};

std::string ServedCodes(const ServiceOptions& options) {
    std::string codes;
    for (const RegisterInfo& info : ServedRegisters())
        if (options.registers.empty() || options.registers.find(info.code) != std::string::npos)
            codes += info.code;
    return codes;
}

CServedObjects::CServedObjects(const ServiceOptions& options, CORBA::ORB_ptr orb)
    : state_(options.accounts.empty() ? std::vector<Account>{kTestAccount} : options.accounts,
             ServedCodes(options)) {
    CORBA::Object_var rootObject = orb->resolve_initial_references("RootPOA");
    poa_ = PortableServer::POA::_narrow(rootObject);

    std::vector<EngineOffer> remoteOffers, localOffers;
    for (char code : ServedCodes(options)) {
        auto& data = data_[code];
        data = std::make_unique<CTestRegisterData>(*FindRegister(code), options.marksPerRegister);
        EngineOffer offer = AddEngine(*data, "remote");
        offer.deliveredCode = code == 'i' ? 'I' : code;
        offer.dataDate = kRemoteDataDate;
        remoteOffers.push_back(offer);
        if (code == 'u') { // a retired copy, dated 0: the client must skip it
            offer.dataDate = 0;
            offer.opensSession = false;
            offer.name = "Retired";
            remoteOffers.push_back(offer);
        }
    }
    for (const LocalEngine& local : kLocalEngines) {
        const auto found = data_.find(local.code);
        if (found == data_.end())
            continue;
        EngineOffer offer = AddEngine(*found->second, "local");
        offer.dataDate = local.dataDate;
        offer.name = local.name;
        localOffers.push_back(offer);
    }
    remote_ = new CRemoteRepositoryServant(state_, std::move(remoteOffers));
    local_ = new CLocalRepositoryServant(state_, std::move(localOffers));
    control_ = new CControlServant(state_, orb);
}

EngineOffer CServedObjects::AddEngine(const CTestRegisterData& data,
                                      const std::string& repository) {
    const int engineId = static_cast<int>(engines_.size()) + 1;
    engines_.emplace_back(new CEngineServant(state_, data, repository, engineId, poa_));
    PortableServer::ObjectId_var id = poa_->activate_object(engines_.back().in());
    EngineOffer offer;
    offer.engine = engines_.back()->_this();
    offer.engineId = engineId;
    offer.deliveredCode = data.Code();
    return offer;
}

void CServedObjects::Activate(PortableServer::POA_ptr fixedPoa) {
    const auto activate = [fixedPoa](const char* key, PortableServer::ServantBase* servant) {
        PortableServer::ObjectId_var id = PortableServer::string_to_ObjectId(key);
        fixedPoa->activate_object_with_id(id, servant);
    };
    activate("ZrRepository", remote_.in());
    activate("ZrAdmin", local_.in());
    activate("ZrTestControl", control_.in());
}

bool WriteAddressFile(const std::string& path, int port) {
    const std::string base = "corbaloc::127.0.0.1:" + std::to_string(port) + "/";
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary);
        file << "remote " << base << "ZrRepository\n"
             << "local " << base << "ZrAdmin\n"
             << "control " << base << "ZrTestControl\n";
        if (!file)
            return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

} // namespace

bool ParseServiceOptions(const std::vector<std::string>& arguments, ServiceOptions& options,
                         std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (i + 1 >= arguments.size()) {
            error = "missing value after " + name;
            return false;
        }
        const std::string& value = arguments[++i];
        std::uint32_t number = 0;
        if (name == "--port" && ParseNumber(value, number) && number > 0 && number < 65536) {
            options.port = static_cast<int>(number);
        } else if (name == "--marks" && ParseNumber(value, number) && number > 0 &&
                   number <= 4000000) {
            options.marksPerRegister = number;
        } else if (name == "--address-file") {
            options.addressFile = value;
        } else if (name == "--registers") {
            for (char code : value)
                if (!FindRegister(code)) {
                    error = std::string("no register ") + code;
                    return false;
                }
            options.registers = value;
        } else if (name == "--account") {
            const std::size_t first = value.find(':');
            const std::size_t second = value.find(':', first + 1);
            if (first == std::string::npos || second == std::string::npos) {
                error = "--account wants COMPANY:USER:PASSWORD";
                return false;
            }
            options.accounts.push_back({value.substr(0, first),
                                        value.substr(first + 1, second - first - 1),
                                        value.substr(second + 1)});
        } else {
            error = "cannot use " + name + " " + value;
            return false;
        }
    }
    if (options.port == 0) {
        error = "--port is required";
        return false;
    }
    return true;
}

int RunTestService(const ServiceOptions& options) {
    platform::BlockTerminationSignals();
    const std::string endPoint = "giop:tcp:127.0.0.1:" + std::to_string(options.port);
    const char* orbOptions[][2] = {
        {"endPoint", endPoint.c_str()}, {"giopMaxMsgSize", "67108864"}, {nullptr, nullptr}};
    char programName[] = "zr_testsvc";
    char* argv[] = {programName, nullptr};
    int argc = 1;
    CORBA::ORB_var orb;
    try {
        orb = CORBA::ORB_init(argc, argv, "omniORB4", orbOptions);
    } catch (const CORBA::SystemException& e) {
        std::fprintf(stderr, "zr_testsvc: cannot start the ORB: %s\n", e._name());
        return 2;
    }
    int result = 0;
    // A termination signal that comes before the ORB runs shuts it down first, and run() then
    // answers with BAD_INV_ORDER: still an orderly end.
    std::atomic<bool> signalled{false};
    try {
        CServedObjects objects(options, orb);
        CORBA::Object_var fixedObject = orb->resolve_initial_references("omniINSPOA");
        PortableServer::POA_var fixedPoa = PortableServer::POA::_narrow(fixedObject);
        objects.Activate(fixedPoa);
        PortableServer::POA_var rootPoa = PortableServer::POA::_narrow(
            CORBA::Object_var(orb->resolve_initial_references("RootPOA")));
        PortableServer::POAManager_var rootManager = rootPoa->the_POAManager();
        PortableServer::POAManager_var fixedManager = fixedPoa->the_POAManager();
        rootManager->activate();
        fixedManager->activate();

        if (!options.addressFile.empty() && !WriteAddressFile(options.addressFile, options.port))
            throw std::runtime_error("cannot write " + options.addressFile);
        std::printf("zr_testsvc serving on 127.0.0.1:%d\n", options.port);
        std::fflush(stdout);

        // Joined however the block is left.
        std::jthread signalWatcher([&](std::stop_token stop) {
            while (!stop.stop_requested()) {
                if (platform::WaitForTerminationSignal(std::chrono::milliseconds(200))) {
                    signalled = true;
                    orb->shutdown(false);
                    return;
                }
            }
        });
        orb->run();
    } catch (const CORBA::BAD_INV_ORDER& e) {
        if (!signalled) {
            std::fprintf(stderr, "zr_testsvc: %s (%s)\n", e._name(), e.NP_minorString());
            result = 2;
        }
    } catch (const CORBA::SystemException& e) {
        std::fprintf(stderr, "zr_testsvc: %s (%s)\n", e._name(), e.NP_minorString());
        result = 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zr_testsvc: %s\n", e.what());
        result = 2;
    }
    orb->destroy();
    return result;
}
