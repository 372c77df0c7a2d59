#pragma once
// A list of text lines that scrolls sideways over its widest line (the diagnostics report, the
// difference check): a one-column report list without header whose column is as wide as the
// widest line, or as the window when that is wider. Lines are UTF-8; with tab stops, tabs are
// shown as blanks up to the next stop. The list holds no items of its own: it shows the lines
// of its CHScrollLines, so that long reports stay cheap.

#include "app/controls/HScrollLines.h"

#include <wx/listctrl.h>

class CHScrollListBox : public wxListCtrl {
public:
    CHScrollListBox(wxWindow* parent, wxWindowID id, bool tabStops = false,
                    const wxPoint& position = wxDefaultPosition,
                    const wxSize& size = wxDefaultSize);

    // Appends a line; its index.
    int Append(std::string_view text);
    // Puts a line before the index; -1 outside the lines.
    int Insert(int index, std::string_view text);
    bool Delete(int index);
    void Clear();
    int GetCount() const { return lines_.GetCount(); }
    // The line as given, tabs and all.
    const std::string& GetString(int index) const { return lines_.GetLine(index); }
    // The width the list scrolls over.
    int GetHorizontalExtent() const { return lines_.GetExtent(); }

protected:
    wxString OnGetItemText(long item, long column) const override;

private:
    void Refit();

    CHScrollLines lines_;
};
