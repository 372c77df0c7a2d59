#pragma once
// The small check box of a mark row with its caption: "Long" in the main window (the long
// display), "Keep" in the results window, "Watch" in the watch view. A permanently kept mark's
// Keep or Watch box is ticked and greyed: it cannot be discarded there.

#include "core/DrawSurface.h"
#include "core/Mark.h"

#include <string>

// What the box of a row stands for; the views pass their own kind.
enum EBoxType : int { kBoxLong = 0, kBoxKeep = 1, kBoxWatch = 2 };

class CCBox {
public:
    explicit CCBox(const CRect& rect) : rect_(rect) {}
    CCBox(const CRect& rect, int boxType, const CMark& mark);
    virtual ~CCBox() = default;

    // "Long", "Keep", "Watch", else "???".
    static std::string GetTypeName(int boxType);

    // The box filled with the window colour, outlined in the window's text colour, crossed when
    // checked, its caption after it in the surface's text colour; greyed boxes and their caption
    // in the grey-text colour.
    void Draw(IDrawSurface& surface) const;
    // Half a box around it counts, and its caption up to 40 pixels right of it.
    bool HitTest(CPoint point) const;

    const CRect& GetRect() const { return rect_; }
    const std::string& GetCaption() const { return caption_; }
    bool IsGreyed() const { return greyed_; }
    bool IsChecked() const { return checked_; }

private:
    CRect rect_;
    std::string caption_;
    bool greyed_ = false;
    bool checked_ = false;
};
