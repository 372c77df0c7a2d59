#include "app/controls/ui/VListBox.h"

#include "core/GraphicButton.h"
#include "core/ui/GraphicButton.h"
#include "core/ui/WxDrawSurface.h"

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

CVListBox::CVListBox(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size)
    : wxControl(parent, id, position, size, wxBORDER_SUNKEN | wxWANTS_CHARS) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    const std::array<std::pair<int, int>, 4> buttons = {{{kLineUp, kGlyphUp},
                                                         {kPageUp, kGlyphDoubleUp},
                                                         {kPageDown, kGlyphDoubleDown},
                                                         {kLineDown, kGlyphDown}}};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons_[i] = new CGraphicButton(this, buttons[i].first, buttons[i].second,
                                         CGraphicButtonState::kAutoRepeat, 0);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { LineUp(); }, kLineUp);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { PageUp(); }, kPageUp);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { PageDown(); }, kPageDown);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { LineDown(); }, kLineDown);
    Bind(wxEVT_SIZE, &CVListBox::OnSize, this);
    Bind(wxEVT_PAINT, &CVListBox::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CVListBox::OnClick, this);
    Bind(wxEVT_LEFT_DCLICK, &CVListBox::OnClick, this);
    Bind(wxEVT_MOUSEWHEEL, &CVListBox::OnWheel, this);
    Relayout();
}

wxSize CVListBox::DoGetBestSize() const {
    return FromDIP(wxSize(200, 160));
}

CVirtualLines::LineExists CVListBox::Exists() const {
    return [this](int line) { return LineExists(line); };
}

void CVListBox::SetFirstLine(int line) {
    lines_.SetFirstLine(line);
    RedrawLines();
}

void CVListBox::LineUp() {
    if (lines_.LineUp(Exists()))
        RedrawLines();
}

void CVListBox::LineDown() {
    if (lines_.LineDown(Exists()))
        RedrawLines();
}

void CVListBox::PageUp() {
    if (lines_.PageUp(Exists()))
        RedrawLines();
}

void CVListBox::PageDown() {
    if (lines_.PageDown(Exists()))
        RedrawLines();
}

int CVListBox::ButtonColumnLeft() const {
    return GetClientSize().x - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
}

int CVListBox::GetWidthForLines(int lineWidth) const {
    const int client = lineWidth + kLineGap + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    return ClientToWindowSize({client, 0}).x;
}

void CVListBox::Relayout() {
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const CWxDrawSurface surface(dc);
    const wxSize client = GetClientSize();
    lines_.SetGeometry(client.y, surface.GetFontMetrics().LineHeight());
    const int left = ButtonColumnLeft();
    const int height = client.y / static_cast<int>(buttons_.size());
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetSize(left, static_cast<int>(i) * height, client.x - left, height);
}

void CVListBox::OnSize(wxSizeEvent& event) {
    Relayout();
    Refresh(false);
    event.Skip();
}

void CVListBox::DrawLine(IDrawSurface& surface, int line, const CRect& rect) {
    surface.FillRect(rect, surface.GetBackgroundColour());
    surface.TextOut(rect.left, rect.top, "Line: " + std::to_string(line));
}

void CVListBox::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetFont(GetFont());
    CWxDrawSurface surface(dc);
    PaintLines(surface);
}

void CVListBox::PaintLines(IDrawSurface& surface) {
    const wxSize client = GetClientSize();
    const int buttonsLeft = ButtonColumnLeft();
    const CColour window = surface.GetSystemColour(ESystemColour::Window);
    surface.SetTextColour(surface.GetSystemColour(ESystemColour::WindowText));
    surface.SetBackgroundColour(window);
    const int right = buttonsLeft - kLineGap;
    for (int i = 0; i < lines_.GetVisibleLines(); ++i) {
        const CRect rect = lines_.LineRect(i, 0, right);
        surface.SetClip(rect);
        DrawLine(surface, lines_.GetFirstLine() + i, rect);
        surface.ResetClip();
    }
    const int below = lines_.GetVisibleLines() * lines_.GetLineHeight();
    surface.FillRect({0, below, buttonsLeft, client.y}, window);
    surface.FillRect({right, 0, buttonsLeft, below}, window);
    surface.SetPen({surface.GetSystemColour(ESystemColour::ButtonFace), 1});
    surface.DrawLine({buttonsLeft - 1, 0}, {buttonsLeft - 1, client.y});
}

void CVListBox::OnClick(wxMouseEvent& event) {
    SetFocus();
    const int line = lines_.LineAt(event.GetY());
    if (line >= 0 && ClickLine(lines_.GetFirstLine() + line))
        RedrawLines();
}

void CVListBox::OnWheel(wxMouseEvent& event) {
    lines_.SetWheelLines(event.GetLinesPerAction());
    const CVirtualLines::CWheelStep step = lines_.OnMouseWheel(
        event.ControlDown(), event.ShiftDown(), event.GetWheelRotation(), Exists());
    if (step.selectionStep != 0)
        StepSelection(step.selectionStep);
    if (step.scrolled)
        RedrawLines();
}
