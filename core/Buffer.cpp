#include "core/Buffer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>

namespace {

constexpr std::size_t kMinCapacity = 1024;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool CBuffer::Reserve(std::size_t need) {
    if (need <= bytes_.capacity())
        return true;
    if (need > bytes_.max_size())
        return false;
    const std::size_t doubled =
        bytes_.capacity() <= bytes_.max_size() / 2 ? 2 * bytes_.capacity() : bytes_.max_size();
    try {
        bytes_.reserve(std::max({need, doubled, kMinCapacity}));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    return true;
}

bool CBuffer::Append(const void* bytes, std::size_t length) {
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    // Bytes of this very buffer move when it grows.
    const bool own = length > 0 && first >= bytes_.data() && first < bytes_.data() + bytes_.size();
    const std::size_t offset = own ? static_cast<std::size_t>(first - bytes_.data()) : 0;
    if (length > bytes_.max_size() - bytes_.size() || !Reserve(bytes_.size() + length))
        return false;
    if (own)
        first = bytes_.data() + offset;
    bytes_.insert(bytes_.end(), first, first + length);
    return true;
}

bool CBuffer::Assign(const void* bytes, std::size_t length) {
    if (!Reserve(length))
        return false;
    // Resizing within the capacity moves nothing, so the source may be this buffer's own bytes.
    bytes_.resize(length);
    if (length > 0)
        std::memmove(bytes_.data(), bytes, length);
    return true;
}

bool CBuffer::LoadFile(const std::string& path) {
    Empty();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    const std::uintmax_t fileSize = std::filesystem::file_size(path, error);
    if (error || fileSize > bytes_.max_size())
        return false;
    const auto size = static_cast<std::size_t>(fileSize);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file || !Reserve(size))
        return false;
    bytes_.resize(size);
    if (std::fread(bytes_.data(), 1, size, file.get()) != size) {
        Empty();
        return false;
    }
    return true;
}
