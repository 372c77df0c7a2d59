#include "core/WString.h"

#include "core/CharRef.h"
#include "core/CodePages.h"

#include <algorithm>

namespace {

constexpr std::size_t kMinCapacity = 64;

std::size_t Clamped(int n, std::size_t length) {
    return n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), length);
}

// Keeps the drawing within the rectangle, when there is one, while it lives.
class CClip {
public:
    CClip(IDrawSurface& surface, const std::optional<CRect>& rect)
        : surface_(rect ? &surface : nullptr) {
        if (surface_)
            surface_->SetClip(*rect);
    }
    ~CClip() {
        if (surface_)
            surface_->ResetClip();
    }
    CClip(const CClip&) = delete;
    CClip& operator=(const CClip&) = delete;

private:
    IDrawSurface* surface_;
};

} // namespace

CWString::CWString() {
    Reserve(kMinCapacity);
}

CWString::CWString(std::string_view text, bool greek) : CWString() {
    Convert(text, greek, nullptr);
}

CWString::CWString(std::u16string_view units) : CWString() {
    Reserve(units.size());
    units_ = units;
}

CWString::CWString(const CWString& other) : CWString(other.View()) {}

CWString& CWString::operator=(const CWString& other) {
    Assign(other);
    return *this;
}

void CWString::SetText(std::string_view text, bool greek, int* position) {
    units_.clear();
    Convert(text, greek, position);
}

void CWString::AppendText(std::string_view text, bool greek) {
    Convert(text, greek, nullptr);
}

void CWString::Assign(const CWString& other) {
    if (this == &other)
        return;
    Reserve(other.units_.size());
    units_ = other.units_;
}

CWString CWString::Left(int n) const {
    return CWString(View().substr(0, Clamped(n, units_.size())));
}

CWString CWString::Right(int n) const {
    const std::size_t count = Clamped(n, units_.size());
    return CWString(View().substr(units_.size() - count));
}

void CWString::Convert(std::string_view text, bool greek, int* position) {
    Reserve(units_.size() + text.size());
    const std::size_t wanted = position && *position > 0 ? static_cast<std::size_t>(*position) : 0;
    bool placed = false;
    for (std::size_t i = 0; i < text.size();) {
        std::uint16_t code = 0;
        std::size_t used = text[i] == '&' ? DecodeCharRef(text.substr(i), code) : 0;
        if (used == 0) {
            code = codepage::ToUtf16(text[i], greek);
            used = 1;
        }
        if (position && !placed && wanted < i + used) {
            *position = static_cast<int>(units_.size());
            placed = true;
        }
        units_ += static_cast<char16_t>(code);
        i += used;
    }
    if (position && !placed)
        *position = static_cast<int>(units_.size());
}

void CWString::Reserve(std::size_t need) {
    if (need > units_.capacity())
        units_.reserve(std::max({need, 2 * units_.capacity(), kMinCapacity}));
}

void CWString::TextOutN(IDrawSurface& surface, int x, int y, int n) const {
    surface.TextOut(x, y, View().substr(0, Clamped(n, units_.size())));
}

void CWString::ExtTextOut(IDrawSurface& surface, int x, int y, unsigned options,
                          const std::optional<CRect>& rect, std::span<const int> spacing) const {
    if (rect && (options & kOpaque))
        surface.FillRect(*rect, surface.GetBackgroundColour());
    const CClip clip(surface, options & kClipped ? rect : std::nullopt);
    const std::size_t spaced = std::min(spacing.size(), units_.size());
    for (std::size_t i = 0; i < spaced; ++i) {
        surface.TextOut(x, y, View().substr(i, 1));
        x += spacing[i];
    }
    if (spaced < units_.size())
        surface.TextOut(x, y, View().substr(spaced));
}

CSize CWString::GetExtent(const IDrawSurface& surface) const {
    return surface.GetTextExtent(View());
}

CSize CWString::GetExtentOf(const IDrawSurface& surface, int n) const {
    return surface.GetTextExtent(View().substr(0, Clamped(n, units_.size())));
}
