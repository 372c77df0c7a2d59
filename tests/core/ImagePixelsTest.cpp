// Mark images as pixels: hand-built DIBs of every depth, and PNG files made by an outside tool.

#include "core/ImagePixels.h"

#include "core/Dib.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixel = std::array<int, 4>;

// A packed DIB: header, colour table (blue, green, red, 0) and the given rows, bottom row first.
Bytes MakeDib(int width, int height, int bits, const std::vector<RgbQuad>& colours,
              const std::vector<Bytes>& rows) {
    BitmapInfoHeader header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = static_cast<std::uint16_t>(bits);
    header.biClrUsed = static_cast<std::uint32_t>(colours.size());
    Bytes dib(BitmapInfoHeader::kSize + 4 * colours.size());
    header.Write(dib.data());
    WriteColourTable(colours, dib.data() + BitmapInfoHeader::kSize);
    for (Bytes row : rows) {
        row.resize(header.Stride());
        dib.insert(dib.end(), row.begin(), row.end());
    }
    return dib;
}

Pixel At(const CRgbaImage& image, int x, int y) {
    const std::uint8_t* p = image.pixels.data() + 4 * (y * image.width + x);
    return {p[0], p[1], p[2], p[3]};
}

const RgbQuad kRed{0, 0, 255, 0};
const RgbQuad kBlue{255, 0, 0, 0};

TEST(DecodeDib, PalettedRowsOfEveryDepthComeOutTopRowFirst) {
    // 1 bit: 10 pixels wide, so the row spills into a second byte and is padded to 4.
    const Bytes oneBit = MakeDib(10, 2, 1, {kRed, kBlue}, {{0b10000000, 0b01000000}, {0x00, 0x00}});
    const std::optional<CRgbaImage> one = DecodeDib(oneBit);
    ASSERT_TRUE(one);
    EXPECT_EQ(At(*one, 0, 0), (Pixel{255, 0, 0, 255})); // top row is the file's second
    EXPECT_EQ(At(*one, 0, 1), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(At(*one, 1, 1), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(At(*one, 9, 1), (Pixel{0, 0, 255, 255}));
    EXPECT_FALSE(one->hasAlpha);

    // 4 bits, odd width: the last pixel is the high half of its byte.
    const std::optional<CRgbaImage> four =
        DecodeDib(MakeDib(3, 1, 4, {kRed, kBlue}, {{0x10, 0x10}}));
    ASSERT_TRUE(four);
    EXPECT_EQ(At(*four, 0, 0), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(At(*four, 1, 0), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(At(*four, 2, 0), (Pixel{0, 0, 255, 255}));

    // 8 bits, an index past the table: black rather than a read past it.
    const std::optional<CRgbaImage> eight = DecodeDib(MakeDib(2, 1, 8, {kRed}, {{0, 7}}));
    ASSERT_TRUE(eight);
    EXPECT_EQ(At(*eight, 0, 0), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(At(*eight, 1, 0), (Pixel{0, 0, 0, 255}));
}

TEST(DecodeDib, TrueColourKeepsChannelsAndAlpha) {
    const std::optional<CRgbaImage> rgb = DecodeDib(MakeDib(1, 1, 24, {}, {{1, 2, 3}}));
    ASSERT_TRUE(rgb);
    EXPECT_EQ(At(*rgb, 0, 0), (Pixel{3, 2, 1, 255}));
    const std::optional<CRgbaImage> rgba = DecodeDib(MakeDib(1, 1, 32, {}, {{1, 2, 3, 128}}));
    ASSERT_TRUE(rgba);
    EXPECT_EQ(At(*rgba, 0, 0), (Pixel{3, 2, 1, 128}));
    EXPECT_TRUE(rgba->hasAlpha);
}

TEST(DecodeDib, TopDownRowsStayInOrder) {
    Bytes dib = MakeDib(1, 2, 8, {kRed, kBlue}, {{0}, {1}});
    BitmapInfoHeader header = *BitmapInfoHeader::Read(dib);
    header.biHeight = -2;
    header.Write(dib.data());
    const std::optional<CRgbaImage> image = DecodeDib(dib);
    ASSERT_TRUE(image);
    EXPECT_EQ(At(*image, 0, 0), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(At(*image, 0, 1), (Pixel{0, 0, 255, 255}));
}

TEST(DecodeDib, RefusesWhatItCannotHoldWhole) {
    const Bytes whole = MakeDib(5, 3, 24, {}, {{}, {}, {}});
    ASSERT_TRUE(DecodeDib(whole));
    EXPECT_FALSE(DecodeDib(std::span(whole).first(whole.size() - 1)));
    EXPECT_FALSE(DecodeDib(std::span(whole).first(39)));

    for (const int bits : {0, 2, 16}) {
        Bytes odd = whole;
        BitmapInfoHeader header = *BitmapInfoHeader::Read(odd);
        header.biBitCount = static_cast<std::uint16_t>(bits);
        header.Write(odd.data());
        EXPECT_FALSE(DecodeDib(odd)) << bits << " bits";
    }
    Bytes compressed = whole;
    BitmapInfoHeader header = *BitmapInfoHeader::Read(compressed);
    header.biCompression = 1;
    header.Write(compressed.data());
    EXPECT_FALSE(DecodeDib(compressed));
    // A header that claims a huge picture in a few bytes.
    header.biCompression = 0;
    header.biWidth = 1 << 20;
    header.biHeight = 1 << 20;
    header.Write(compressed.data());
    EXPECT_FALSE(DecodeDib(compressed));
}

Bytes ReadFile(const std::string& name) {
    std::ifstream in(std::string(ZR_TEST_DATA_DIR) + "/png/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(DecodeImage, PngFilesOfAnOutsideTool) {
    // scripts/make_test_pngs.py: red 40x+10, green 60y+5, blue 200-30x; alpha 255-100x-50y.
    const std::optional<CRgbaImage> rgb = DecodeImage(EImageFormat::Png, ReadFile("rgb8_3x2.png"));
    ASSERT_TRUE(rgb);
    ASSERT_EQ(rgb->width, 3);
    ASSERT_EQ(rgb->height, 2);
    EXPECT_EQ(At(*rgb, 2, 1), (Pixel{90, 65, 140, 255}));
    const std::optional<CRgbaImage> rgba =
        DecodeImage(EImageFormat::Png, ReadFile("rgba8_2x2.png"));
    ASSERT_TRUE(rgba);
    EXPECT_EQ(At(*rgba, 1, 1), (Pixel{50, 65, 170, 105}));
    EXPECT_TRUE(rgba->hasAlpha);

    const Bytes damaged(20, 0x89);
    EXPECT_FALSE(DecodeImage(EImageFormat::Png, damaged));
    EXPECT_FALSE(DecodeImage(EImageFormat::Png, {}));
}

} // namespace
