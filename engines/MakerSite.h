#pragma once
// The maker's web site as the client names it in messages and links: its base address (scheme,
// host and port, as [WebServers] Maker of the system settings gives it) and its host name.

#include <string>
#include <utility>

class CMakerSite {
public:
    // The built-in placeholder, which nobody answers; the program names the settings' server.
    CMakerSite() : CMakerSite("https://www.velorin.example", "www.velorin.example") {}
    // baseAddress: scheme, host and port without a path ("http://127.0.0.1:8080").
    CMakerSite(std::string baseAddress, std::string hostName)
        : baseAddress_(std::move(baseAddress)), hostName_(std::move(hostName)) {}

    // The host as the login's warning names it.
    const std::string& GetHostName() const { return hostName_; }
    // The notices page of a direct database, by the database's id.
    std::string GetNoticesPage(const std::string& dbId) const;
    std::string GetTrainingPage() const;

private:
    std::string baseAddress_;
    std::string hostName_;
};
