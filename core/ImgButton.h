#pragma once
// A button face drawn inside another window's drawing, such as the sound button of a mark's
// details: no window of its own, only a rectangle, a glyph and a pressed state.

#include "core/DrawSurface.h"

class CImgButton {
public:
    enum EImage { kNoImage = 0, kPlay = 1, kStop = 2 };

    CImgButton(const CRect& rect, int image, int state)
        : rect_(rect), image_(image), pressed_(state != 0) {}

    // The face, its 3-D edges and the glyph; the surface's state is left as it was.
    void Draw(IDrawSurface& surface) const;

private:
    CRect rect_;
    int image_;
    bool pressed_;
};
