#include "app/details/ui/DetailsImageView.h"

#include "core/ui/WxDrawSurface.h"

#include <wx/dcbuffer.h>
#include <wx/scrolbar.h>
#include <wx/settings.h>

namespace {

std::optional<wxBitmap> BitmapOf(const CPing* png) {
    if (!png)
        return std::nullopt;
    std::size_t length = 0;
    const std::uint8_t* bytes = png->GetPngData(length);
    return ImageToBitmap(EImageFormat::Png, {bytes, length});
}

wxRect ToWxRect(const CRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

void DrawCentred(wxDC& dc, const wxString& text, const wxRect& rect) {
    dc.DrawLabel(text, rect, wxALIGN_CENTER);
}

void DrawCentred(wxDC& dc, const wxBitmap& bitmap, const wxRect& rect) {
    dc.DrawBitmap(bitmap, rect.x + (rect.width - bitmap.GetWidth()) / 2,
                  rect.y + (rect.height - bitmap.GetHeight()) / 2, true);
}

EStripScroll StripScrollOf(wxEventType type) {
    if (type == wxEVT_SCROLL_LINEUP)
        return EStripScroll::LineLeft;
    if (type == wxEVT_SCROLL_LINEDOWN)
        return EStripScroll::LineRight;
    if (type == wxEVT_SCROLL_PAGEUP)
        return EStripScroll::PageLeft;
    if (type == wxEVT_SCROLL_PAGEDOWN)
        return EStripScroll::PageRight;
    if (type == wxEVT_SCROLL_TOP)
        return EStripScroll::LeftEdge;
    if (type == wxEVT_SCROLL_BOTTOM)
        return EStripScroll::RightEdge;
    return EStripScroll::Thumb;
}

} // namespace

CDetailsImageView::CDetailsImageView(wxWindow* parent, wxWindowID id, IMarkImages& images)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE, "Image"),
      pane_(images), scrollBar_(new wxScrollBar(this, kScrollBarId, wxDefaultPosition,
                                                wxDefaultSize, wxSB_HORIZONTAL)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    scrollBar_->Hide();
    Bind(wxEVT_PAINT, &CDetailsImageView::OnPaint, this);
    Bind(wxEVT_SIZE, &CDetailsImageView::OnSize, this);
    Bind(wxEVT_LEFT_DOWN, &CDetailsImageView::OnLeftDown, this);
    for (const auto& type : {wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP,
                             wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK,
                             wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM})
        scrollBar_->Bind(type, &CDetailsImageView::OnScroll, this);
}

void CDetailsImageView::ShowMark(const CMark& mark) {
    pane_.ShowMark(mark);
    TakeImages();
    LayOutScrollBar();
    Refresh();
}

void CDetailsImageView::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.Clear();
    const wxSize client = GetClientSize();
    if (client.x <= 0 || client.y <= 0)
        return;
    dc.SetFont(GetFont());
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    if (pane_.GetImageCount() == 0) {
        DrawCentred(dc, "No device associated with Mark", wxRect(client));
        return;
    }
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    for (const CImagePane::CStripCell& cell : pane_.GetStripCells()) {
        dc.SetPen(cell.selected ? *wxRED_PEN
                                : wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)));
        dc.DrawRectangle(ToWxRect(cell.outline));
        if (const auto& thumbnail = thumbnails_[static_cast<std::size_t>(cell.index)])
            DrawCentred(dc, *thumbnail, ToWxRect(cell.outline.Deflated(3, 3)));
    }
    const wxRect imageRect = ToWxRect(pane_.GetImageRect());
    if (image_)
        DrawCentred(dc, *image_, imageRect);
    else
        DrawCentred(dc, "Device is not available", imageRect);
}

void CDetailsImageView::OnSize(wxSizeEvent& event) {
    const wxSize client = GetClientSize();
    pane_.SetClientSize({client.x, client.y}, wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this));
    TakeImages();
    LayOutScrollBar();
    Refresh();
    event.Skip();
}

void CDetailsImageView::OnLeftDown(wxMouseEvent& event) {
    if (pane_.Click({event.GetX(), event.GetY()})) {
        TakeImages();
        Refresh();
    }
    event.Skip();
}

void CDetailsImageView::OnScroll(wxScrollEvent& event) {
    if (pane_.Scroll(StripScrollOf(event.GetEventType()), event.GetPosition())) {
        scrollBar_->SetThumbPosition(pane_.GetFirstVisible());
        Refresh();
    }
    event.Skip();
}

void CDetailsImageView::TakeImages() {
    if (generation_ == pane_.GetGeneration())
        return;
    generation_ = pane_.GetGeneration();
    thumbnails_.clear();
    for (int i = 0; i < pane_.GetImageCount(); ++i)
        thumbnails_.push_back(BitmapOf(pane_.GetThumbnail(i)));
    image_ = BitmapOf(pane_.GetImage());
}

void CDetailsImageView::LayOutScrollBar() {
    const CRect bar = pane_.GetScrollBarRect();
    scrollBar_->Show(bar.Height() > 0);
    if (bar.Height() <= 0)
        return;
    scrollBar_->SetSize(ToWxRect(bar));
    const int visible = pane_.GetVisibleCells();
    scrollBar_->SetScrollbar(pane_.GetFirstVisible(), visible, pane_.GetImageCount(), visible);
}
