#include "core/FoundString.h"

namespace {

constexpr std::string_view kBuiltInOrder = "aucsidefptnko";

} // namespace

void CFoundString::AddCodes(const CFoundString& other) {
    const std::string both = codes_ + other.codes_;
    std::string merged;
    for (char code : kBuiltInOrder)
        if (both.find(code) != std::string::npos)
            merged += code;
    for (char code : both)
        if (kBuiltInOrder.find(code) == std::string_view::npos &&
            merged.find(code) == std::string::npos)
            merged += code;
    codes_ = std::move(merged);
}

void CFoundString::Prepend(std::string_view prefix) {
    text_.insert(0, prefix);
    position_ += static_cast<int>(prefix.size());
}
