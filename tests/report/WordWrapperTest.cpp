#include "report/print/WordWrapper.h"

#include "RecordingSurface.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

const CFontSpec kPlain{"Arial", 10};
const CFontSpec kBold{"Arial", 10, CFontSpec::kBold};

// Words of the text at blanks, each blank a word of its own.
void AddWords(CWordWrapper& wrapper, const std::string& text, const CFontSpec& font = kPlain) {
    std::string word;
    for (const char c : text) {
        if (c == ' ' || c == '\n') {
            if (!word.empty())
                wrapper.AddWord(word, font, false);
            word.clear();
            wrapper.AddWord(std::string(1, c), font, false);
        } else {
            word += c;
        }
    }
    if (!word.empty())
        wrapper.AddWord(word, font, false);
}

// The text drawn: "TextOut(x, y, "...")" calls only.
Strings Drawn(const CRecordingSurface& surface) {
    Strings drawn;
    for (const std::string& call : surface.DrawingCalls())
        if (call.rfind("TextOut", 0) == 0)
            drawn.push_back(call);
    return drawn;
}

// Left 100, right 200: ten characters a line.
class WordWrapper : public ::testing::Test {
protected:
    CRecordingSurface surface_;
};

TEST_F(WordWrapper, WordsFillLinesAndBreakBetweenWords) {
    CWordWrapper wrapper(surface_, true, 100, 200, 50, 20, 0, 100);
    AddWords(wrapper, "aaaa bbbb ccc dd");
    EXPECT_EQ(wrapper.Finish(), 2);
    // "aaaa bbbb" is 85 wide; with " ccc" it would be 120.
    EXPECT_EQ(Drawn(surface_),
              (Strings{R"(TextOut(100, 50, "aaaa bbbb"))", R"(TextOut(100, 70, "ccc dd"))"}));
}

TEST_F(WordWrapper, AWordThatFillsTheLineExactlyStaysOnIt) {
    CWordWrapper wrapper(surface_, true, 100, 200, 0, 20, 0, 100);
    AddWords(wrapper, "aaaaaaaaaa b");
    EXPECT_EQ(wrapper.Finish(), 2);
    EXPECT_EQ(Drawn(surface_),
              (Strings{R"(TextOut(100, 0, "aaaaaaaaaa"))", R"(TextOut(100, 20, "b"))"}));
}

TEST_F(WordWrapper, AWordWiderThanTheLineIsBrokenIntoFullPieces) {
    CWordWrapper wrapper(surface_, true, 100, 200, 0, 20, 0, 100);
    AddWords(wrapper, "ab " + std::string(25, 'x') + " cd");
    EXPECT_EQ(wrapper.Finish(), 4);
    EXPECT_EQ(Drawn(surface_),
              (Strings{R"(TextOut(100, 0, "ab"))", R"(TextOut(100, 20, "xxxxxxxxxx"))",
                       R"(TextOut(100, 40, "xxxxxxxxxx"))", R"(TextOut(100, 60, "xxxxx cd"))"}));
}

TEST_F(WordWrapper, ALineNarrowerThanACharacterStillTakesOneCharacterALine) {
    CWordWrapper wrapper(surface_, true, 100, 105, 0, 20, 0, 100);
    AddWords(wrapper, "abc");
    EXPECT_EQ(wrapper.Finish(), 3);
    EXPECT_EQ(Drawn(surface_), (Strings{R"(TextOut(100, 0, "a"))", R"(TextOut(100, 20, "b"))",
                                        R"(TextOut(100, 40, "c"))"}));
}

TEST_F(WordWrapper, TheWindowDrawsItsLinesAtTheFirstPositionsAndCountsOnlyThem) {
    CWordWrapper wrapper(surface_, true, 100, 200, 300, 20, 2, 3);
    AddWords(wrapper, "one\ntwo\nthree\nfour\nfive");
    EXPECT_EQ(wrapper.Finish(), 2);
    EXPECT_EQ(Drawn(surface_),
              (Strings{R"(TextOut(100, 300, "three"))", R"(TextOut(100, 320, "four"))"}));
    EXPECT_EQ(wrapper.GetLine(), 5);
    EXPECT_EQ(wrapper.GetY(), 340);
}

