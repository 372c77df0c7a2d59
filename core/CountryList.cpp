#include "core/CountryList.h"

#include "core/Tokeniser.h"

#include <algorithm>
#include <iterator>
#include <strings.h>

namespace {

struct Country {
    const char* code;
    const char* name;
};

const Country kCountries[] = {
    {"AG", "Antigua & Barbuda"},
    {"AL", "Albania"},
    {"AM", "Armenia"},
    {"AN", "Netherlands Antilles"},
    {"AR", "Argentina"},
    {"AT", "Austria"},
    {"AU", "Australia"},
    {"AZ", "Azerbaijan"},
    {"BA", "Bosnia & Herzegovina"},
    {"BE", "Belgium"},
    {"BG", "Bulgaria"},
    {"BR", "Brazil"},
    {"BT", "Bhutan"},
    {"BW", "Botswana"},
    {"BX", "Benelux"},
    {"BY", "Belarus"},
    {"CA", "Canada"},
    {"CH", "Switzerland"},
    {"CN", "China"},
    {"CS", "Czechoslovakia"},
    {"CU", "Cuba"},
    {"CW", "Curacao"},
    {"CY", "Cyprus"},
    {"CZ", "Czech Republic"},
    {"DD", "German Democratic Republic"},
    {"DE", "Federal Republic Germany"},
    {"DK", "Denmark"},
    {"DT", "Germany"},
    {"DZ", "Algeria"},
    {"EE", "Estonia"},
    {"EG", "Egypt"},
    {"EM", "<b>ALL</b> EU Countries, not just a subset"},
    {"ES", "Spain"},
    {"FI", "Finland"},
    {"FR", "France"},
    {"GB", "United Kingdom"},
    {"GE", "Georgia"},
    {"GH", "Ghana"},
    {"GR", "Greece"},
    {"HK", "Hong Kong"},
    {"HR", "Croatia"},
    {"HU", "Hungary"},
    {"IE", "Ireland"},
    {"IL", "Israel"},
    {"IR", "Iran"},
    {"IS", "Iceland"},
    {"IT", "Italy"},
    {"JP", "Japan"},
    {"KE", "Kenya"},
    {"KG", "Kyrgyzstan"},
    {"KP", "Democratic People's Republic of Korea"},
    {"KR", "Republic of Korea"},
    {"KZ", "Kazakhstan"},
    {"LI", "Liechtenstein"},
    {"LR", "Liberia"},
    {"LS", "Lesotho"},
    {"LT", "Lithuania"},
    {"LU", "Luxembourg"},
    {"LV", "Latvia"},
    {"MA", "Morocco"},
    {"MC", "Monaco"},
    {"MD", "Moldova"},
    {"ME", "Montenegro"},
    {"MG", "Madagascar"},
    {"MK", "Macedonia"},
    {"MN", "Mongolia"},
    {"MZ", "Mozambique"},
    {"NA", "Namibia"},
    {"NL", "Netherlands"},
    {"NO", "Norway"},
    {"OM", "Oman"},
    {"PA", "Panama"},
    {"PL", "Poland"},
    {"PT", "Portugal"},
    {"RO", "Romania"},
    {"RS", "Serbia"},
    {"RU", "Russian Federation"},
    {"SD", "Sudan"},
    {"SE", "Sweden"},
    {"SG", "Singapore"},
    {"SI", "Slovenia"},
    {"SK", "Slovakia"},
    {"SL", "Sierra Leone"},
    {"SM", "San Marino"},
    {"ST", "Sao Tome & Principe"},
    {"SU", "Soviet Union"},
    {"SX", "Sint Maarten"},
    {"SY", "Syria"},
    {"SZ", "Swaziland"},
    {"TJ", "Tajikistan"},
    {"TM", "Turkmenistan"},
    {"TN", "Tunisia"},
    {"TR", "Turkey"},
    {"UA", "Ukraine"},
    {"US", "United States America"},
    {"UZ", "Uzbekistan"},
    {"VA", "Holy See"},
    {"VN", "Viet Nam"},
    {"YU", "Yugoslavia"},
    {"ZA", "South Africa"},
    {"ZM", "Zambia"},
};
static_assert(std::size(kCountries) == CCountryList::kCount);

bool IsIndex(int index) {
    return index >= 0 && index < CCountryList::kCount;
}

} // namespace

bool CCountryList::IsAll() const {
    return std::all_of(flags_.begin(), flags_.end(), [](std::uint8_t f) { return f != 0; });
}

bool CCountryList::IsEmpty() const {
    return std::all_of(flags_.begin(), flags_.end(), [](std::uint8_t f) { return f == 0; });
}

bool CCountryList::HasCountry(int index) const {
    return IsIndex(index) && flags_[index] != 0;
}

void CCountryList::SetCountry(int index, bool value) {
    if (IsIndex(index))
        flags_[index] = value ? 1 : 0;
}

void CCountryList::SetCode(const std::string& code, bool value) {
    for (int index = 0; index < kCount; ++index) {
        if (strcasecmp(code.c_str(), kCountries[index].code) == 0) {
            flags_[index] = value ? 1 : 0;
            return;
        }
    }
}

void CCountryList::SetFromText(const std::string& text) {
    Clear();
    CTokeniser tokeniser(text, ",");
    while (!tokeniser.AtEnd()) {
        const std::string piece = tokeniser.NextToken();
        if (piece.size() == 2)
            SetCode(piece, true);
    }
}

std::string CCountryList::GetText() const {
    std::vector<std::string> codes;
    GetCodes(codes);
    std::string text;
    for (const std::string& code : codes) {
        if (!text.empty())
            text += ',';
        text += code;
    }
    return text;
}

void CCountryList::GetCodes(std::vector<std::string>& codes) const {
    codes.clear();
    if (IsAll())
        return;
    for (int index = 0; index < kCount; ++index) {
        if (flags_[index])
            codes.emplace_back(kCountries[index].code);
    }
}

std::string CountryCodeAt(int index, std::string* name) {
    if (name)
        *name = IsIndex(index) ? kCountries[index].name : "";
    return IsIndex(index) ? kCountries[index].code : "";
}
