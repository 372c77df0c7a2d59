#include "RecordingSurface.h"

#include "core/ImagePixels.h"
#include "core/Utf8.h"

#include <cstdio>

namespace {

std::string Quoted(std::u16string_view text) {
    return "\"" + Utf16ToUtf8(text) + "\"";
}

std::string Point(CPoint point) {
    return std::to_string(point.x) + ", " + std::to_string(point.y);
}

std::string Rect(const CRect& rect) {
    return std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom);
}

std::string Points(std::span<const CPoint> points) {
    std::string text;
    for (const CPoint point : points)
        text += (text.empty() ? "(" : " (") + Point(point) + ")";
    return text;
}

const char* FormatName(EImageFormat format) {
    return format == EImageFormat::Png ? "Png" : "Dib";
}

} // namespace

CRecordingSurface::CRecordingSurface() = default;

void CRecordingSurface::SetFontMetrics(const std::string& face, int points, int height,
                                       int externalLeading) {
    metrics_[{face, points}] = {height, externalLeading, kCharWidth};
}

std::vector<std::string> CRecordingSurface::DrawingCalls() const {
    std::vector<std::string> drawing;
    for (std::size_t i = 0; i < calls_.size(); ++i)
        if (!isQuery_[i])
            drawing.push_back(calls_[i]);
    return drawing;
}

std::string CRecordingSurface::FormatColour(CColour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
    return text;
}

void CRecordingSurface::Record(std::string call) const {
    calls_.push_back(std::move(call));
    isQuery_.push_back(false);
}

void CRecordingSurface::RecordQuery(std::string call) const {
    calls_.push_back(std::move(call));
    isQuery_.push_back(true);
}

CSize CRecordingSurface::GetDotsPerInch() const {
    RecordQuery("GetDotsPerInch()");
    return dpi_;
}

CSize CRecordingSurface::GetPageSize() const {
    RecordQuery("GetPageSize()");
    return page_;
}

// Distinct colours, so that a test tells which one was asked for.
CColour CRecordingSurface::GetSystemColour(ESystemColour colour) const {
    RecordQuery("GetSystemColour(" + std::to_string(static_cast<int>(colour)) + ")");
    switch (colour) {
    case ESystemColour::Window:
        return MakeColour(0xFF, 0xFF, 0xFF);
    case ESystemColour::WindowText:
        return MakeColour(0x00, 0x00, 0x00);
    case ESystemColour::ButtonFace:
        return MakeColour(0xF0, 0xF0, 0xF0);
    case ESystemColour::ButtonShadow:
        return MakeColour(0xA0, 0xA0, 0xA0);
    case ESystemColour::ButtonHighlight:
        return MakeColour(0xFE, 0xFE, 0xFE);
    case ESystemColour::ButtonText:
        return MakeColour(0x01, 0x01, 0x01);
    case ESystemColour::GrayText:
        return MakeColour(0x6D, 0x6D, 0x6D);
    case ESystemColour::Highlight:
        return MakeColour(0x30, 0x60, 0xC0);
    case ESystemColour::HighlightText:
        return MakeColour(0xFD, 0xFD, 0xFD);
    }
    return kBlack;
}

void CRecordingSurface::SetFont(const CFontSpec& font) {
    font_ = font;
    Record("SetFont(\"" + font.face + "\", " + std::to_string(font.points) + ", " +
           std::to_string(font.weight) + (font.italic ? ", italic" : "") +
           (font.greek ? ", greek" : "") + ")");
}

CFontMetrics CRecordingSurface::GetFontMetrics() const {
    RecordQuery("GetFontMetrics()");
    const auto found = metrics_.find({font_.face, font_.points});
    if (found != metrics_.end())
        return found->second;
    return {2 * font_.points, 0, kCharWidth};
}

void CRecordingSurface::SetTextColour(CColour colour) {
    text_ = colour;
    Record("SetTextColour(" + FormatColour(colour) + ")");
}

void CRecordingSurface::SetBackgroundColour(CColour colour) {
    background_ = colour;
    Record("SetBackgroundColour(" + FormatColour(colour) + ")");
}

void CRecordingSurface::SetBackgroundMode(EBackgroundMode mode) {
    mode_ = mode;
    Record(std::string("SetBackgroundMode(") +
           (mode == EBackgroundMode::Opaque ? "Opaque" : "Transparent") + ")");
}

std::vector<int> CRecordingSurface::GetPartialTextExtents(std::u16string_view text) const {
    RecordQuery("GetPartialTextExtents(" + Quoted(text) + ")");
    std::vector<int> extents;
    int width = 0;
    for (const char16_t unit : text) {
        width += unit == u' ' ? kBlankWidth : kCharWidth;
        extents.push_back(width);
    }
    return extents;
}

CSize CRecordingSurface::GetTextExtent(std::u16string_view text) const {
    RecordQuery("GetTextExtent(" + Quoted(text) + ")");
    int width = 0;
    for (const char16_t unit : text)
        width += unit == u' ' ? kBlankWidth : kCharWidth;
    const auto found = metrics_.find({font_.face, font_.points});
    return {width, found != metrics_.end() ? found->second.height : 2 * font_.points};
}

void CRecordingSurface::TextOut(int x, int y, std::u16string_view text) {
    Record("TextOut(" + Point({x, y}) + ", " + Quoted(text) + ")");
}

void CRecordingSurface::SetClip(const CRect& rect) {
    Record("SetClip(" + Rect(rect) + ")");
}

void CRecordingSurface::ResetClip() {
    Record("ResetClip()");
}

void CRecordingSurface::SetPen(const CPenSpec& pen) {
    pen_ = pen;
    Record("SetPen(" + FormatColour(pen.colour) + ", " + std::to_string(pen.width) + ")");
}

void CRecordingSurface::FillRect(const CRect& rect, CColour colour) {
    Record("FillRect(" + Rect(rect) + ", " + FormatColour(colour) + ")");
}

void CRecordingSurface::DrawLine(CPoint from, CPoint to) {
    Record("DrawLine(" + Point(from) + ", " + Point(to) + ")");
}

void CRecordingSurface::DrawPolyline(std::span<const CPoint> points) {
    Record("DrawPolyline(" + Points(points) + ")");
}

void CRecordingSurface::DrawPolygon(std::span<const CPoint> points, CColour fill) {
    Record("DrawPolygon(" + Points(points) + ", " + FormatColour(fill) + ")");
}

bool CRecordingSurface::DrawImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                                  CPoint at) {
    Record(std::string("DrawImage(") + FormatName(format) + ", " + std::to_string(bytes.size()) +
           " bytes, " + Point(at) + ")");
    return DecodeImage(format, bytes).has_value();
}

bool CRecordingSurface::StretchImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                                     const CRect& target) {
    Record(std::string("StretchImage(") + FormatName(format) + ", " + std::to_string(bytes.size()) +
           " bytes, " + Rect(target) + ")");
    return DecodeImage(format, bytes).has_value();
}
