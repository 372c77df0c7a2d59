#pragma once
// The comparison of a mark's record (what we "have") with the register's public details page
// (what it "should be"). CDiff holds the rules every register shares: dates, statuses, goods,
// and the lists of owners, agents and addresses for service. TDiff adds the check of one mark:
// the register's site builds the request, the page is fetched and parsed by the register's
// parser, then compared. Each register's comparer (Diffs.h) says which fields it compares and
// how. Comparers keep nothing between marks but what their register needs, and report to a
// CDiffReporter they do not own.

#include "core/NameAddr.h"
#include "core/ZrData.h"
#include "web/DiffReporter.h"
#include "web/HtmlSite.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The "have" or "should be" side of a difference that one side lacks.
inline constexpr const char* kMissing = "<Missing>";
// The error of a mark whose page the register's site could not find.
inline constexpr const char* kNoDetailsPage = "The register's site did not lead to the mark's page";

// The page statuses of a register that stand for one record status.
struct CStatusRow {
    std::string_view recordStatus;
    std::span<const std::string_view> pageStatuses;
};

class CDiff {
public:
    CDiff() = default;
    CDiff(const CDiff&) = delete;
    CDiff& operator=(const CDiff&) = delete;
    virtual ~CDiff() = default;

    // Bit 0 when the names differ, bit 1 when the addresses differ. The tag is the list's label
    // as its caller passes it ("Owners", "Agents", "Service" ...).
    virtual int CompareNameAndAddress(std::string_view tag, std::string_view haveName,
                                      std::string_view haveAddress, std::string_view pageName,
                                      std::string_view pageAddress);

    // The record's (name, address) pairs against the page's entries, in any order; with
    // firstSeparately the two first entries are compared with each other first.
    void CompareOwners(std::string_view tag, bool firstSeparately, const PairList& record,
                       std::span<const CNameAddr> page, CDiffReporter& reporter);
    // As CompareOwners, but a first page entry given in three or more lines is first split into
    // name and address where the split agrees with the record's first owner.
    void CompareHolderLines(std::string_view tag, bool firstSeparately, const PairList& record,
                            std::span<const CNameAddr> page, CDiffReporter& reporter);

protected:
    // The record address as the name-and-address rule sees it: its lines joined by blanks.
    virtual std::string AddressForComparison(std::string_view recordAddress) const;

    // Dates are compared as dates (day first, or year first on the page where it says so); the
    // report shows both texts as they stand.
    static void CompareDate(const std::string& label, std::string_view have,
                            std::string_view should, CDiffReporter& reporter,
                            bool shouldYearFirst = false);
    // A record status equals a page status equal to it (ignoring case) or one listed for it.
    static bool StatusMatches(std::span<const CStatusRow> table, std::string_view recordStatus,
                              std::string_view pageStatus);
    static PairList RecordPairs(const CZrData& record, std::string_view tag);
    // The label of a goods difference: "Goods class <class>".
    static std::string GoodsLabel(std::string_view niceClass);

    // How a register's goods (pairs of class and text) are matched.
    struct GoodsRule {
        // Classes agree by their number value ("09" is 9), else as texts.
        bool byNumber = false;
        // Only record texts that begin with it (ignoring case) count, compared without it.
        std::string_view languagePrefix;
        // Whether a record text differs from the page's; LooseCompare unless given.
        std::function<bool(const std::string& have, const std::string& should)> differ;
        // Whether a record class the page lacks is reported; all are unless given.
        std::function<bool(std::string_view niceClass)> reportMissing;
    };
    // Each page class against the record's text of that class ("<Missing>" without one), then
    // each record class that the page lacks.
    static void CompareGoods(const PairList& record, const PairList& page, const GoodsRule& rule,
                             CDiffReporter& reporter);
    // What classes are matched by: their number value's text, or their text.
    static std::string ClassKey(std::string_view niceClass, bool byNumber);
    // The first pair of each class, by its key.
    using ClassIndex = std::unordered_map<std::string, const StringPair*>;
    static ClassIndex IndexByClass(std::span<const StringPair* const> pairs, bool byNumber);

    // The request fetched into the page; a failure of the fetch or an error of the page is
    // reported and answers false.
    static bool FetchPage(CHtmlSite& site, const CHtmlRequest& request, CHtmlPage& page,
                          CDiffReporter& reporter);
};

// A register's comparer over its page parser and its web site.
template <typename Page, typename Site>
class TDiff : public CDiff {
public:
    using PageType = Page;
    using SiteType = Site;

    // Compares a parsed page with the record and reports each difference.
    virtual void CompareDetails(const Page& page, const CZrData& record,
                                CDiffReporter& reporter) = 0;
    // The labels of the fields CompareDetails compares, in its order.
    virtual std::vector<std::string> GetCheckedFields() const = 0;

    // One mark: true when its page was fetched, parsed without error and compared; false when
    // an error was reported instead.
    virtual bool CheckMark(Site& site, std::uint32_t number, const CZrData& record,
                           CDiffReporter& reporter) {
        Page page;
        if (!FetchMarkPage(site, number, record, page, reporter))
            return false;
        CompareDetails(page, record, reporter);
        return true;
    }

    // A page fetched elsewhere (the details window's), compared; the labels of what was checked.
    virtual std::vector<std::string> ComparePage(const Page& page, const CZrData& record,
                                                 CDiffReporter& reporter) {
        CompareDetails(page, record, reporter);
        return GetCheckedFields();
    }

protected:
    virtual bool BuildRequest(Site& site, std::uint32_t number, const CZrData&,
                              CHtmlRequest& request, std::string& error) {
        return site.BuildDetailsRequest(number, request, error);
    }

    // Steps 1 to 3: the request built by the site, the page fetched and parsed; a failure is
    // reported and answers false. A walk that found no way to the page gives no reason of its
    // own, so the check names one.
    bool FetchMarkPage(Site& site, std::uint32_t number, const CZrData& record, Page& page,
                       CDiffReporter& reporter) {
        CHtmlRequest request;
        std::string error;
        if (!BuildRequest(site, number, record, request, error)) {
            reporter.ReportError(error.empty() ? kNoDetailsPage : error);
            return false;
        }
        return FetchPage(site, request, page, reporter);
    }
};
