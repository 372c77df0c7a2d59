#include "core/Ping.h"

#include "core/Buffer.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>

void PrintTo(const RgbQuad& c, std::ostream* out) {
    *out << '(' << int(c.rgbRed) << ',' << int(c.rgbGreen) << ',' << int(c.rgbBlue) << ','
         << int(c.rgbReserved) << ')';
}

namespace {

using Pattern = std::function<RgbQuad(int x, int y)>;

RgbQuad Rgb(int red, int green, int blue, int alpha = 0) {
    return {static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green),
            static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(alpha)};
}
RgbQuad Grey(int level) {
    return Rgb(level, level, level);
}

// The pixel patterns the files of tests/data/png were made from (scripts/make_test_pngs.py).
RgbQuad Grey1(int x, int y) {
    return Grey((x + y) % 3 == 0 ? 255 : 0);
}
RgbQuad Grey2(int x, int y) {
    return Grey(85 * ((x + y) % 4));
}
RgbQuad Grey8(int x, int y) {
    return Grey(28 * x + y);
}
RgbQuad FourColours(int x, int y) {
    const RgbQuad colours[] = {Rgb(255, 0, 0), Rgb(0, 128, 0), Rgb(0, 0, 255), Rgb(255, 255, 0)};
    return colours[(x + 2 * y) % 4];
}
RgbQuad Colour(int x, int y) {
    return Rgb(40 * x + 10, 60 * y + 5, 200 - 30 * x);
}
int Alpha(int x, int y) {
    return 255 - 100 * x - 50 * y;
}
RgbQuad ColourAlpha(int x, int y) {
    return Rgb(40 * x + 10, 60 * y + 5, 200 - 30 * x, Alpha(x, y));
}
RgbQuad GreyAlpha(int x, int y) {
    const int level = 28 * x + y;
    return Rgb(level, level, level, Alpha(x, y));
}

// Reads a packed DIB the way a window would draw it.
class DibReader {
public:
    explicit DibReader(const std::vector<std::uint8_t>& dib) : dib_(dib) {
        header_ = BitmapInfoHeader::Read(dib).value_or(BitmapInfoHeader{});
        colours_ = ReadColourTable(std::span(dib).subspan(header_.biSize), header_.biClrUsed);
        pixels_ = header_.biSize + 4 * colours_.size();
    }
    const BitmapInfoHeader& Header() const { return header_; }
    const std::vector<RgbQuad>& Colours() const { return colours_; }

    RgbQuad At(int x, int y) const {
        const std::uint8_t* row =
            dib_.data() + pixels_ + (header_.biHeight - 1 - y) * header_.Stride();
        switch (header_.biBitCount) {
        case 1:
            return colours_.at((row[x / 8] >> (7 - x % 8)) & 1);
        case 4:
            return colours_.at((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
        case 8:
            return colours_.at(row[x]);
        case 24:
            return {row[3 * x], row[3 * x + 1], row[3 * x + 2], 0};
        default:
            return {row[4 * x], row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]};
        }
    }

private:
    const std::vector<std::uint8_t>& dib_;
    BitmapInfoHeader header_;
    std::vector<RgbQuad> colours_;
    std::size_t pixels_ = 0;
};

CPing PingOfFile(const std::string& name) {
    CBuffer file;
    EXPECT_TRUE(file.LoadFile(std::string(ZR_TEST_DATA_DIR) + "/png/" + name)) << name;
    CPing ping;
    ping.SetPngData(file.GetData(), file.GetLength(), 0, 0);
    return ping;
}

CPing PingOfBytes(const std::vector<std::uint8_t>& png) {
    CPing ping;
    ping.SetPngData(png.data(), png.size(), 0, 0);
    return ping;
}

std::vector<std::uint8_t> PngOf(CPing& ping) {
    std::size_t length = 0;
    const std::uint8_t* data = ping.GetPngData(length);
    return {data, data + length};
}

void ExpectPicture(const std::vector<std::uint8_t>& dib, int width, int height,
                   const Pattern& pattern) {
    const DibReader reader(dib);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(reader.At(x, y), pattern(x, y)) << x << ',' << y;
}

void ExpectSoundHeader(const std::vector<std::uint8_t>& dib, int width, int height) {
    const BitmapInfoHeader header = DibReader(dib).Header();
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, width);
    EXPECT_EQ(header.biHeight, height);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biCompression, 0u);
    EXPECT_EQ(header.biSizeImage, header.Stride() * height);
    EXPECT_EQ(header.biClrImportant, header.biClrUsed);
    EXPECT_EQ(dib.size(), 40 + 4 * header.biClrUsed + header.biSizeImage);
}

