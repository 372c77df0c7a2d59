#include "core/ui/WxDrawSurface.h"

#include "core/ImagePixels.h"
#include "core/ui/WxText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <list>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/module.h>
#include <wx/settings.h>

namespace {

wxColour ToWxColour(CColour colour) {
    return wxColour(colour.red, colour.green, colour.blue);
}

CColour FromWxColour(const wxColour& colour) {
    return MakeColour(colour.Red(), colour.Green(), colour.Blue());
}

wxSystemColour ToWxSystemColour(ESystemColour colour) {
    switch (colour) {
    case ESystemColour::Window:
        return wxSYS_COLOUR_WINDOW;
    case ESystemColour::WindowText:
        return wxSYS_COLOUR_WINDOWTEXT;
    case ESystemColour::ButtonFace:
        return wxSYS_COLOUR_BTNFACE;
    case ESystemColour::ButtonShadow:
        return wxSYS_COLOUR_BTNSHADOW;
    case ESystemColour::ButtonHighlight:
        return wxSYS_COLOUR_BTNHIGHLIGHT;
    case ESystemColour::ButtonText:
        return wxSYS_COLOUR_BTNTEXT;
    case ESystemColour::GrayText:
        return wxSYS_COLOUR_GRAYTEXT;
    case ESystemColour::Highlight:
        return wxSYS_COLOUR_HIGHLIGHT;
    case ESystemColour::HighlightText:
        return wxSYS_COLOUR_HIGHLIGHTTEXT;
    }
    return wxSYS_COLOUR_WINDOW;
}

std::vector<wxPoint> ToWxPoints(std::span<const CPoint> points) {
    std::vector<wxPoint> out;
    out.reserve(points.size());
    for (const CPoint point : points)
        out.emplace_back(point.x, point.y);
    return out;
}

std::optional<wxBitmap> DecodeBitmap(EImageFormat format, std::span<const std::uint8_t> bytes,
                                     wxSize size) {
    std::optional<CRgbaImage> decoded = DecodeImage(format, bytes);
    if (!decoded)
        return std::nullopt;
    const std::size_t pixelCount = decoded->pixels.size() / 4;
    // wxImage takes malloc'ed buffers and frees them itself.
    auto* rgb = static_cast<unsigned char*>(std::malloc(pixelCount * 3));
    auto* alpha =
        decoded->hasAlpha ? static_cast<unsigned char*>(std::malloc(pixelCount)) : nullptr;
    for (std::size_t i = 0; i < pixelCount; ++i) {
        std::memcpy(rgb + 3 * i, decoded->pixels.data() + 4 * i, 3);
        if (alpha)
            alpha[i] = decoded->pixels[4 * i + 3];
    }
    wxImage image(decoded->width, decoded->height, rgb, false);
    if (alpha)
        image.SetAlpha(alpha, false);
    if (size != wxDefaultSize && size != image.GetSize())
        image.Rescale(size.GetWidth(), size.GetHeight(), wxIMAGE_QUALITY_NORMAL);
    return wxBitmap(image);
}

// Rows draw the same flags and icons on every paint: the bitmaps last made, by the image's bytes
// and the size drawn, most recent first.
class CBitmapCache {
public:
    static constexpr std::size_t kCapacity = 256;

    std::optional<wxBitmap> Get(EImageFormat format, std::span<const std::uint8_t> bytes,
                                wxSize size) {
        Key key{format, size.GetWidth(), size.GetHeight(), {bytes.begin(), bytes.end()}};
        if (const auto found = index_.find(key); found != index_.end()) {
            entries_.splice(entries_.begin(), entries_, found->second);
            return found->second->second;
        }
        std::optional<wxBitmap> bitmap = DecodeBitmap(format, bytes, size);
        if (!bitmap)
            return std::nullopt;
        entries_.emplace_front(std::move(key), *bitmap);
        index_.emplace(entries_.front().first, entries_.begin());
        if (entries_.size() > kCapacity) {
            index_.erase(entries_.back().first);
            entries_.pop_back();
        }
        return bitmap;
    }
    void Clear() {
        index_.clear();
        entries_.clear();
    }

private:
    struct Key {
        EImageFormat format;
        int width;
        int height;
        std::string bytes;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const {
            return std::hash<std::string>()(key.bytes) ^
                   (static_cast<std::size_t>(key.width) << 16) ^
                   static_cast<std::size_t>(key.height) ^ static_cast<std::size_t>(key.format);
        }
    };
    using Entries = std::list<std::pair<Key, wxBitmap>>;
    Entries entries_;
    std::unordered_map<Key, Entries::iterator, KeyHash> index_;
};

// The cache lives with the toolkit: made as it starts and gone as it ends, so that no bitmap
// outlives it, whatever order a program's statics (one may hold the toolkit) are destroyed in.
class CBitmapCacheModule : public wxModule {
public:
    bool OnInit() override {
        running_ = this;
        return true;
    }
    void OnExit() override {
        running_ = nullptr;
        cache_.Clear();
    }

