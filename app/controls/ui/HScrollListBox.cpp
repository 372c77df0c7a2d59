#include "app/controls/ui/HScrollListBox.h"

#include "core/ui/WxText.h"

#include <algorithm>

CHScrollListBox::CHScrollListBox(wxWindow* parent, wxWindowID id, bool tabStops,
                                 const wxPoint& position, const wxSize& size)
    : wxListCtrl(parent, id, position, size,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_NO_HEADER | wxLC_SINGLE_SEL | wxBORDER_THEME),
      lines_([this](std::string_view text) { return GetTextExtent(ToWx(text)).x; },
             tabStops ? GetCharWidth() : 0) {
    AppendColumn("");
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        Refit();
        event.Skip();
    });
}

int CHScrollListBox::Append(std::string_view text) {
    return Insert(GetCount(), text);
}

int CHScrollListBox::Insert(int index, std::string_view text) {
    const int extent = lines_.GetExtent();
    const int inserted = lines_.Insert(index, text);
    if (inserted < 0)
        return -1;
    SetItemCount(lines_.GetCount());
    if (lines_.GetExtent() != extent)
        Refit();
    RefreshItems(inserted, lines_.GetCount() - 1);
    return inserted;
}

bool CHScrollListBox::Delete(int index) {
    if (!lines_.Delete(index))
        return false;
    SetItemCount(lines_.GetCount());
    Refit();
    Refresh();
    return true;
}

void CHScrollListBox::Clear() {
    lines_.Clear();
    SetItemCount(0);
    Refit();
    Refresh();
}

void CHScrollListBox::Refit() {
    // The list control cuts an entry short behind an ellipsis unless its column leaves 8 pixels
    // beside the text, where a line's extent counts 2 or 3 of them.
    constexpr int kColumnMargin = 6;
    SetColumnWidth(0, std::max(lines_.GetExtent() + kColumnMargin, GetClientSize().x));
}

wxString CHScrollListBox::OnGetItemText(long item, long) const {
    if (item < 0 || item >= lines_.GetCount())
        return {};
    return ToWx(lines_.GetShownLine(static_cast<int>(item)));
}
