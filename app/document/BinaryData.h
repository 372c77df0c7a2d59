#pragma once
// Little-endian fixed-width fields of the examination file and the clipboard's mark blocks.
// Reading is checked: every field, count and length is tested against the bytes there are, and
// anything beyond them throws a CTextException that names the damaged data.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CBinaryReader {
public:
    // `source` names the data in messages, such as "ZRE file".
    CBinaryReader(std::string_view bytes, std::string source)
        : bytes_(bytes), source_(std::move(source)) {}

    std::size_t GetSize() const { return bytes_.size(); }

    // Throws unless `count` items of `itemSize` bytes fit from the offset on; `what` names them.
    void Require(std::size_t offset, std::uint64_t count, std::size_t itemSize,
                 const char* what) const;
    std::uint8_t U8(std::size_t offset) const;
    std::uint16_t U16(std::size_t offset) const;
    std::uint32_t U32(std::size_t offset) const;
    // A 32-bit field that must lie in 0 to `limit`.
    int Number(std::size_t offset, int limit, const char* what) const;
    // Bytes up to the first zero byte among the next `maxLength`, or all of them.
    std::string Text(std::size_t offset, std::size_t maxLength) const;

    // The message of a damaged file: the source's name, then the fault.
    [[noreturn]] void Fail(const std::string& fault) const;

private:
    std::string_view bytes_;
    std::string source_;
};

class CBinaryWriter {
public:
    std::size_t GetSize() const { return bytes_.size(); }
    void Reserve(std::size_t size) { bytes_.reserve(size); }
    void PutU16(std::uint16_t value);
    void PutU32(std::uint32_t value);
    void PutBytes(std::string_view bytes) { bytes_.append(bytes); }
    void PutZeros(std::size_t count) { bytes_.append(count, '\0'); }
    // The text in a field of that width: zero-padded, cut to leave room for one zero byte.
    void PutText(std::string_view text, std::size_t width);
    // Overwrites a field already written.
    void PatchU32(std::size_t offset, std::uint32_t value);

    const std::string& GetBytes() const { return bytes_; }
    std::string TakeBytes() { return std::move(bytes_); }

private:
    std::string bytes_;
};
