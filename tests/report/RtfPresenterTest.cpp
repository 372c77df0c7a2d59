#include "report/presenter/RtfPresenter.h"

#include "report/presenter/RtfStreamer.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const std::string kHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab1440"
                            "{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil\\fcharset161 Arial;}}"
                            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;}"
                            "{\\pard\\tx1400\\tx2400\\plain\\f0\\fs20 ";

// Highlights whole words equal to a term, ignoring case: enough to see where highlighting
// happens, not how terms match.
std::vector<CTextRun> SplitWholeWords(std::string_view text,
                                      const std::vector<std::string>& terms) {
    std::vector<CTextRun> runs;
    auto isWordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        while (end < text.size() && isWordChar(text[end]))
            ++end;
        if (end == i) {
            plain += text[i++];
            continue;
        }
        std::string word(text.substr(i, end - i));
        std::string upper = word;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (std::find(terms.begin(), terms.end(), upper) != terms.end()) {
            if (!plain.empty())
                runs.push_back({false, std::move(plain)});
            plain.clear();
            runs.push_back({true, word});
        } else {
            plain += word;
        }
        i = end;
    }
    if (!plain.empty())
        runs.push_back({false, plain});
    return runs;
}

std::string Body(const CRtfPresenter& rtf) {
    const std::string document = rtf.GetRtf("Arial", 10);
    return document.substr(kHeader.size(), document.size() - kHeader.size() - 2);
}

TEST(RtfPresenter, EmptyBodyGivesAValidDocument) {
    CRtfPresenter rtf;
    EXPECT_TRUE(rtf.IsEmpty());
    EXPECT_EQ(rtf.GetRtf("Arial", 10), kHeader + "}}");
    // The face name cannot break out of the font table.
    EXPECT_NE(rtf.GetRtf("Ev}il;{\\x", 12).find("{\\f0\\fnil Evilx;}"), std::string::npos);
    EXPECT_NE(rtf.GetRtf("Arial", 12).find("\\tx1680\\tx2880\\plain\\f0\\fs24 "),
              std::string::npos);
}

TEST(RtfPresenter, FieldsAndTheirParagraphs) {
    CRtfPresenter rtf;
    rtf.AddPlainField("Mark:", "ACME", kStyleLabelBold | kStyleTextBold, kTextLatin, false, true);
    rtf.AddPlainField("Owner:", "", kStyleLabelBold, kTextLatin, false, false); // nothing
    EXPECT_TRUE(rtf.IsParagraphPending());
    rtf.AddPlainField("", "Soap", kStyleTextItalic, kTextLatin, false, false);
    rtf.AddPlainField("", "Wax", 0, kTextLatin, false, false);
    rtf.EndParagraph(false);
    rtf.EndParagraph(true);
    EXPECT_EQ(Body(rtf), "{\\b Mark:}{ }{\\b ACME} \\line  \\par {\\i Soap} \\line {Wax} \\line "
                         " \\par ");
}

TEST(RtfPresenter, ParagraphBreakAtTheStartHasNoLeadingBlank) {
    CRtfPresenter rtf;
    rtf.RequestParagraph();
    rtf.AddPlainField("", "x", 0, kTextLatin, false, false);
    EXPECT_EQ(Body(rtf), "\\par {x} \\line ");
    rtf.Clear();
    EXPECT_TRUE(rtf.IsEmpty());
}

TEST(RtfPresenter, RecordTextCannotInjectRtf) {
    CRtfPresenter rtf;
    EXPECT_EQ(rtf.ConvertText("a{b}\\c", kTextLatin), "a\\{b\\}\\line c");
    EXPECT_EQ(rtf.ConvertText("}{\\rtf1\\par}", kTextLatin), "\\}\\{\\line rtf1\\line par\\}");
    rtf.AddText("Label {x}", kStyleLabelBold);
    rtf.AddTwoColumns("\\b{", "}", 0, kTextLatin);
    EXPECT_EQ(Body(rtf), "{\\b Label \\{x\\}}{\\line b\\{}\\tab {\\}} \\line ");
}

TEST(RtfPresenter, CharactersBeyondAsciiBecomeUnicodeEscapes) {
    CRtfPresenter rtf;
    // Western: e acute, the euro sign; references decode, a lone "&" stays.
    EXPECT_EQ(rtf.ConvertText("Caf\xe9 \x80 &amp; & &#x3A9;", kTextLatin),
              "Caf\\u233? \\u8364? \\u38? & \\u937?");
    // Greek: alpha, the micro sign keeps its place; code points above 32767 are negative.
    EXPECT_EQ(rtf.ConvertText("\xc1\xb5", kTextGreek), "{\\f1 \\u913?\\u181?}");
    EXPECT_EQ(rtf.ConvertText("&#65535;", kTextLatin), "\\u-1?");
    // The Greek font group ends its control word, so a leading digit stays text.
    EXPECT_EQ(rtf.ConvertText("1", kTextGreek), "{\\f1 1}");
}

