#include "core/ImagePixels.h"

#include "core/Dib.h"
#include "core/Ping.h"

#include <cstdlib>

namespace {

// Larger pictures than any register sends; keeps a damaged header from asking for gigabytes.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;

// The colour-table index of pixel x of a row of 1, 4 or 8 bits a pixel.
unsigned PaletteIndex(const std::uint8_t* row, int x, int bits) {
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (x % perByte + 1);
    return (row[x / perByte] >> shift) & ((1u << bits) - 1);
}

} // namespace

std::optional<CRgbaImage> DecodeDib(std::span<const std::uint8_t> bytes) {
    const std::optional<BitmapInfoHeader> header = BitmapInfoHeader::Read(bytes);
    if (!header || header->biCompression != 0 || header->biWidth < 1 || header->biHeight == 0)
        return std::nullopt;
    const int bits = header->biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    const std::uint64_t width = static_cast<std::uint64_t>(header->biWidth);
    const std::uint64_t height = static_cast<std::uint64_t>(std::llabs(header->biHeight));
    if (width * height > kMaxPixels)
        return std::nullopt;

    const std::uint64_t colourCount = bits <= 8 ? header->ColourCount() : header->biClrUsed;
    const std::uint64_t tableOffset = header->biSize;
    const std::uint64_t pixelOffset = tableOffset + 4 * colourCount;
    const std::uint64_t stride = header->Stride();
    if (colourCount > 256 || pixelOffset + stride * height > bytes.size())
        return std::nullopt;
    const std::vector<RgbQuad> colours =
        ReadColourTable(bytes.subspan(tableOffset), static_cast<std::size_t>(colourCount));

    CRgbaImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(width * height * 4);
    const bool bottomUp = header->biHeight > 0;
    for (std::uint64_t y = 0; y < height; ++y) {
        const std::uint64_t sourceRow = bottomUp ? height - 1 - y : y;
        const std::uint8_t* row = bytes.data() + pixelOffset + sourceRow * stride;
        std::uint8_t* out = image.pixels.data() + y * width * 4;
        for (std::uint64_t x = 0; x < width; ++x, out += 4) {
            if (bits <= 8) {
                const unsigned index = PaletteIndex(row, static_cast<int>(x), bits);
                const RgbQuad colour = index < colours.size() ? colours[index] : RgbQuad{};
                out[0] = colour.rgbRed;
                out[1] = colour.rgbGreen;
                out[2] = colour.rgbBlue;
                out[3] = 255;
            } else {
                const std::uint8_t* pixel = row + x * (bits / 8);
                out[0] = pixel[2];
                out[1] = pixel[1];
                out[2] = pixel[0];
                out[3] = bits == 32 ? pixel[3] : 255;
            }
            image.hasAlpha = image.hasAlpha || out[3] != 255;
        }
    }
    return image;
}

std::optional<CRgbaImage> DecodeImage(EImageFormat format, std::span<const std::uint8_t> bytes) {
    if (format == EImageFormat::Dib)
        return DecodeDib(bytes);
    CPing png;
    if (!png.SetPngData(bytes.data(), bytes.size(), 0, 0))
        return std::nullopt;
    const std::vector<std::uint8_t> dib = png.ToDib();
    if (dib.empty())
        return std::nullopt;
    return DecodeDib(dib);
}
