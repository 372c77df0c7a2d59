#include "core/CodePages.h"

bool ScoreFavoursSecondTable(std::string_view text) {
    std::uint64_t western = 0;
    std::uint64_t greek = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        western += codepage::kWesternCosts[byte];
        greek += codepage::kGreekCosts[byte];
    }
    return greek < western;
}
