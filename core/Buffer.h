#pragma once
// An owned, growable run of bytes; growth failure is reported, never raised.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CBuffer {
public:
    CBuffer() = default;
    CBuffer(const CBuffer&) = default;
    CBuffer& operator=(const CBuffer&) = default;
    CBuffer(CBuffer&&) noexcept = default;
    CBuffer& operator=(CBuffer&&) noexcept = default;
    virtual ~CBuffer() = default;

    // Room for `need` bytes, growing to at least twice the old capacity and 1024; false when the
    // memory cannot be had (the bytes are then unchanged).
    bool Reserve(std::size_t need);
    // False when the buffer cannot grow; it is then unchanged.
    bool Append(const void* bytes, std::size_t length);
    bool Assign(const void* bytes, std::size_t length);
    bool SetText(std::string_view text) { return Assign(text.data(), text.size()); }
    void Empty() { bytes_.clear(); }

    // The whole file; false, and an empty buffer, when it cannot be read whole.
    bool LoadFile(const std::string& path);

    const std::uint8_t* GetData() const { return bytes_.data(); }
    const std::uint8_t* GetData(std::size_t& length) const {
        length = bytes_.size();
        return bytes_.data();
    }
    std::size_t GetLength() const { return bytes_.size(); }
    std::size_t GetCapacity() const { return bytes_.capacity(); }
    bool IsEmpty() const { return bytes_.empty(); }

private:
    std::vector<std::uint8_t> bytes_;
};
