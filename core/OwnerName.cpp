#include "core/OwnerName.h"

#include "core/KnownWords.h"
#include "core/Latin1.h"

#include <algorithm>
#include <span>

namespace {

// Marks the end of the text while the patterns below are applied.
constexpr char kEnd = '\n';

struct Replacement {
    std::string_view from;
    std::string_view to;
};

// Runs of capitals spelt their own way: a run that is the beginning of one takes its spelling.
constexpr Replacement kCaseExceptions[] = {
    {"AND", "and"}, {"OF", "of"}, {"ST", "St"}, {"DR", "Dr"}, {"LTD", "Ltd"},
};

constexpr Replacement kPunctuation[] = {
    {"'S", "'s"},  {"U.K.\n", "UK\n"}, {"(U.K.)", "(UK)"}, {"(G.B.)", "(GB)"}, {"(", " ("},
    {"( ", "("},   {"(.", "("},        {"  (", " ("},      {" )", ")"},        {",)", ")"},
    {".)", ")"},   {";)", ")"},        {"((", "("},        {"))", ")"},        {" ,", ","},
    {",,", ","},   {", ,", ","},       {",\n", "\n"},      {";\n", "\n"},      {":\n", "\n"},
    {"\\ ", "\\"},
};

constexpr Replacement kCompanyForms[] = {
    {"Public Limited Company", "plc"},
    {"public limited company", "plc"},
    {"Plc", "plc"},
    {"p.l.c.", "plc"},
    {"P.L.C.", "plc"},
    {"PLC", "plc"},
    {"Limited", "Ltd"},
    {"LIMITED", "Ltd"},
    {"LTD", "Ltd"},
    {"limited", "Ltd"},
    {"Incorporated", "Inc"},
    {"INCORPORATED", "Inc"},
    {"incorporated", "Inc"},
    {"Inc.", "Inc"},
    {" cO.", " Co."},
    {"Co.", "Co"},
    {"GMBH", "GmbH"},
    {"gmbH", "GmbH"},
    {"m.b.h.", "M.B.H."},
    {"G.M.B.H", "GmbH"},
    {"Ges.M.B.H", "GmbH"},
    {"Ges. M.B.H", "GmbH"},
    {"Gesellschaft M.B.H", "GmbH"},
    {"Gesellschaft m.b.H", "GmbH"},
    {" S.p.a.", " S.P.A."},
    {" S.p.A.", " S.P.A."},
    {" S .P .A.", " S.P.A."},
    {" S. P. A.", " S.P.A."},
    {" S.r.l.", " S.R.L."},
    {" Srl ", " S.R.L."},
    {" Srl.", " S.R.L."},
    {" S. R. L.", " S.R.L."},
    {",S.A.", ", S.A."},
};

constexpr Replacement kCountryCodes[] = {
    {"AD", "Andorra"},
    {"AN", "Antilles"},
    {"AR", "Argentina"},
    {"AT", "Austria"},
    {"AU", "Australia"},
    {"BB", "Barbados"},
    {"BE", "Belgium"},
    {"BM", "Bermuda"},
    {"BR", "Brazil"},
    {"BS", "Bahamas"},
    {"BX", "Benelux"},
    {"CA", "Canada"},
    {"CH", "Switzerland"},
    {"CK", "Cook Islands"},
    {"CL", "Chile"},
    {"CN", "China"},
    {"CO", "Columbia"},
    {"CY", "Cyprus"},
    {"CZ", "Czech Republic"},
    {"DE", "Germany"},
    {"DK", "Denmark"},
    {"DO", "Dominican Republic"},
    {"EC", "Ecuador"},
    {"EG", "Egypt"},
    {"ES", "Spain"},
    {"FI", "Finland"},
    {"FO", "Faroe Islands"},
    {"FR", "France"},
    {"GB", "United Kingdom"},
    {"GI", "Gibraltar"},
    {"GR", "Greece"},
    {"HK", "Hong Kong"},
    {"HU", "Hungary"},
    {"IC", "Channel Islands"},
    {"ID", "Indonesia"},
    {"IE", "Ireland"},
    {"IL", "Israel"},
    {"IN", "India"},
    {"IR", "Iran"},
    {"IT", "Italy"},
    {"KE", "Kenya"},
    {"JM", "Jamaica"},
    {"JP", "Japan"},
    {"KN", "St.Christ-Nevis"},
    {"KP", "Democratic Republic of Korea"},
    {"KR", "Republic of Korea"},
    {"KW", "Kuwait"},
    {"KY", "Cayman Islands"},
    {"LI", "Liechtenstein"},
    {"LR", "Liberia"},
    {"LU", "Luxemborg"},
    {"MA", "Morocco"},
    {"MC", "Monaco"},
    {"MT", "Malta"},
    {"MX", "Mexico"},
    {"NL", "Netherlands"},
    {"NO", "Norway"},
    {"NZ", "New Zealand"},
    {"PA", "Panama"},
    {"PH", "Philipines"},
    {"PK", "Pakistan"},
    {"PT", "Portugal"},
    {"RU", "Russia"},
    {"SE", "Sweden"},
    {"SG", "Singapore"},
    {"SM", "San Martino"},
    {"SV", "El Salvador"},
    {"SZ", "Swaziland"},
    {"TM", "Turkmenistan"},
    {"TR", "Turkey"},
    {"TT", "Trinidad/Tobago"},
    {"TW", "Taiwan"},
    {"US", "United States"},
    {"VE", "Venezuela"},
    {"VG", "British Virgin Isles"},
    {"ZA", "South Africa"},
};

bool IsCapital(char c) {
    return IsAlphaLatin1(c) && IsUpperLatin1(c);
}

bool IsVowel(char c) {
    const unsigned value = static_cast<unsigned char>(c);
    const auto in = [value](unsigned first, unsigned last) {
        return value >= first && value <= last;
    };
    return std::string_view("AEIOUYaeiouy").find(c) != std::string_view::npos || in(192, 198) ||
           in(200, 207) || in(210, 214) || in(216, 220) || in(224, 230) || in(232, 239) ||
           in(242, 246) || in(248, 252);
}

// Replaces every occurrence, scanning on after the inserted text. A pattern that begins with a
// letter or digit matches only where none stands before it, and one that ends with a letter or
// digit only where none follows, so that "Unlimited" keeps its letters.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    const bool startsWord = IsAlnumLatin1(from.front());
    const bool endsWord = IsAlnumLatin1(from.back());
    std::string result;
    std::size_t copied = 0;
    for (std::size_t at = text.find(from); at != std::string::npos;) {
        const std::size_t after = at + from.size();
        // What stands before the match is what the text holds there by now.
        const char before = at > copied ? text[at - 1] : (result.empty() ? ' ' : result.back());
        const bool joinedBefore = startsWord && IsAlnumLatin1(before);
        const bool joinedAfter = endsWord && after < text.size() && IsAlnumLatin1(text[after]);
        if (joinedBefore || joinedAfter) {
            at = text.find(from, at + 1);
            continue;
        }
        result.append(text, copied, at - copied);
        result.append(to);
        copied = after;
        at = text.find(from, copied);
    }
    if (copied == 0)
        return;
    result.append(text, copied);
    text = std::move(result);
}

