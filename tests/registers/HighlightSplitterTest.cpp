#include "registers/HighlightSplitter.h"

#include "report/presenter/RtfPresenter.h"

#include <gtest/gtest.h>

namespace {

TEST(HighlightSplitter, RtfGoodsTextHighlightsWhatAWildcardTermFinds) {
    CRtfPresenter rtf;
    rtf.SetHighlighting({"SHO-", "B*OTS"}, MakeHighlightSplitter());
    rtf.AddField(kFieldGoods, "", "Shoes, boots; short socks and shoe-horns", 0, kTextLatin, false,
                 false);
    const std::string document = rtf.GetRtf("Arial", 10);
    EXPECT_NE(document.find("{{\\cf1\\b Shoes}, {\\cf1\\b boots}; {\\cf1\\b short} socks and "
                            "{\\cf1\\b shoe}-horns}"),
              std::string::npos)
        << document;
}

TEST(HighlightSplitter, RunsTogetherAreTheText) {
    const TermSplitter split = MakeHighlightSplitter();
    const std::string text = "Soap, soaps and detergents";
    std::string joined;
    int highlighted = 0;
    for (const CTextRun& run : split(text, {"SOAP"})) {
        joined += run.text;
        highlighted += run.highlighted ? 1 : 0;
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(highlighted, 1) << "whole words only";
}

} // namespace
