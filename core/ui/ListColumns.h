#pragma once
// Columns of report lists: each as wide as its heading needs, since the desktop cuts a heading
// short with an ellipsis rather than widen its column.

#include <wx/string.h>

class wxListCtrl;

// Appends a left-aligned column of the usual width (in independent pixels), widened to show its
// heading whole; returns the width given.
int AppendListColumn(wxListCtrl& list, const wxString& heading, int usualWidth);
