#include "web/RecordPageSites.h"

#include "registers/AppNumFormats.h"
#include "registers/AsciiText.h"
#include "web/SitePages.h"
#include "web/UrlCoding.h"

namespace {

bool NotFound(const CZrData& record, std::string& error) {
    error = "AppNum " + std::string(record.GetField("APPNUM")) + " not found";
    return false;
}

} // namespace

CHtmlSiteA6::CHtmlSiteA6(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::A6)), inn_(servers.Get(WebServer::Inn)),
      agriculture_(servers.Get(WebServer::EuAgriculture)),
      plantVarieties_(servers.Get(WebServer::PlantVarieties)) {}

std::string CHtmlSiteA6::FormatAppNum(std::uint32_t number) const {
    return FormatA6AppNum(number);
}

bool CHtmlSiteA6::BuildDetailsRequest(std::uint32_t, CHtmlRequest&, std::string& error) {
    error.clear();
    return false;
}

bool CHtmlSiteA6::OpenSpecialRegister(const CZrData& record, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    const std::string_view subset = record.GetField("SUBSET");
    const std::string urlInfo(record.GetField("URLINFO"));
    if (EqualsNoCase(subset, "A6"))
        return SearchEmblems(record, request, error);
    if (EqualsNoCase(subset, "CPVR"))
        return SearchPlantVarieties(record, request, error);
    const bool known = EqualsNoCase(subset, "INN") || EqualsNoCase(subset, "USAN") ||
                       EqualsNoCase(subset, "DOOR") || EqualsNoCase(subset, "WINE");
    if (!known) {
        error = "PTO click-through is not supported for this name.";
        return false;
    }
    if (urlInfo.empty())
        return NotFound(record, error);

    if (EqualsNoCase(subset, "INN")) {
        SetGet(request, inn_, "/inn/db/ViewINN.aspx", "i=" + UrlEncode(urlInfo));
    } else if (EqualsNoCase(subset, "DOOR")) {
        SetGet(request, agriculture_, "/agriculture/quality/door/registeredName.html",
               "denominationId=" + UrlEncode(urlInfo));
    } else if (EqualsNoCase(subset, "WINE") && !StartsWithNoCase(urlInfo, "http")) {
        SetGet(request, agriculture_,
               "/agriculture/markets/wine/e-bacchus/" + EncodePathValue(urlInfo, true));
    } else {
        // USAN, and WINE with an address of its own: used whole, when it is a web address.
        if (!CHtmlUrl(urlInfo).IsWeb())
            return NotFound(record, error);
        request.SetUrl(urlInfo, false);
    }
    return true;
}

bool CHtmlSiteA6::SearchEmblems(const CZrData& record, CHtmlRequest& request, std::string& error) {
    CHtmlRequest form;
    if (!FetchForm(CHtmlUrl("/ipdl/en/6ter/", &GetServer()), "frm", form, error))
        return false;
    form.SetParam("TERM_1", record.GetField("PKEY"));
    CHtmlPageWipoResults results;
    if (!FetchDetails(form, results, error))
        return false;
    CHtmlUrl first;
    if (results.GetHitCount().value_or(0) <= 0 ||
        !ResolveOnPage(results, results.GetFirstLink(), first))
        return NotFound(record, error);
    request.SetUrl(first.ToString(), false);
    return true;
}

bool CHtmlSiteA6::SearchPlantVarieties(const CZrData& record, CHtmlRequest& request,
                                       std::string& error) {
    if (!plantVarieties_.IsWeb()) {
        error = "Cannot get connection to " + plantVarieties_.GetHost();
        return false;
    }
    const CHtmlUrl start("/WD120AWP/WD120Awp.exe/CONNECT/ClientExtranet", &plantVarieties_);
    CHtmlRequest form;
    if (!FetchForm(start, "FRMTABLE_FILE", form, error))
        return false;
    form.SetParam("A30", record.GetField("PKEY"));
    CHtmlPageCpvrResults results;
    if (!FetchDetails(form, results, error))
        return false;
    CHtmlUrl link;
    if (!ResolveOnPage(results, results.GetResultsLink(), link))
        return false;
    SetBrowserRequest(request, link);
    return true;
}

CHtmlSiteUkdom::CHtmlSiteUkdom(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::UkDomains)),
      whoisScript_("/cgi-bin/whois.cgi", &servers.Get(WebServer::UkDomainsWhois)) {}

std::string CHtmlSiteUkdom::FormatAppNum(std::uint32_t number) const {
    return WithoutChars(FormatUkdomAppNum(number), ",");
}

bool CHtmlSiteUkdom::BuildDetailsRequest(std::uint32_t, CHtmlRequest&, std::string& error) {
    error.clear();
    return false;
}

bool CHtmlSiteUkdom::BuildWhoisRequest(std::string_view domain, CHtmlRequest& request,
                                       std::string& error) {
    error.clear();
    if (whoisAddress_.empty() && GetConnection(error)) {
        CHtmlPageUkdomSearch search;
        if (FetchStep(search, CHtmlUrl("/", &GetServer()), error) &&
            !search.GetQueryFormAction().empty())
            whoisAddress_ = search.ResolveLink(search.GetQueryFormAction());
        CloseConnection();
    }
    if (whoisAddress_.empty())
        whoisAddress_ = whoisScript_.ToString();
    request.SetUrl(whoisAddress_, false);
    request.AddUrlParam("query", domain);
    return true;
}
