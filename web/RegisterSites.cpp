#include "web/RegisterSites.h"

#include "registers/AppNumFormats.h"
#include "registers/AsciiText.h"
#include "web/UrlCoding.h"

#include <cstdio>

namespace {

// Where a register's web application takes the UK numbers.
constexpr std::size_t kUkLetterColumn = 7;

// Without commas, and without every "B" when the text starts with one.
std::string CleanUkNumber(std::string text) {
    text = WithoutChars(std::move(text), ",");
    if (text.starts_with('B'))
        text = WithoutChars(std::move(text), "B");
    return text;
}

std::string NotFound(std::string_view number) {
    return "AppNum " + std::string(number) + " not found";
}

} // namespace

CHtmlSiteUk::CHtmlSiteUk(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::Uk)) {}

std::string CHtmlSiteUk::FormatAppNum(std::uint32_t number) const {
    std::string text = CleanUkNumber(FormatUkAppNum(number));
    std::size_t letters = text.size();
    while (letters > 0 && IsAsciiLetter(text[letters - 1]))
        --letters;
    if (letters < text.size() && letters < kUkLetterColumn)
        text.insert(letters, kUkLetterColumn - letters, ' ');
    return text;
}

bool CHtmlSiteUk::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    return BuildCaseRequest(CleanUkNumber(FormatUkAppNum(number)), {}, request, error);
}

bool CHtmlSiteUk::BuildBrowserRequest(const CZrData& record, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    return BuildCaseRequest(CleanUkNumber(std::string(record.GetField("APPNUM"))),
                            record.GetField("MADRID_ACTAPPNUM"), request, error);
}

bool CHtmlSiteUk::BuildCaseRequest(std::string number, std::string_view madridNumber,
                                   CHtmlRequest& request, std::string& error) const {
    if (number.empty()) {
        error = NotFound(number);
        return false;
    }
    std::string path;
    if (number.starts_with('M')) {
        const std::string international =
            madridNumber.empty() ? number.substr(1) : std::string(madridNumber);
        path = "/tmcase/Results/2/WO" + EncodePathValue(ZeroPadded(international, 13));
    } else {
        path = "/tmcase/Results/1/UK" + EncodePathValue(ZeroPadded(number, 11));
    }
    SetGet(request, GetServer(), path);
    return true;
}

CHtmlSiteCtm::CHtmlSiteCtm(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::EuTradeMarks)) {}

std::string CHtmlSiteCtm::FormatAppNum(std::uint32_t number) const {
    return ZeroPadded(WithoutChars(FormatCtmAppNum(number), ","), 9);
}

bool CHtmlSiteCtm::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                       std::string& error) {
    error.clear();
    SetGet(request, GetServer(), "/tmview/get-detail",
           "st13=EM500000" + UrlEncode(FormatAppNum(number)));
    return true;
}

CHtmlSiteCd::CHtmlSiteCd(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::EuDesigns)) {}

std::string CHtmlSiteCd::FormatAppNum(std::uint32_t number) const {
    unsigned design = 0;
    unsigned index = 0;
    if (std::sscanf(FormatCdAppNum(number).c_str(), "%u-%u", &design, &index) != 2)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%09u-%04u", design, index);
    return text;
}

bool CHtmlSiteCd::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    const std::string text = FormatAppNum(number);
    if (text.empty()) {
        error = NotFound(FormatCdAppNum(number));
        return false;
    }
    SetGet(request, GetServer(), "/tmdsview-web/get-detail", "st13=EM700000" + UrlEncode(text));
    return true;
}

CHtmlSiteIe::CHtmlSiteIe(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::Ie)) {}

std::string CHtmlSiteIe::FormatAppNum(std::uint32_t number) const {
    const std::string text = FormatIeAppNum(number);
    if (text.starts_with('M'))
        return ZeroPadded(text.substr(1), 7);
    std::size_t letters = 0;
    while (letters < text.size() && IsAsciiLetter(text[letters]))
        ++letters;
    return text.substr(letters);
}

bool CHtmlSiteIe::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    SetGet(request, GetServer(), "/register/TMRegister.aspx");
    request.AddUrlParam("idappli", FormatAppNum(number));
    return true;
}

CHtmlSiteIn::CHtmlSiteIn(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::In)) {}

std::string CHtmlSiteIn::FormatAppNum(std::uint32_t number) const {
    return WithoutChars(::FormatAppNum(number), ",");
}

bool CHtmlSiteIn::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    SetGet(request, GetServer(), "/romarin/advSearch.do");
    request.AddUrlParam("ID", "0");
    request.AddUrlParam("searchString", " /MARKGR/INTREGN contains " + FormatAppNum(number));
    return true;
}

CHtmlSiteUs::CHtmlSiteUs(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::Us)) {}

std::string CHtmlSiteUs::FormatAppNum(std::uint32_t number) const {
    return WithoutChars(FormatUsAppNum(number), "-");
}

bool CHtmlSiteUs::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    SetGet(request, GetServer(), "/servlet/tarr");
    request.AddUrlParam("regser", "serial");
    request.AddUrlParam("entry", FormatAppNum(number));
    request.AddUrlParam("action", "Request Status");
    return true;
}

CHtmlSiteCa::CHtmlSiteCa(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::Ca)) {}

std::string CHtmlSiteCa::FormatAppNum(std::uint32_t number) const {
    std::string text = WithoutChars(FormatCaAppNum(number), ",");
    if (const std::size_t dash = text.find('-'); dash != std::string::npos && dash > 0)
        text.resize(dash);
    return ZeroPadded(std::move(text), 7);
}

bool CHtmlSiteCa::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    SetGet(request, GetServer(), "/app/opic-cipo/trdmrks/srch/viewTrademark",
           "id=" + UrlEncode(FormatAppNum(number)) + "&lang=eng&tab=reg");
    return true;
}

CHtmlSiteAu::CHtmlSiteAu(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::Au)) {}

std::string CHtmlSiteAu::FormatAppNum(std::uint32_t number) const {
    return WithoutChars(FormatAuAppNum(number), ",");
}

bool CHtmlSiteAu::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    const std::string text = FormatAppNum(number);
    SetGet(request, GetServer(), "/trademarks/search/view/" + EncodePathValue(text),
           "q=" + UrlEncode(text));
    return true;
}
