#pragma once
// A wxScrollBar's events, and the mouse wheel beside it, as the row windows (core/RowWindow.h)
// take them.

#include "core/RowWindow.h"

#include <functional>
#include <wx/event.h>

class wxScrollBar;

// The scroll code of a scroll event.
CRowWindow::ScrollCode ScrollCodeOf(const wxScrollEvent& event);

// Sends every scroll event of the bar to the handler.
void BindRowScrolling(wxScrollBar& bar, std::function<void(wxScrollEvent&)> handler);

// The wheel's turn for rows under the vertical bar, positive toward the top. wxGTK reports a turn
// over the bar itself as a sideways one, positive toward the bottom; any other sideways turn
// moves no row.
int VerticalWheelRotation(const wxMouseEvent& event, const wxScrollBar& bar);
