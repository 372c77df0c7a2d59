// The registers' details-page parsers on hand-made pages in each register's layout: what each
// reads, the pages that end early, and the pages of other registers.

#include "web/DetailsPages.h"

#include <gtest/gtest.h>

namespace {

std::string Print(const CCleanString& text) {
    return text.GetText();
}
std::string Print(const std::string& text) {
    return text;
}
std::string Print(const PairList& pairs) {
    std::string text;
    for (const auto& [first, second] : pairs)
        text += "[" + first + "=" + second + "]";
    return text;
}
std::string Print(const NameAddrList& parties) {
    std::string text;
    for (const CNameAddr& party : parties)
        text += "[" + party.name.GetText() + "/" + party.address.GetText() + "/" +
                std::to_string(party.lines.size()) + "]";
    return text;
}
// Every field, "|" after each.
template <typename... Texts>
std::string Fields(const Texts&... fields) {
    return ((Print(fields) + "|") + ...);
}

std::string Print(const CHtmlPageIeDetails& p) {
    return Fields(p.wordMark, p.status, p.registrationDate, p.publicationDate, p.goods, p.owners,
                  p.addressesForService);
}
std::string Print(const CHtmlPageUkdomDetails& p) {
    return Fields(p.registrant, p.agentTag, p.registeredOn);
}
std::string Print(const CHtmlPageDeDetails& p) {
    return Fields(p.wordMark, p.status, p.filingDate, p.publicationDate, p.registrationDate,
                  p.goods, p.classes, p.owners, p.representatives, p.addressesForService);
}
std::string Print(const CHtmlPageWipoDetails& p) {
    std::string goods;
    for (const auto& row : p.goods)
        goods += "[" + row.niceClass + "=" + row.text + "/" + row.italicText + "]";
    return Fields(p.number, p.wordMark, p.inid151, p.inid171, p.inid531, p.inid571, p.inid571Italic,
                  p.inid591, p.inid591Italic, p.inid811, p.inid812, p.inid822, p.inid831, p.inid832,
                  p.holders, p.representatives, goods);
}
std::string Print(const CHtmlPageUsTarrDetails& p) {
    std::string goods;
    for (const CTarrGoods& g : p.goods)
        goods += "[" +
                 Fields(g.goods, g.internationalClass, g.usClass, g.firstUseDate,
                        g.firstUseInCommerceDate, g.basis) +
                 "]";
    return Fields(p.wordMark, p.status, p.registrationNumber, p.filingDate, p.registrationDate,
                  goods, p.owners, p.correspondents);
}
std::string Print(const CHtmlPageCtmDetails& p) {
    return Fields(p.wordMark, p.number, p.status, p.filingDate, p.registrationDate,
                  p.publicationDate, p.classes, p.firstLanguage, p.secondLanguage, p.colours,
                  p.owners, p.representatives, p.goods);
}
std::string Print(const CHtmlPageUkDetails& p) {
    return Fields(p.wordMark, p.series, p.status, p.filingDate, p.registrationDate, p.firstAdvert,
                  p.designationDate, p.irClasses, p.holder, p.goods, p.proprietors, p.agents,
                  p.addressesForService);
}
std::string Print(const CHtmlPageA6Details& p) {
    return Fields(p.number, p.circularDate, p.circularNumber, p.name, p.details, p.kind, p.type,
                  p.viennaClasses, p.wordMark);
}

template <typename Page>
std::string Parsed(std::string_view html) {
    Page page;
    page.ParseBuffer(html);
    return Print(page);
}

const std::string kIrelandPage =
    "<table><tr><td>Representation of Mark</td><td>ACME</td></tr>"
    "<tr><td>Status: <b>Registered</b></td></tr>"
    "<tr><td>Date of</td><td>5 Jan 2004</td></tr>" // a value without its label's second piece
    "<tr><td>Date of <br>Registration</td><td>6 Jan 2004</td></tr>"
    "<tr><td>Goods and Services</td><td><strong>Class 25</strong> Clothing<br>"
    "<strong>Class 9</strong>\n<br>Software</td></tr>"
    "<tr><td>Proprietor</td><td><strong>Acme Ltd</strong><br>1 Main St<br>Dublin</td></tr>"
    "<tr><td>Address for service</td><td><strong>Agents &amp; Co</strong><br>2 Quay</td></tr>"
    "<tr><td>Applicant</td><td><strong>Nameless</strong></td></tr>"
    "<tr><td>Date of publication of registration</td><td>7 Feb 2005";

const std::string kUkDomainsPage = "<p>Registrant:\nOutside</p><pre>\n"
                                   "    Registrant:\n        Acme Holdings Ltd\n        Later\n\n"
                                   "    Registrant's Agent:\n        Brand Agents [Tag = ABC]\n"
                                   "        Other [Tag = XYZ]\n\n"
                                   "    Relevant Dates:\n        Registered on:   12-Aug-1999\n"
                                   "</pre>";

const std::string kGermanPage =
    "<table><tr><td><b>TRADE MARK TEXT</b></td><td>ACME</td></tr>"
    "<tr><td><b>Legal/procedural status</b></td><td>Marke eingetragen</td></tr>"
    "<tr><td><b>Owner</b></td><td>Acme GmbH,\n  Berlin</td></tr>"
    "<tr><td><b>Name and seat of representative</b></td><td>Anwalt, Bonn</td></tr>"
    "<tr><td><b>Classes</b></td><td>9; 35</td></tr><tr><td><b>Unknown</b></td><td>x</td></tr>"
    "<tr><td><b>Filing Date</b></td><td>05.01.2004</td></tr>"
    "<tr><td><b>Address for service</b></td><td>Post, Köln";

const std::string kInternationalPage =
    "<table><tr><td>(540)</td><td>NOT READ</td></tr></table><table><tr><td><table>"
    "<tr><td></td><td align=right>800001</td></tr>"
    "<tr><td>(540)</td><td><img src=m.png alt='A&amp;B'></td></tr>"
    "<tr><td>(151)</td><td>5 Jan 2004</td></tr>"
    "<tr><td>(571)</td><td>Plain<br><i>Italique</i></td></tr>"
    "<tr><td>(750)</td><td><content-name>Post Only</content-name></td></tr>"
    "<tr><td>(732)</td><td>Acme SA<br>1 Rue, Geneva</td></tr>"
    "<tr><td>(740)</td><td><content-name>Agent\nFirm</content-name>"
    "<content-address>2 Quai</content-address></td></tr>"
    "<tr><td>(511)</td><td><table><tr><td>09</td><td>Software <i>Logiciels</i></td></tr>"
    "<tr><td>25</td><td>Clothing</td></tr></table></td></tr>"
    "<tr><td>(832)</td><td>FR, DE</td></tr>"
    "<tr><td>(732)</td><td>Beta AG<br>3 Strasse";

const std::string kUnitedStatesPage =
    "<b>(words only):</b> ACME<br><b>Current Status:</b> Registered...<br>"
    "<b>Filing date:</b> 2004-01-05<br>"
    "<center><b>LAST APPLICANT(S)/OWNER(S) OF RECORD</b></center>1.<br>Acme Inc<br>"
    "<b>Address:</b> Acme Inc<br>1 Main St<br><b>Legal Entity Type:</b> CORPORATION<br>"
    "<center><b>LAST APPLICANT(S)/OWNER(S) OF RECORD</b></center>2.<br>Beta LLC<br>"
    "<b>Address:</b> 2 Oak Rd<br><b>Legal Entity Type:</b> LLC<br>"
    "<center><b>GOODS AND/OR SERVICES</b></center>"
    "<b>International Class:</b> 009<br>Software<br><b>U.S. Class:</b> 021<br>"
    "<b>Basis:</b> 1(a)<br><b>International Class:</b> 025<br>Clothing<br>"
    "<center><b>CORRESPONDENCE INFORMATION</b></center>"
    "<b>Correspondent</b><br>A. Smith (ATTORNEY OF RECORD)<br>Smith &amp; Co<br>1 Law St<hr>"
    "<b>Correspondent</b><br>Second Firm<br>9 End St";

const std::string kEuTradeMarksPage =
    "<html><table><tr><td class=sResultName>Trade mark name :</td>"
    "<td class=sResultValue>ACME</td></tr></table>"
    "<p class=sResultHeader>Trade mark</p><table>"
    "<tr><td class=sResultName>Filing date:</td><td class=sResultValue>05/01/2004</td></tr>"
    "<tr><td class=sResultName>Status of trade mark:</td>"
    "<td class=sResultValue>CTM Registered ( Glossary )</td></tr></table>"
    "<p class=sResultHeader>List of goods and services</p><table>"
    "<tr><td class=sResultName>Nice classification:</td><td class=sResultValue>9</td></tr>"
    "<tr><td class=sResultName>List of goods and services</td>"
    "<td class=sResultValue>Software;\n games</td></tr></table>"
    "<p class=sResultHeader>Owner</p><table>"
    "<tr><td class=sResultName>Name:</td><td class=sResultValue>Acme SA</td></tr>"
    "<tr><td class=sResultName>Town:</td><td class=sResultValue>Paris</td></tr>"
    "<tr><td class=sResultName>Country:</td><td class=sResultValue>FR</td></tr>"
    "<tr><td class=sResultName>First name:</td><td class=sResultValue>Jean</td></tr>"
    "<tr><td class=sResultName>Surname:</td><td class=sResultValue>Dupont</td></tr>"
    "<tr><td class=sResultName>Address:</td><td class=sResultValue>1 Rue</td></tr></table>"
    "<p class=sResultHeader>Representative</p><table>"
    "<tr><td class=sResultName>Association name:</td><td class=sResultValue>IP Firm</td></tr>"
    "<tr><td class=sResultName>Post code:</td><td class=sResultValue>75001</td></tr>";

const std::string kUnitedKingdomPage =
    "<dl><dt>Mark Text:</dt><dd>FOO</dd><dd>BAR</dd><dt>Status:</dt><dd>Registered</dd><dd>x</dd>"
    "<dt>Class 09</dt><dd>Software</dd><dd>dropped</dd><dt>Class 35</dt><dd>Retail</dd>"
    "<dt>Proprietor:</dt><dd>Acme Ltd</dd><dd>1 High St</dd><dd>London</dd>"
    "<dt>Additional Proprietor(s) Details:</dt><dd>Beta Ltd\r\n  \nGamma Ltd</dd>"
    "<dt>Date of Designation in UK:</dt><dd>5 Jan 2004</dd>"
    "<dt>Agent:</dt><dd>Agents LLP</dd><dd>2 Fleet St</dd>";

const std::string kEmblemsPage =
    "<table><tr><td><table><tr><td>Name</td><td>FIRST TABLE</td></tr></table></td></tr></table>"
    "<table><tr><td><table><tr><td>6ter Number</td><td>AB1234</td></tr>"
    "<tr><td>Name</td><td>Olympic\n<br>Committee</td></tr>"
    "<tr><td>Circular Number</td><td>C101</td></tr><tr><td>Circular Number</td><td>C102</td></tr>"
    "<tr><td>Circular Date</td><td>5 Jan 2004</td></tr>"
    "<tr><td>Vienna Classification</td><td>24.1";

} // namespace

