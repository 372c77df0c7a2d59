#include "tests/registers/TestRecords.h"

#include "core/Dib.h"
#include "core/TagTokeniser.h"

namespace {

void AppendU32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

CZrData MakeRecord(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
    std::vector<std::uint8_t> bytes{'1', 0, 0, 0, 0};
    for (const auto& [name, text] : fields) {
        bytes.insert(bytes.end(), name.begin(), name.end());
        bytes.push_back(0);
        bytes.push_back(1); // a text field
        const auto length = static_cast<std::uint32_t>(text.size() + 1);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    CZrData record;
    record.Assign(bytes.data(), bytes.size());
    return record;
}

std::string ItemListText(const std::vector<std::vector<std::string>>& items) {
    std::string text;
    for (const auto& item : items)
        for (std::size_t i = 0; i < item.size(); ++i)
            AppendTagged(text, item[i], i == 0 ? '1' : '2');
    return text;
}

std::vector<std::uint8_t> FlagBitmapFile(std::uint32_t width, std::uint32_t colours) {
    constexpr std::uint32_t height = 12;
    // Rows of 4-bit pixels padded to whole 32-bit words.
    const std::uint32_t stride = (width * 4 + 31) / 32 * 4;
    std::vector<std::uint8_t> file{'B', 'M'};
    AppendU32(file, 54 + 4 * colours + stride * height);
    AppendU32(file, 0);
    AppendU32(file, 54 + 4 * colours);
    BitmapInfoHeader header;
    header.biWidth = static_cast<std::int32_t>(width);
    header.biHeight = height;
    header.biBitCount = 4;
    header.biClrUsed = colours;
    file.resize(file.size() + BitmapInfoHeader::kSize);
    header.Write(file.data() + 14);
    for (std::uint32_t i = 0; i < colours; ++i)
        AppendU32(file, i * 0x111111);
    file.resize(file.size() + stride * height, 0x12);
    return file;
}
