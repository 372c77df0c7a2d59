#include "app/views/ViewDrawing.h"

#include "core/UserOptions.h"
#include "registers/TextFitting.h"

void DrawMarkErrorRow(IDrawSurface& surface, const CRect& rect, std::string_view text) {
    const CDrawStateSaver saver(surface);
    const CUserOptions& options = TheUserOptions();
    surface.FillRect(rect, options.GetBgrColour(false));
    surface.SetTextColour(options.GetFgrColour(false));
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
    DrawErrorText(surface, rect, text);
    surface.SetPen({options.GetFgrColour(false), 1});
    surface.DrawLine({rect.left, rect.bottom - 1}, {rect.right, rect.bottom - 1});
}