// A bottom-up DIB of the given depth and colours whose pixel (x, y) holds index(x, y).
std::vector<std::uint8_t> MakeDib(int width, int height, int bits,
                                  const std::vector<RgbQuad>& colours,
                                  const std::function<int(int, int)>& index) {
    BitmapInfoHeader header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = static_cast<std::uint16_t>(bits);
    header.biSizeImage = static_cast<std::uint32_t>(header.Stride() * height);
    header.biClrUsed = header.biClrImportant = static_cast<std::uint32_t>(colours.size());
    std::vector<std::uint8_t> dib(40 + 4 * colours.size() + header.biSizeImage);
    header.Write(dib.data());
    WriteColourTable(colours, dib.data() + 40);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row =
            dib.data() + 40 + 4 * colours.size() + (height - 1 - y) * header.Stride();
        for (int x = 0; x < width; ++x) {
            const int bit = x * bits;
            row[bit / 8] |= static_cast<std::uint8_t>(index(x, y) << (8 - bits - bit % 8));
        }
    }
    return dib;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t length) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A PNG of nothing but a header claiming the given size, and an end chunk.
std::vector<std::uint8_t> HeaderOnlyPng(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto chunk = [&png](const char* type, const std::vector<std::uint8_t>& data) {
        PutBig32(png, static_cast<std::uint32_t>(data.size()));
        const std::size_t start = png.size();
        png.insert(png.end(), type, type + 4);
        png.insert(png.end(), data.begin(), data.end());
        PutBig32(png, Crc32(png.data() + start, png.size() - start));
    };
    std::vector<std::uint8_t> ihdr;
    PutBig32(ihdr, width);
    PutBig32(ihdr, height);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, no interlace
    chunk("IHDR", ihdr);
    chunk("IEND", {});
    return png;
}

struct PngFile {
    const char* name;
    int width;
    int height;
    Pattern pattern;
    int dibBits;
    std::uint32_t dibColours;
};

const PngFile kPngFiles[] = {
    {"grey1_10x3.png", 10, 3, Grey1, 1, 2},
    {"grey2_5x2.png", 5, 2, Grey2, 8, 256},
    {"grey8_interlaced_9x9.png", 9, 9, Grey8, 8, 256},
    {"palette2_5x4.png", 5, 4, FourColours, 8, 4},
    {"palette8_6x3.png", 6, 3, FourColours, 8, 4},
    {"rgb8_3x2.png", 3, 2, Colour, 24, 0},
    {"rgb16_interlaced_5x5.png", 5, 5, Colour, 24, 0},
    {"rgba8_2x2.png", 2, 2, ColourAlpha, 32, 0},
    {"greyalpha8_2x2.png", 2, 2, GreyAlpha, 32, 0},
};

} // namespace

TEST(Ping, FilesOfAnotherToolBecomeSoundDibs) {
    for (const PngFile& file : kPngFiles) {
        SCOPED_TRACE(file.name);
        CPing ping = PingOfFile(file.name);
        const std::vector<std::uint8_t> dib = ping.ToDib();
        ASSERT_FALSE(dib.empty());
        EXPECT_EQ(ping.GetWidth(), std::uint32_t(file.width));
        EXPECT_EQ(ping.GetHeight(), std::uint32_t(file.height));
        ExpectSoundHeader(dib, file.width, file.height);
        EXPECT_EQ(DibReader(dib).Header().biBitCount, file.dibBits);
        EXPECT_EQ(DibReader(dib).Header().biClrUsed, file.dibColours);
        ExpectPicture(dib, file.width, file.height, file.pattern);
    }
}

