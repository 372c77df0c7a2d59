#pragma once
// The full record of one mark as engines and web pages deliver it: a flat, self-describing block
// of named fields. Byte format (integers little-endian):
//   header: the format byte "1", then the u32 total length, these 5 bytes included;
//   entries back to back: name, NUL, kind byte, u32 value length L, L value bytes.
// A text value carries its own NUL inside its L bytes; a raw value (image, sound) is L bytes as
// they are. Records come from outside, so every read stays inside the bytes in use: an entry
// whose declared lengths run past them ends the scan, and text is bounded by its stated length.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using StringPair = std::pair<std::string, std::string>;
using PairList = std::vector<StringPair>;

class CZrData {
public:
    static constexpr std::size_t kHeaderSize = 5;
    static constexpr char kFormatByte = '1';

    CZrData();
    CZrData(const CZrData&) = default;
    CZrData(CZrData&&) noexcept = default;
    CZrData& operator=(const CZrData&) = default;
    CZrData& operator=(CZrData&&) noexcept = default;
    virtual ~CZrData() = default;

    // Drops every field; the storage is kept.
    void Clear();
    // Loads a received record: the bytes include their own 5-byte header. Bytes too short to hold
    // a header are padded with zeros, which leaves a record without fields.
    void Assign(const void* bytes, std::size_t length);
    // The record with its header written: the format byte and the length in use.
    std::span<const std::uint8_t> GetBytes() const { return bytes_; }

    // The text of the first field of that name: its value up to the NUL inside it, never past
    // its stated length; empty when there is no such field. Valid until the record changes.
    std::string_view GetField(std::string_view name) const;
    // The whole value of the first field of that name (images, sound); empty when absent. The
    // kind byte, sign-extended, is written only when the field exists.
    std::span<const std::uint8_t> GetFieldBytes(std::string_view name, int* kind = nullptr) const;
    bool HasField(std::string_view name) const;
    // The text read as a decimal integer (as atoi, clamped to int); 0 when absent.
    int GetInt(std::string_view name) const;

    // Every part of a list field, whatever code closes it; false when absent or empty.
    bool GetStringList(std::string_view name, std::vector<std::string>& strings) const;
    // The (first, second) pairs of a pair-list field; false when none was read.
    bool GetPairList(std::string_view name, PairList& pairs) const;
    // The items of an item-list field, each its parts; false when none was read.
    bool GetItemList(std::string_view name, std::vector<std::vector<std::string>>& items) const;

private:
    struct Entry {
        std::span<const std::uint8_t> value;
        int kind = 0;
    };
    // The first entry of that name lying wholly inside the bytes in use.
    bool Find(std::string_view name, Entry& entry) const;
    void WriteHeader();

    std::vector<std::uint8_t> bytes_;
};

// The pairs of a pair-list text; false when the text is empty.
bool ParsePairList(std::string_view text, PairList& pairs);
// The pair-list text of the pairs: first, code "1", second, code "2" for each.
std::string FormatPairList(const PairList& pairs);
// The string-list text: each string, code "1", then an empty part and code "2".
std::string FormatStringList(const std::vector<std::string>& strings);

// "cc - ss" of a packed Locarno code: bits 8-15 the class, bits 0-7 the subclass, each two BCD
// digits; empty for 0.
std::string FormatLocarnoRange(unsigned code);
