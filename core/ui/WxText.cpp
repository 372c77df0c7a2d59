#include "core/ui/WxText.h"

#include "core/DrawSurface.h"
#include "core/Utf8.h"

wxString RecordTextToWx(std::string_view text, bool greek) {
    return Utf16ToWx(RecordTextToUtf16(text, greek));
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
