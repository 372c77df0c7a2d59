#include "report/print/WordWrapper.h"

#include <string>
#include <vector>

CWordWrapper::CWordWrapper(IDrawSurface& surface, bool draw, int left, int right, int y,
                           int lineHeight, int firstLine, int lastLine)
    : surface_(surface), draw_(draw), left_(left), right_(right), y_(y), lineHeight_(lineHeight),
      firstLine_(firstLine), lastLine_(lastLine), x_(left) {}

void CWordWrapper::AddWord(std::string_view word, const CFontSpec& font, bool greek) {
    if (word.empty()) {
        if (pending_.GetLength() > 0)
            EndLine();
        return;
    }
    if (word == "\n") {
        EndLine();
        return;
    }
    if (word == " " || word == "\t") {
        ++pendingBlanks_;
        return;
    }
    if (!font_ || *font_ != font) {
        FlushPending();
        font_ = font;
        surface_.SetFont(font);
    }
    const int before = pending_.GetLength();
    pending_.AppendText(std::string(pendingBlanks_, ' '), false);
    pendingBlanks_ = 0;
    const int wordStart = pending_.GetLength();
    pending_.AppendText(word, greek);
    const int width = pendingWidth_ + Width(pending_.View().substr(before));
    if (x_ + width <= right_) {
        pendingWidth_ = width;
        return;
    }
    // Text before the word on this line, pending or drawn before a font change, keeps its line
    // and the word alone starts the next one: a word that fits a whole line is never set past
    // the right edge because of what stood before it.
    if (before > 0 || x_ > left_) {
        const CWString alone = pending_.Right(pending_.GetLength() - wordStart);
        FinishLine(pending_.View().substr(0, before));
        pending_ = alone;
        pendingWidth_ = Width(pending_.View());
    } else {
        pendingWidth_ = width;
    }
    BreakLongWord();
}

int CWordWrapper::Finish() {
    if (pending_.GetLength() > 0)
        EndLine();
    return linesDrawn_;
}

int CWordWrapper::Width(std::u16string_view text) const {
    return text.empty() ? 0 : surface_.GetTextExtent(text).width;
}

void CWordWrapper::FinishLine(std::u16string_view text) {
    if (InWindow()) {
        if (draw_ && !text.empty())
            surface_.TextOut(x_, y_, text);
        ++linesDrawn_;
        y_ += lineHeight_;
    }
    ++line_;
    x_ = left_;
    pendingBlanks_ = 0;
}

void CWordWrapper::EndLine() {
    FinishLine(pending_.View());
    pending_.Empty();
    pendingWidth_ = 0;
}

void CWordWrapper::FlushPending() {
    if (pending_.GetLength() == 0 && pendingBlanks_ == 0)
        return;
    const int textLength = pending_.GetLength();
    pending_.AppendText(std::string(pendingBlanks_, ' '), false);
    pendingBlanks_ = 0;
    const int width = Width(pending_.View());
    if (x_ + width > right_) {
        FinishLine(pending_.View().substr(0, textLength));
    } else {
        if (draw_ && InWindow())
            surface_.TextOut(x_, y_, pending_.View());
        x_ += width;
    }
    pending_.Empty();
    pendingWidth_ = 0;
}

void CWordWrapper::BreakLongWord() {
    const int lineWidth = right_ - left_;
    if (pendingWidth_ <= lineWidth)
        return;
    const CWString word = pending_;
    const std::u16string_view units = word.View();
    const std::vector<int> ends = surface_.GetPartialTextExtents(units);
    std::size_t start = 0;
    int base = 0;
    while (start < units.size() && ends.back() - base > lineWidth) {
        std::size_t end = start + 1;
        while (end < units.size() && ends[end] - base <= lineWidth)
            ++end;
        FinishLine(units.substr(start, end - start));
        base = ends[end - 1];
        start = end;
    }
    pending_ = word.Right(static_cast<int>(units.size() - start));
    pendingWidth_ = ends.back() - base;
}
