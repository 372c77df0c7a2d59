#pragma once
// The program's texts as the windows take them. Record text is 8-bit Western (Windows-1252) or
// Greek (Windows-1253); messages, file names and settings are UTF-8, with Western text standing
// in for bytes that are not.

#include <string>
#include <string_view>
#include <wx/string.h>

// Record text in its code page.
wxString RecordTextToWx(std::string_view text, bool greek);
// Western record text (Windows-1252) of what the user typed; a character without a byte there
// becomes '?'.
std::string WxToRecordText(const wxString& text);
wxString Utf16ToWx(std::u16string_view text);
// UTF-8 when the bytes are, else Western record text.
wxString ToWx(std::string_view text);
// UTF-8.
std::string FromWx(const wxString& text);