    // The cache of the running toolkit; null while none runs.
    static CBitmapCache* Running() { return running_ ? &running_->cache_ : nullptr; }

private:
    static inline CBitmapCacheModule* running_ = nullptr;
    CBitmapCache cache_;

    wxDECLARE_DYNAMIC_CLASS(CBitmapCacheModule);
};

// A memory context measures only with a bitmap selected.
struct CMeasuringContext {
    wxBitmap bitmap{1, 1};
    wxMemoryDC dc{bitmap};
};

class CMeasuringSurface : private CMeasuringContext, public CWxDrawSurface {
public:
    explicit CMeasuringSurface(const wxFont& font) : CWxDrawSurface((dc.SetFont(font), dc)) {}
};

} // namespace

wxIMPLEMENT_DYNAMIC_CLASS(CBitmapCacheModule, wxModule);

std::optional<wxBitmap> ImageToBitmap(EImageFormat format, std::span<const std::uint8_t> bytes,
                                      wxSize size) {
    if (CBitmapCache* cache = CBitmapCacheModule::Running())
        return cache->Get(format, bytes, size);
    return DecodeBitmap(format, bytes, size);
}

std::unique_ptr<IDrawSurface> MakeMeasuringSurface(const wxFont& font) {
    return std::make_unique<CMeasuringSurface>(font);
}

CWxDrawSurface::CWxDrawSurface(wxDC& dc, double fontScale) : dc_(dc), fontScale_(fontScale) {
    const wxFont current = dc_.GetFont().IsOk() ? dc_.GetFont() : *wxNORMAL_FONT;
    font_.face = FromWx(current.GetFaceName());
    // The context's font is already at the surface's scale.
    font_.points =
        std::max(1, static_cast<int>(std::lround(current.GetFractionalPointSize() / fontScale_)));
    font_.weight = current.GetNumericWeight();
    font_.italic = current.GetStyle() == wxFONTSTYLE_ITALIC;
    SetFont(font_);
    SetTextColour(text_);
    SetBackgroundColour(background_);
    SetBackgroundMode(mode_);
    SetPen(pen_);
}

CSize CWxDrawSurface::GetDotsPerInch() const {
    const wxSize ppi = dc_.GetPPI();
    return {ppi.GetWidth(), ppi.GetHeight()};
}

CSize CWxDrawSurface::GetPageSize() const {
    const wxSize size = dc_.GetSize();
    return {size.GetWidth(), size.GetHeight()};
}

CColour CWxDrawSurface::GetSystemColour(ESystemColour colour) const {
    return FromWxColour(wxSystemSettings::GetColour(ToWxSystemColour(colour)));
}

const wxFont& CWxDrawSurface::FontOf(const CFontSpec& spec) {
    const auto key = std::make_tuple(spec.face, spec.points, spec.weight, spec.italic, spec.greek);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        // Text reaches the context as Unicode, so the Greek character set needs no font of its
        // own here.
        wxFontInfo info(spec.points * fontScale_);
        info.FaceName(ToWx(spec.face)).Weight(spec.weight).Italic(spec.italic);
        found = fonts_.emplace(key, wxFont(info)).first;
    }
    return found->second;
}

void CWxDrawSurface::SetFont(const CFontSpec& font) {
    font_ = font;
    dc_.SetFont(FontOf(font));
}

CFontMetrics CWxDrawSurface::GetFontMetrics() const {
    const wxFontMetrics metrics = dc_.GetFontMetrics();
    return {metrics.height, metrics.externalLeading, metrics.averageWidth};
}

