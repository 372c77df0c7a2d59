// Owner names and addresses as the registers' pages deliver them, and terms as users type them.
#include "core/AddressSplitter.h"
#include "core/GenTerm.h"
#include "core/OwnerName.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class CNoFinders : public CMergedStringSource {
public:
    std::unique_ptr<CMergedStringList> OpenMerge(const std::string&, int, int) override {
        return nullptr;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    NormaliseOwnerName(text, false);
    NormaliseOwnerName(text, true);
    const CAddressSplitter splitter(text);
    CNoFinders finders;
    CGenTerm term;
    term.SetTerm(text, finders);
    return 0;
}
