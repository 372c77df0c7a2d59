#include "core/Dib.h"

#include <algorithm>

namespace {

std::uint32_t Load32(const std::uint8_t* p) {
    return p[0] | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}
std::uint16_t Load16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

void Store32(std::uint8_t*& p, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        *p++ = static_cast<std::uint8_t>(value >> shift);
}
void Store16(std::uint8_t*& p, std::uint16_t value) {
    *p++ = static_cast<std::uint8_t>(value);
    *p++ = static_cast<std::uint8_t>(value >> 8);
}

} // namespace

std::optional<BitmapInfoHeader> BitmapInfoHeader::Read(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kSize)
        return std::nullopt;
    const std::uint8_t* p = bytes.data();
    BitmapInfoHeader header;
    header.biSize = Load32(p);
    header.biWidth = static_cast<std::int32_t>(Load32(p + 4));
    header.biHeight = static_cast<std::int32_t>(Load32(p + 8));
    header.biPlanes = Load16(p + 12);
    header.biBitCount = Load16(p + 14);
    header.biCompression = Load32(p + 16);
    header.biSizeImage = Load32(p + 20);
    header.biXPelsPerMeter = static_cast<std::int32_t>(Load32(p + 24));
    header.biYPelsPerMeter = static_cast<std::int32_t>(Load32(p + 28));
    header.biClrUsed = Load32(p + 32);
    header.biClrImportant = Load32(p + 36);
    if (header.biSize < kSize || header.biSize > bytes.size())
        return std::nullopt;
    return header;
}

void BitmapInfoHeader::Write(std::uint8_t* out) const {
    Store32(out, biSize);
    Store32(out, static_cast<std::uint32_t>(biWidth));
    Store32(out, static_cast<std::uint32_t>(biHeight));
    Store16(out, biPlanes);
    Store16(out, biBitCount);
    Store32(out, biCompression);
    Store32(out, biSizeImage);
    Store32(out, static_cast<std::uint32_t>(biXPelsPerMeter));
    Store32(out, static_cast<std::uint32_t>(biYPelsPerMeter));
    Store32(out, biClrUsed);
    Store32(out, biClrImportant);
}

std::uint64_t BitmapInfoHeader::ColourCount() const {
    if (biClrUsed == 0 && biBitCount <= 8)
        return std::uint64_t{1} << biBitCount;
    return biClrUsed;
}

std::uint64_t BitmapInfoHeader::Stride() const {
    if (biWidth < 1)
        return 0;
    const std::uint64_t bits = std::uint64_t(biWidth) * biBitCount;
    return (bits + 31) / 32 * 4;
}

std::vector<RgbQuad> ReadColourTable(std::span<const std::uint8_t> bytes, std::size_t count) {
    std::vector<RgbQuad> colours(std::min(count, bytes.size() / 4));
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const std::uint8_t* p = bytes.data() + 4 * i;
        colours[i] = {p[0], p[1], p[2], p[3]};
    }
    return colours;
}

void WriteColourTable(std::span<const RgbQuad> colours, std::uint8_t* out) {
    for (const RgbQuad& colour : colours) {
        *out++ = colour.rgbBlue;
        *out++ = colour.rgbGreen;
        *out++ = colour.rgbRed;
        *out++ = colour.rgbReserved;
    }
}
