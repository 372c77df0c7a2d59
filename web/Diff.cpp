#include "web/Diff.h"

#include "core/Latin1.h"
#include "core/OwnerName.h"
#include "core/SmallHelpers.h"
#include "core/ZrDate.h"
#include "registers/AsciiText.h"
#include "web/DiffText.h"
#include "web/PageText.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace {

// One entry of a list as the comparison sees it and as the report shows it.
struct Party {
    std::string name;
    std::string address;
};

Party NormalisedParty(std::string_view name, std::string_view address) {
    return {NormaliseOwnerName(name, false), NormaliseOwnerName(address, true)};
}

std::string JoinLines(std::span<const std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : " ") + line;
    return text;
}

} // namespace

int CDiff::CompareNameAndAddress(std::string_view, std::string_view haveName,
                                 std::string_view haveAddress, std::string_view pageName,
                                 std::string_view pageAddress) {
    return (LooseCompare(haveName, pageName) != 0 ? 1 : 0) |
           (LooseCompare(haveAddress, pageAddress) != 0 ? 2 : 0);
}

std::string CDiff::AddressForComparison(std::string_view recordAddress) const {
    return ReplaceAll(std::string(recordAddress), "\\", " ");
}

void CDiff::CompareOwners(std::string_view tag, bool firstSeparately, const PairList& record,
                          std::span<const CNameAddr> page, CDiffReporter& reporter) {
    struct Have {
        Party shown;
        std::string comparedAddress;
    };
    std::vector<Have> haves;
    for (const auto& [name, address] : record)
        haves.push_back({{name, ReplaceAll(address, "\\", " ")}, AddressForComparison(address)});
    std::vector<Party> shoulds;
    for (const CNameAddr& entry : page)
        shoulds.push_back(NormalisedParty(entry.name.GetText(), entry.address.GetText()));

    const auto differ = [&](const Have& have, const Party& should) {
        return CompareNameAndAddress(tag, have.shown.name, have.comparedAddress, should.name,
                                     should.address) != 0;
    };
    const auto report = [&](const std::string& label, const Party& have, const Party& should) {
        reporter.ReportDifferenceTwoLines(label, have.name, have.address, should.name,
                                          should.address);
    };
    static const Have kNoHave;
    static const Party kNoParty;
    // The entries not yet set aside, in order.
    std::vector<const Have*> restHaves;
    for (const Have& have : haves)
        restHaves.push_back(&have);
    std::vector<const Party*> restShoulds;
    for (const Party& should : shoulds)
        restShoulds.push_back(&should);
    if (firstSeparately) {
        const Have& first = haves.empty() ? kNoHave : haves.front();
        const Party& firstOnPage = shoulds.empty() ? kNoParty : shoulds.front();
        if (differ(first, firstOnPage))
            report(std::string(tag) + " first name/addr", first.shown, firstOnPage);
        if (!restHaves.empty())
            restHaves.erase(restHaves.begin());
        if (!restShoulds.empty())
            restShoulds.erase(restShoulds.begin());
    }
    for (auto should = restShoulds.begin(); should != restShoulds.end();) {
        const auto have =
            std::find_if(restHaves.begin(), restHaves.end(),
                         [&](const Have* candidate) { return !differ(*candidate, **should); });
        if (have == restHaves.end()) {
            ++should;
            continue;
        }
        restHaves.erase(have);
        should = restShoulds.erase(should);
    }
    for (std::size_t i = 0; i < std::max(restHaves.size(), restShoulds.size()); ++i)
        report(std::string(tag) + " name/addr",
               i < restHaves.size() ? restHaves[i]->shown : kNoParty,
               i < restShoulds.size() ? *restShoulds[i] : kNoParty);
}

