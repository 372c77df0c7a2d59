#include "web/WalkSites.h"

#include "registers/AppNumFormats.h"
#include "web/SitePages.h"

namespace {

// The number without a leading register code ("DE", "PL") when something follows it.
std::string WithoutPrefix(std::string text, std::string_view prefix) {
    if (text.size() > prefix.size() && text.starts_with(prefix))
        text.erase(0, prefix.size());
    return text;
}

} // namespace

CHtmlSiteDe::CHtmlSiteDe(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::De)) {}

std::string CHtmlSiteDe::FormatAppNum(std::uint32_t number) const {
    return WithoutPrefix(FormatDeAppNum(number), "DE");
}

bool CHtmlSiteDe::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    const std::string text = FormatAppNum(number);
    const CHtmlUrl start("/DPMAregister/Uebersicht", &GetServer());
    CHtmlPageDeHome home;
    if (!FetchStep(home, start, error))
        return false;
    if (CHtmlUrl english; ResolveOnPage(home, home.GetEnglishLink(), english))
        if (!FetchStep(home, english, error))
            return false;

    CHtmlUrl tradeMarksUrl;
    if (!ResolveOnPage(home, home.GetTradeMarksLink(), tradeMarksUrl))
        return false;
    CHtmlPageDeTradeMarks tradeMarks;
    if (!FetchStep(tradeMarks, tradeMarksUrl, error) || tradeMarks.GetBeginnerLink().empty())
        return false;
    // The beginner link is relative to the trade-mark search's folder, not to the page.
    const CHtmlUrl searchFolder("/DPMAregister/marke/uebersicht", &tradeMarksUrl);
    const CHtmlUrl beginnerUrl = ResolveWebUrl(tradeMarks.GetBeginnerLink(), searchFolder);
    CHtmlRequest form;
    if (!beginnerUrl.IsWeb() || !FetchForm(beginnerUrl, "form", form, error))
        return false;
    form.SetParam("rn", text);
    form.AddParam("rechercheStarten", "Start search");
    CHtmlPageDeResults results;
    if (!FetchDetails(form, results, error))
        return false;
    CHtmlUrl details;
    if (!ResolveOnPage(results, results.GetDetailsLink(), details))
        return false;
    SetBrowserRequest(request, details);
    return true;
}

CHtmlSitePl::CHtmlSitePl(CWebClient& client, const CWebServers& servers)
    : CHtmlSite(client, servers.Get(WebServer::Pl)) {}

std::string CHtmlSitePl::FormatAppNum(std::uint32_t number) const {
    return WithoutChars(WithoutPrefix(FormatPlAppNum(number), "PL"), ",");
}

bool CHtmlSitePl::BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                      std::string& error) {
    error.clear();
    const std::string text = FormatAppNum(number);
    CHtmlPagePlHome home;
    if (!FetchStep(home, CHtmlUrl("/patentwebaccess/DatabaseChoose.aspx", &GetServer()), error))
        return false;
    CHtmlUrl english;
    if (!ResolveOnPage(home, home.GetEnglishLink(), english))
        return false;
    CHtmlRequest choice;
    if (!FetchForm(english, "Form1", choice, error))
        return false;
    choice.AddParam("CheckBox_TOW", "on");
    choice.SetParam("__EVENTTARGET", "LinkButtonSzybkie");
    CHtmlRequest search;
    if (!FetchForm(choice, "Form1", search, error))
        return false;
    search.AddParam("ButSzukaj", "Search");
    search.SetParam("RadioButtonList2", "NZL");
    search.SetParam("TextBoxSzukaj", text);
    search.SetParam("pytanie", text);
    CHtmlPagePlHits hits;
    if (!FetchDetails(search, hits, error) || hits.GetPatentId().empty())
        return false;

    const CHtmlUrl hitsUrl(hits.GetFinalUrl());
    SetBrowserRequest(request, CHtmlUrl("/patentwebaccess/PatentDetails.aspx", &hitsUrl), true);
    request.AddParam("PatentID", hits.GetPatentId());
    request.AddParam("Zrodlo", hits.GetSourceCode());
    for (const char* empty : {"Strona", "PokazRysunki", "KolumnaSort"})
        request.AddParam(empty, "");
    return true;
}
