#include "tests/support/RegisterPageMaker.h"

#include "core/ZrDate.h"
#include "tests/support/WebServer.h"

#include <algorithm>
#include <httplib.h>

namespace {

// What a page shows of its record, after the change.
struct Facts {
    std::string wordMark;
    std::string status;
    std::string appDate;
    std::string regDate;
    std::string classes;
    PairList owners;
    PairList agents;
    PairList services;
    PairList goods;
};

Facts FactsOf(const CZrData& record, PageChange change) {
    const auto pairs = [&](const char* tag) {
        PairList list;
        record.GetPairList(tag, list);
        return list;
    };
    Facts facts{std::string(record.GetField("WORDMARK")),
                std::string(record.GetField("STATUS")),
                std::string(record.GetField("APPDATE")),
                std::string(record.GetField("REGDATE")),
                std::string(record.GetField("CLASSES")),
                pairs("PROPS"),
                pairs("AGENTS"),
                pairs("SERVS"),
                pairs("GOODS")};
    switch (change) {
    case PageChange::None:
        break;
    case PageChange::Status:
        facts.status = facts.status == "Abandoned" ? "Registered" : "Abandoned";
        break;
    case PageChange::AppDate:
        facts.appDate = "1 Jan 1901";
        break;
    case PageChange::WordMark:
        facts.wordMark += " PLUS";
        break;
    case PageChange::GoodsClass: {
        const bool has44 = std::any_of(facts.goods.begin(), facts.goods.end(),
                                       [](const StringPair& pair) { return pair.first == "44"; });
        if (!facts.goods.empty())
            facts.goods.front().first = has44 ? "45" : "44";
        break;
    }
    case PageChange::ExtraOwner:
        facts.owners.emplace_back("Extra Owner Ltd", "9 Side Street, Leeds");
        break;
    case PageChange::SwappedOwners:
        std::reverse(facts.owners.begin(), facts.owners.end());
        break;
    }
    return facts;
}

std::string Html(std::string_view text) {
    std::string html;
    for (const char c : text) {
        if (c == '&')
            html += "&amp;";
        else if (c == '<')
            html += "&lt;";
        else if (c == '>')
            html += "&gt;";
        else
            html += c;
    }
    return html;
}

std::string Field(const CZrData& record, const char* tag) {
    return Html(record.GetField(tag));
}

std::string PaddedClass(const std::string& niceClass) {
    return niceClass.size() == 1 ? "0" + niceClass : niceClass;
}

std::string Ireland(const Facts& facts, const CZrData&) {
    std::string html = "<html><table><tr><td>Representation of Mark</td><td>" +
                       Html(facts.wordMark) + "</td></tr><tr><td>Status: <b>" + Html(facts.status) +
                       "</b></td></tr><tr><td>Date of <br>Registration</td><td>" +
                       Html(facts.regDate) + "</td></tr><tr><td>Goods and Services</td><td>";
    for (const auto& [niceClass, text] : facts.goods)
        html += "<strong>Class " + niceClass + "</strong> " + Html(text) + "<br>";
    html += "</td></tr>";
    for (const auto& [label, list] : {std::pair{"Proprietor", &facts.owners},
                                      std::pair{"Address for Service", &facts.services}})
        for (const auto& [name, address] : *list)
            html += std::string("<tr><td>") + label + "</td><td><strong>" + Html(name) +
                    "</strong><br>" + Html(address) + "</td></tr>";
    return html + "</table></html>";
}

std::string UkDomains(const Facts& facts, const CZrData&) {
    std::string html = "<html><pre>\n    Domain name:\n        " + Html(facts.wordMark) +
                       "\n\n    Registrant:\n        " +
                       Html(facts.owners.empty() ? "" : facts.owners[0].first) +
                       "\n\n    Registrant's Agent:\n        ";
    html += facts.agents.empty()
                ? std::string("This domain is registered directly with the registry")
                : Html(facts.agents[0].first) + " [Tag = " + Html(facts.agents[0].first) + "]";
    return html + "\n\n    Relevant Dates:\n        Registered on: " + Html(facts.appDate) +
           "\n</pre></html>";
}

std::string GermanStatus(const std::string& status) {
    if (status == "Registered")
        return "Marke eingetragen";
    if (status == "Pending")
        return "in Ordnung, SB (formelle Sachpr\xFC"
               "fung)";
    if (status == "Abandoned")
        return "Marke gel\xF6"
               "scht";
    return status;
}

std::string Germany(const Facts& facts, const CZrData&) {
    const auto row = [](const std::string& label, const std::string& value) {
        return "<tr><td><b>" + label + "</b></td><td>" + Html(value) + "</td></tr>";
    };
    std::string classes = facts.classes;
    std::replace(classes.begin(), classes.end(), ',', ';');
    std::string goods;
    for (const auto& pair : facts.goods)
        goods += (goods.empty() ? "" : " ") + pair.second;
    std::string html = "<html><table>" + row("Trade mark text", facts.wordMark) +
                       row("Legal/procedural status", GermanStatus(facts.status)) +
                       row("Filing Date", facts.appDate) + row("Classes", classes) +
                       row("Goods/services", goods);
    for (const auto& [label, list] : {std::pair{"Owner", &facts.owners},
                                      std::pair{"Name and seat of representative", &facts.agents},
                                      std::pair{"Address for service", &facts.services}})
        for (const auto& [name, address] : *list)
            html += row(label, name + ", " + address);
    return html + "</table></html>";
}

std::string International(const Facts& facts, const CZrData& record) {
    const auto row = [](const std::string& code, const std::string& html) {
        return "<tr><td>" + code + "</td><td>" + html + "</td></tr>";
    };
    std::string html = "<html><table><tr><td>Madrid</td></tr></table><table><tr><td><table>"
                       "<tr><td></td><td align=RIGHT>" +
                       Field(record, "APPNUM") + "</td></tr>" + row("(151)", Html(facts.appDate)) +
                       row("(171)", Field(record, "MKDUR")) + row("(540)", Html(facts.wordMark));
    for (const auto& [code, list] :
         {std::pair{"(732)", &facts.owners}, std::pair{"(740)", &facts.agents}})
        for (const auto& [name, address] : *list)
            html += row(code, Html(name) + "<br>" + Html(address));
    html += "<tr><td>(511)</td><td><table>";
    for (const auto& [niceClass, text] : facts.goods)
        html += "<tr><td>" + PaddedClass(niceClass) + "</td><td>" + Html(text) + "</td></tr>";
    html += "</table></td></tr>";
    for (const auto& [code, tag] : {std::pair{"(571)", "MARKDESCR"},
                                    {"(591)", "IMCOLOURS"},
                                    {"(812)", "ORIG_COUNTRY"},
                                    {"(822)", "ORIG_REG"},
                                    {"(831)", "MAD_AGRMNT"},
                                    {"(832)", "MAD_PROTO"}})
        html += row(code, Field(record, tag));
    return html + "</table></td></tr></table></html>";
}

// Dates year first, as the US page writes them.
std::string YearFirst(const std::string& date) {
    CZrDate parsed;
    return parsed.Parse(date.c_str()) ? parsed.FormatIso() : date;
}

std::string UnitedStates(const Facts& facts, const CZrData&) {
    std::string html = "<html><b>(words only):</b> " + Html(facts.wordMark) +
                       "<br><b>Current Status:</b> " + Html(facts.status) +
                       ".<br><b>Filing date:</b> " + YearFirst(facts.appDate) +
                       "<br><b>Registration date:</b> " + YearFirst(facts.regDate) + "<br>";
    // Each owner under a heading of its own, which clears the label before its name.
    for (std::size_t i = 0; i < facts.owners.size(); ++i)
        html += "<center><b>LAST APPLICANT(S)/OWNER(S) OF RECORD</b></center>" +
                std::to_string(i + 1) + ".<br>" + Html(facts.owners[i].first) +
                "<br><b>Address:</b><br>" + Html(facts.owners[i].first) + "<br>" +
                Html(facts.owners[i].second) + "<br><b>Legal Entity Type:</b> CORPORATION<br>";
    html += "<center><b>GOODS AND/OR SERVICES</b></center>";
    for (const auto& [niceClass, text] : facts.goods)
        html += "<b>International Class:</b> 0" + PaddedClass(niceClass) + "<br>" + Html(text) +
                "<br><b>Basis:</b> 1(a)<br>";
    html += "<center><b>CORRESPONDENCE INFORMATION</b></center>";
    for (const auto& [name, address] : facts.services)
        html += "<b>Correspondent</b><br>A. Smith (Attorney of record)<br>" + Html(name) + "<br>" +
                Html(address) + "<hr>";
    return html + "</html>";
}

std::string EuTradeMarks(const Facts& facts, const CZrData& record) {
    const auto cell = [](const std::string& label, const std::string& html) {
        return "<tr><td class=sResultName>" + label + "</td><td class=sResultValue>" + html +
               "</td></tr>";
    };
    const auto section = [](const std::string& heading) {
        return "<p class=sResultHeader>" + heading + "</p>";
    };
    std::string html =
        "<html><table>" + cell("Trade mark name :", Html(facts.wordMark)) +
        cell("Trade mark No :", Field(record, "APPNUM")) + "</table>" + section("Trade mark") +
        "<table>" + cell("Filing date:", Html(facts.appDate)) +
        cell("Status of trade mark:", "CTM " + Html(facts.status) + " ( Glossary )") +
        cell("Nice classification:", Html(facts.classes)) +
        cell("Filing language:", Field(record, "LANG1")) +
        cell("Second language:", Field(record, "LANG2")) + "</table>" + section("Description") +
        "<table>" + cell("Indication of colour :", Field(record, "IMCOLOURS")) + "</table>";
    for (const auto& [heading, list] :
         {std::pair{"Owner", &facts.owners}, std::pair{"Representative", &facts.services}}) {
        html += section(heading) + "<table>";
        for (const auto& [name, address] : *list)
            html += cell("Name:", Html(name)) + cell("Address:", Html(address));
        html += "</table>";
    }
    return html + "</html>";
}

std::string UnitedKingdom(const Facts& facts, const CZrData& record) {
    const auto entry = [](const std::string& label, const std::string& html) {
        return "<dt>" + label + "</dt><dd>" + html + "</dd>";
    };
    std::string html = "<html><dl>" + entry("Mark Text:", Html(facts.wordMark)) +
                       entry("Status:", Html(facts.status));
    if (record.GetField("APPNUM").starts_with('M'))
        return html + entry("Date of international registration", Html(facts.appDate)) +
               entry("Classes:", Html(facts.classes)) + "</dl></html>";
    html += entry("Filing Date:", Html(facts.appDate));
    for (const auto& [niceClass, text] : facts.goods)
        html += entry("Class " + PaddedClass(niceClass), Html(text));
    for (const auto& [label, list] :
         {std::pair{"Proprietor:", &facts.owners}, std::pair{"Service:", &facts.services},
          std::pair{"Agent:", &facts.agents}})
        for (const auto& [name, address] : *list)
            html += entry(label, Html(name)) + "<dd>" + Html(address) + "</dd>";
    return html + "</dl></html>";
}

std::string Emblems(const Facts& facts, const CZrData& record) {
    const auto row = [](const std::string& label, const std::string& html) {
        return "<tr><td>" + label + "</td><td>" + html + "</td></tr>";
    };
    return "<html><table><tr><td>6ter</td></tr></table><table><tr><td><table>" +
           row("6ter Number", "ZZ" + Field(record, "APPNUM")) +
           row("Name", Html(facts.owners.empty() ? "" : facts.owners[0].first)) +
           row("Circular Number", Field(record, "JOURNAL")) +
           row("Circular Date", Html(facts.appDate)) + "</table></td></tr></table></html>";
}

// Where a register's site finds a record's page: the record field that keys it.
const char* KeyField(char code) {
    switch (code) {
    case 'k':
        return "WORDMARK";
    case 'a':
        return "PKEY";
    case 's':
        return "SERNUM";
    default:
        return "APPNUM";
    }
}

std::string ZeroPadded(std::string text, std::size_t width) {
    return std::string(width - std::min(width, text.size()), '0') + text;
}

} // namespace

