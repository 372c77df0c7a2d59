#include "testsvc/data/Images.h"

#include <png.h>
#include <stdexcept>

namespace {

void AppendU16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

// The 16 colours of the icons and the flag: black, white, then strong colours.
const std::uint8_t kPalette[16][3] = {
    {0, 0, 0},     {255, 255, 255}, {200, 30, 30},   {30, 160, 30}, {30, 60, 200}, {230, 200, 0},
    {0, 180, 200}, {180, 0, 180},   {128, 128, 128}, {90, 40, 10},  {250, 140, 0}, {0, 90, 60},
    {60, 0, 120},  {200, 200, 200}, {255, 180, 200}, {20, 20, 80}};

// A 40-byte BITMAPINFOHEADER of a 4-bit image with a full 16-colour table.
void AppendInfoHeader(Bytes& bytes, std::uint32_t width, std::uint32_t height,
                      std::uint32_t imageSize) {
    AppendU32(bytes, 40);
    AppendU32(bytes, width);
    AppendU32(bytes, height);
    AppendU16(bytes, 1);
    AppendU16(bytes, 4);
    AppendU32(bytes, 0);
    AppendU32(bytes, imageSize);
    AppendU32(bytes, 0);
    AppendU32(bytes, 0);
    AppendU32(bytes, 16);
    AppendU32(bytes, 16);
    for (const auto& colour : kPalette) {
        bytes.push_back(colour[2]);
        bytes.push_back(colour[1]);
        bytes.push_back(colour[0]);
        bytes.push_back(0);
    }
}

// Bottom-up rows of 4-bit pixels, each row padded to a multiple of 4 bytes.
template <typename PixelColour>
void AppendPixels(Bytes& bytes, std::uint32_t width, std::uint32_t height, PixelColour colour) {
    const std::uint32_t stride = ((width + 1) / 2 + 3) / 4 * 4;
    for (std::uint32_t row = height; row-- > 0;) {
        Bytes line(stride, 0);
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t index = colour(x, row) & 0x0F;
            line[x / 2] |= x % 2 ? index : static_cast<std::uint8_t>(index << 4);
        }
        bytes.insert(bytes.end(), line.begin(), line.end());
    }
}

std::uint32_t Stride4Bit(std::uint32_t width) {
    return ((width + 1) / 2 + 3) / 4 * 4;
}

} // namespace

Bytes MakeMarkPng(std::uint32_t recordId, std::uint32_t imageNumber, std::uint32_t width,
                  std::uint32_t height) {
    if (width == 0 || height == 0 || width > kImageWidth || height > kImageHeight)
        throw std::invalid_argument("image size out of range");
    // Rings around the centre, coloured by record and image number.
    Bytes pixels(static_cast<std::size_t>(width) * height * 3);
    const std::uint32_t seed = recordId * 2654435761u + imageNumber * 40503u;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const int dx = static_cast<int>(x) - static_cast<int>(width / 2);
            const int dy = static_cast<int>(y) - static_cast<int>(height / 2);
            const std::uint32_t ring = static_cast<std::uint32_t>(dx * dx + dy * dy) / 97;
            const auto& colour = kPalette[(ring + seed) % 16];
            std::uint8_t* pixel = &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
            pixel[0] = colour[0];
            pixel[1] = colour[1];
            pixel[2] = colour[2];
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGB;
    // Room for the largest PNG the image can make, so that it is compressed once, not once to
    // learn its size and again to write it.
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    Bytes png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels.data(), 0, nullptr))
        throw std::runtime_error(image.message);
    png.resize(size);
    return png;
}

Bytes MakeIconDib(std::uint32_t recordId) {
    constexpr std::uint32_t width = 32, height = 24;
    Bytes dib;
    AppendInfoHeader(dib, width, height, Stride4Bit(width) * height);
    AppendPixels(dib, width, height, [recordId](std::uint32_t x, std::uint32_t y) {
        return static_cast<std::uint8_t>(((x / 4) ^ (y / 4)) + recordId);
    });
    return dib;
}

Bytes MakeFlagBitmapFile() {
    constexpr std::uint32_t width = 18, height = 12;
    const std::uint32_t imageSize = Stride4Bit(width) * height;
    const std::uint32_t pixelOffset = 14 + 40 + 16 * 4;
    Bytes file{'B', 'M'};
    AppendU32(file, pixelOffset + imageSize);
    AppendU32(file, 0);
    AppendU32(file, pixelOffset);
    AppendInfoHeader(file, width, height, imageSize);
    // Three stripes: blue, white, red.
    AppendPixels(file, width, height, [](std::uint32_t x, std::uint32_t) -> std::uint8_t {
        return x < 6 ? 4 : x < 12 ? 1 : 2;
    });
    return file;
}