TEST(DetailsPages, IrelandReadsLabelledRowsAndKeepsTheRowACutPageEndsIn) {
    EXPECT_EQ(Parsed<CHtmlPageIeDetails>(kIrelandPage),
              "ACME|Registered|6 Jan 2004|7 Feb 2005|[25=Clothing][9=Software]|"
              "[Acme Ltd/1 Main St Dublin/0]|[Agents & Co/2 Quay/0]|");
}

TEST(DetailsPages, UkDomainsReadsTheWhoisAnswerInItsPreformattedText) {
    CHtmlPageUkdomDetails page;
    page.ParseBuffer(kUkDomainsPage);
    EXPECT_EQ(Print(page), "Acme Holdings Ltd|ABC|12-Aug-1999|");
    EXPECT_TRUE(page.IsFound());
    page.ParseBuffer("<pre>Registrant's Agent:\n  Old Agent DETAGGED\n  x [Tag = LATE]\n</pre>");
    EXPECT_EQ(Print(page), "|DETAGGED||");
    page.ParseBuffer("<pre>No match for acme.co.uk.\n</pre>");
    EXPECT_FALSE(page.IsFound());
}

TEST(DetailsPages, GermanyTakesLabelsByTheirBeginningAndTheCellACutPageEndsIn) {
    EXPECT_EQ(Parsed<CHtmlPageDeDetails>(kGermanPage),
              "ACME|Marke eingetragen|05.01.2004||||9; 35|[Acme GmbH, Berlin//0]|"
              "[Anwalt, Bonn//0]|[Post, Köln//0]|");
}

