#include "core/AddressSplitter.h"

#include "core/Latin1.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

namespace {

enum Line { kStreet, kLocality, kTown, kCounty, kPostcode, kCountry };

// Towns whose name is often followed by the postcode on the same line.
constexpr std::string_view kPostTowns[] = {
    "Aberdeen",
    "Bath",
    "Belfast",
    "Birmingham",
    "Blackburn",
    "Bristol",
    "Cardiff",
    "Cambridge",
    "Cheltenham",
    "Coventry",
    "Darlington",
    "Derby",
    "Edinburgh",
    "Glasgow",
    "Halifax",
    "Hull",
    "Kidderminster",
    "Kingston-upon-Hull",
    "Leeds",
    "Leicester",
    "Lincoln",
    "Liverpool",
    "London",
    "Manchester",
    "Newcastle upon Tyne",
    "Norwich",
    "Nottingham",
    "Peterborough",
    "Romford",
    "Rugby",
    "Southampton",
    "Sheffield",
    "Stoke-on-Trent",
    "Torquay",
    "Wolverhampton",
    "York",
};

constexpr std::string_view kOtherTowns[] = {"Newcastle-upon-Tyne", "Newcastle-on-Tyne", "Paris"};

constexpr std::string_view kCountries[] = {
    "Abu Dhabi",
    "Aden",
    "Afghanistan",
    "Ajman",
    "Albania",
    "Algeria",
    "American Samoa",
    "Andorra",
    "Angola",
    "Anguilla",
    "Antigua & Barbuda",
    "Argentina",
    "ARIPO",
    "Armenia",
    "Aruba",
    "Australia",
    "Austria",
    "Azerbaijan",
    "Bahamas",
    "Bahrain",
    "Bangladesh",
    "Barbados",
    "Belarus",
    "Belgium",
    "Belize",
    "Benelux",
    "Benin",
    "Bermuda",
    "Bhutan",
    "Bolivia",
    "Bophuthatswana",
    "Bosnia & Herzegovina",
    "Botswana",
    "Brazil",
    "British Virgin Islands",
    "Brunei Darussalam",
    "Bulgaria",
    "Burkina Faso",
    "Burma",
    "Burundi",
    "Cambodia",
    "Cameroon",
    "Canada",
    "Cape Verde",
    "Cayman Islands",
    "Central African Republic",
    "Chad",
    "Channel Islands",
    "Chile",
    "China",
    "Colombia",
    "Comoros",
    "Congo",
    "Cook Islands",
    "Costa Rica",
    "Croatia",
    "CTM",
    "Cuba",
    "Cyprus",
    "Cyprus (Turkish)",
    "Czech Republic",
    "Czechoslovakia",
    "Denmark",
    "Djibouti",
    "Dominica",
    "Dominican Republic",
    "Dubai",
    "Ecuador",
    "Egypt",
    "El Salvador",
    "England",
    "Equatorial Guinea",
    "Eritrea",
    "Estonia",
    "Ethiopia",
    "Eurasian Patent Organization",
    "European Patent Office",
    "Falkland Islands",
    "Fiji",
    "Finland",
    "France",
    "Fujairah",
    "Gabon",
    "Gambia",
    "Gaza",
    "Georgia",
    "Germany",
    "Germany (East)",
    "Ghana",
    "Gibraltar",
    "Greece",
    "Grenada",
    "Guatemala",
    "Guernsey",
    "Guinea",
    "Guinea-Bissau",
    "Guyana",
    "Haiti",
    "Holy See",
    "Honduras",
    "Hong Kong",
    "Hungary",
    "Iceland",
    "India",
    "Indonesia",
    "Iran",
    "Iraq",
    "Ireland",
    "Isle of Man",
    "Israel",
    "Italy",
    "Ivory Coast",
    "Jamaica",
    "Japan",
    "Jersey",
    "Jordan",
    "Kazakstan",
    "Kenya",
    "Kiribati",
    "Korea North",
    "Korea South",
    "Kuwait",
    "Kyrgyzstan",
    "Laos",
    "Latvia",
    "Lebanon",
    "Lesotho",
    "Liberia",
    "Libya",
    "Liechtenstein",
    "Lithuania",
    "Luxembourg",
    "Macau",
    "Macedonia",
    "Malagasy Republic",
    "Malawi",
    "Malaysia",
    "Maldives",
    "Mali",
    "Malta",
    "Marshall Islands",
    "Mauritania",
    "Mauritius",
    "Mexico",
    "Micronesia",
    "Moldova",
    "Monaco",
    "Mongolia",
    "Montserrat",
    "Morocco",
    "Mozambique",
    "Myanmar",
    "Namibia",
    "Nauru",
    "Nepal",
    "Netherlands",
    "Netherlands Antilles",
    "New Zealand",
    "Nicaragua",
    "Niger",
    "Nigeria",
    "Northern Ireland",
    "Northern Mariana Islands",
    "Norway",
    "OAPI",
    "Oman",
    "Pakistan",
    "Palau",
    "Panama",
    "Papua New Guinea",
    "Paraguay",
    "Peru",
    "Philippines",
    "Poland",
    "Portugal",
    "Puerto Rico",
    "Qatar",
    "Ras Al-Khaimah",
    "Romania",
    "Russian Federation",
    "Rwanda",
    "Samoa",
    "San Marino",
    "Sao Tome & Principe",
    "Saudi Arabia",
    "Scotland",
    "Senegal",
    "Seyechelles",
    "Sharjah",
    "Sierra Leone",
    "Singapore",
    "Slovakia",
    "Slovenia",
    "Solomon Islands",
    "Somalia",
    "South Africa",
    "Soviet Union",
    "Spain",
    "Sri Lanka",
    "St Helena",
    "St Kitts Nevis",
    "St Lucia",
    "St Vincent & Grenadines",
    "Sudan",
    "Surinam",
    "Swaziland",
    "Sweden",
    "Switzerland",
    "Syria",
    "Taiwan",
    "Tajikistan",
    "Tanganyika",
    "Tangiers",
    "Tanzania",
    "Thailand",
    "Togo",
    "Tokelau",
    "Tonga",
    "Transkei",
    "Trinidad & Tobago",
    "Tunisia",
    "Turkey",
    "Turkish FS Cyprus",
    "Turkmenistan",
    "Turks & Caicos Islands",
    "Tuvalu",
    "Uganda",
    "Ukraine",
    "Umm Al-Qaiwain",
    "United Arab Emirates",
    "United Kingdom",
    "United States of America",
    "Uruguay",
    "Uzbekistan",
    "Vanuatu",
    "Vatican City",
    "Venda",
    "Venezuela",
    "Vietnam",
    "Wales",
    "West Bank",
    "West Germany (old)",
    "Western Samoa",
    "WIPO",
    "Yemen",
    "Yugoslavia",
    "Zaire",
    "Zambia",
    "Zanzibar",
    "Zimbabwe",
    "Republic of Ireland",
    "Federal Republic of Germany",
    "Eire",
    "The Netherlands",
    "Republic of South Africa",
    "Holland",
    "West Germany",
};

// Postcode shapes: 'n' a digit (or I, L, O written for 1, 1, 0), 'a' a letter (or 0, 1).
constexpr std::string_view kPostcodeShapes[] = {
    "annaa",   "annnaa", "ananaa", "aannaa", "aannnaa", "aananaa",
    "annnaan", "an",     "ann",    "aan",    "aann",
};

bool FitsShape(char c, char shape) {
    if (shape == 'n')
        return (c >= '0' && c <= '9') || c == 'I' || c == 'L' || c == 'O';
    return IsAlphaLatin1(c) || c == '0' || c == '1';
}

bool IsPostcode(std::string_view text) {
    std::string packed(text);
    std::erase(packed, ' ');
    return std::any_of(
        std::begin(kPostcodeShapes), std::end(kPostcodeShapes), [&packed](std::string_view shape) {
            return packed.size() == shape.size() &&
                   std::equal(packed.begin(), packed.end(), shape.begin(), FitsShape);
        });
}

template <std::size_t N>
bool ListHolds(const std::string_view (&list)[N], std::string_view text) {
    return std::any_of(std::begin(list), std::end(list),
                       [text](std::string_view entry) { return EqualNoCaseLatin1(entry, text); });
}

bool IsTown(std::string_view text) {
    return ListHolds(kPostTowns, text) || ListHolds(kOtherTowns, text);
}

struct TownAndPostcode {
    std::string_view town;
    std::string_view postcode;
};

// The town that begins the line when a postcode follows it, after any blanks.
std::optional<TownAndPostcode> FindTownAndPostcode(std::string_view line) {
    for (std::string_view town : kPostTowns) {
        if (line.size() < town.size() || !EqualNoCaseLatin1(line.substr(0, town.size()), town))
            continue;
        std::string_view rest = line.substr(town.size());
        while (rest.starts_with(' '))
            rest.remove_prefix(1);
        if (IsPostcode(rest))
            return TownAndPostcode{town, rest};
    }
    return std::nullopt;
}

bool BeginsWithDigit(std::string_view text) {
    return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

std::vector<std::string> SplitLines(std::string_view address) {
    std::vector<std::string> lines;
    while (!address.empty()) {
        const std::size_t slash = address.find('\\');
        lines.emplace_back(address.substr(0, slash));
        address.remove_prefix(slash == std::string_view::npos ? address.size() : slash + 1);
    }
    return lines;
}

} // namespace

CAddressSplitter::CAddressSplitter(std::string_view address) {
    std::vector<std::string> lines = SplitLines(address);
    if (!lines.empty() && ListHolds(kCountries, lines.back())) {
        lines_[kCountry] = lines.back();
        lines.pop_back();
    }

    // Lines before the postcode or the town are placed only once one of those is recognised.
    bool recognised = false;
    int placeable = 3;
    if (!lines.empty()) {
        const std::string& last = lines.back();
        if (IsPostcode(last) || BeginsWithDigit(last)) {
            lines_[kPostcode] = last;
            lines.pop_back();
            recognised = true;
        } else if (const std::optional<TownAndPostcode> found = FindTownAndPostcode(last)) {
            lines_[kTown] = found->town;
            lines_[kPostcode] = found->postcode;
            lines.pop_back();
            recognised = true;
            placeable = 1;
        }
    }
    if (placeable == 3 && !lines.empty() && IsTown(lines.back())) {
        lines_[kTown] = lines.back();
        lines.pop_back();
        recognised = true;
        placeable = 1;
    }

    static constexpr Line kThreePlaces[] = {kCounty, kTown, kLocality};
    static constexpr Line kOnePlace[] = {kLocality};
    if (recognised) {
        for (Line place : placeable == 3 ? std::span<const Line>(kThreePlaces)
                                         : std::span<const Line>(kOnePlace)) {
            // The street part is always the first line.
            if (lines.size() < 2)
                break;
            lines_[place] = lines.back();
            lines.pop_back();
        }
    }

    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            lines_[kStreet] += '\\';
        lines_[kStreet] += lines[i];
    }
}
