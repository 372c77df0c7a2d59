#include "registers/EngineReplies.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

std::uint32_t ReadLittleEndian32(const std::uint8_t* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::uint32_t ReadBigEndian32(const std::uint8_t* bytes) {
    return (static_cast<std::uint32_t>(bytes[0]) << 24) | (bytes[1] << 16) | (bytes[2] << 8) |
           bytes[3];
}

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// Length, type and checksum around a chunk's data.
constexpr std::size_t kChunkFrame = 12;
constexpr std::uint32_t kHeaderChunkLength = 13;

bool IsChunkType(const std::uint8_t* chunk, const char* type) {
    return std::memcmp(chunk + 4, type, 4) == 0;
}

} // namespace

CRecordBatch SplitRecordBatch(std::span<const std::uint8_t> reply, std::size_t wanted) {
    CRecordBatch batch;
    std::size_t at = 0;
    while (batch.records.size() < wanted) {
        if (reply.size() - at < 4)
            return batch;
        const std::uint32_t length = ReadLittleEndian32(reply.data() + at);
        at += 4;
        if (length > reply.size() - at)
            return batch;
        batch.records.push_back(reply.subspan(at, length));
        at += length;
    }
    batch.complete = true;
    return batch;
}

bool IsCompletePng(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kPngSignature.size() ||
        !std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin()))
        return false;
    std::size_t at = kPngSignature.size();
    bool first = true;
    while (bytes.size() - at >= kChunkFrame) {
        const std::uint8_t* chunk = bytes.data() + at;
        const std::uint32_t length = ReadBigEndian32(chunk);
        if (length > bytes.size() - at - kChunkFrame)
            return false;
        if (first && (!IsChunkType(chunk, "IHDR") || length != kHeaderChunkLength))
            return false;
        first = false;
        at += kChunkFrame + length;
        if (IsChunkType(chunk, "IEND"))
            return at == bytes.size();
    }
    return false;
}
