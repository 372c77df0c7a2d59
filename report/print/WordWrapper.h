#pragma once
// Sets a stream of words, each in its own font, between a left and a right edge: lines break
// between words, and inside a word wider than the whole line. It measures instead of drawing
// when asked, and draws only the lines whose numbers lie in a window, so that a block can be
// counted first and later printed a slice of lines per page: lines outside the window are
// counted but take no room.

#include "core/DrawSurface.h"
#include "core/WString.h"

#include <optional>
#include <string_view>

class CWordWrapper {
public:
    // Line 0 starts at (left, y); lines firstLine to lastLine (inclusive) are drawn, when draw is
    // set, one lineHeight apart.
    CWordWrapper(IDrawSurface& surface, bool draw, int left, int right, int y, int lineHeight,
                 int firstLine, int lastLine);
    virtual ~CWordWrapper() = default;

    // One word of record text in a font, Greek or Western. A blank or tab is one pending blank,
    // printed only when a word follows on the same line; "\n" ends the line; an empty word ends
    // a line that has text.
    void AddWord(std::string_view word, const CFontSpec& font, bool greek);
    // Ends the last line; answers the number of lines in the window.
    int Finish();

    // The number of the line being set.
    int GetLine() const { return line_; }
    // Where the next line in the window goes.
    int GetY() const { return y_; }

private:
    bool InWindow() const { return line_ >= firstLine_ && line_ <= lastLine_; }
    int Width(std::u16string_view text) const;
    // Draws the text when the line is in the window and moves to the next line.
    void FinishLine(std::u16string_view text);
    // The pending text ends its line.
    void EndLine();
    // A font change: the text so far is drawn in the old font, on this line or the next.
    void FlushPending();
    // Ends lines with the longest part of the pending word that fits a whole line until the
    // rest fits.
    void BreakLongWord();

    IDrawSurface& surface_;
    bool draw_;
    int left_;
    int right_;
    int y_;
    int lineHeight_;
    int firstLine_;
    int lastLine_;
    CWString pending_;
    int pendingWidth_ = 0;
    int pendingBlanks_ = 0;
    int x_;
    int line_ = 0;
    int linesDrawn_ = 0;
    std::optional<CFontSpec> font_;
};
