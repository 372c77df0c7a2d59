#pragma once
// Files assembled by hand, field by field, as the examination file's layout describes them:
// the oracle against which the writer and the readers are checked.

#include <cstdint>
#include <string>

class CHandBytes {
public:
    CHandBytes& U8(std::uint8_t value) {
        bytes_ += static_cast<char>(value);
        return *this;
    }
    CHandBytes& U16(std::uint16_t value) { return U8(value & 0xff).U8(value >> 8); }
    CHandBytes& U32(std::uint32_t value) {
        return U16(static_cast<std::uint16_t>(value & 0xffff))
            .U16(static_cast<std::uint16_t>(value >> 16));
    }
    CHandBytes& Zeros(std::size_t count) {
        bytes_.append(count, '\0');
        return *this;
    }
    // The text zero-padded to the width.
    CHandBytes& Text(const std::string& text, std::size_t width) {
        bytes_ += text;
        return Zeros(width - text.size());
    }
    CHandBytes& Bytes(const std::string& bytes) {
        bytes_ += bytes;
        return *this;
    }
    // Zeros up to the offset.
    CHandBytes& PadTo(std::size_t offset) { return Zeros(offset - bytes_.size()); }
    // Overwrites four bytes already there.
    CHandBytes& PutU32At(std::size_t offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
        return *this;
    }

    std::size_t Size() const { return bytes_.size(); }
    const std::string& Get() const { return bytes_; }

private:
    std::string bytes_;
};

// A directory entry.
inline void AddEntry(CHandBytes& bytes, std::uint32_t type, std::uint32_t key, std::uint32_t offset,
                     std::uint32_t length, std::uint32_t count) {
    bytes.U32(type).U32(key).U32(offset).U32(length).U32(count).Zeros(12);
}