void ReplaceEach(std::string& text, std::span<const Replacement> replacements) {
    for (const Replacement& replacement : replacements)
        ReplaceAll(text, replacement.from, replacement.to);
}

bool BeginsWithSixCapitals(std::string_view text) {
    int letters = 0;
    for (char c : text) {
        if (!IsAlphaLatin1(c))
            continue;
        if (!IsUpperLatin1(c))
            return false;
        if (++letters == 6)
            return true;
    }
    return false;
}

// The run text[begin, end) of two or more capitals; text[regionBegin, end) reaches back to the
// end of the run before it.
void RecaseRun(std::string& text, std::size_t begin, std::size_t end, std::size_t regionBegin) {
    const std::size_t length = end - begin;
    const std::string_view run = std::string_view(text).substr(begin, length);
    for (const Replacement& exception : kCaseExceptions) {
        if (exception.from.starts_with(run)) {
            text.replace(begin, length, exception.to.substr(0, length));
            return;
        }
    }
    const std::string_view region = std::string_view(text).substr(regionBegin, end - regionBegin);
    if (std::any_of(region.begin(), region.end(), IsVowel) && (length > 4 || IsKnownWord(run)))
        for (std::size_t at = begin + 1; at < end; ++at)
            text[at] = ToLowerLatin1(text[at]);
}

