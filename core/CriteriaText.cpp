// The stored criteria text, the engine text and the summary form of search criteria.
#include "core/Criteria.h"
#include "core/CriteriaWording.h"

#include <algorithm>

namespace {

// Asks for every application number from 1: what an engine is sent when nothing else selects
// marks.
constexpr const char* kEveryApplication = "APPNO=\"1-\"";

// A value in double quotes, with each double quote and backslash escaped.
std::string Quoted(const std::string& value) {
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::string Item(const std::string& name, const std::string& value) {
    return name + "=" + Quoted(value);
}

// One item for one entry, the items in parentheses for more; nothing for none.
std::string ListText(const std::string& name, const std::vector<std::string>& values,
                     bool matchAll = false) {
    if (values.size() == 1)
        return Item(name, values.front());
    std::string text;
    for (const std::string& value : values) {
        text += text.empty() ? "(" : (matchAll ? " AND " : " OR ");
        text += Item(name, value);
    }
    return text.empty() ? text : text + ")";
}

std::string OptionalItem(const std::string& name, const std::string& value) {
    return value.empty() ? std::string() : Item(name, value);
}

std::string WithDashesAsUnderscores(std::string text) {
    std::replace(text.begin(), text.end(), '-', '_');
    return text;
}

std::string YmdText(const CZrDate& date) {
    return date.IsEmpty() ? std::string() : std::to_string(date.GetYmd());
}

// "from-to", or nothing when both are empty.
std::string RangeValue(const std::string& from, const std::string& to) {
    return from.empty() && to.empty() ? std::string() : from + "-" + to;
}

// Only some of the countries: with none or all set nothing restricts.
std::string CountryItems(const CCountryList& countries) {
    if (!countries.IsPartial())
        return {};
    std::vector<std::string> codes;
    countries.GetCodes(codes);
    return ListText("CNTRY", codes);
}

void AppendJoined(std::string& text, const std::string& part, const char* joiner) {
    if (part.empty())
        return;
    if (!text.empty())
        text += joiner;
    text += part;
}

void AppendQuotedEach(std::string& text, const std::vector<std::string>& values, const char* first,
                      const char* later) {
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i == 0 ? first : later) + ("\"" + values[i] + "\"");
}

void AppendGoodsSummary(std::string& text, const char* label, const std::vector<std::string>& goods,
                        const CTermMapper* mapper) {
    if (goods.empty())
        return;
    std::string terms;
    JoinTerms(goods, terms, ',', mapper);
    text += label + terms;
}

} // namespace

std::string CCriteria::WriteCriteriaText(bool withDbIds) const {
    return WriteText(withDbIds, false);
}

std::string CCriteria::WriteEngineText() const {
    return WriteText(false, true);
}

std::string CCriteria::WriteText(bool withDbIds, bool forEngine) const {
    const std::string wanted[] = {
        withDbIds ? OptionalItem("DBIDS", dbIds_) : std::string(),
        OptionalItem("CLASS", classes_.GetSummaryText(true)),
        ListText(words_.GetKindName(), words_.GetTerms()),
        ListText(andWords_.GetKindName(), andWords_.GetTerms()),
        OptionalItem("STATS", status_),
        OptionalItem("APPNO", RangeValue(WithDashesAsUnderscores(appNumFrom_.GetText()),
                                         WithDashesAsUnderscores(appNumTo_.GetText()))),
        OptionalItem("APPDA", RangeValue(YmdText(appDateFrom_), YmdText(appDateTo_))),
        ListText("IMCAT", imageCats_, imageCatsMatchAll_ != 0),
        ListText("LOCAR", locarnoClasses_, locarnoMatchAll_ != 0),
        ListText("PROPN", ownerNames_),
        ListText("SERVN", agentNames_),
        ListText("DESNN", designerNames_),
        OptionalItem("SET", set_),
        ListText("GOODS", goods_),
        ListText("GOODS", andGoods_),
        CountryItems(countries_),
    };
    const std::string excluded[] = {
        ListText("GOODS", excludedGoods_),
        ListText(excludedWords_.GetKindName(), excludedWords_.GetTerms()),
    };

    std::string text;
    for (const std::string& part : wanted)
        AppendJoined(text, part, " AND ");
    // An engine asked for nothing gets every application. The same term stands in front of
    // exclusions that nothing else would precede, so that an engine text never starts with
    // ANDNOT; anything written before them, a status or classes too, leaves them as they are.
    if (forEngine && (IsEmpty() || text.empty()))
        AppendJoined(text, kEveryApplication, " AND ");
    // With nothing in front, the stored text starts with ANDNOT, so that reading it back keeps
    // the exclusions exclusions.
    for (const std::string& part : excluded) {
        if (!part.empty())
            text += (text.empty() ? "ANDNOT " : " ANDNOT ") + part;
    }
    return text;
}

std::string CCriteria::FormatCriteriaSummary(bool withDatabases, const CTermMapper* mapper,
                                             const CCriteriaWording& wording) const {
    std::string text;
    if (withDatabases)
        text += "DB:" + GetDatabasesText(wording) + " ";
    const std::string classes = classes_.GetSummaryText(true);
    text += "CL:" + (classes.empty() ? std::string("all") : classes);
    text += words_.GetSummaryText("", mapper);
    text += andWords_.GetSummaryText("&", mapper);
    text += excludedWords_.GetSummaryText("!", mapper);
    text += " ST:" + GetStatusText(wording, true);
    if (const std::string numbers = GetAppNumRangeText(wording); !numbers.empty())
        text += " AP:" + numbers;
    if (const std::string dates = GetAppDateRangeText(wording); !dates.empty())
        text += " DA:" + dates;
    AppendQuotedEach(text, imageCats_, " DV:", imageCatsMatchAll_ ? " &DV:" : " DV:");
    AppendQuotedEach(text, locarnoClasses_, " LO:", locarnoMatchAll_ ? " &LO:" : " LO:");
    AppendQuotedEach(text, ownerNames_, " OW:", " OW:");
    AppendQuotedEach(text, agentNames_, " AG:", " AG:");
    AppendQuotedEach(text, designerNames_, " DN:", " DN:");
    if (!set_.empty())
        text += " SS:" + set_;
    AppendGoodsSummary(text, " GD:", goods_, mapper);
    AppendGoodsSummary(text, " &GD:", andGoods_, mapper);
    AppendGoodsSummary(text, " !GD:", excludedGoods_, mapper);
    if (countries_.IsPartial())
        text += " CY:" + countries_.GetText();
    return text;
}
