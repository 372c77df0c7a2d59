#pragma once
// Columns of report lists: each as wide as its heading and its entries need, since the desktop
// cuts a text short with an ellipsis rather than widen its column.

#include <wx/string.h>

class wxListCtrl;

// Appends a left-aligned column of the usual width (in independent pixels), widened to show its
// heading whole; returns the width given.
int AppendListColumn(wxListCtrl& list, const wxString& heading, int usualWidth);

// Widens every column that an entry of the list would not fit whole; returns the width of all the
// columns.
int WidenListColumnsToEntries(wxListCtrl& list);