// Names written all in capitals take ordinary case, except abbreviations such as "IBM".
void RecaseCapitals(std::string& text) {
    if (!BeginsWithSixCapitals(text))
        return;
    std::size_t regionBegin = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = at;
        while (end < text.size() && IsCapital(text[end]))
            ++end;
        if (end - at >= 2) {
            RecaseRun(text, at, end, regionBegin);
            regionBegin = end;
        }
        at = std::max(end, at + 1);
    }
}

void RemoveUnmatchedClosers(std::string& text) {
    std::string kept;
    int depth = 0;
    for (char c : text) {
        if (c == ')' && depth == 0)
            continue;
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        kept += c;
    }
    text = std::move(kept);
}

void BalanceBrackets(std::string& text) {
    const auto opens = std::count(text.begin(), text.end(), '(');
    const auto closes = std::count(text.begin(), text.end(), ')');
    if (opens > closes) {
        // A bracket opened at the very end is dropped; else the last one is closed.
        const std::size_t dangling = text.find(std::string{'(', kEnd});
        if (dangling != std::string::npos)
            text.erase(dangling, 1);
        else
            ReplaceAll(text, std::string{kEnd}, std::string{')', kEnd});
    } else if (closes > opens) {
        RemoveUnmatchedClosers(text);
    }
}

void TidyPunctuation(std::string& text) {
    ReplaceEach(text, kPunctuation);
    // The final full stop of an abbreviation such as "S.A." stays.
    const std::size_t nameLength = text.size() - 1;
    if (nameLength < 3 || text[nameLength - 3] != '.')
        ReplaceAll(text, std::string{'.', kEnd}, std::string{kEnd});
}

// The line at text[begin, begin + length) when it begins with a country code standing alone:
// the code is written as the country's name.
bool ExpandCountryCode(std::string& text, std::size_t begin, std::size_t length) {
    if (length < 2)
        return false;
    for (const Replacement& country : kCountryCodes) {
        if (text.compare(begin, 2, country.from) != 0)
            continue;
        if (length > 2 && IsAlphaLatin1(text[begin + 2]))
            return false;
        text.replace(begin, 2, country.to);
        return true;
    }
    return false;
}

void ExpandCountry(std::string& text) {
    const std::size_t lastSlash = text.rfind('\\');
    const std::size_t lastBegin = lastSlash == std::string::npos ? 0 : lastSlash + 1;
    // The country of a name with further owners stands on the line before "And others".
    if (lastSlash != std::string::npos && text.compare(lastBegin, 10, "And others") == 0) {
        const std::size_t slashBefore =
            lastSlash == 0 ? std::string::npos : text.rfind('\\', lastSlash - 1);
        const std::size_t beginBefore = slashBefore == std::string::npos ? 0 : slashBefore + 1;
        if (lastSlash - beginBefore == 2 && ExpandCountryCode(text, beginBefore, 2))
            return;
    }
    ExpandCountryCode(text, lastBegin, text.size() - lastBegin);
}

} // namespace

std::string NormaliseOwnerName(std::string_view text, bool expandCountry) {
    std::string name(text.substr(0, kMaxOwnerNameLength));
    name += kEnd;
    RecaseCapitals(name);
    BalanceBrackets(name);
    TidyPunctuation(name);
    ReplaceEach(name, kCompanyForms);
    if (name.back() == kEnd)
        name.pop_back();
    if (expandCountry)
        ExpandCountry(name);
    return name;
}
