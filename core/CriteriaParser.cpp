#include "core/CriteriaParser.h"

#include "core/Criteria.h"
#include "core/Tokeniser.h"
#include "core/ZrDate.h"

#include <algorithm>
#include <strings.h>

namespace {

enum class Field {
    DbIds,
    Word,
    AppDate,
    AppNum,
    Owner,
    Agent,
    Designer,
    ImageCat,
    Locarno,
    Status,
    Set,
    Class,
    Goods,
    Country,
    Unknown
};

struct FieldName {
    const char* name;
    Field field;
};

constexpr FieldName kFieldNames[] = {
    {"DBIDS", Field::DbIds},    {"APPDA", Field::AppDate}, {"APPNO", Field::AppNum},
    {"PROPN", Field::Owner},    {"SERVN", Field::Agent},   {"DESNN", Field::Designer},
    {"IMCAT", Field::ImageCat}, {"LOCAR", Field::Locarno}, {"STATS", Field::Status},
    {"SET", Field::Set},        {"CLASS", Field::Class},   {"GOODS", Field::Goods},
    {"CNTRY", Field::Country},
};

bool EqualsNoCase(const std::string& text, const char* word) {
    return strcasecmp(text.c_str(), word) == 0 && text.find('\0') == std::string::npos;
}

Field FieldOf(const std::string& name) {
    int kind = 0;
    if (WordKindFromName(name, kind))
        return Field::Word;
    for (const FieldName& field : kFieldNames) {
        if (EqualsNoCase(name, field.name))
            return field.field;
    }
    return Field::Unknown;
}

// The joiners in one spelling, so that later tests need not ignore case.
std::string JoinerOf(const std::string& token) {
    for (const char* joiner : {"AND", "ANDNOT", "OR"}) {
        if (EqualsNoCase(token, joiner))
            return joiner;
    }
    return {};
}

// A year-first date of the text turned into the day-first text the date setters read; empty
// for an empty part.
std::string DayFirstText(const std::string& ymd) {
    if (ymd.empty())
        return {};
    CZrDate date;
    date.ParseYmd(ymd.c_str());
    return date.Format();
}

// Whether an item of a word or goods list belongs to the second group: an OR continues the
// second group once it has begun, any other joiner starts it once the first group has terms.
bool JoinsSecondGroup(const std::string& joiner, bool firstEmpty, bool secondEmpty) {
    return joiner == "OR" ? !secondEmpty : !firstEmpty;
}

// Reads past the rest of a group that is not parsed, up to its closing parenthesis.
void SkipGroup(CTokeniser& tokeniser) {
    int open = 1;
    while (open > 0 && !tokeniser.AtEnd()) {
        bool isDelimiter = false;
        const std::string token = tokeniser.NextToken(&isDelimiter);
        if (isDelimiter && token == "(")
            ++open;
        else if (isDelimiter && token == ")")
            --open;
    }
}

} // namespace

