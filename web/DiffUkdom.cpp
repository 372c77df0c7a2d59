#include "core/OwnerName.h"
#include "web/DiffText.h"
#include "web/Diffs.h"

namespace {

// The first name of a list field; "" when the record has none.
std::string FirstName(const CZrData& record, std::string_view tag) {
    PairList pairs;
    return record.GetPairList(tag, pairs) && !pairs.empty() ? pairs.front().first : "";
}

} // namespace

bool CDiffUkdom::BuildRequest(CHtmlSiteUkdom& site, std::uint32_t, const CZrData& record,
                              CHtmlRequest& request, std::string& error) {
    return site.BuildWhoisRequest(record.GetField("WORDMARK"), request, error);
}

void CDiffUkdom::CompareDetails(const CHtmlPageUkdomDetails& page, const CZrData& record,
                                CDiffReporter& reporter) {
    if (!page.IsFound()) {
        if (record.GetField("Status") == "Registered")
            reporter.ReportDifference("Status", "Registered", "Domain not found");
        return;
    }
    CompareDate("Application date", record.GetField("APPDATE"), page.registeredOn, reporter);

    const std::string owner = FirstName(record, "PROPS");
    const std::string& registrant = page.registrant.GetText();
    if (LooseCompare(owner, registrant) != 0 &&
        LooseCompare(owner, NormaliseOwnerName(registrant, false)) != 0)
        reporter.ReportDifference("Owners first name", owner, registrant);

    // The registry itself as agent is written as no tag at all.
    const std::string agent = FirstName(record, "AGENTS");
    if (LooseCompare(agent, page.agentTag) != 0 && !(agent == "NOMINET" && page.agentTag.empty()))
        reporter.ReportDifference("Agents tag", agent, page.agentTag);
}

std::vector<std::string> CDiffUkdom::GetCheckedFields() const {
    return {"Status", "Application date", "Owner", "Agent"};
}
