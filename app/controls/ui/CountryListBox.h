#pragma once
// A list of countries with a check box on each row: a two-letter code column, then the name,
// which may carry bold markup. The desktop's check list box cannot be drawn by its owner, so
// this list draws its rows and check boxes itself; clicking a check box or pressing the space
// bar on a row turns its tick over and sends wxEVT_CHECKLISTBOX with the row's index.

#include <string>
#include <vector>
#include <wx/vlbox.h>

class CCountryListBox : public wxVListBox {
public:
    CCountryListBox(wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition,
                    const wxSize& size = wxDefaultSize);

    int Append(const std::string& text);
    void DeleteAllItems();
    int GetCount() const { return static_cast<int>(items_.size()); }
    const std::string& GetString(int index) const { return At(index).text; }

    void Check(int index, bool check = true);
    bool IsChecked(int index) const { return At(index).checked; }
    // A disabled row is grey and keeps its tick.
    void EnableItem(int index, bool enable);
    bool IsItemEnabled(int index) const { return At(index).enabled; }

protected:
    void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override;
    wxCoord OnMeasureItem(size_t n) const override;
    void OnDrawBackground(wxDC&, const wxRect&, size_t) const override {}

private:
    struct Item {
        std::string text;
        bool checked = false;
        bool enabled = true;
    };

    const Item& At(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    wxSize CheckBoxSize() const;
    int TextHeight() const;
    // Turns the row's tick over, when the list and the row are enabled, and tells the parent.
    void Toggle(int index);
    void OnLeftDown(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    std::vector<Item> items_;
};
