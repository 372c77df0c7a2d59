#include "app/views/ui/ScrollCodes.h"

EScrollCode ToScrollCode(wxEventType type) {
    if (type == wxEVT_SCROLLWIN_TOP || type == wxEVT_SCROLL_TOP)
        return EScrollCode::Top;
    if (type == wxEVT_SCROLLWIN_BOTTOM || type == wxEVT_SCROLL_BOTTOM)
        return EScrollCode::Bottom;
    if (type == wxEVT_SCROLLWIN_LINEUP || type == wxEVT_SCROLL_LINEUP)
        return EScrollCode::LineUp;
    if (type == wxEVT_SCROLLWIN_LINEDOWN || type == wxEVT_SCROLL_LINEDOWN)
        return EScrollCode::LineDown;
    if (type == wxEVT_SCROLLWIN_PAGEUP || type == wxEVT_SCROLL_PAGEUP)
        return EScrollCode::PageUp;
    if (type == wxEVT_SCROLLWIN_PAGEDOWN || type == wxEVT_SCROLL_PAGEDOWN)
        return EScrollCode::PageDown;
    if (type == wxEVT_SCROLLWIN_THUMBTRACK || type == wxEVT_SCROLL_THUMBTRACK)
        return EScrollCode::ThumbTrack;
    return EScrollCode::ThumbPosition;
}
