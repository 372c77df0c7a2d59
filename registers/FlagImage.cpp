#include "registers/FlagImage.h"

#include "core/Dib.h"
#include "registers/EngineReplies.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kMaxColours = 256;
// Where a PNG's header chunk keeps the width and height.
constexpr std::size_t kPngWidthAt = 16;
constexpr std::size_t kPngHeightAt = 20;

std::uint32_t ReadBigEndian32(const std::uint8_t* bytes) {
    return (static_cast<std::uint32_t>(bytes[0]) << 24) | (bytes[1] << 16) | (bytes[2] << 8) |
           bytes[3];
}

bool LoadPng(std::span<const std::uint8_t> bytes, CPing& flag) {
    if (!IsCompletePng(bytes))
        return false;
    const std::uint32_t width = ReadBigEndian32(bytes.data() + kPngWidthAt);
    const std::uint32_t height = ReadBigEndian32(bytes.data() + kPngHeightAt);
    return width > 0 && height > 0 && flag.SetPngData(bytes.data(), bytes.size(), width, height);
}

bool LoadBitmapFile(std::span<const std::uint8_t> bytes, CPing& flag) {
    if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::span<const std::uint8_t> dib = bytes.subspan(kFileHeaderSize);
    const auto header = BitmapInfoHeader::Read(dib);
    if (!header || header->biSize != BitmapInfoHeader::kSize)
        return false;
    // The colour table is as long as the colours used say: nothing else gives its size.
    const std::uint64_t colours = header->biClrUsed;
    const std::uint64_t pixelOffset = header->biSize + 4 * colours;
    if (colours > kMaxColours || pixelOffset > dib.size())
        return false;
    return flag.EncodeDib(*header, ReadColourTable(dib.subspan(header->biSize), colours),
                          dib.subspan(pixelOffset));
}

} // namespace

bool LoadFlagImage(std::span<const std::uint8_t> bytes, CPing& flag) {
    flag = CPing();
    if (LoadPng(bytes, flag) || LoadBitmapFile(bytes, flag))
        return true;
    flag = CPing();
    return false;
}