TEST(DetailsPages, InternationalReadsInidRowsOfTheSecondTable) {
    // The (750) row's name stays in its row: the holder after it is read from its own text.
    EXPECT_EQ(Parsed<CHtmlPageWipoDetails>(kInternationalPage),
              "800001|A&B|5 Jan 2004|||Plain|Italique|||||||FR, DE|"
              "[Acme SA/1 Rue, Geneva/0][Beta AG/3 Strasse/0]|[Agent, Firm/2 Quai/0]|"
              "[09=Software/Logiciels][25=Clothing/]|");
}

TEST(DetailsPages, UnitedStatesReadsSectionsAndKeepsTheEntriesAPageEndsIn) {
    EXPECT_EQ(Parsed<CHtmlPageUsTarrDetails>(kUnitedStatesPage),
              "ACME|Registered||2004-01-05||"
              "[Software|009|021|||1(a)|][Clothing|025|||||]|"
              "[Acme Inc/1 Main St/0][Beta LLC/2 Oak Rd/0]|"
              "[Smith & Co/1 Law St/0][Second Firm/9 End St/0]|");
}

// Correspondents are read only once an attorney of record is named, and only on that page.
TEST(DetailsPages, UnitedStatesCorrespondentsNeedAnAttorneyOfRecord) {
    const std::string heading = "<center><b>CORRESPONDENCE INFORMATION</b></center>";
    const std::string attorney = heading +
                                 "<b>Correspondent (Owner)</b><br>J. Doe (Attorney of record)<br>"
                                 "Doe LLP<br>5 Court St<hr>";
    const std::string ownerOnly = heading +
                                  "<b>Correspondent (Owner)</b><br>Acme Inc<br>1 Main St<hr>"
                                  "<b>Correspondent</b><br>Acme Inc<br>1 Main St";
    CHtmlPageUsTarrDetails page;
    for (const auto& [html, correspondents] : std::vector<std::pair<std::string, std::string>>{
             {ownerOnly, ""}, {attorney, "[Doe LLP/5 Court St/0]"}, {ownerOnly, ""}}) {
        page.ParseBuffer(html);
        EXPECT_EQ(Print(page.correspondents), correspondents) << html;
    }
}

