#include "registers/RecordTexts.h"

#include "registers/AsciiText.h"

std::string JoinLanguages(std::string_view first, std::string_view second) {
    if (first.empty())
        return "";
    std::string joined(first);
    if (!second.empty())
        joined.append("/").append(second);
    return joined;
}

std::string_view GetA6SourceName(std::string_view subset) {
    struct CSource {
        std::string_view code;
        std::string_view name;
    };
    static constexpr CSource kSources[] = {
        {"A6", "Article 6Ter"},
        {"INN", "International Nonproprietary Names"},
        {"USAN", "United States Adopted Names"},
        {"CPVR", "Community Plant Variety Right"},
        {"DOOR", "Database of Origin and Registration"},
        {"WINE", "E-BACCHUS"},
        {"BAN", "British Approved Name"},
        {"POES", "Protected Olympic Expressions and Symbols"},
    };
    for (const CSource& source : kSources)
        if (EqualsNoCase(subset, source.code))
            return source.name;
    return "";
}
