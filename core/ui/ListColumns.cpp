#include "core/ui/ListColumns.h"

#include <algorithm>
#include <wx/listctrl.h>
#include <wx/renderer.h>

int AppendListColumn(wxListCtrl& list, const wxString& heading, int usualWidth) {
    // The heading's text and the margins the header draws on both sides of it.
    const int needed = list.GetTextExtent(heading).x + list.FromDIP(24);
    const int width = std::max(list.FromDIP(usualWidth), needed);
    list.AppendColumn(heading, wxLIST_FORMAT_LEFT, width);
    return width;
}

int WidenListColumnsToEntries(wxListCtrl& list) {
    int total = 0;
    for (int column = 0; column < list.GetColumnCount(); ++column) {
        int width = list.GetColumnWidth(column);
        for (long line = 0; line < list.GetItemCount(); ++line)
            width = std::max(width, list.GetTextExtent(list.GetItemText(line, column)).x +
                                        list.FromDIP(24));
        list.SetColumnWidth(column, width);
        total += width;
    }
    return total;
}

void SetListMinSizeInWholeRows(wxListCtrl& list, int width, int usualHeight) {
    int height = list.FromDIP(usualHeight);
    if (wxRect row; list.GetItemRect(0, row)) {
        // The rows lie below the heading, which is as high as the desktop's header buttons.
        const int frame = list.GetWindowBorderSize().y;
        const int heading = wxRendererNative::Get().GetHeaderButtonHeight(&list);
        const int rows = std::max(1, (height - frame - heading) / row.height);
        height = frame + heading + rows * row.height;
    }
    list.SetMinSize(wxSize(width, height));
}
