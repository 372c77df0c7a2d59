#pragma once
// The Windows device-independent bitmap (DIB) as mark images travel: a 40-byte header, a colour
// table, then the pixel rows, bottom row first, each padded to a multiple of 4 bytes. All numbers
// are little-endian.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct RgbQuad {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
};

struct BitmapInfoHeader {
    static constexpr std::size_t kSize = 40;

    std::uint32_t biSize = kSize;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0; // positive: rows bottom-up
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;

    // The header at the start of the bytes; nothing when they are too short for it or for the
    // size it states.
    static std::optional<BitmapInfoHeader> Read(std::span<const std::uint8_t> bytes);
    // Writes the 40 bytes of the header.
    void Write(std::uint8_t* out) const;

    // Entries of the colour table: biClrUsed, or for 8 bits and fewer 2^biBitCount when it is 0.
    std::uint64_t ColourCount() const;
    // Bytes of one pixel row, padded to a multiple of 4; 0 for a width below 1.
    std::uint64_t Stride() const;
};

// The colour table entries at the start of the bytes (4 bytes each); no more than they hold.
std::vector<RgbQuad> ReadColourTable(std::span<const std::uint8_t> bytes, std::size_t count);
void WriteColourTable(std::span<const RgbQuad> colours, std::uint8_t* out);
