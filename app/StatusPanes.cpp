#include "app/StatusPanes.h"

void DrawTrainingPane(IDrawSurface& surface, const CRect& pane, bool training) {
    if (!training) {
        surface.FillRect(pane, surface.GetSystemColour(ESystemColour::ButtonFace));
        return;
    }
    CDrawStateSaver saver(surface);
    surface.FillRect(pane, kTrainingColour);
    surface.SetBackgroundColour(kTrainingColour);
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
    surface.SetTextColour(kBlack);
    const CSize text = surface.GetTextExtent(kTrainingText);
    surface.TextOut(pane.left + (pane.Width() - text.width) / 2,
                    pane.top + (pane.Height() - text.height) / 2, kTrainingText);
}
