#include "search/StringFinder.h"

#include "core/Latin1.h"

#include <algorithm>
#include <optional>

namespace {

int Bcd(std::int32_t code, int byte) {
    const int value = (static_cast<std::uint32_t>(code) >> (8 * byte)) & 0xFF;
    return (value & 0x0F) + 10 * (value >> 4);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string FormatCode(std::int32_t code) {
    if (code == 0)
        return {};
    const int c2 = Bcd(code, 2);
    const int c1 = Bcd(code, 1);
    const int c0 = Bcd(code, 0);
    if (c0 != 0)
        return std::to_string(c2) + "." + std::to_string(c1) + "." + std::to_string(c0);
    if (c1 != 0)
        return std::to_string(c2) + "." + std::to_string(c1);
    return std::to_string(c2);
}

std::size_t FindAtWordStart(std::string_view text, std::string_view wanted, std::size_t from) {
    if (wanted.empty() || wanted.size() > text.size())
        return std::string_view::npos;
    for (std::size_t at = from; at + wanted.size() <= text.size(); ++at)
        if ((at == 0 || text[at - 1] == ' ') &&
            EqualNoCaseLatin1(text.substr(at, wanted.size()), wanted))
            return at;
    return std::string_view::npos;
}

CStringFinder::CStringFinder(IRemoteFinderFactory& finders, const std::string& text, int mode,
                             const std::string& registerCodes, int pageSize)
    : CStringFinder(finders, text, text, mode, registerCodes, pageSize) {}

CStringFinder::CStringFinder(IRemoteFinderFactory& finders, const std::string& text,
                             const std::string& finderText, int mode,
                             const std::string& registerCodes, int pageSize)
    : merge_(text, mode) {
    for (const char code : registerCodes)
        merge_.AddFinder(code, finders.Create(code, finderText, mode), 0, pageSize);
    merge_.Prime();
}

CFoundString CStringFinder::GetString(int index) {
    CFoundString entry;
    if (!merge_.GetAt(index, entry))
        return {};
    return entry;
}

CStringFinderCode::CStringFinderCode(IRemoteFinderFactory& finders, const std::string& text,
                                     int mode, const std::string& registerCodes, int pageSize)
    : CStringFinder(finders, text, LocateText(finders, text, mode, registerCodes), mode,
                    registerCodes, pageSize) {}

std::string CStringFinderCode::LocateText(IRemoteFinderFactory& finders, const std::string& text,
                                          int mode, const std::string& registerCodes) {
    if ((!text.empty() && IsDigit(text.front())) || registerCodes.size() < 2)
        return text;
    std::optional<std::int32_t> smallest;
    for (const char code : registerCodes) {
        CStringFinderDb probe(code, finders.Create(code, text, mode), CFinderOrder(mode));
        probe.SetPageSize(1);
        const CKeyedString* first = probe.GetAt(0);
        if (first && FindAtWordStart(first->entry.GetText(), text) != std::string_view::npos)
            smallest =
                std::min(smallest.value_or(first->entry.GetCount()), first->entry.GetCount());
        probe.Dispose();
    }
    return FormatCode(smallest.value_or(kFirstCategory));
}
