#include "core/Ping.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <new>
#include <png.h>

namespace {

// Larger DIBs are refused: mark images are small, and a damaged header must not claim gigabytes.
constexpr std::uint64_t kMaxDibBytes = std::uint64_t{64} << 20;

[[noreturn]] void OnPngError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void OnPngWarning(png_structp, png_const_charp) {}

// The libpng structures of one conversion.
class PngSession {
public:
    enum class Mode { Read, Write };

    explicit PngSession(Mode mode)
        : mode_(mode),
          png_(mode == Mode::Read ? png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr,
                                                           OnPngError, OnPngWarning)
                                  : png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr,
                                                            OnPngError, OnPngWarning)) {
        if (png_)
            info_ = png_create_info_struct(png_);
    }
    ~PngSession() {
        if (mode_ == Mode::Read)
            png_destroy_read_struct(&png_, &info_, nullptr);
        else
            png_destroy_write_struct(&png_, &info_);
    }
    PngSession(const PngSession&) = delete;
    PngSession& operator=(const PngSession&) = delete;

    bool IsValid() const { return png_ && info_; }
    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

    // Runs libpng calls; false when libpng reports an error. The error jumps straight back here
    // past the step's frames, so a step must create no object that has a destructor.
    template <class Step>
    bool Run(const Step& step) {
        if (setjmp(png_jmpbuf(png_)))
            return false;
        step();
        return true;
    }

private:
    Mode mode_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

struct MemorySource {
    const std::uint8_t* data;
    std::size_t length;
    std::size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, std::size_t count) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (count > source->length - source->position)
        png_error(png, "PNG data ends early");
    std::memcpy(out, source->data + source->position, count);
    source->position += count;
}

void AppendToBuffer(png_structp png, png_bytep data, std::size_t length) {
    if (!static_cast<CBuffer*>(png_get_io_ptr(png))->Append(data, length))
        png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

// Turns every kind of PNG into rows a DIB can hold.
void SetReadTransforms(png_structp png, int depth, int colourType) {
    if (depth == 16)
        png_set_strip_16(png);
    switch (colourType) {
    case PNG_COLOR_TYPE_PALETTE:
        if (depth == 2) // DIBs have no 2-bit form
            png_set_packing(png);
        break;
    case PNG_COLOR_TYPE_GRAY:
        if (depth == 2 || depth == 4)
            png_set_expand_gray_1_2_4_to_8(png);
        break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        png_set_gray_to_rgb(png);
        png_set_bgr(png);
        break;
    default: // RGB and RGB with alpha: DIBs store blue first
        png_set_bgr(png);
        break;
    }
    png_set_interlace_handling(png);
}

std::vector<RgbQuad> PaletteColours(png_structp png, png_infop info) {
    png_colorp palette = nullptr;
    int count = 0;
    png_get_PLTE(png, info, &palette, &count);
    std::vector<RgbQuad> colours;
    for (int i = 0; i < count; ++i)
        colours.push_back({palette[i].blue, palette[i].green, palette[i].red, 0});
    return colours;
}

std::vector<RgbQuad> GreyColours(int bitCount) {
    if (bitCount == 1)
        return {{0, 0, 0, 0}, {255, 255, 255, 0}};
    std::vector<RgbQuad> ramp(256);
    for (int level = 0; level < 256; ++level) {
        const auto value = static_cast<std::uint8_t>(level);
        ramp[level] = {value, value, value, 0};
    }
    return ramp;
}

int Brightness(const RgbQuad& colour) {
    return 299 * colour.rgbRed + 587 * colour.rgbGreen + 114 * colour.rgbBlue;
}

} // namespace

bool CPing::SetPngData(const void* bytes, std::size_t length, std::uint32_t width,
                       std::uint32_t height) {
    width_ = width;
    height_ = height;
    if (png_.Assign(bytes, length))
        return true;
    png_.Empty();
    width_ = height_ = 0;
    return false;
}

bool CPing::LoadIconDib(const std::uint8_t* dib, std::size_t length) {
    png_.Empty();
    if (!dib)
        return false;
    const std::span<const std::uint8_t> bytes(dib, length);
    const auto header = BitmapInfoHeader::Read(bytes);
    if (!header)
        return false;
    // The pixels follow the header and the colour table, whatever sizes those have.
    const std::uint64_t colourCount = header->ColourCount();
    const std::uint64_t pixelOffset = header->biSize + 4 * colourCount;
    if (colourCount > 256 || pixelOffset > length)
        return false;
    const auto colours = ReadColourTable(bytes.subspan(header->biSize), colourCount);
    return EncodeDib(*header, colours, bytes.subspan(pixelOffset));
}

