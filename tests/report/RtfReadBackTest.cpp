// Presenter output read back by an independent RTF reader: LibreOffice converts it to plain text
// and the text must say what the record said, Greek and other non-ASCII letters included.

#include "LibreOffice.h"
#include "report/presenter/RtfPresenter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<CTextRun> HighlightLine(std::string_view text, const std::vector<std::string>&) {
    const auto at = text.find("LINE");
    if (at == std::string_view::npos)
        return {{false, std::string(text)}};
    return {{false, std::string(text.substr(0, at))},
            {true, "LINE"},
            {false, std::string(text.substr(at + 4))}};
}

// A record's worth of rows touching every way text reaches the document.
std::string SampleDocument() {
    CRtfPresenter rtf;
    rtf.AppendRaw("10 marks found");
    rtf.AppendLineBreak();
    rtf.AddPlainField("Mark:", "ACME {DELUXE}", kStyleLabelBold | kStyleTextBold, kTextLatin, false,
                      true);
    rtf.AddPlainField("Owner:", "Caf\xe9 M\xfcller & Co\\12 High Street", kStyleLabelBold,
                      kTextLatin, false, false);
    rtf.AddPlainField("Word:", "\xc1\xe8\xde\xed\xe1", 0, kTextGreek, false, false);
    rtf.AddPlainField(
        "Goods:", "\xf3\xe1\xf0\xef\xfd\xed\xe9\xe1 \xea\xe1\xe9 \xea\xe5\xf1\xe9\xdc", 0,
        kTextDecide, false, false);
    rtf.AddPlainField("Note:", "}}{\\rtf1 \\b evil", 0, kTextLatin, false, false);
    rtf.AddPlainField("Refs:",
                      "&eacute;t&eacute; &#8364;5 \x80"
                      "6",
                      0, kTextLatin, false, false);
    rtf.SetHighlighting({"LINE"}, HighlightLine);
    rtf.AddField(kFieldGoods, "Class 9:", "Power LINE cables\\second line", kStyleLabelBold,
                 kTextLatin, true, true);
    rtf.EndParagraph(true);
    rtf.AddTwoColumns("Week Ending", "Recent History", kStyleLabelBold | kStyleTextBold,
                      kTextLatin);
    rtf.AddTwoColumns("1 Jan 2004", "Filed", 0, kTextLatin);
    return rtf.GetRtf("Arial", 10);
}

TEST(RtfReadBack, LibreOfficeReadsWhatTheRecordSaid) {
    const std::string soffice = FindSoffice();
    if (soffice.empty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: RTF read-back not checked";

    const std::string text =
        ConvertRtf(soffice, SampleDocument(), "txt:Text (encoded):UTF8")["sample.txt"];
    ASSERT_FALSE(text.empty()) << "soffice produced no text";
    const std::vector<std::string> lines = TextLines(text);
    const std::vector<std::string> expected = {
        "10 marks found",
        "Mark: ACME {DELUXE}",
        "", // the field's line end, then the paragraph break
        "Owner: Café Müller & Co",
        "12 High Street",
        "Word: Αθήνα",
        "Goods: σαπούνια και κεριά",
        "Note: }}{",
        "rtf1",
        "b evil",
        "Refs: été €5 €6",
        "",
        "Class 9: Power LINE cables",
        "second line",
        "",
        "Week Ending\tRecent History",
        "1 Jan 2004\tFiled",
        "",
    };
    EXPECT_EQ(lines, expected) << text;
}

} // namespace
