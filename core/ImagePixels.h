#pragma once
// Mark images as pixels, for the surfaces that draw them.

#include "core/DrawSurface.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Four bytes a pixel (red, green, blue, alpha), top row first.
struct CRgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    // False when every pixel is opaque.
    bool hasAlpha = false;
};

// An uncompressed DIB of 1, 4, 8, 24 or 32 bits a pixel, rows bottom-up (or top-down with a
// negative height). Nothing when the bytes do not hold it whole or it is of another kind.
std::optional<CRgbaImage> DecodeDib(std::span<const std::uint8_t> bytes);

// PNG or DIB bytes as pixels; nothing when they hold no image.
std::optional<CRgbaImage> DecodeImage(EImageFormat format, std::span<const std::uint8_t> bytes);
