#pragma once
// Hand-built tagged records for tests and benchmarks: the client itself never writes fields.

#include "core/ZrData.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace record_bytes {

using Bytes = std::vector<std::uint8_t>;

// One entry: name, NUL, kind byte, little-endian u32 length, value.
inline Bytes Entry(std::string_view name, std::uint8_t kind, std::string_view value,
                   std::uint32_t declaredLength) {
    Bytes bytes(name.begin(), name.end());
    bytes.push_back(0);
    bytes.push_back(kind);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(declaredLength >> (8 * i)));
    bytes.insert(bytes.end(), value.begin(), value.end());
    return bytes;
}

inline Bytes Entry(std::string_view name, std::string_view value) {
    return Entry(name, 1, value, static_cast<std::uint32_t>(value.size()));
}

// A text value as engines send it: with its own NUL.
inline Bytes Text(std::string_view name, std::string_view text) {
    std::string value(text);
    value.push_back('\0');
    return Entry(name, value);
}

// A header (whose stated length readers ignore) followed by the entries.
inline Bytes RecordBytes(const std::vector<Bytes>& entries) {
    Bytes bytes{'1', 0, 0, 0, 0};
    for (const Bytes& entry : entries)
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    return bytes;
}

// A record of text fields, in order.
inline CZrData TextRecord(const std::vector<std::pair<std::string, std::string>>& fields) {
    std::vector<Bytes> entries;
    for (const auto& [name, value] : fields)
        entries.push_back(Text(name, value));
    const Bytes bytes = RecordBytes(entries);
    CZrData record;
    record.Assign(bytes.data(), bytes.size());
    return record;
}

} // namespace record_bytes
