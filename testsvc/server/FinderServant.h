#pragma once
// One string-locate session over one of an engine's ordered lists.

#include "engines/idl/ZrEngine.hh"
#include "testsvc/data/FinderLists.h"
#include "testsvc/server/ServiceState.h"

class CFinderServant : public POA_ZrStringFinder {
public:
    CFinderServant(CServiceState& state, char dbCode, CFinderList list,
                   PortableServer::POA_ptr poa);

    FoundStringSeq* GetStrings(CORBA::ULong first, CORBA::ULong last) override;
    void Dispose() override;

private:
    CServiceState& state_;
    const char dbCode_;
    const CFinderList list_;
    PortableServer::POA_var poa_;
};
