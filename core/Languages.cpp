#include "core/Languages.h"

#include <array>
#include <string_view>

namespace {

struct Language {
    int code;
    std::string_view name;
};

constexpr std::array<Language, 24> kLanguages = {{
    {1, "Danish"},     {2, "Dutch"},     {3, "English"},    {4, "Finnish"},   {5, "French"},
    {6, "German"},     {7, "Greek"},     {8, "Italian"},    {9, "Norwegian"}, {10, "Portuguese"},
    {11, "Spanish"},   {12, "Swedish"},  {32, "Czech"},     {33, "Estonian"}, {34, "Hungarian"},
    {35, "Lithuanian"}, {36, "Latvian"}, {37, "Maltese"},   {38, "Polish"},   {39, "Slovakian"},
    {40, "Slovenian"}, {41, "Bulgarian"}, {42, "Romanian"}, {43, "Irish"},
}};

} // namespace

const std::vector<int>& GetLanguageCodes() {
    static const std::vector<int> codes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16};
    return codes;
}

std::string GetLanguageName(int code) {
    for (const Language& language : kLanguages)
        if (language.code == code)
            return std::string(language.name);
    return {};
}
