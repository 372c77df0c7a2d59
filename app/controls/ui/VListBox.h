#pragma once
// A virtual list box: it stores no items. A subclass draws each visible line and says which
// lines exist; the box scrolls over them with four auto-repeat arrow buttons in a column at its
// right edge (line up, page up, page down, line down), the wheel and clicks.

#include "app/controls/VirtualLines.h"

#include <array>
#include <wx/control.h>

class CGraphicButton;

class CVListBox : public wxControl {
public:
    enum : int { kLineUp = 257, kPageUp = 258, kPageDown = 259, kLineDown = 260 };

    CVListBox(wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);

    int GetFirstLine() const { return lines_.GetFirstLine(); }
    int GetVisibleLines() const { return lines_.GetVisibleLines(); }
    // Shows the lines from that one on (a new list starts at 0).
    void SetFirstLine(int line);
    // The step commands of the buttons; each redraws when the first line moved.
    void LineUp();
    void LineDown();
    void PageUp();
    void PageDown();
    // Draws the visible lines again.
    void RedrawLines() { Refresh(false); }
    // The width of the box whose lines are that wide.
    int GetWidthForLines(int lineWidth) const;
    // Paints the whole client area through the surface, which draws in the list's font: the
    // lines in the window text colour on the window colour, each clipped to its rectangle, the
    // rest in the window colour, and the line before the buttons.
    void PaintLines(IDrawSurface& surface);

protected:
    // Draws one line into its rectangle, clipped to it; the surface starts each line as the
    // line before left it (the window text colour on the window colour for the first). The
    // base writes "Line: %d" on the background.
    virtual void DrawLine(IDrawSurface& surface, int line, const CRect& rect);
    // Whether the line exists; the base has every line from 0 on.
    virtual bool LineExists(int line) const { return line >= 0; }
    // A click on a line; true when the lines are to be drawn again.
    virtual bool ClickLine(int) { return false; }
    // Shift with the wheel: the selection steps by +1 or -1.
    virtual void StepSelection(int) {}

    wxSize DoGetBestSize() const override;

private:
    // Between the lines and the column of buttons.
    static constexpr int kLineGap = 2;

    CVirtualLines::LineExists Exists() const;
    void Relayout();
    int ButtonColumnLeft() const;
    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnClick(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);

    CVirtualLines lines_;
    std::array<CGraphicButton*, 4> buttons_{};
};