void CDiff::CompareHolderLines(std::string_view tag, bool firstSeparately, const PairList& record,
                               std::span<const CNameAddr> page, CDiffReporter& reporter) {
    if (record.empty() || page.empty() || page.front().lines.size() < 3) {
        CompareOwners(tag, firstSeparately, record, page, reporter);
        return;
    }
    const std::vector<std::string>& lines = page.front().lines;
    const std::span<const std::string> all(lines);
    const auto& [firstName, firstAddress] = record.front();
    std::optional<std::size_t> byName;
    std::optional<std::size_t> byAddress;
    for (std::size_t i = 1; i < lines.size() && !byName; ++i) {
        const std::string name = NormaliseOwnerName(JoinLines(all.first(i)), false);
        const std::string address = NormaliseOwnerName(JoinLines(all.subspan(i)), true);
        if (!name.empty() && LooseCompare(name, firstName) == 0)
            byName = i;
        else if (!byAddress && !address.empty() && LooseCompare(address, firstAddress) == 0)
            byAddress = i;
    }
    const std::size_t split = byName.value_or(byAddress.value_or(1));
    std::vector<CNameAddr> splitPage(page.begin(), page.end());
    splitPage.front().name.SetText(JoinLines(all.first(split)));
    const CCleanString address(JoinLines(all.subspan(split)));
    for (CNameAddr& entry : splitPage)
        entry.address = address;
    CompareOwners(tag, firstSeparately, record, splitPage, reporter);
}

void CDiff::CompareDate(const std::string& label, std::string_view have, std::string_view should,
                        CDiffReporter& reporter, bool shouldYearFirst) {
    CZrDate haveDate;
    haveDate.Parse(std::string(have).c_str());
    CZrDate shouldDate;
    const std::string shouldText(should);
    if (shouldYearFirst)
        shouldDate.ParseYmd(shouldText.c_str());
    else
        shouldDate.Parse(shouldText.c_str());
    if (haveDate != shouldDate)
        reporter.ReportDifference(label, std::string(have), shouldText);
}

bool CDiff::StatusMatches(std::span<const CStatusRow> table, std::string_view recordStatus,
                          std::string_view pageStatus) {
    if (EqualNoCaseLatin1(recordStatus, pageStatus))
        return true;
    for (const CStatusRow& row : table)
        if (EqualNoCaseLatin1(row.recordStatus, recordStatus))
            return std::any_of(
                row.pageStatuses.begin(), row.pageStatuses.end(),
                [&](std::string_view listed) { return EqualNoCaseLatin1(listed, pageStatus); });
    return false;
}

PairList CDiff::RecordPairs(const CZrData& record, std::string_view tag) {
    PairList pairs;
    record.GetPairList(tag, pairs);
    return pairs;
}

std::string CDiff::GoodsLabel(std::string_view niceClass) {
    return "Goods class " + std::string(niceClass);
}

std::string CDiff::ClassKey(std::string_view niceClass, bool byNumber) {
    return byNumber ? std::to_string(NumberValue(niceClass)) : std::string(niceClass);
}

CDiff::ClassIndex CDiff::IndexByClass(std::span<const StringPair* const> pairs, bool byNumber) {
    ClassIndex index;
    for (const StringPair* pair : pairs)
        index.try_emplace(ClassKey(pair->first, byNumber), pair);
    return index;
}

void CDiff::CompareGoods(const PairList& record, const PairList& page, const GoodsRule& rule,
                         CDiffReporter& reporter) {
    std::vector<const StringPair*> counted;
    for (const StringPair& pair : record)
        if (rule.languagePrefix.empty() || StartsWithNoCase(pair.second, rule.languagePrefix))
            counted.push_back(&pair);
    const ClassIndex haves = IndexByClass(counted, rule.byNumber);
    std::unordered_set<std::string> onPage;
    for (const auto& [niceClass, text] : page) {
        const std::string key = ClassKey(niceClass, rule.byNumber);
        onPage.insert(key);
        const auto have = haves.find(key);
        if (have == haves.end()) {
            reporter.ReportDifference(GoodsLabel(niceClass), kMissing, text);
            continue;
        }
        const std::string haveText = have->second->second.substr(rule.languagePrefix.size());
        if (rule.differ ? rule.differ(haveText, text) : LooseCompare(haveText, text) != 0)
            reporter.ReportDifference(GoodsLabel(niceClass), haveText, text);
    }
    for (const StringPair* pair : counted)
        if (!onPage.contains(ClassKey(pair->first, rule.byNumber)) &&
            (!rule.reportMissing || rule.reportMissing(pair->first)))
            reporter.ReportDifference(GoodsLabel(pair->first), pair->second, kMissing);
}

bool CDiff::FetchPage(CHtmlSite& site, const CHtmlRequest& request, CHtmlPage& page,
                      CDiffReporter& reporter) {
    std::string error;
    if (site.FetchDetails(request, page, error))
        return true;
    reporter.ReportError(error);
    return false;
}
