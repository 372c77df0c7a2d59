// The HTML tokenizer with every accessor of its tokens. The tokens together hold every byte of
// the input in order, and an attribute looked up is the first of that name in the list.
#include "registers/AsciiText.h"
#include "web/HtmlParser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CMemorySource source(input);
    CHtmlParser parser(source);
    std::string joined;
    for (CHtmlToken token; parser.NextToken(token);) {
        joined += token.GetRawText();
        const std::string_view name = token.GetTagName();
        if (token.IsStartTag(name) != (token.GetKind() == CHtmlToken::kStartTag))
            __builtin_trap();
        if (token.GetText().size() > token.GetRawText().size())
            __builtin_trap();
        const NameValuePairs attributes = token.GetAttributes();
        for (const auto& [attribute, value] : attributes) {
            if (attribute.empty())
                __builtin_trap();
            std::string found;
            if (!token.GetAttribute(attribute, &found))
                __builtin_trap();
            for (const auto& [other, otherValue] : attributes)
                if (EqualsNoCase(other, attribute)) {
                    if (found != otherValue)
                        __builtin_trap();
                    break;
                }
        }
    }
    if (joined != input)
        __builtin_trap();
    return 0;
}
