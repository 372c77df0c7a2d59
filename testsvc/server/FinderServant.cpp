#include "testsvc/server/FinderServant.h"

#include <utility>

namespace {

// More entries than any page of the client, fewer than would strain a reply.
constexpr std::int64_t kMaxEntries = 4096;

} // namespace

CFinderServant::CFinderServant(CServiceState& state, char dbCode, CFinderList list,
                               PortableServer::POA_ptr poa)
    : state_(state), dbCode_(dbCode), list_(std::move(list)),
      poa_(PortableServer::POA::_duplicate(poa)) {}

FoundStringSeq* CFinderServant::GetStrings(CORBA::ULong first, CORBA::ULong last) {
    // Indexes before the located entry travel as large unsigned numbers.
    const auto from = static_cast<std::int32_t>(first);
    const auto to = static_cast<std::int32_t>(last);
    state_.EnterEngineCall(dbCode_, std::string("finder.") + dbCode_ + ".GetStrings(" +
                                        std::to_string(from) + "," + std::to_string(to) + ")");
    if (to < from || static_cast<std::int64_t>(to) - from >= kMaxEntries)
        throw CORBA::BAD_PARAM(0, CORBA::COMPLETED_NO);
    const std::vector<FinderEntry> entries = list_.Range(from, to);
    FoundStringSeq_var sequence = new FoundStringSeq(static_cast<CORBA::ULong>(entries.size()));
    sequence->length(static_cast<CORBA::ULong>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        FoundStringEntry& entry = sequence[static_cast<CORBA::ULong>(i)];
        entry.position = entries[i].position;
        entry.count = entries[i].count;
        entry.text = entries[i].text.c_str();
    }
    return sequence._retn();
}

void CFinderServant::Dispose() {
    state_.EnterEngineCall(dbCode_, std::string("finder.") + dbCode_ + ".Dispose()");
    PortableServer::ObjectId_var id = poa_->servant_to_id(this);
    poa_->deactivate_object(id);
}
