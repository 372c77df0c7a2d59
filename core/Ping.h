#pragma once
// A mark image held as PNG, converted to and from the packed DIB that the windows draw and that
// records may carry.

#include "core/Buffer.h"
#include "core/Dib.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CPing {
public:
    CPing() = default;
    CPing(const CPing&) = default;
    CPing& operator=(const CPing&) = default;
    virtual ~CPing() = default;

    // False when the bytes cannot be stored (the image is then empty).
    bool SetPngData(const void* bytes, std::size_t length, std::uint32_t width,
                    std::uint32_t height);
    const std::uint8_t* GetPngData(std::size_t& length) const { return png_.GetData(length); }

    // Encodes a packed DIB of `length` bytes: header, colour table, pixels. False, with no PNG,
    // for null, a DIB the bytes do not hold whole, or one that cannot be encoded.
    bool LoadIconDib(const std::uint8_t* dib, std::size_t length);
    // Encodes an uncompressed bottom-up DIB of 1, 4 or 8 bits a pixel. One bit a pixel becomes a
    // greyscale PNG (the darker colour of the table black), more bits a palette PNG.
    bool EncodeDib(const BitmapInfoHeader& header, std::span<const RgbQuad> colours,
                   std::span<const std::uint8_t> pixels);

    // The PNG as a packed DIB: 1-bit greyscale stays 1 bit with a black and white table, other
    // greyscale becomes 8 bits with a grey ramp, palettes keep their depth (2 bits become 8),
    // colour becomes 24-bit blue-green-red and colour with alpha 32 bits. 16-bit samples are cut
    // to 8 and interlacing undone. Empty when the PNG cannot be read.
    std::vector<std::uint8_t> ToDib();

    std::uint32_t GetWidth() const { return width_; }
    std::uint32_t GetHeight() const { return height_; }
    int GetBitDepth() const { return bitDepth_; }
    int GetColourType() const { return colourType_; }
    int GetInterlaceType() const { return interlaceType_; }

private:
    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
    int bitDepth_ = 0;
    int colourType_ = 0;
    int interlaceType_ = 0;
    CBuffer png_;
};

// The version of the PNG library the program runs with, as the library tells it ("1.6.39").
std::string PngLibraryVersion();
