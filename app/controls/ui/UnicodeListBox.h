#pragma once
// A list box of 8-bit record texts (Western), drawn as wide text in rows 16 pixels high: the
// chosen values of the search pages' selection lists.

#include <string>
#include <vector>
#include <wx/vlbox.h>

class CUnicodeListBox : public wxVListBox {
public:
    static constexpr int kItemHeight = 16;

    CUnicodeListBox(wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition,
                    const wxSize& size = wxDefaultSize);

    int Append(const std::string& text);
    // Puts the text before the index (at the end for the count); -1 outside.
    int Insert(int index, const std::string& text);
    bool Delete(int index);
    void DeleteAllItems();
    int GetCount() const { return static_cast<int>(items_.size()); }
    const std::string& GetString(int index) const {
        return items_.at(static_cast<std::size_t>(index));
    }

protected:
    void OnDrawItem(wxDC& dc, const wxRect& rect, size_t n) const override;
    wxCoord OnMeasureItem(size_t n) const override;
    // The rows paint their own background.
    void OnDrawBackground(wxDC&, const wxRect&, size_t) const override {}

private:
    std::vector<std::string> items_;
};