TEST(Ping, OneBitGreyTenByThreeIsSixtyBytes) {
    const std::vector<std::uint8_t> dib = PingOfFile("grey1_10x3.png").ToDib();
    ASSERT_EQ(dib.size(), 60u);
    const DibReader reader(dib);
    EXPECT_EQ(reader.Header().Stride(), 4u);
    EXPECT_EQ(reader.Colours(), (std::vector<RgbQuad>{Grey(0), Grey(255)}));
}

TEST(Ping, DibsOfPngsEncodeBackToTheSameDib) {
    for (const char* name : {"grey1_10x3.png", "grey2_5x2.png", "grey8_interlaced_9x9.png",
                             "palette2_5x4.png", "palette8_6x3.png"}) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> dib = PingOfFile(name).ToDib();
        CPing encoded;
        ASSERT_TRUE(encoded.LoadIconDib(dib.data(), dib.size()));
        EXPECT_EQ(PingOfBytes(PngOf(encoded)).ToDib(), dib);
    }
}

TEST(Ping, FourBitIconRoundTripsThroughLibpng) {
    std::vector<RgbQuad> colours;
    for (int i = 0; i < 16; ++i)
        colours.push_back(Rgb(16 * i, 255 - 16 * i, i % 2 ? 200 : 30));
    const auto index = [](int x, int y) { return (3 * x + 5 * y) % 16; };
    const std::vector<std::uint8_t> icon = MakeDib(7, 5, 4, colours, index);

    CPing ping;
    ASSERT_TRUE(ping.LoadIconDib(icon.data(), icon.size()));
    EXPECT_EQ(ping.GetBitDepth(), 4);
    const std::vector<std::uint8_t> dib = ping.ToDib();
    EXPECT_EQ(dib, icon);
}

TEST(Ping, PixelsAreFoundAfterTheColourTableTheHeaderStates) {
    const std::vector<RgbQuad> colours = {Rgb(1, 2, 3), Rgb(200, 100, 50), Rgb(9, 8, 7)};
    const auto index = [](int x, int y) { return (x + y) % 3; };
    const std::vector<std::uint8_t> icon = MakeDib(6, 4, 4, colours, index);
    CPing ping;
    ASSERT_TRUE(ping.LoadIconDib(icon.data(), icon.size()));
    ExpectPicture(ping.ToDib(), 6, 4, [&](int x, int y) { return colours[index(x, y)]; });

    // No colour count: an 8-bit table has all 256 entries.
    std::vector<RgbQuad> full(256);
    for (int i = 0; i < 256; ++i)
        full[i] = Rgb(i, 255 - i, i / 2);
    std::vector<std::uint8_t> eightBit =
        MakeDib(3, 3, 8, full, [](int x, int y) { return 90 * x + y; });
    eightBit[32] = eightBit[36] = 0; // biClrUsed, biClrImportant
    ASSERT_TRUE(ping.LoadIconDib(eightBit.data(), eightBit.size()));
    ExpectPicture(ping.ToDib(), 3, 3, [&](int x, int y) { return full[90 * x + y]; });
}

TEST(Ping, GreyDibsKeepTheirPictureWhicheverColourComesFirst) {
    const auto index = [](int x, int y) { return (x * y) % 2; };
    for (const auto& colours :
         {std::vector<RgbQuad>{Grey(0), Grey(255)}, std::vector<RgbQuad>{Grey(255), Grey(0)}}) {
        const std::vector<std::uint8_t> icon = MakeDib(9, 2, 1, colours, index);
        CPing ping;
        ASSERT_TRUE(ping.LoadIconDib(icon.data(), icon.size()));
        EXPECT_EQ(ping.GetColourType(), 0); // greyscale
        ExpectPicture(ping.ToDib(), 9, 2, [&](int x, int y) { return colours[index(x, y)]; });
    }
}

