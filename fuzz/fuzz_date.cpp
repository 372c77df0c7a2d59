// Date parsing of record and criteria text.
#include "core/ZrDate.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CZrDate date;
    int position = 0;
    date.Parse(text.c_str(), &position);
    date.Parse(text.c_str());
    date.ParseYmd(text.c_str());
    date.Format();
    return 0;
}
