#pragma once
// A wxScrollBar's events as the row windows (core/RowWindow.h) take them.

#include "core/RowWindow.h"

#include <functional>
#include <wx/event.h>

class wxScrollBar;

// The scroll code of a scroll event.
CRowWindow::ScrollCode ScrollCodeOf(const wxScrollEvent& event);

// Sends every scroll event of the bar to the handler.
void BindRowScrolling(wxScrollBar& bar, std::function<void(wxScrollEvent&)> handler);
