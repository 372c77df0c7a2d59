#pragma once
// A combo box whose items may carry bold markup ("<b>", "</b>"), each row twice the text high.

#include "app/controls/ui/DropDownComboBox.h"

class CHtmlComboBox : public CDropDownComboBox {
public:
    CHtmlComboBox(wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize, long style = wxCB_READONLY);

protected:
    void OnDrawItem(wxDC& dc, const wxRect& rect, int item, int flags) const override;
    wxCoord OnMeasureItem(size_t item) const override;
    void OnDrawBackground(wxDC&, const wxRect&, int, int) const override {}
};
