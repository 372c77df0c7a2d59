#pragma once
// The registers' public details pages, one parser per register: each turns the token stream of a
// mark's page into the named texts and lists that the comparers hold against the mark's record.
// They know nothing of fetching; a page of another layout leaves fields empty. Every parser
// empties all its fields in Reset and hands over what it was still collecting when the tokens
// end, so a page cut off early keeps its last entry.

#include "core/CleanString.h"
#include "core/NameAddr.h"
#include "core/ZrData.h"
#include "web/HtmlPage.h"

#include <optional>
#include <string>
#include <vector>

using NameAddrList = std::vector<CNameAddr>;

// Ireland: rows of a label cell and a value cell.
class CHtmlPageIeDetails : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    void OnEndOfTokens() override { FlushRow(); }

    std::string wordMark;
    CCleanString status;
    CCleanString registrationDate;
    CCleanString publicationDate;
    // (class, goods text)
    PairList goods;
    NameAddrList owners;
    NameAddrList addressesForService;

private:
    void OnLabelText(const std::string& text);
    void OnValueText(const std::string& text);
    void FlushRow();

    std::string label_;
    std::string value_;
    std::string goodsClass_;
    CNameAddr pending_;
};

// UK domain names: the registry's whois answer, read from its preformatted text.
class CHtmlPageUkdomDetails : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    // The answer names the domain: a registrant, an agent tag or a registration date.
    bool IsFound() const;

    CCleanString registrant;
    std::string agentTag;
    std::string registeredOn;

private:
    void OnLine(const std::string& line);

    std::string heading_;
};

// Germany: rows of a bold label and its value.
class CHtmlPageDeDetails : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    void OnEndOfTokens() override { FlushCell(); }

    std::string wordMark;
    std::string status;
    std::string filingDate;
    std::string publicationDate;
    std::string registrationDate;
    std::string goods;
    std::string classes;
    NameAddrList owners;
    NameAddrList representatives;
    NameAddrList addressesForService;

private:
    void FlushCell();

    CCleanString label_;
    CCleanString value_;
};

// International registrations: rows keyed on INID codes in the page's second table, the goods of
// code (511) in a table nested in its row.
class CHtmlPageWipoDetails : public CHtmlPage {
public:
    struct CGoodsRow {
        std::string niceClass;
        std::string text;
        std::string italicText;
    };

    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    void OnEndOfTokens() override;

    // The number text of the table's first row.
    std::string number;
    std::string wordMark; // (540)
    std::string inid151;
    std::string inid171;
    std::string inid531;
    std::string inid571;
    std::string inid571Italic;
    std::string inid591;
    std::string inid591Italic;
    std::string inid811;
    std::string inid812;
    std::string inid822;
    std::string inid831;
    std::string inid832;
    NameAddrList holders;         // (732)
    NameAddrList representatives; // (740)
    std::vector<CGoodsRow> goods; // (511)

private:
    void OnText(const CHtmlToken& token);
    void FinishRow();
    void AddGoodsRow();
    void AddParty(NameAddrList& list);
    std::string* FieldOfCode();

    std::string code_;
    std::string value_;
    std::string italicValue_;
    std::string rightText_;
    std::string contentName_;
    std::string contentAddress_;
    std::string align_;
    std::string imageAlt_;
    CGoodsRow goodsRow_;
};

// One class of the US goods list.
struct CTarrGoods {
    CCleanString goods;
    CCleanString internationalClass;
    CCleanString usClass;
    CCleanString firstUseDate;
    CCleanString firstUseInCommerceDate;
    CCleanString basis;

    bool IsEmpty() const;
};

// United States: the status page, sections under bold centred headings and bold labels.
class CHtmlPageUsTarrDetails : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    void OnEndOfTokens() override;

    CCleanString wordMark;
    CCleanString status;
    CCleanString registrationNumber;
    CCleanString filingDate;
    CCleanString registrationDate;
    std::vector<CTarrGoods> goods;
    NameAddrList owners;
    NameAddrList correspondents;

private:
    void OnText(const std::string& text);
    void OnHeadText(const std::string& text);
    void OnOwnerText(const std::string& text);
    void OnGoodsText(const std::string& text);
    void OnCorrespondenceText(const std::string& text);
    // Adds the pending goods once it has its dates or basis (or always, at the page's end).
    void FlushGoods(bool always = false);
    void FlushEntry(NameAddrList& list);

    std::string section_;
    std::string label_;
    CTarrGoods pendingGoods_;
    CNameAddr pending_;
    // An attorney of record was named: correspondence texts from then on are entries.
    bool attorneyNamed_ = false;
};

// EU trade marks: cells of result names and values under section headings, owners and
// representatives in parts (name, address, town, post code, country).
class CHtmlPageCtmDetails : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    void OnEndOfTokens() override { FlushParty(); }

    std::string wordMark;
    std::string number;
    std::string status;
    std::string filingDate;
    std::string registrationDate;
    std::string publicationDate;
    std::string classes;
    std::string firstLanguage;
    std::string secondLanguage;
    std::string colours;
    NameAddrList owners;
    NameAddrList representatives;
    // (class, goods text)
    PairList goods;

private:
    struct CParty {
        std::string section;
        std::string name;
        std::string address;
        std::string postCode;
        std::string town;
        std::string country;
    };

    void OnStartTag(const CHtmlToken& token);
    void OnText(const std::string& text);
    void OnEndTag(const CHtmlToken& token);
    void TakeCell();
    void TakeParty(const std::string& label, const std::string& value);
    void FlushParty();

    std::string section_;
    CCleanString label_;
    CCleanString value_;
    std::string cellClass_;
    std::string paragraphClass_;
    std::string spanClass_;
    std::string goodsClass_;
    std::optional<int> statusDepth_;
    CParty party_;
};

// United Kingdom: a definition list of labels and their values.
class CHtmlPageUkDetails : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    void OnEndOfTokens() override { FlushEntry(); }

    std::string wordMark;
    CCleanString series;
    CCleanString status;
    CCleanString filingDate;
    CCleanString registrationDate;
    CCleanString firstAdvert;
    CCleanString designationDate;
    CCleanString irClasses;
    CCleanString holder;
    // (class number, goods text)
    PairList goods;
    NameAddrList proprietors;
    NameAddrList agents;
    NameAddrList addressesForService;

private:
    void OnValueText(const std::string& text);
    void AddProprietorLines(const std::string& text);
    void FlushEntry();

    std::string label_;
    std::string pendingLabel_;
    CNameAddr pending_;
    bool inTerm_ = false;
    bool inDefinition_ = false;
};

// Article 6ter emblems: label and value rows of the page's second table.
class CHtmlPageA6Details : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    void Reset() override;
    void OnToken(const CHtmlToken& token) override;
    void OnEndOfTokens() override { FlushRow(); }

    std::string number;
    std::string circularDate;
    std::string circularNumber;
    std::string name;
    std::string details;
    std::string kind;
    std::string type;
    std::string viennaClasses;
    // No row of the page gives the emblem's word mark; it stays empty.
    std::string wordMark;

private:
    void FlushRow();

    std::string label_;
    std::string value_;
};
