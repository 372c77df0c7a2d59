// URLs and text encodings: splitting and resolving URLs, urlencoding, query strings, character
// references, response header scans and the UTF-8 conversion. The input is cut at its first two
// newlines into a base URL, a link and the rest.
#include "core/CharRef.h"
#include "web/CurlTransport.h"
#include "web/HeaderScan.h"
#include "web/HtmlUrl.h"
#include "web/TextEncoding.h"
#include "web/UrlCoding.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool HasControlByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 32; });
}

std::string_view NextLine(std::string_view& text) {
    const std::size_t newline = text.find('\n');
    const std::string_view line = text.substr(0, newline);
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view whole = input;
    const std::string_view baseText = NextLine(input);
    const std::string_view link = NextLine(input);

    const CHtmlUrl base(baseText);
    CHtmlUrl url(link, &base);
    url.AddParam(link, baseText);
    // A link resolved against a web address reads back as an address of the same scheme.
    if (base.IsWeb() && CHtmlUrl(url.ToString()).GetScheme() != url.GetScheme())
        __builtin_trap();
    const CHtmlUrl web = ResolveWebUrl(link, base);
    if (!web.IsWeb() && web.ToString() != "/")
        __builtin_trap();
    const std::string escaped = EscapeUnsafeUrlBytes(url.ToString());
    if (std::any_of(escaped.begin(), escaped.end(),
                    [](char c) { return static_cast<unsigned char>(c) <= 0x20; }))
        __builtin_trap();

    if (!HasControlByte(whole) && UrlDecode(UrlEncode(whole)) != whole)
        __builtin_trap();
    if (HasControlByte(UrlDecode(whole)))
        __builtin_trap();
    for (const auto& [name, value] : ParseQuery(whole))
        if (name.empty())
            __builtin_trap();
    std::string value;
    GetUrlParam(whole, link, value);
    EncodePathValue(whole, true);

    if (DecodeCharRefs(whole).size() > whole.size())
        __builtin_trap();
    ScanHeader(whole, link);
    ScanSetCookies(whole);
    CharsetOfContentType(baseText);
    PageTextOfBody(std::string(whole), baseText);
    if (Utf8ToWindows1252(whole).size() > whole.size() * 4)
        __builtin_trap();
    return 0;
}
