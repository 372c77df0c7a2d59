#pragma once
// Writes tagged mark records as the engines deliver them: the byte '1', the record's total length
// (u32 little-endian, the 5 header bytes included), then entries of name, NUL, kind byte, u32
// value length and value. Text values carry their terminating NUL inside the value.
// The service stands for the real engines: it links nothing of the client, so its writer is a
// second, independent implementation of the format that the client's reader is tested against.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class CRecordWriter {
public:
    // Kind bytes; readers carry them through without giving them a meaning.
    static constexpr std::uint8_t kText = 1;
    static constexpr std::uint8_t kRaw = 2;

    // Adds a text field; nothing for an empty value, as the engines leave absent fields out.
    void AddText(std::string_view name, std::string_view value);
    // Adds a raw field (image, sound) of exactly these bytes; nothing when there are none.
    void AddRaw(std::string_view name, const Bytes& value);
    // The record with its header. The writer can be used again afterwards.
    Bytes Finish();
    // The record with its last entry's value length overrunning the record: a damaged record
    // that a reader must refuse to follow.
    Bytes FinishDamaged();

private:
    void AddEntry(std::string_view name, std::uint8_t kind, const std::uint8_t* value,
                  std::size_t length, bool addNul);

    Bytes body_;
    std::size_t lastLengthOffset_ = 0;
};

// Appends a 32-bit little-endian number.
void AppendU32(Bytes& bytes, std::uint32_t value);

// The list encodings of record values: every backslash doubled, parts closed by a backslash and a
// code digit.
using TextPair = std::pair<std::string, std::string>;
// Each pair: first part, code 1, second part, code 2.
std::string FormatPairList(const std::vector<TextPair>& pairs);
// Each string: the string, code 1, an empty part, code 2.
std::string FormatStringList(const std::vector<std::string>& strings);
// Each item: first part, code 1, every further part followed by code 2.
std::string FormatItemList(const std::vector<std::vector<std::string>>& items);
