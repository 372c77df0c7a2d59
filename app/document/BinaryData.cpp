#include "app/document/BinaryData.h"

#include "app/document/TextException.h"

#include <algorithm>
#include <cstring>

void CBinaryReader::Fail(const std::string& fault) const {
    throw CTextException(source_ + " is damaged or incomplete: " + fault);
}

void CBinaryReader::Require(std::size_t offset, std::uint64_t count, std::size_t itemSize,
                            const char* what) const {
    const std::size_t remaining = offset <= bytes_.size() ? bytes_.size() - offset : 0;
    // Compared as a count, so that a huge count cannot overflow the product.
    const bool fits = offset <= bytes_.size() && (itemSize == 0 || count <= remaining / itemSize);
    if (!fits)
        Fail(std::string(what) + " at offset " + std::to_string(offset) + " would take " +
             std::to_string(count) + " x " + std::to_string(itemSize) +
             " bytes, but the data ends at " + std::to_string(bytes_.size()));
}

std::uint8_t CBinaryReader::U8(std::size_t offset) const {
    Require(offset, 1, 1, "a byte field");
    return static_cast<std::uint8_t>(bytes_[offset]);
}

std::uint16_t CBinaryReader::U16(std::size_t offset) const {
    Require(offset, 1, 2, "a 16-bit field");
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes_[offset]) |
                                      static_cast<std::uint8_t>(bytes_[offset + 1]) << 8);
}

std::uint32_t CBinaryReader::U32(std::size_t offset) const {
    Require(offset, 1, 4, "a 32-bit field");
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes_[offset + i]);
    return value;
}

int CBinaryReader::Number(std::size_t offset, int limit, const char* what) const {
    const std::uint32_t value = U32(offset);
    if (value > static_cast<std::uint32_t>(limit))
        Fail(std::string(what) + " " + std::to_string(value) + " at offset " +
             std::to_string(offset) + " is out of range");
    return static_cast<int>(value);
}

std::string CBinaryReader::Text(std::size_t offset, std::size_t maxLength) const {
    Require(offset, 1, maxLength, "a text");
    const std::string_view field = bytes_.substr(offset, maxLength);
    return std::string(field.substr(0, std::min(field.find('\0'), field.size())));
}

void CBinaryWriter::PutU16(std::uint16_t value) {
    bytes_.push_back(static_cast<char>(value & 0xff));
    bytes_.push_back(static_cast<char>(value >> 8));
}

void CBinaryWriter::PutU32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

void CBinaryWriter::PutText(std::string_view text, std::size_t width) {
    const std::size_t length = std::min(text.size(), width - 1);
    bytes_.append(text.substr(0, length));
    PutZeros(width - length);
}

void CBinaryWriter::PatchU32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}
