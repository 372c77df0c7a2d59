#include "tests/registers/TestRecords.h"

#include "core/TagTokeniser.h"

#include <cstdint>

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
