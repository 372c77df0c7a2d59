#pragma once
// The list of keywords: an editable combo box whose rows are the keywords' names, twice the
// text high, with the letter "S" before those whose system definition is in effect.

#include "app/controls/ui/DropDownComboBox.h"
#include "app/options/KeywordPages.h"

#include <vector>

class CMacroComboBox : public CDropDownComboBox {
public:
    CMacroComboBox(wxWindow* parent, wxWindowID id);

    // The rows, in the order given; the edit field keeps its text.
    void SetItems(const std::vector<CMacroListItem>& items);

protected:
    void OnDrawItem(wxDC& dc, const wxRect& rect, int item, int flags) const override;
    wxCoord OnMeasureItem(size_t item) const override;
    void OnDrawBackground(wxDC&, const wxRect&, int, int) const override {}

private:
    std::vector<CMacroListItem> items_;
};