TEST_F(WordWrapper, MeasuringDrawsNothingButCountsTheSameLines) {
    CWordWrapper measure(surface_, false, 100, 200, 0, 20, 0, 100);
    AddWords(measure, "aaaa bbbb ccc dd " + std::string(25, 'x'));
    EXPECT_EQ(measure.Finish(), 5);
    EXPECT_TRUE(Drawn(surface_).empty());
}

TEST_F(WordWrapper, PendingBlanksArePrintedOnlyBeforeAWordOnTheSameLine) {
    CWordWrapper wrapper(surface_, true, 100, 200, 0, 20, 0, 100);
    AddWords(wrapper, "ab   cd     \nef");
    EXPECT_EQ(wrapper.Finish(), 2);
    EXPECT_EQ(Drawn(surface_),
              (Strings{R"(TextOut(100, 0, "ab   cd"))", R"(TextOut(100, 20, "ef"))"}));
}

TEST_F(WordWrapper, BlankLinesCountAndAnEmptyWordEndsOnlyALineWithText) {
    CWordWrapper wrapper(surface_, true, 100, 200, 0, 20, 0, 100);
    AddWords(wrapper, "a\n\nb");
    wrapper.AddWord("", kPlain, false);
    wrapper.AddWord("", kPlain, false);
    EXPECT_EQ(wrapper.Finish(), 3);
    EXPECT_EQ(Drawn(surface_), (Strings{R"(TextOut(100, 0, "a"))", R"(TextOut(100, 40, "b"))"}));
}

TEST_F(WordWrapper, AFontChangeDrawsTheTextSoFarAndGoesOnAtTheSameX) {
    CWordWrapper wrapper(surface_, true, 100, 300, 0, 20, 0, 100);
    AddWords(wrapper, "Owner:", kBold);
    AddWords(wrapper, " Acme Ltd");
    EXPECT_EQ(wrapper.Finish(), 1);
    // "Owner: " is 65 wide in bold.
    EXPECT_EQ(surface_.DrawingCalls(),
              (Strings{R"(SetFont("Arial", 10, 700))", R"(TextOut(100, 0, "Owner: "))",
                       R"(SetFont("Arial", 10, 400))", R"(TextOut(165, 0, "Acme Ltd"))"}));
}

TEST_F(WordWrapper, TextBeforeAFontChangeThatDoesNotFitEndsItsLine) {
    CWordWrapper wrapper(surface_, true, 100, 200, 0, 20, 0, 100);
    AddWords(wrapper, "aaaaaaaaaa");
    AddWords(wrapper, " b", kBold);
    EXPECT_EQ(wrapper.Finish(), 2);
    EXPECT_EQ(Drawn(surface_),
              (Strings{R"(TextOut(100, 0, "aaaaaaaaaa"))", R"(TextOut(100, 20, "b"))"}));
}

TEST_F(WordWrapper, AWordAfterAFontChangeThatFitsOnlyAWholeLineStartsTheNextLine) {
    CWordWrapper wrapper(surface_, true, 100, 200, 0, 20, 0, 100);
    AddWords(wrapper, "Agent:", kBold);
    // Nine characters: too wide for what is left of the line, narrow enough for a whole one.
    AddWords(wrapper, " Blackwood");
    EXPECT_EQ(wrapper.Finish(), 2);
    EXPECT_EQ(Drawn(surface_),
              (Strings{R"(TextOut(100, 0, "Agent: "))", R"(TextOut(100, 20, "Blackwood"))"}));
    for (const std::string& call : Drawn(surface_))
        EXPECT_EQ(call.find("TextOut(165"), std::string::npos) << call;
}

TEST_F(WordWrapper, AWordAfterAFontChangeWiderThanALineIsBrokenFromTheNextLine) {
    CWordWrapper wrapper(surface_, true, 100, 200, 0, 20, 0, 100);
    AddWords(wrapper, "Agent:", kBold);
    AddWords(wrapper, " " + std::string(12, 'w'));
    EXPECT_EQ(wrapper.Finish(), 3);
    EXPECT_EQ(Drawn(surface_),
              (Strings{R"(TextOut(100, 0, "Agent: "))", R"(TextOut(100, 20, "wwwwwwwwww"))",
                       R"(TextOut(100, 40, "ww"))"}));
}

} // namespace
