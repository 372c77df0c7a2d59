#pragma once
// The registers whose details page one request reaches.

#include "core/ZrData.h"
#include "web/HtmlSite.h"

class CHtmlSiteUk : public CHtmlSite {
public:
    CHtmlSiteUk(CWebClient& client, const CWebServers& servers);
    // Without commas and the "B" of a "B" number; a final run of letters is moved by blanks to
    // start at index 7 when it starts before.
    std::string FormatAppNum(std::uint32_t number) const override;
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
    // The same page for the browser, from the record's APPNUM (an international number is
    // replaced by the record's MADRID_ACTAPPNUM when it has one).
    bool BuildBrowserRequest(const CZrData& record, CHtmlRequest& request, std::string& error);

private:
    bool BuildCaseRequest(std::string number, std::string_view madridNumber, CHtmlRequest& request,
                          std::string& error) const;
};

class CHtmlSiteCtm : public CHtmlSite {
public:
    CHtmlSiteCtm(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};

class CHtmlSiteCd : public CHtmlSite {
public:
    CHtmlSiteCd(CWebClient& client, const CWebServers& servers);
    // "%09d-%04d" of the design number and index; "" for a text without "-".
    std::string FormatAppNum(std::uint32_t number) const override;
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};

class CHtmlSiteIe : public CHtmlSite {
public:
    CHtmlSiteIe(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};

class CHtmlSiteIn : public CHtmlSite {
public:
    CHtmlSiteIn(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};

class CHtmlSiteUs : public CHtmlSite {
public:
    CHtmlSiteUs(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};

class CHtmlSiteCa : public CHtmlSite {
public:
    CHtmlSiteCa(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};

class CHtmlSiteAu : public CHtmlSite {
public:
    CHtmlSiteAu(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};
