#include "ServiceSettings.h"

#include "tests/support/LocalService.h"

std::string CServiceSettings::RemoteAndLocal() {
    const TestServiceAddresses& addresses = local_service::Process().Addresses();
    return "Remote1=" + addresses.remote + "\nLocal=" + addresses.local + "\n";
}
