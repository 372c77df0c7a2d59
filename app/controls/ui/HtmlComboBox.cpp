#include "app/controls/ui/HtmlComboBox.h"

#include "app/controls/ListItems.h"
#include "app/controls/ui/ItemDrawing.h"
#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"

#include <wx/dc.h>

CHtmlComboBox::CHtmlComboBox(wxWindow* parent, wxWindowID id, const wxPoint& position,
                             const wxSize& size, long style)
    : CDropDownComboBox(parent, id, position, size, style) {}

void CHtmlComboBox::OnDrawItem(wxDC& dc, const wxRect& rect, int item, int flags) const {
    if (item == wxNOT_FOUND)
        return;
    dc.SetFont(GetFont());
    CWxDrawSurface surface(dc);
    const CColour background = surface.GetSystemColour(ESystemColour::Window);
    DrawHtmlComboItem(surface, ToCRect(rect), FromWx(GetString(static_cast<unsigned>(item))),
                      (flags & wxODCB_PAINTING_SELECTED) != 0, background);
}

wxCoord CHtmlComboBox::OnMeasureItem(size_t) const {
    const std::unique_ptr<IDrawSurface> surface = MakeMeasuringSurface(GetFont());
    return HtmlComboItemHeight(*surface);
}