std::string CRegisterPageMaker::Render(char code, const CZrData& record, PageChange change) {
    const Facts facts = FactsOf(record, change);
    switch (code) {
    case 'a':
        return Emblems(facts, record);
    case 'c':
        return EuTradeMarks(facts, record);
    case 'd':
        return Germany(facts, record);
    case 'e':
        return Ireland(facts, record);
    case 'i':
        return International(facts, record);
    case 'k':
        return UkDomains(facts, record);
    case 's':
        return UnitedStates(facts, record);
    case 'u':
        return UnitedKingdom(facts, record);
    default:
        return {};
    }
}

std::string CRegisterPageMaker::UkPath(const CZrData& record) {
    const std::string number(record.GetField("APPNUM"));
    return number.starts_with('M') ? "/tmcase/Results/2/WO" + ZeroPadded(number.substr(1), 13)
                                   : "/tmcase/Results/1/UK" + ZeroPadded(number, 11);
}

void CRegisterPageMaker::Add(char code, const CZrData& record, PageChange change) {
    std::string page = Render(code, record, change);
    if (code == 'u')
        server_.Page(UkPath(record), std::move(page));
    else
        Serve(code, std::string(record.GetField(KeyField(code))), std::move(page));
}

void CRegisterPageMaker::Serve(char code, const std::string& key, std::string page) {
    const std::lock_guard lock(mutex_);
    pages_[{code, key}] = std::move(page);
}