TEST(DetailsPages, EuTradeMarksJoinsEachPartyOfItsPartsAndKeepsTheLastWithoutHtmlEnd) {
    EXPECT_EQ(Parsed<CHtmlPageCtmDetails>(kEuTradeMarksPage),
              "ACME||Registered|05/01/2004|||||||"
              "[Acme SA/Paris\\FR/0][Jean Dupont/1 Rue/0]|[IP Firm/75001/0]|[9=Software; games]|");
    // A status in a table of its own below its label.
    EXPECT_EQ(Parsed<CHtmlPageCtmDetails>(
                  "<table><tr><td class=sResultName>Status of trade mark:</td></tr><tr><td>"
                  "<table><tr><td> CTM Filed </td></tr></table></td></tr></table>"),
              "||Filed|||||||||||");
}

TEST(DetailsPages, UnitedKingdomReadsTheDefinitionListAndItsProprietorLines) {
    EXPECT_EQ(Parsed<CHtmlPageUkDetails>(kUnitedKingdomPage),
              "FOO/BAR||Registered||||5 Jan 2004|||[9=Software][35=Retail]|"
              "[Acme Ltd/1 High St London/3][Beta Ltd/1 High St London/0]"
              "[Gamma Ltd/1 High St London/0]|[Agents LLP/2 Fleet St/2]||");
    // Before any proprietor there is no address to share.
    EXPECT_EQ(Parsed<CHtmlPageUkDetails>(
                  "<dl><dt>Additional Proprietor(s) Details:</dt><dd>Early Ltd</dd></dl>"),
              "||||||||||[Early Ltd//0]|||");
}

TEST(DetailsPages, EmblemsReadRowsOfTheSecondTableButNoWordMark) {
    EXPECT_EQ(Parsed<CHtmlPageA6Details>(kEmblemsPage),
              "1234|5 Jan 2004|C101|Olympic\nCommittee||||24.1||");
}

TEST(DetailsPages, ResetEmptiesEveryFieldAndNoPageUpsetsAnotherRegistersParser) {
    const std::vector<std::string> pages = {
        kIrelandPage,
        kUkDomainsPage,
        kGermanPage,
        kInternationalPage,
        kUnitedStatesPage,
        kEuTradeMarksPage,
        kUnitedKingdomPage,
        kEmblemsPage,
        "<table><table><tr><td><b>Owner</b><dt>Proprietor:<dd><pre>Registrant:\n"};
    const auto check = [&]<typename Page>(Page& page) {
        const std::string empty = Print(page);
        for (const std::string& html : pages) {
            page.ParseBuffer(html);
            page.Reset();
            EXPECT_EQ(Print(page), empty) << html;
            EXPECT_EQ(page.GetDepth(), 0);
        }
    };
    CHtmlPageIeDetails ireland;
    CHtmlPageUkdomDetails domains;
    CHtmlPageDeDetails germany;
    CHtmlPageWipoDetails international;
    CHtmlPageUsTarrDetails unitedStates;
    CHtmlPageCtmDetails euTradeMarks;
    CHtmlPageUkDetails unitedKingdom;
    CHtmlPageA6Details emblems;
    check(ireland);
    check(domains);
    check(germany);
    check(international);
    check(unitedStates);
    check(euTradeMarks);
    check(unitedKingdom);
    check(emblems);
}
