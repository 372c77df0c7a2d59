// The details-page parser and comparer of: International registrations.
#include "DetailsPageFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return details_fuzz::Fuzz<CDiffIn>(data, size);
}
