// The details-page parser and comparer of: Article 6ter emblems.
#include "DetailsPageFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return details_fuzz::Fuzz<CDiffA6>(data, size);
}
