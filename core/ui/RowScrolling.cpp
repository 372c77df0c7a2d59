#include "core/ui/RowScrolling.h"

#include <wx/scrolbar.h>

CRowWindow::ScrollCode ScrollCodeOf(const wxScrollEvent& event) {
    using Code = CRowWindow::ScrollCode;
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_SCROLL_LINEUP)
        return Code::LineUp;
    if (type == wxEVT_SCROLL_LINEDOWN)
        return Code::LineDown;
    if (type == wxEVT_SCROLL_PAGEUP)
        return Code::PageUp;
    if (type == wxEVT_SCROLL_PAGEDOWN)
        return Code::PageDown;
    if (type == wxEVT_SCROLL_TOP)
        return Code::Top;
    if (type == wxEVT_SCROLL_BOTTOM)
        return Code::Bottom;
    return Code::ThumbTrack;
}

void BindRowScrolling(wxScrollBar& bar, std::function<void(wxScrollEvent&)> handler) {
    for (const auto& type :
         {wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
          wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK,
          wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED})
        bar.Bind(type, handler);
}

int VerticalWheelRotation(const wxMouseEvent& event, const wxScrollBar& bar) {
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL)
        return event.GetWheelRotation();
    return event.GetEventObject() == &bar ? -event.GetWheelRotation() : 0;
}
