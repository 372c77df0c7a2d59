#include "core/ui/Tabs.h"

#include "core/GraphicButton.h"
#include "core/ui/GraphicButton.h"
#include "core/ui/WxDrawSurface.h"

#include <wx/dcbuffer.h>
#include <wx/menu.h>

CTabs::CTabs(wxWindow* parent, wxWindowID id, bool scrollButtons)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE),
      layout_(scrollButtons) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (scrollButtons) {
        left_ = new CGraphicButton(this, kScrollLeftId, kGlyphLeft,
                                   CGraphicButtonState::kAutoRepeat, 1);
        right_ = new CGraphicButton(this, kScrollRightId, kGlyphRight,
                                    CGraphicButtonState::kAutoRepeat, 1);
        Bind(
            wxEVT_BUTTON, [this](wxCommandEvent&) { Scroll(false); }, kScrollLeftId);
        Bind(
            wxEVT_BUTTON, [this](wxCommandEvent&) { Scroll(true); }, kScrollRightId);
    }
    Bind(wxEVT_PAINT, &CTabs::OnPaint, this);
    Bind(wxEVT_SIZE, &CTabs::OnSize, this);
    Bind(wxEVT_LEFT_DOWN, &CTabs::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CTabs::OnLeftDoubleClick, this);
    Bind(wxEVT_RIGHT_UP, &CTabs::OnRightUp, this);
}

void CTabs::Rebuild() {
    std::vector<std::string> names;
    std::vector<int> widths;
    // Measured on a fresh context in the strip's font, as they are drawn.
    const std::unique_ptr<IDrawSurface> surface = MakeMeasuringSurface(GetFont());
    for (int i = 0; i < GetTabCount(); ++i) {
        names.push_back(GetTabName(i));
        widths.push_back(surface->GetTextExtent(std::string_view(names.back())).width);
    }
    layout_.SetTabs(std::move(names), std::move(widths));
    UpdateButtons();
    Refresh(false);
}

int CTabs::HitTest(const wxPoint& point) const {
    return layout_.HitTest(point.x, GetClientSize().y);
}

bool CTabs::CanScrollLeft() const {
    return layout_.CanScrollLeft();
}

bool CTabs::CanScrollRight() const {
    const wxSize size = GetClientSize();
    return layout_.CanScrollRight({size.x, size.y});
}

void CTabs::PlaceButtons() {
    if (!left_)
        return;
    const int h = GetClientSize().y;
    left_->SetSize(0, 0, h, h);
    right_->SetSize(h, 0, h, h);
}

void CTabs::UpdateButtons() {
    if (!left_)
        return;
    left_->Enable(CanScrollLeft());
    right_->Enable(CanScrollRight());
}

void CTabs::Scroll(bool right) {
    if (right ? layout_.ScrollRight() : layout_.ScrollLeft()) {
        UpdateButtons();
        Refresh(false);
    }
}

void CTabs::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetFont(GetFont());
    CWxDrawSurface surface(dc);
    const wxSize size = GetClientSize();
    const CColour normal = surface.GetSystemColour(ESystemColour::ButtonText);
    std::vector<CColour> captions;
    for (int i = 0; i < layout_.GetCount(); ++i)
        captions.push_back(GetTabCaptionColour(i, normal));
    DrawTabs(surface, layout_, {size.x, size.y}, GetCurrentTab(), captions);
}

void CTabs::OnSize(wxSizeEvent& event) {
    event.Skip();
    PlaceButtons();
    UpdateButtons();
    Refresh(false);
}

void CTabs::OnLeftDown(wxMouseEvent& event) {
    if (const int tab = HitTest(event.GetPosition()); tab >= 0)
        SelectTab(tab);
}

void CTabs::OnLeftDoubleClick(wxMouseEvent& event) {
    if (HitTest(event.GetPosition()) < 0 || GetDefaultCommand() == 0)
        return;
    wxCommandEvent command(wxEVT_MENU, GetDefaultCommand());
    command.SetEventObject(this);
    HandleWindowEvent(command);
}

void CTabs::OnRightUp(wxMouseEvent& event) {
    const int tab = HitTest(event.GetPosition());
    if (tab < 0)
        return;
    SelectTab(tab);
    if (std::unique_ptr<wxMenu> menu = MakeContextMenu())
        PopupMenu(menu.get(), event.GetPosition());
}
