#include "app/controls/ui/UnicodeListBox.h"

#include "app/controls/ListItems.h"
#include "app/controls/ui/ItemDrawing.h"
#include "core/ui/WxDrawSurface.h"

#include <wx/dc.h>

// Around a list the program draws the desktop draws only a simple frame.
CUnicodeListBox::CUnicodeListBox(wxWindow* parent, wxWindowID id, const wxPoint& position,
                                 const wxSize& size)
    : wxVListBox(parent, id, position, size, wxBORDER_SIMPLE) {
    SetItemCount(0);
}

int CUnicodeListBox::Append(const std::string& text) {
    return Insert(GetCount(), text);
}

int CUnicodeListBox::Insert(int index, const std::string& text) {
    if (index < 0 || index > GetCount())
        return -1;
    items_.insert(items_.begin() + index, text);
    SetItemCount(items_.size());
    Refresh();
    return index;
}

bool CUnicodeListBox::Delete(int index) {
    if (index < 0 || index >= GetCount())
        return false;
    items_.erase(items_.begin() + index);
    SetItemCount(items_.size());
    Refresh();
    return true;
}

void CUnicodeListBox::Set(std::vector<std::string> texts) {
    items_ = std::move(texts);
    SetItemCount(items_.size());
    Refresh();
}

void CUnicodeListBox::DeleteAllItems() {
    items_.clear();
    Clear();
}

void CUnicodeListBox::OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const {
    dc.SetFont(GetFont());
    CWxDrawSurface surface(dc);
    DrawUnicodeItem(surface, ToCRect(rect), items_[n], IsSelected(n));
    if (HasFocus() && IsCurrent(n))
        DrawItemFocus(dc, rect);
}

wxCoord CUnicodeListBox::OnMeasureItem(size_t) const {
    return kItemHeight;
}
