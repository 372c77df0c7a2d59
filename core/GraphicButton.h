#pragma once
// The arrow buttons of tab strips and list boxes without their window: how the face and its
// glyph are drawn, and when a held button sends its command.

#include "core/DrawSurface.h"

#include <vector>

// Glyphs: one triangle up (3), two up (4), one down (5), two down (6), one left (7), one right
// (8).
enum EGraphicGlyph {
    kGlyphUp = 3,
    kGlyphDoubleUp = 4,
    kGlyphDown = 5,
    kGlyphDoubleDown = 6,
    kGlyphLeft = 7,
    kGlyphRight = 8,
};

// The triangles of a glyph centred in the area; none for an unknown glyph.
std::vector<std::vector<CPoint>> GraphicGlyphTriangles(int glyph, const CRect& area);

// The whole button in its client rectangle: face, 3-D frame inside the margin (raised, or sunk
// while pressed) and the glyph, shifted down and right while pressed and grey when disabled.
void DrawGraphicButton(IDrawSurface& surface, const CRect& client, int glyph, int margin,
                       bool pressed, bool enabled);

// Pressing, holding and releasing. An auto-repeat button sends its command at once when
// pressed, then from the sixth tick of its 100 ms timer on every tick; a plain button sends it
// when released, wherever the pointer is then.
class CGraphicButtonState {
public:
    static constexpr int kAutoRepeat = 2;
    static constexpr int kTimerId = 1;
    static constexpr int kTimerPeriodMs = 100;

    explicit CGraphicButtonState(int behaviour) : behaviour_(behaviour) {}

    void SetBehaviour(int behaviour) { behaviour_ = behaviour; }
    // A button-down (or double click): true when the command is sent now. The timer runs from
    // here for an auto-repeat button.
    bool Press();
    // A timer tick: true when the command is sent.
    bool Tick();
    // A button-up: true when the command is sent now.
    bool Release();
    // Disabling lets go of a held button: nothing more is sent.
    void Disable();

    bool IsPressed() const { return pressed_; }
    bool IsCaptured() const { return captured_; }
    bool IsTimerRunning() const { return timerRunning_; }

private:
    int behaviour_;
    bool pressed_ = false;
    bool captured_ = false;
    bool timerRunning_ = false;
    int ticks_ = 0;
};