void CWxDrawSurface::SetTextColour(CColour colour) {
    text_ = colour;
    dc_.SetTextForeground(ToWxColour(colour));
}

void CWxDrawSurface::SetBackgroundColour(CColour colour) {
    background_ = colour;
    dc_.SetTextBackground(ToWxColour(colour));
}

void CWxDrawSurface::SetBackgroundMode(EBackgroundMode mode) {
    mode_ = mode;
    dc_.SetBackgroundMode(mode == EBackgroundMode::Opaque ? wxBRUSHSTYLE_SOLID
                                                          : wxBRUSHSTYLE_TRANSPARENT);
}

CSize CWxDrawSurface::GetTextExtent(std::u16string_view text) const {
    const wxSize size = dc_.GetTextExtent(Utf16ToWx(text));
    return {size.GetWidth(), size.GetHeight()};
}

std::vector<int> CWxDrawSurface::GetPartialTextExtents(std::u16string_view text) const {
    // The context measures characters; both units of a surrogate pair end where their
    // character does.
    wxArrayInt widths;
    dc_.GetPartialTextExtents(Utf16ToWx(text), widths);
    std::vector<int> extents;
    extents.reserve(text.size());
    std::size_t character = 0;
    for (std::size_t unit = 0; unit < text.size(); ++unit) {
        const bool pairStart = text[unit] >= 0xD800 && text[unit] < 0xDC00 &&
                               unit + 1 < text.size() && text[unit + 1] >= 0xDC00 &&
                               text[unit + 1] < 0xE000;
        const int width = character < widths.size() ? widths[character]
                          : extents.empty()         ? 0
                                                    : extents.back();
        extents.push_back(width);
        if (pairStart) {
            extents.push_back(width);
            ++unit;
        }
        ++character;
    }
    return extents;
}

void CWxDrawSurface::TextOut(int x, int y, std::u16string_view text) {
    dc_.DrawText(Utf16ToWx(text), x, y);
}

void CWxDrawSurface::SetClip(const CRect& rect) {
    // A context intersects a new region with the one it has.
    dc_.DestroyClippingRegion();
    dc_.SetClippingRegion(rect.left, rect.top, rect.Width(), rect.Height());
}

void CWxDrawSurface::ResetClip() {
    dc_.DestroyClippingRegion();
}

void CWxDrawSurface::SetPen(const CPenSpec& pen) {
    pen_ = pen;
    dc_.SetPen(wxPen(ToWxColour(pen.colour), pen.width));
}

void CWxDrawSurface::FillRect(const CRect& rect, CColour colour) {
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.SetBrush(wxBrush(ToWxColour(colour)));
    dc_.DrawRectangle(rect.left, rect.top, rect.Width(), rect.Height());
    dc_.SetPen(wxPen(ToWxColour(pen_.colour), pen_.width));
}

void CWxDrawSurface::DrawLine(CPoint from, CPoint to) {
    dc_.DrawLine(from.x, from.y, to.x, to.y);
}

void CWxDrawSurface::DrawPolyline(std::span<const CPoint> points) {
    std::vector<wxPoint> wxPoints = ToWxPoints(points);
    if (!wxPoints.empty())
        dc_.DrawLines(static_cast<int>(wxPoints.size()), wxPoints.data());
}

void CWxDrawSurface::DrawPolygon(std::span<const CPoint> points, CColour fill) {
    std::vector<wxPoint> wxPoints = ToWxPoints(points);
    if (wxPoints.empty())
        return;
    dc_.SetBrush(wxBrush(ToWxColour(fill)));
    dc_.DrawPolygon(static_cast<int>(wxPoints.size()), wxPoints.data());
}

bool CWxDrawSurface::DrawImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                               CPoint at) {
    const std::optional<wxBitmap> bitmap = ImageToBitmap(format, bytes);
    if (!bitmap)
        return false;
    dc_.DrawBitmap(*bitmap, at.x, at.y, true);
    return true;
}

bool CWxDrawSurface::StretchImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                                  const CRect& target) {
    if (target.Width() < 1 || target.Height() < 1)
        return false;
    const std::optional<wxBitmap> bitmap =
        ImageToBitmap(format, bytes, wxSize(target.Width(), target.Height()));
    if (!bitmap)
        return false;
    dc_.DrawBitmap(*bitmap, target.left, target.top, true);
    return true;
}
