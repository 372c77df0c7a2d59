#pragma once
// The registers whose details page is reached by a walk through pages and forms, with the
// session's cookies.

#include "web/HtmlSite.h"

class CHtmlSiteDe : public CHtmlSite {
public:
    CHtmlSiteDe(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    // Start page (in English when it links to it), "Trade marks", "Beginner" search form with
    // the number, then the details link of the first result of the register DE.
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};

class CHtmlSitePl : public CHtmlSite {
public:
    CHtmlSitePl(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    // Start page, its English version's form, the quick search form with the number, then a POST
    // of the first hit's patent id to the details page.
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
};