bool CPing::EncodeDib(const BitmapInfoHeader& header, std::span<const RgbQuad> colours,
                      std::span<const std::uint8_t> pixels) {
    png_.Empty();
    const int bits = header.biBitCount;
    if (header.biWidth <= 0 || header.biHeight <= 0 || header.biCompression != 0 ||
        (bits != 1 && bits != 4 && bits != 8))
        return false;
    const bool grey = bits == 1;
    if (!grey && colours.empty())
        return false;
    const std::uint64_t stride = header.Stride();
    const auto width = static_cast<png_uint_32>(header.biWidth);
    const auto height = static_cast<png_uint_32>(header.biHeight);
    if (stride * height > pixels.size())
        return false;

    // Grey pixels are written so that a PNG 0 is black whatever the order of the DIB's two colours.
    const bool invert =
        grey && colours.size() >= 2 && Brightness(colours[0]) > Brightness(colours[1]);
    std::vector<png_color> palette;
    const std::size_t paletteSize = std::min<std::size_t>(colours.size(), std::size_t{1} << bits);
    for (std::size_t i = 0; !grey && i < paletteSize; ++i)
        palette.push_back({colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue});
    const std::size_t rowBytes = (std::size_t{width} * bits + 7) / 8;
    std::vector<std::uint8_t> invertedRow(invert ? rowBytes : 0);

    PngSession session(PngSession::Mode::Write);
    if (!session.IsValid())
        return false;
    png_structp png = session.Png();
    png_infop info = session.Info();
    png_set_write_fn(png, &png_, AppendToBuffer, FlushNothing);
    const bool written = session.Run([&] {
        png_set_IHDR(png, info, width, height, bits,
                     grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        if (!grey)
            png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
        png_write_info(png, info);
        for (std::uint64_t y = height; y-- > 0;) {
            const std::uint8_t* row = pixels.data() + y * stride;
            if (invert) {
                std::transform(row, row + rowBytes, invertedRow.begin(),
                               [](std::uint8_t byte) { return static_cast<std::uint8_t>(~byte); });
                row = invertedRow.data();
            }
            png_write_row(png, row);
        }
        png_write_end(png, nullptr);
    });
    if (!written) {
        png_.Empty();
        return false;
    }
    width_ = width;
    height_ = height;
    bitDepth_ = bits;
    colourType_ = grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_PALETTE;
    interlaceType_ = PNG_INTERLACE_NONE;
    return true;
}

std::vector<std::uint8_t> CPing::ToDib() {
    PngSession session(PngSession::Mode::Read);
    if (!session.IsValid())
        return {};
    png_structp png = session.Png();
    png_infop info = session.Info();
    MemorySource source{png_.GetData(), png_.GetLength(), 0};
    png_set_read_fn(png, &source, ReadFromMemory);

    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colourType = 0;
    int interlace = 0;
    if (!session.Run([&] {
            png_read_info(png, info);
            png_get_IHDR(png, info, &width, &height, &depth, &colourType, &interlace, nullptr,
                         nullptr);
            SetReadTransforms(png, depth, colourType);
            png_read_update_info(png, info);
        }))
        return {};
    width_ = width;
    height_ = height;
    bitDepth_ = depth;
    colourType_ = colourType;
    interlaceType_ = interlace;

    const int bitCount = png_get_channels(png, info) * png_get_bit_depth(png, info);
    const std::vector<RgbQuad> colours = colourType == PNG_COLOR_TYPE_PALETTE
                                             ? PaletteColours(png, info)
                                         : bitCount <= 8 ? GreyColours(bitCount)
                                                         : std::vector<RgbQuad>();
    if (colourType == PNG_COLOR_TYPE_PALETTE && colours.empty())
        return {};
    const std::uint64_t stride = (std::uint64_t{png_get_rowbytes(png, info)} + 3) / 4 * 4;
    const std::uint64_t imageBytes = stride * height;
    const std::uint64_t pixelOffset = BitmapInfoHeader::kSize + 4 * colours.size();
    if (width == 0 || height == 0 || imageBytes > kMaxDibBytes)
        return {};

    std::vector<std::uint8_t> dib;
    try {
        dib.resize(pixelOffset + imageBytes);
    } catch (const std::bad_alloc&) {
        return {};
    }
    BitmapInfoHeader header;
    header.biWidth = static_cast<std::int32_t>(width);
    header.biHeight = static_cast<std::int32_t>(height);
    header.biBitCount = static_cast<std::uint16_t>(bitCount);
    header.biSizeImage = static_cast<std::uint32_t>(imageBytes);
    header.biClrUsed = header.biClrImportant = static_cast<std::uint32_t>(colours.size());
    header.Write(dib.data());
    WriteColourTable(colours, dib.data() + BitmapInfoHeader::kSize);

    // The first PNG row is the last DIB row.
    std::vector<png_bytep> rows(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = dib.data() + pixelOffset + (height - 1 - y) * stride;
    if (!session.Run([&] {
            png_read_image(png, rows.data());
            png_read_end(png, nullptr);
        }))
        return {};
    return dib;
}

std::string PngLibraryVersion() {
    return png_get_libpng_ver(nullptr);
}
