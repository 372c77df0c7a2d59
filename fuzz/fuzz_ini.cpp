// Reading and rewriting settings files of any content: rewriting must keep every line it does
// not write, and a stored value must read back as written.
#include "core/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CIniDocument document(text);
    const std::string once = document.Serialise();
    if (CIniDocument(once).Serialise() != once)
        std::abort();

    // The first line names a section, the second a key, the rest is the value.
    const std::size_t firstBreak = text.find('\n');
    const std::size_t secondBreak =
        firstBreak == std::string::npos ? std::string::npos : text.find('\n', firstBreak + 1);
    if (secondBreak == std::string::npos)
        return 0;
    const std::string section = text.substr(0, firstBreak);
    const std::string key = text.substr(firstBreak + 1, secondBreak - firstBreak - 1);
    const std::string value = text.substr(secondBreak + 1);
    if (!document.Set(section, key, value))
        return 0;
    if (CIniDocument(document.Serialise()).Find(section, key) != value)
        std::abort();
    document.Remove(section, key);
    if (CIniDocument(document.Serialise()).Find(section, key).has_value())
        std::abort();
    return 0;
}
