#include "registers/RegisterTexts.h"

#include "registers/DbCodes.h"

namespace {

bool Contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

std::string DateText(const CZrDate& date) {
    return date.IsEmpty() ? "" : date.Format();
}

// Both empty or equal: one text; otherwise "from-to".
std::string RangeText(std::string_view from, std::string_view to) {
    if (from == to)
        return std::string(from);
    return std::string(from) + "-" + std::string(to);
}

} // namespace

std::string MergeDbCodes(std::string_view codesA, std::string_view codesB) {
    std::string merged;
    for (char code : std::string_view("aucsidefptnko"))
        if (Contains(codesA, code) || Contains(codesB, code))
            merged += code;
    return merged;
}

std::string DbCodesToNames(std::string_view codes) {
    std::string names;
    for (char code : std::string_view("aucskdiefptnow10"))
        if (Contains(codes, code))
            AppendWord(names, GetCatalogueShortName(code));
    return names;
}

std::string StatusCodesToText(std::string_view letters, bool abbreviated) {
    struct CStatusWord {
        char letter;
        std::string_view word;
        std::string_view abbreviation;
    };
    static constexpr CStatusWord kWords[] = {{'r', "Registered", "Reg"},
                                             {'p', "Pending", "Pen"},
                                             {'l', "Lapsed", "Lap"},
                                             {'a', "Abandoned", "Abn"}};
    std::string text;
    for (const CStatusWord& status : kWords)
        if (Contains(letters, status.letter))
            AppendWord(text, abbreviated ? status.abbreviation : status.word);
    return text;
}

void AppendWord(std::string& text, std::string_view word) {
    if (!text.empty())
        text += ' ';
    text += word;
}

std::string AppNumRangeToText(std::string_view from, std::string_view to) {
    return RangeText(from, to);
}

std::string DateRangeToText(const CZrDate& from, const CZrDate& to) {
    return RangeText(DateText(from), DateText(to));
}