TEST(RtfPresenter, GreekIsDecidedFromTheText) {
    CRtfPresenter rtf;
    const std::string greek = "\xe1\xe8\xde\xed\xe1 \xea\xe1\xe9 \xf0\xe5\xe9\xf1\xe1\xe9\xe1\xdf";
    EXPECT_EQ(rtf.ConvertText(greek, kTextDecide).rfind("{\\f1 ", 0), 0u);
    EXPECT_EQ(rtf.ConvertText("Soap and candles", kTextDecide), "Soap and candles");
}

TEST(RtfPresenter, GoodsTermsAreHighlightedInThePlainText) {
    CRtfPresenter rtf;
    // Without terms a goods field is written like any other.
    rtf.AddField(kFieldGoods, "Class 3:", "Soap", kStyleLabelBold, kTextLatin, true, true);
    CRtfPresenter plain;
    plain.AddPlainField("Class 3:", "Soap", kStyleLabelBold, kTextLatin, true, true);
    EXPECT_EQ(Body(rtf), Body(plain));

    // A term such as LINE must not reach into the line-break control word.
    CRtfPresenter highlighted;
    highlighted.SetHighlighting({"LINE", "SOAP"}, SplitWholeWords);
    highlighted.AddField(kFieldGoods, "", "Soap\\line {cord}", kStyleTextBold, kTextLatin, false,
                         false);
    EXPECT_EQ(Body(highlighted), "{\\b {\\cf1\\b Soap}\\line {\\cf1\\b line} \\{cord\\}} \\line ");
    // Only goods fields are highlighted.
    highlighted.Clear();
    highlighted.AddPlainField("", "Soap", 0, kTextLatin, false, false);
    EXPECT_EQ(Body(highlighted), "{Soap} \\line ");
}

TEST(RtfPresenter, ControlWordsEndBeforeDigitsOfTheBody) {
    CRtfPresenter rtf;
    rtf.AppendRaw("12 items");
    EXPECT_NE(rtf.GetRtf("Arial", 10).find("\\fs20 12 items"), std::string::npos);
    rtf.AppendLineBreak();
    rtf.AppendChar('7');
    EXPECT_EQ(Body(rtf), "12 items\\line 7");
}

TEST(RtfPresenter, ColumnsAndAppendedNumbers) {
    CRtfPresenter rtf;
    rtf.AddThreeColumns("Week", "one", "two", kStyleLabelBold | kStyleTextItalic, kTextLatin);
    rtf.AddTwoColumns("", "only", 0, kTextLatin);
    EXPECT_EQ(Body(rtf), "{\\b Week}\\tab {\\i one}\\tab {\\i two} \\line \\tab {only} \\line ");

    std::string target = "see ";
    rtf.AppendTo("1234", 1234u << 8, 'u', 1, 2, target);
    EXPECT_EQ(target, "see 1234");
    rtf.ReportMissing(CMark(0x2a, 'u', 1, 2));
    EXPECT_NE(Body(rtf).find("Cannot find details for 0x2a-117\n"), std::string::npos);
}

// Pulls the document in small chunks, as a rich text control does.
class CChunkReadingControl : public CRtfControl {
public:
    void SetTextLimit(std::size_t length) override { limit = length; }
    void StreamIn(CRtfStreamer& streamer) override {
        contents.clear();
        char chunk[7];
        while (const std::size_t count = streamer.ReadCallback(chunk, sizeof chunk))
            contents.append(chunk, count);
    }
    std::size_t limit = 0;
    std::string contents = "old contents";
};

TEST(RtfStreamer, HandsTheWholeDocumentOverInChunks) {
    CRtfPresenter rtf;
    rtf.AddPlainField("Mark:", "ACME", kStyleLabelBold, kTextLatin, false, false);
    const std::string document = rtf.GetRtf("Arial", 10);

    CChunkReadingControl control;
    CRtfStreamer streamer(control);
    streamer.StreamIn(document);
    EXPECT_EQ(control.contents, document);
    EXPECT_EQ(control.limit, document.size());
    // A second load replaces the first.
    streamer.StreamIn("{\\rtf1 x}");
    EXPECT_EQ(control.contents, "{\\rtf1 x}");
    char rest[4];
    EXPECT_EQ(streamer.ReadCallback(rest, sizeof rest), 0u);
}

} // namespace