bool WordKindFromName(const std::string& name, int& kind) {
    for (int candidate = kTermWordMatch; candidate <= kTermAnagram; ++candidate) {
        if (EqualsNoCase(name, TermKindName(candidate).c_str())) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

void SplitRange(const std::string& value, std::string& lower, std::string& upper) {
    const std::size_t dash = std::min(value.find('-'), value.size());
    lower = value.substr(0, dash);
    upper.clear();
    for (std::size_t i = dash; i < value.size(); ++i) {
        if (value[i] != '-')
            upper += value[i];
    }
}

bool CCriteriaParser::Parse(CCriteria& criteria, const std::string& text) {
    criteria_ = &criteria;
    failed_ = false;
    criteria.Clear();
    CTokeniser tokeniser(text, "=() ", true);
    tokeniser.SetKeepQuotes(false);
    tokeniser.SetKeepEscapes(false);
    const bool result = ParseCriteriaGroup("", tokeniser, 0);
    criteria.FillDefaults();
    criteria_ = nullptr;
    return result;
}

bool CCriteriaParser::ParseCriteriaGroup(const std::string& outerJoiner, CTokeniser& tokeniser,
                                         int depth) {
    bool result = true;
    std::string joiner;
    bool expectItem = true;
    while (!tokeniser.AtEnd()) {
        bool isDelimiter = false;
        const std::string token = tokeniser.NextToken(&isDelimiter);
        const bool isOpen = isDelimiter && token == "(";
        const bool isClose = isDelimiter && token == ")";
        const std::string tokenJoiner = isDelimiter ? std::string() : JoinerOf(token);

        if (isClose) {
            if (depth > 0)
                return result;
            // Nothing is open at the outermost level: report it and read on, losing nothing.
            result = Fail("Criteria text has a ')' without a matching '('.");
        } else if (expectItem && isOpen) {
            if (depth + 1 > kMaxGroupDepth) {
                SkipGroup(tokeniser);
                result = Fail("Criteria text nests its groups too deeply.");
            } else if (!ParseCriteriaGroup(joiner.empty() ? outerJoiner : joiner, tokeniser,
                                           depth + 1)) {
                result = false;
            }
            expectItem = false;
        } else if (expectItem && !isDelimiter && FieldOf(token) != Field::Unknown) {
            tokeniser.NextToken(); // the equals sign, not checked
            const std::string value = tokeniser.NextToken();
            if (!ApplyCriteriaTerm(outerJoiner, joiner, token, value))
                result = false;
            expectItem = false;
        } else if ((!expectItem || (joiner.empty() && tokenJoiner == "ANDNOT")) &&
                   !tokenJoiner.empty()) {
            // A group may open with ANDNOT: exclusions with nothing in front of them.
            if (tokenJoiner != "OR" && outerJoiner == "OR")
                return Fail("Criteria text cannot join with " + tokenJoiner +
                            " inside a group that follows OR.");
            joiner = tokenJoiner;
            expectItem = true;
        }
        // Anything else is skipped.
    }
    return result;
}

bool CCriteriaParser::ApplyCriteriaTerm(const std::string& outerJoiner, const std::string& joiner,
                                        const std::string& name, const std::string& value) {
    CCriteria& criteria = *criteria_;
    const bool excluded = outerJoiner == "ANDNOT" || joiner == "ANDNOT";
    std::string lower;
    std::string upper;
    switch (FieldOf(name)) {
    case Field::Word: {
        int kind = 0;
        WordKindFromName(name, kind);
        return ApplyWordTerm(excluded, joiner, kind, value);
    }
    case Field::Goods:
        ApplyGoodsTerm(excluded, joiner, value);
        break;
    case Field::DbIds:
        criteria.SetDbIds(value);
        break;
    case Field::AppDate:
        SplitRange(value, lower, upper);
        criteria.SetAppDateFrom(DayFirstText(lower));
        criteria.SetAppDateTo(DayFirstText(upper));
        break;
    case Field::AppNum:
        SplitRange(value, lower, upper);
        criteria.SetAppNumFrom(lower);
        criteria.SetAppNumTo(upper);
        break;
    case Field::Owner:
        criteria.AddOwnerName(value);
        break;
    case Field::Agent:
        criteria.AddAgentName(value);
        break;
    case Field::Designer:
        criteria.AddDesignerName(value);
        break;
    case Field::ImageCat:
        // AND between two codes of the list asks for all of them; an AND that joins the
        // list's first code to other criteria says nothing about the list.
        if (joiner == "AND" && !criteria.GetImageCats().empty())
            criteria.SetImageCatsMatchAll(true);
        criteria.AddImageCat(value);
        break;
    case Field::Locarno:
        if (joiner == "AND" && !criteria.GetLocarnoClasses().empty())
            criteria.SetLocarnoMatchAll(true);
        criteria.AddLocarnoClass(value);
        break;
    case Field::Status:
        criteria.SetStatus(value);
        break;
    case Field::Set:
        criteria.SetSet(value);
        break;
    case Field::Class:
        criteria.SetClasses(value);
        break;
    case Field::Country:
        criteria.AddCountry(value, true);
        break;
    case Field::Unknown:
        break;
    }
    return true;
}

bool CCriteriaParser::ApplyWordTerm(bool excluded, const std::string& joiner, int kind,
                                    const std::string& value) {
    CCriteria& criteria = *criteria_;
    CZrTerms& group =
        excluded ? criteria.excludedWords_
        : JoinsSecondGroup(joiner, criteria.words_.IsEmpty(), criteria.andWords_.IsEmpty())
            ? criteria.andWords_
            : criteria.words_;
    if (joiner == "OR") {
        group.Add(value);
        return true;
    }
    std::string message;
    if (group.AddTerms(value, kValidateSearchDialog, nullptr, kind, message))
        return true;
    // Stored terms that the checks reject are kept all the same: reading loses nothing.
    const std::vector<std::string> terms = SplitTermList(value, kind);
    for (std::size_t i = group.GetTerms().size(); i < terms.size(); ++i)
        group.Add(terms[i]);
    return Fail(message);
}

void CCriteriaParser::ApplyGoodsTerm(bool excluded, const std::string& joiner,
                                     const std::string& value) {
    CCriteria& criteria = *criteria_;
    std::vector<std::string>& group =
        excluded ? criteria.excludedGoods_
        : JoinsSecondGroup(joiner, criteria.goods_.empty(), criteria.andGoods_.empty())
            ? criteria.andGoods_
            : criteria.goods_;
    group.push_back(value);
}

bool CCriteriaParser::Fail(const std::string& message) {
    if (!failed_)
        criteria_->lastError_ = message;
    failed_ = true;
    return false;
}
