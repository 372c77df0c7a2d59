#include "app/controls/ui/ItemDrawing.h"

#include <wx/dc.h>
#include <wx/settings.h>

void DrawItemFocus(wxDC& dc, const wxRect& rect) {
    const wxDCPenChanger pen(
        dc, wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT), 1, wxPENSTYLE_DOT));
    const wxDCBrushChanger brush(dc, *wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(rect);
}
