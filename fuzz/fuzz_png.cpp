// Mark images from records and engines: every input is tried as PNG bytes and as a packed DIB,
// and what decodes is converted back.
#include "core/Ping.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CPing png;
    png.SetPngData(data, size, 0, 0);
    const std::vector<std::uint8_t> dib = png.ToDib();
    if (!dib.empty())
        png.LoadIconDib(dib.data(), dib.size());

    CPing icon;
    if (icon.LoadIconDib(data, size))
        icon.ToDib();
    return 0;
}
