// Splitting of criteria, lists and macro texts. The first byte chooses the flags, the text up to
// the first newline is the delimiter set, the rest is the text to split.
#include "core/Tokeniser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto newline = input.find('\n');
    const std::string_view delimiters = input.substr(0, newline);
    const std::string_view text =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

    CTokeniser tokeniser(std::string(text), std::string(delimiters), flags & 1);
    tokeniser.SetKeepQuotes(flags & 2);
    tokeniser.SetKeepEscapes(flags & 4);
    while (!tokeniser.AtEnd()) {
        const std::size_t before = tokeniser.GetPosition();
        bool isDelimiter = false;
        const std::string token = tokeniser.NextToken(&isDelimiter);
        // Every token moves on, and stays within the text.
        if (tokeniser.GetPosition() <= before || tokeniser.GetPosition() > text.size())
            __builtin_trap();
        if (isDelimiter && token.size() != 1)
            __builtin_trap();
    }
    if (!tokeniser.NextToken().empty())
        __builtin_trap();
    return 0;
}
