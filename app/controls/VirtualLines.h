#pragma once
// The virtual list box (CVListBox) without its window: which lines of a list that stores no
// items are in view, and how line, page and wheel steps and clicks move over them. The list's
// owner says which lines exist, so the list never scrolls past the last one.

#include "core/DrawSurface.h"

#include <functional>

class CVirtualLines {
public:
    static constexpr int kMaxVisibleLines = 64;
    // One notch of the mouse wheel.
    static constexpr int kWheelDelta = 120;

    using LineExists = std::function<bool(int line)>;

    // What a wheel message did: the first line moved, or the selection is to step by +1 or -1.
    struct CWheelStep {
        bool scrolled = false;
        int selectionStep = 0;
    };

    // wheelLines is the system's mouse-wheel line count.
    explicit CVirtualLines(int wheelLines = 3) : wheelLines_(wheelLines) {}
    void SetWheelLines(int wheelLines) { wheelLines_ = wheelLines; }

    // As many whole lines of the height as the client height holds, 1 to 64.
    void SetGeometry(int clientHeight, int lineHeight);
    int GetLineHeight() const { return lineHeight_; }
    int GetVisibleLines() const { return visibleLines_; }
    int GetFirstLine() const { return firstLine_; }
    // Back to a line of the owner's choice (a new list starts at 0), with no wheel movement
    // pending.
    void SetFirstLine(int line);

    // Each answers whether the first line moved. A step moves only onto a line that exists;
    // a page repeats the step up to a window's lines while it succeeds.
    bool LineUp(const LineExists& exists);
    bool LineDown(const LineExists& exists);
    bool PageUp(const LineExists& exists);
    bool PageDown(const LineExists& exists);

    // The line under the point's y, or -1 below the visible lines.
    int LineAt(int y) const;
    // Where visible line i (0 for the first in view) is drawn, left of the given right edge.
    CRect LineRect(int i, int left, int right) const;

    // Ignored with Ctrl held; with Shift the selection steps (+1 for a notch away from the
    // user). Otherwise every whole notch gathered moves the wheel line count, at most a
    // window's lines per message, away-from-the-user notches moving up.
    CWheelStep OnMouseWheel(bool control, bool shift, int delta, const LineExists& exists);

private:
    // Moves by up to |count| lines in the sign's direction while lines exist.
    bool Step(int count, const LineExists& exists);

    int wheelLines_;
    int lineHeight_ = 1;
    int visibleLines_ = 1;
    int firstLine_ = 0;
    int wheelRemainder_ = 0;
};
