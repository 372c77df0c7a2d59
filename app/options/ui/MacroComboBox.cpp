#include "app/options/ui/MacroComboBox.h"

#include "app/controls/ui/ItemDrawing.h"
#include "app/options/MacroItems.h"
#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"

#include <wx/dc.h>

CMacroComboBox::CMacroComboBox(wxWindow* parent, wxWindowID id)
    : CDropDownComboBox(parent, id, wxDefaultPosition, wxDefaultSize, wxCB_DROPDOWN) {}

void CMacroComboBox::SetItems(const std::vector<CMacroListItem>& items) {
    const wxString text = GetValue();
    items_ = items;
    wxArrayString names;
    for (const CMacroListItem& item : items_)
        names.Add(ToWx(item.name));
    Set(names);
    ChangeValue(text);
}

void CMacroComboBox::OnDrawItem(wxDC& dc, const wxRect& rect, int item, int flags) const {
    if (item < 0 || item >= static_cast<int>(items_.size()) || (flags & wxODCB_PAINTING_CONTROL))
        return;
    dc.SetFont(GetFont());
    CWxDrawSurface surface(dc);
    const CMacroListItem& row = items_[static_cast<std::size_t>(item)];
    DrawMacroItem(surface, ToCRect(rect), row.name, row.system,
                  (flags & wxODCB_PAINTING_SELECTED) != 0,
                  surface.GetSystemColour(ESystemColour::Window));
}

wxCoord CMacroComboBox::OnMeasureItem(size_t item) const {
    const std::unique_ptr<IDrawSurface> surface = MakeMeasuringSurface(GetFont());
    return MacroItemHeight(*surface, item < items_.size() ? items_[item].name : std::string());
}
