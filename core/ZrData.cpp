#include "core/ZrData.h"

#include "core/TagTokeniser.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kInitialCapacity = 1024;
// After the name's NUL: the kind byte and the u32 value length.
constexpr std::size_t kEntryFixedSize = 1 + 1 + 4;

std::uint32_t ReadU32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

void WriteU32(std::uint8_t* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::string_view AsText(std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return text.substr(0, text.find('\0'));
}

// As atoi: blanks, an optional sign, digits; the value saturates at the limits of int.
int ParseInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), INT_MAX + 1LL);
    return static_cast<int>(std::clamp(negative ? -value : value, INT_MIN + 0LL, INT_MAX + 0LL));
}

int BcdByte(unsigned byte) {
    return static_cast<int>((byte & 0xf) + 10 * (byte >> 4 & 0xf));
}

} // namespace

CZrData::CZrData() {
    bytes_.reserve(kInitialCapacity);
    Clear();
}

void CZrData::Clear() {
    bytes_.assign(kHeaderSize, 0);
    WriteHeader();
}

void CZrData::Assign(const void* bytes, std::size_t length) {
    const auto* begin = static_cast<const std::uint8_t*>(bytes);
    bytes_.assign(begin, begin + length);
    if (bytes_.size() < kHeaderSize)
        bytes_.resize(kHeaderSize, 0);
    WriteHeader();
}

void CZrData::WriteHeader() {
    bytes_[0] = kFormatByte;
    WriteU32(&bytes_[1], static_cast<std::uint32_t>(bytes_.size()));
}

bool CZrData::Find(std::string_view name, Entry& entry) const {
    const std::uint8_t* const data = bytes_.data();
    const std::size_t used = bytes_.size();
    std::size_t position = kHeaderSize;
    while (position < used) {
        const auto* nul =
            static_cast<const std::uint8_t*>(std::memchr(data + position, 0, used - position));
        if (!nul)
            return false;
        const std::size_t nameLength = static_cast<std::size_t>(nul - (data + position));
        const std::size_t valueStart = position + nameLength + kEntryFixedSize;
        if (valueStart > used)
            return false;
        const std::uint32_t valueLength = ReadU32(nul + 2);
        if (valueLength > used - valueStart)
            return false;
        if (nameLength == name.size() &&
            std::memcmp(data + position, name.data(), nameLength) == 0) {
            entry.value = {data + valueStart, valueLength};
            entry.kind = static_cast<signed char>(nul[1]);
            return true;
        }
        position = valueStart + valueLength;
    }
    return false;
}

std::string_view CZrData::GetField(std::string_view name) const {
    Entry entry;
    return Find(name, entry) ? AsText(entry.value) : std::string_view();
}

std::span<const std::uint8_t> CZrData::GetFieldBytes(std::string_view name, int* kind) const {
    Entry entry;
    if (!Find(name, entry))
        return {};
    if (kind)
        *kind = entry.kind;
    return entry.value;
}

bool CZrData::HasField(std::string_view name) const {
    Entry entry;
    return Find(name, entry);
}

int CZrData::GetInt(std::string_view name) const {
    return ParseInt(GetField(name));
}

bool CZrData::GetStringList(std::string_view name, std::vector<std::string>& strings) const {
    strings.clear();
    CTagTokeniser tokeniser(GetField(name));
    for (std::string part; tokeniser.GetNextPart(part);)
        strings.push_back(part);
    return !strings.empty();
}

bool CZrData::GetPairList(std::string_view name, PairList& pairs) const {
    return ParsePairList(GetField(name), pairs);
}

bool CZrData::GetItemList(std::string_view name,
                          std::vector<std::vector<std::string>>& items) const {
    items.clear();
    CTagTokeniser tokeniser(GetField(name));
    for (std::vector<std::string> parts; tokeniser.GetNextList(parts);)
        items.push_back(parts);
    return !items.empty();
}

bool ParsePairList(std::string_view text, PairList& pairs) {
    pairs.clear();
    CTagTokeniser tokeniser(text);
    for (StringPair pair; tokeniser.GetNextPair(pair.first, pair.second);)
        pairs.push_back(pair);
    return !pairs.empty();
}

std::string FormatPairList(const PairList& pairs) {
    std::string text;
    for (const auto& [first, second] : pairs) {
        AppendTagged(text, first, '1');
        AppendTagged(text, second, '2');
    }
    return text;
}

std::string FormatStringList(const std::vector<std::string>& strings) {
    std::string text;
    for (const auto& string : strings) {
        AppendTagged(text, string, '1');
        AppendTagged(text, {}, '2');
    }
    return text;
}

std::string FormatLocarnoRange(unsigned code) {
    if (code == 0)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%02d - %02d", BcdByte(code >> 8), BcdByte(code));
    return text;
}
