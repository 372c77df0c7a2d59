#pragma once
// Reading tagged records in tests: the fields of a record as the engines send it, with every
// length checked, so that a test sees a damaged record as damaged instead of reading past it.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace test_records {

inline std::uint32_t ReadU32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The fields of a record by name (text values without their NUL); nothing when the header or
// any entry does not fit inside the record.
inline std::optional<std::map<std::string, std::string>>
Fields(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 5 || bytes[0] != '1' || ReadU32(bytes.data() + 1) != bytes.size())
        return std::nullopt;
    std::map<std::string, std::string> fields;
    std::size_t at = 5;
    while (at < bytes.size()) {
        std::size_t nameEnd = at;
        while (nameEnd < bytes.size() && bytes[nameEnd] != 0)
            ++nameEnd;
        if (nameEnd + 6 > bytes.size())
            return std::nullopt;
        const std::uint32_t length = ReadU32(&bytes[nameEnd + 2]);
        const std::size_t value = nameEnd + 6;
        if (length > bytes.size() - value)
            return std::nullopt;
        std::string text(bytes.begin() + value, bytes.begin() + value + length);
        if (!text.empty() && text.back() == '\0' && bytes[nameEnd + 1] == 1)
            text.pop_back();
        fields.emplace(std::string(bytes.begin() + at, bytes.begin() + nameEnd), text);
        at = value + length;
    }
    return fields;
}

} // namespace test_records