std::string CRegisterPageMaker::Find(char code, const std::string& key) const {
    const std::lock_guard lock(mutex_);
    const auto found = pages_.find({code, key});
    return found == pages_.end() ? std::string() : found->second;
}

CRegisterPageMaker::CRegisterPageMaker(LoopbackWebServer& server) : server_(server) {
    // A page found by a parameter of its request; 404 for a record without page.
    const auto serveBy = [this](char code, const std::string& path, const std::string& parameter,
                                const std::string& prefix = "") {
        server_.Route(path, [=, this](const httplib::Request& request,
                                      httplib::Response& response) {
            std::string key = request.get_param_value(parameter);
            if (const std::size_t at = key.find(prefix); !prefix.empty() && at != std::string::npos)
                key.erase(0, at + prefix.size());
            const std::string page = Find(code, key);
            response.status = page.empty() ? 404 : 200;
            response.set_content(page, "text/html");
        });
    };
    serveBy('c', "/tmview/get-detail", "st13", "EM500000");
    serveBy('e', "/register/TMRegister.aspx", "idappli");
    serveBy('i', "/romarin/advSearch.do", "searchString", "contains ");
    serveBy('s', "/servlet/tarr", "entry");
    serveBy('k', "/cgi-bin/whois.cgi", "query");
    serveBy('a', "/ipdl/en/6ter/details", "key");
    serveBy('d', "/DPMAregister/marke/register/details.do", "rn");

    // The whois form of the domain registry's start page.
    server_.Page("/", "<form action='/cgi-bin/whois.cgi'><input name=query></form>");
    // The 6ter emblem search: its form, and a result list whose third table links the emblem.
    server_.Page("/ipdl/en/6ter/",
                 "<form name=frm action=search method=get><input name=TERM_1></form>");
    server_.Route("/ipdl/en/6ter/search", [](const httplib::Request& request,
                                             httplib::Response& response) {
        const std::string key = request.get_param_value("TERM_1");
        response.set_content("<table><tr><td>1 record</td></tr></table><table></table><table><tr>"
                             "<td>1</td><td><a href='details?key=" +
                                 httplib::detail::encode_query_param(key) + "'>" + Html(key) +
                                 "</a></td></tr></table>",
                             "text/html");
    });
    // The German search: start page, trade marks, the beginner's form and its results.
    server_.Page("/DPMAregister/Uebersicht",
                 "<a href='/DPMAregister/marke.do' title='Trade marks'>Marken</a>");
    server_.Page("/DPMAregister/marke.do", "<a href=einsteiger.do>Beginner's search</a>");
    server_.Page("/DPMAregister/marke/einsteiger.do",
                 "<form name=form method=post action=ergebnis.do><input name=rn></form>");
    server_.Route("/DPMAregister/marke/ergebnis.do", [](const httplib::Request& request,
                                                        httplib::Response& response) {
        const std::string number = request.get_param_value("rn");
        response.set_content("<table><tr><td>1</td><td>" + number +
                                 "</td><td>DE</td><td><a href='register/details.do?rn=" + number +
                                 "'>details</a></td></tr></table>",
                             "text/html");
    });
}