TEST(Ping, DamagedDibsAreRefused) {
    const std::vector<RgbQuad> colours(16, Grey(7));
    const std::vector<std::uint8_t> good = MakeDib(5, 3, 4, colours, [](int, int) { return 1; });
    CPing ping;
    ASSERT_TRUE(ping.LoadIconDib(good.data(), good.size()));

    const auto refused = [&](std::vector<std::uint8_t> dib, std::size_t length) {
        CPing probe;
        const bool loaded = probe.LoadIconDib(dib.data(), length);
        std::size_t pngLength = 1;
        probe.GetPngData(pngLength);
        return !loaded && pngLength == 0;
    };
    const auto patched = [&](std::size_t offset, std::uint32_t value) {
        std::vector<std::uint8_t> dib = good;
        for (int i = 0; i < 4; ++i)
            dib[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
        return dib;
    };
    EXPECT_FALSE(ping.LoadIconDib(nullptr, 100));
    EXPECT_TRUE(refused(good, good.size() - 1));
    EXPECT_TRUE(refused(good, 39));
    EXPECT_TRUE(refused(good, 100));                           // inside the colour table
    EXPECT_TRUE(refused(patched(0, 39), good.size()));         // biSize too small
    EXPECT_TRUE(refused(patched(0, 5000), good.size()));       // biSize past the end
    EXPECT_TRUE(refused(patched(4, 0), good.size()));          // no width
    EXPECT_TRUE(refused(patched(8, 0), good.size()));          // no height: nothing to divide by
    EXPECT_TRUE(refused(patched(8, 0xFFFFFFFD), good.size())); // top-down
    EXPECT_TRUE(refused(patched(4, 0x7FFFFFFF), good.size())); // rows far past the end
    EXPECT_TRUE(refused(patched(8, 0x7FFFFFFF), good.size()));
    EXPECT_TRUE(refused(patched(16, 1), good.size()));   // compressed
    EXPECT_TRUE(refused(patched(32, 300), good.size())); // colour table too long
    EXPECT_TRUE(refused(patched(32, 0xFFFFFFFF), good.size()));
    std::vector<std::uint8_t> twoBit = good;
    twoBit[14] = 2;
    EXPECT_TRUE(refused(twoBit, twoBit.size()));
    const std::vector<std::uint8_t> trueColour = PingOfFile("rgb8_3x2.png").ToDib();
    EXPECT_TRUE(refused(trueColour, trueColour.size()));
}

TEST(Ping, DamagedPngsGiveNoDib) {
    CBuffer file;
    ASSERT_TRUE(file.LoadFile(std::string(ZR_TEST_DATA_DIR) + "/png/palette8_6x3.png"));
    const std::vector<std::uint8_t> png(file.GetData(), file.GetData() + file.GetLength());
    for (std::size_t length = 0; length < png.size(); ++length) {
        CPing ping;
        ping.SetPngData(png.data(), length, 0, 0);
        EXPECT_TRUE(ping.ToDib().empty()) << length;
    }
    std::vector<std::uint8_t> corrupt = png;
    corrupt[png.size() - 20] ^= 0x55; // inside the image data, so its check sum fails
    EXPECT_TRUE(PingOfBytes(corrupt).ToDib().empty());

    EXPECT_TRUE(PingOfBytes(HeaderOnlyPng(60000, 60000)).ToDib().empty());
    EXPECT_TRUE(PingOfBytes(HeaderOnlyPng(0, 5)).ToDib().empty());
    EXPECT_TRUE(PingOfBytes(HeaderOnlyPng(4, 4)).ToDib().empty()); // no image data
}

TEST(Ping, PngDataIsKeptAsGiven) {
    const std::uint8_t bytes[] = {1, 2, 3};
    CPing ping;
    ASSERT_TRUE(ping.SetPngData(bytes, sizeof bytes, 30, 20));
    EXPECT_EQ(ping.GetWidth(), 30u);
    EXPECT_EQ(ping.GetHeight(), 20u);
    EXPECT_EQ(PngOf(ping), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(ping.ToDib().empty());
}
