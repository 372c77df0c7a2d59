#pragma once
// Columns of report lists: each as wide as its heading and its entries need, since the desktop
// cuts a text short with an ellipsis rather than widen its column; and their height in whole
// rows.

#include <wx/string.h>

class wxListCtrl;

// Appends a left-aligned column of the usual width (in independent pixels), widened to show its
// heading whole; returns the width given.
int AppendListColumn(wxListCtrl& list, const wxString& heading, int usualWidth);

// Widens every column that an entry of the list would not fit whole; returns the width of all the
// columns.
int WidenListColumnsToEntries(wxListCtrl& list);

// Makes the list as high as its heading and the whole rows that fit the usual height (in
// independent pixels), at least one, so that no row shows cut by its bottom edge; as wide as
// given. A list without rows keeps the usual height.
void SetListMinSizeInWholeRows(wxListCtrl& list, int width, int usualHeight);
