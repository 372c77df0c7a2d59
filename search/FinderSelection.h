#pragma once
// What a string-finder list shows and which of its strings the user ticked: the lines of the
// finder's merged list, the ticked strings in the order ticked (compared without regard to
// case), up to a maximum, and the column at which aligned lines put their entry's position. The
// list boxes of the string-finder dialogs draw from it and hand it their clicks.
//
// Three kinds of list: plain strings (names and terms; in finder mode 7 each line is led by its
// Locarno code), Locarno classes (a click ticks "code description") and Vienna codes (a click
// ticks the description). Locarno and Vienna lines show a code column and highlight the typed
// text where it starts a word of the description.

#include "search/StringFinder.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class EFinderList { Strings, Locarno, Vienna };

struct CTextSpan {
    std::size_t start = 0;
    std::size_t length = 0;

    bool operator==(const CTextSpan&) const = default;
};

class CFinderSelection {
public:
    static constexpr int kDefaultAlignColumn = 4;
    static constexpr int kMaxAlignColumn = 8;
    // The aligned column lies at alignColumn ninths of the text width.
    static constexpr int kAlignSteps = 9;
    // The finder mode whose lines are led by their Locarno code.
    static constexpr int kLocarnoPrefixMode = 7;

    // The finder is not owned; selected is the page's current list.
    CFinderSelection(CStringFinder& finder, EFinderList kind, std::vector<std::string> selected,
                     bool aligned, int maxSelected);

    // The entry of a line as shown; an empty entry past the list's ends.
    CFoundString GetLine(int index);
    bool LineExists(int index) { return !GetLine(index).GetText().empty(); }
    bool IsLineSelected(int index) { return IsSelected(GetLine(index)); }
    // Whether the string a click on the line ticks is ticked; never for an empty line.
    bool IsSelected(const CFoundString& line) const;
    // Ticks the line's string, or unticks it when ticked; at the maximum an unticked line stays
    // so. Nothing for an empty line. Always true: the line is drawn again.
    bool ClickLine(int index);
    // Moves the aligned column by delta within 0 .. 8; true when the lines must be drawn again.
    bool StepSelection(int delta);

    bool IsSelected(std::string_view text) const;
    const std::vector<std::string>& GetSelected() const { return selected_; }
    bool IsAligned() const { return aligned_; }
    int GetAlignColumn() const { return alignColumn_; }
    EFinderList GetKind() const { return kind_; }

    // The code column of a Locarno or Vienna line.
    std::string GetCodeText(const CFoundString& line) const;
    // Where the typed text starts the description or a word after a blank in it.
    std::vector<CTextSpan> GetHighlightSpans(std::string_view description) const;
    // The character of an aligned line drawn at the aligned column: its position, held within
    // the text.
    static std::size_t GetAlignedCharacter(const CFoundString& line);

private:
    // The string a click on the line ticks.
    std::string GetToggleText(const CFoundString& line) const;

    CStringFinder& finder_;
    EFinderList kind_;
    std::vector<std::string> selected_;
    bool aligned_;
    std::size_t maxSelected_;
    int alignColumn_ = kDefaultAlignColumn;
};
