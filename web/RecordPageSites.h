#pragma once
// The two registers whose page is not found from an application number: the reserved words
// (Article 6ter emblems and other special registers, chosen by the record) and the UK domain
// names (the whois answer for a domain).

#include "core/ZrData.h"
#include "web/HtmlSite.h"

class CHtmlSiteA6 : public CHtmlSite {
public:
    CHtmlSiteA6(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    // Always false: the page comes from the record (OpenSpecialRegister).
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
    // The register page of the record's SUBSET: A6 (emblem search), INN, USAN, CPVR
    // (plant-variety walk), DOOR or WINE. False with "AppNum <APPNUM> not found" when the record
    // lacks what the register needs, with "PTO click-through is not supported for this name."
    // for another subset, or with a failed fetch's error.
    bool OpenSpecialRegister(const CZrData& record, CHtmlRequest& request, std::string& error);

private:
    bool SearchEmblems(const CZrData& record, CHtmlRequest& request, std::string& error);
    bool SearchPlantVarieties(const CZrData& record, CHtmlRequest& request, std::string& error);

    CHtmlUrl inn_;
    CHtmlUrl agriculture_;
    CHtmlUrl plantVarieties_;
};

class CHtmlSiteUkdom : public CHtmlSite {
public:
    CHtmlSiteUkdom(CWebClient& client, const CWebServers& servers);
    std::string FormatAppNum(std::uint32_t number) const override;
    // Always false: the page comes from the domain name (BuildWhoisRequest).
    bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                             std::string& error) override;
    // The whois query of the domain, at the address of the registry's query form (looked up on
    // its start page once per site) or else at the whois server's script. True even when the
    // look-up failed: its error is left in `error`.
    bool BuildWhoisRequest(std::string_view domain, CHtmlRequest& request, std::string& error);

private:
    CHtmlUrl whoisScript_;
    std::string whoisAddress_;
};
