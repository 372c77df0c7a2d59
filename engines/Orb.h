#pragma once
// The process-wide ORB. It is started once before login and must be destroyed before the static
// destructors of the generated stubs run; COrbLifetime, made in main, takes care of both.

#include <omniORB4/CORBA.h>
#include <string>

// Limits every call on the search service is held to.
struct OrbSettings {
    // One call, request to reply; a call that takes longer fails with TIMEOUT.
    unsigned callTimeoutMs = 60000;
    // Opening a connection; a server that does not answer in time fails the call with TRANSIENT.
    unsigned connectTimeoutMs = 10000;
    // Largest GIOP message either way: the 10^6 ids of a large search take 4 MB, a batch of
    // summary records with their icons more.
    unsigned maxMessageBytes = 64u << 20;
};

// Starts the ORB with the program's one argument "ZrClient" and the given limits, and keeps it,
// releasing a reference held before. The ORB is a singleton: once started, a second call keeps
// the limits of the first. False when the ORB cannot be started.
bool InitOrb(const OrbSettings& settings = {});

// The ORB kept by InitOrb (not duplicated); nil before InitOrb and after ShutdownOrb.
CORBA::ORB_ptr GetOrb();

// The version of omniORB the program runs with, as the library tells it ("4.3.0").
std::string OrbLibraryVersion();

// Destroys the ORB kept by InitOrb, closing its connections; nothing when none is kept.
void ShutdownOrb();

// Starts the ORB for the lifetime of the object and destroys it at the end. Make it in main so
// that the ORB is gone before static destructors run.
class COrbLifetime {
public:
    explicit COrbLifetime(const OrbSettings& settings = {}) : started_(InitOrb(settings)) {}
    ~COrbLifetime() { ShutdownOrb(); }
    COrbLifetime(const COrbLifetime&) = delete;
    COrbLifetime& operator=(const COrbLifetime&) = delete;

    // False when the ORB could not be started ("W302 Cannot initialise ORB").
    bool IsStarted() const { return started_; }

private:
    bool started_;
};
