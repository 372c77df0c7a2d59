#include "app/controls/ui/CountryListBox.h"

#include "app/controls/ListItems.h"
#include "app/controls/ui/ItemDrawing.h"
#include "core/ui/WxDrawSurface.h"

#include <algorithm>
#include <wx/dc.h>
#include <wx/renderer.h>
#include <wx/settings.h>

namespace {

constexpr int kCheckMargin = 2;

} // namespace

// Around a list the program draws the desktop draws only a simple frame.
CCountryListBox::CCountryListBox(wxWindow* parent, wxWindowID id, const wxPoint& position,
                                 const wxSize& size)
    : wxVListBox(parent, id, position, size, wxBORDER_SIMPLE | wxWANTS_CHARS) {
    SetItemCount(0);
    Bind(wxEVT_LEFT_DOWN, &CCountryListBox::OnLeftDown, this);
    Bind(wxEVT_KEY_DOWN, &CCountryListBox::OnKeyDown, this);
}

int CCountryListBox::Append(const std::string& text) {
    items_.push_back({text});
    SetItemCount(items_.size());
    Refresh();
    return GetCount() - 1;
}

void CCountryListBox::Set(const std::vector<std::string>& texts) {
    items_.clear();
    for (const std::string& text : texts)
        items_.push_back({text});
    SetItemCount(items_.size());
    Refresh();
}

void CCountryListBox::DeleteAllItems() {
    items_.clear();
    Clear();
}

void CCountryListBox::Check(int index, bool check) {
    items_.at(static_cast<std::size_t>(index)).checked = check;
    RefreshRow(static_cast<size_t>(index));
}

void CCountryListBox::EnableItem(int index, bool enable) {
    items_.at(static_cast<std::size_t>(index)).enabled = enable;
    RefreshRow(static_cast<size_t>(index));
}

wxSize CCountryListBox::CheckBoxSize() const {
    return wxRendererNative::Get().GetCheckBoxSize(const_cast<CCountryListBox*>(this));
}

int CCountryListBox::TextHeight() const {
    return GetCharHeight();
}

wxCoord CCountryListBox::OnMeasureItem(size_t) const {
    return std::max(TextHeight(), CheckBoxSize().y) + 2 * kCheckMargin;
}

void CCountryListBox::OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const {
    const Item& item = items_[n];
    const bool enabled = IsEnabled() && item.enabled;
    const wxSize box = CheckBoxSize();
    const wxRect boxRect(rect.x + kCheckMargin, rect.y + (rect.height - box.y) / 2, box.x, box.y);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(rect.x, rect.y, boxRect.GetRight() + kCheckMargin - rect.x, rect.height);
    wxRendererNative::Get().DrawCheckBox(const_cast<CCountryListBox*>(this), dc, boxRect,
                                         (item.checked ? int{wxCONTROL_CHECKED} : 0) |
                                             (enabled ? 0 : int{wxCONTROL_DISABLED}));
    wxRect textRect = rect;
    textRect.SetLeft(boxRect.GetRight() + 1 + kCheckMargin);
    dc.SetFont(GetFont());
    CWxDrawSurface surface(dc);
    DrawCountryItem(surface, ToCRect(textRect), item.text, {enabled, IsSelected(n), TextHeight()});
    if (HasFocus() && IsCurrent(n))
        DrawItemFocus(dc, textRect);
}

void CCountryListBox::Toggle(int index) {
    if (!IsEnabled() || index < 0 || index >= GetCount() || !At(index).enabled)
        return;
    Check(index, !At(index).checked);
    wxCommandEvent event(wxEVT_CHECKLISTBOX, GetId());
    event.SetEventObject(this);
    event.SetInt(index);
    ProcessWindowEvent(event);
}

void CCountryListBox::OnLeftDown(wxMouseEvent& event) {
    const int row = VirtualHitTest(event.GetY());
    if (row != wxNOT_FOUND && event.GetX() < kCheckMargin * 2 + CheckBoxSize().x)
        Toggle(row);
    event.Skip();
}

void CCountryListBox::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_SPACE && GetSelection() != wxNOT_FOUND) {
        Toggle(GetSelection());
        return;
    }
    event.Skip();
}
