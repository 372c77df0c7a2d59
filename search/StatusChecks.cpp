#include "search/StatusChecks.h"

std::string CStatusChecks::GetLetters() const {
    std::string letters;
    for (const auto& [on, letter] : {std::pair{registered, 'r'}, std::pair{pending, 'p'},
                                     std::pair{lapsed, 'l'}, std::pair{abandoned, 'a'}})
        if (on)
            letters += letter;
    return letters;
}

CStatusChecks CStatusChecks::FromLetters(const std::string& letters) {
    const auto has = [&letters](char letter) { return letters.find(letter) != std::string::npos; };
    return {has('r'), has('p'), has('l'), has('a')};
}
