// Records as engines and web pages deliver them, and the list encoding of their values.
#include "core/TagTokeniser.h"
#include "core/ZrData.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Read the value of every field name an entry-shaped input is likely to hold.
const char* const kNames[] = {"WORDMARK", "APPNUM", "PROPS", "DEVCATS", "TXHISTORY", "ICON0", ""};

void ReadEveryWay(const CZrData& record, const char* name) {
    int kind = 0;
    record.GetFieldBytes(name, &kind);
    record.GetField(name);
    record.HasField(name);
    record.GetInt(name);
    std::vector<std::string> strings;
    record.GetStringList(name, strings);
    PairList pairs;
    if (record.GetPairList(name, pairs)) {
        // What is written back reads as the same pairs.
        PairList again;
        ParsePairList(FormatPairList(pairs), again);
        if (again != pairs)
            __builtin_trap();
    }
    std::vector<std::vector<std::string>> items;
    record.GetItemList(name, items);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CZrData record;
    record.Assign(data, size);
    for (const char* name : kNames)
        ReadEveryWay(record, name);
    const CZrData copy = record;
    if (copy.GetBytes().size() != record.GetBytes().size())
        __builtin_trap();

    // The whole input as a list text.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PairList pairs;
    ParsePairList(text, pairs);
    CTagTokeniser tokeniser(text);
    for (std::vector<std::string> parts; tokeniser.GetNextList(parts);) {
    }
    return 0;
}
