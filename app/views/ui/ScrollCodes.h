#pragma once
// The scroll codes of the views from the scroll events of a window or of a scroll bar.

#include "app/views/SubViews.h"

#include <wx/event.h>

// ThumbPosition for the end of a thumb drag and for anything else.
EScrollCode ToScrollCode(wxEventType type);
