#include "core/ui/WxText.h"

#include "core/CodePages.h"
#include "core/DrawSurface.h"
#include "core/Utf8.h"

#include <algorithm>

wxString RecordTextToWx(std::string_view text, bool greek) {
    return Utf16ToWx(RecordTextToUtf16(text, greek));
}

std::string WxToRecordText(const wxString& text) {
    const auto& high = codepage::kWindows1252High;
    std::string bytes;
    bytes.reserve(text.length());
    for (const wxUniChar character : text) {
        const auto value = static_cast<char32_t>(character.GetValue());
        if (value < 128) {
            bytes.push_back(static_cast<char>(value));
            continue;
        }
        const auto found = std::find(high.begin(), high.end(), value);
        bytes.push_back(found != high.end() ? static_cast<char>(128 + (found - high.begin()))
                                            : '?');
    }
    return bytes;
}

wxString Utf16ToWx(std::u16string_view text) {
    const std::string utf8 = Utf16ToUtf8(text);
    return wxString::FromUTF8(utf8.data(), utf8.size());
}

wxString ToWx(std::string_view text) {
    if (IsValidUtf8(text))
        return wxString::FromUTF8(text.data(), text.size());
    return RecordTextToWx(text, false);
}

std::string FromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}
