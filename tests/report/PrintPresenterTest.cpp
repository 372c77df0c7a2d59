#include "report/print/PrintPresenter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every word read back, as "<word>/<style>", new lines and tabs spelt out.
std::vector<std::string> Words(CPrintPresenter& presenter) {
    presenter.Rewind();
    std::vector<std::string> words;
    std::string word;
    unsigned style = 0;
    while (presenter.NextWord(word, style)) {
        const std::string shown = word == "\n" ? "\\n" : word == "\t" ? "\\t" : word;
        words.push_back(shown + "/" + std::to_string(style));
    }
    return words;
}

using Strings = std::vector<std::string>;

const std::string kGreek = "\xc1\xc8\xc7\xcd\xc1 \xc1.\xc5.";

TEST(PrintPresenter, FieldsGiveBoldLabelRunsThenPlainWords) {
    CPrintPresenter presenter;
    presenter.AddPlainField("Owner:", "Acme Ltd", kStyleLabelBold, kTextLatin, false, false);
    EXPECT_EQ(Words(presenter), (Strings{"Owner:/2", " /0", "Acme/0", " /0", "Ltd/0", "\\n/0"}));
}

TEST(PrintPresenter, BackslashesSplitAFieldIntoLines) {
    CPrintPresenter presenter;
    presenter.AddPlainField("", "1 High St\\London", 0, kTextLatin, false, false);
    EXPECT_EQ(Words(presenter),
              (Strings{"1/0", " /0", "High/0", " /0", "St/0", "\\n/0", "London/0", "\\n/0"}));
}

TEST(PrintPresenter, AnEmptyFieldWritesNothingAndKeepsTheParagraphPending) {
    CPrintPresenter presenter;
    presenter.RequestParagraph();
    presenter.AddPlainField("Label:", "", kStyleLabelBold, kTextLatin, true, false);
    EXPECT_TRUE(Words(presenter).empty());
    presenter.AddPlainField("A:", "x", 0, kTextLatin, false, false);
    presenter.AddPlainField("B:", "y", 0, kTextLatin, false, true);
    // The pending paragraph is one new line, before the first field only.
    EXPECT_EQ(Words(presenter),
              (Strings{"\\n/0", "A:/0", " /0", "x/0", "\\n/0", "B:/0", " /0", "y/0", "\\n/0"}));
    EXPECT_TRUE(presenter.IsParagraphPending());
}

TEST(PrintPresenter, AStyleChangeSplitsAWordWithoutABlank) {
    CPrintPresenter presenter;
    presenter.AddText("Bold", kStyleTextBold);
    presenter.AddText("Ital", kStyleLabelItalic);
    presenter.AddText("Both", kStyleLabelBold | kStyleTextItalic);
    presenter.AppendRaw("Raw");
    EXPECT_EQ(Words(presenter), (Strings{"Bold/2", "Ital/4", "Both/6", "Raw/0"}));
}

TEST(PrintPresenter, GreekModesMarkTheTextButNeverTheLabel) {
    CPrintPresenter presenter;
    presenter.AddPlainField("Mark:", kGreek, kStyleLabelBold | kStyleTextBold, kTextDecide, false,
                            false);
    presenter.AddPlainField("Mark:", "ACME", 0, kTextDecide, false, false);
    presenter.AddPlainField("Mark:", "ACME", 0, kTextGreek, false, false);
    EXPECT_EQ(Words(presenter), (Strings{"Mark:/2", " /0", "\xc1\xc8\xc7\xcd\xc1/10", " /10",
                                         "\xc1.\xc5./10", "\\n/0", "Mark:/0", " /0", "ACME/0",
                                         "\\n/0", "Mark:/0", " /0", "ACME/8", "\\n/0"}));
}

TEST(PrintPresenter, ColumnsAreSeparatedByTabsAndTheirValuesFollowTheirMode) {
    CPrintPresenter presenter;
    presenter.AddTwoColumns("Week Ending", "Recent History", kStyleLabelBold | kStyleTextBold,
                            kTextLatin);
    presenter.AddThreeColumns("1 Jan", kGreek, "a\\b", 0, kTextDecide);
    EXPECT_EQ(Words(presenter), (Strings{"Week/2",
                                         " /2",
                                         "Ending/2",
                                         "\\t/0",
                                         "Recent/2",
                                         " /2",
                                         "History/2",
                                         "\\n/0",
                                         "1/0",
                                         " /0",
                                         "Jan/0",
                                         "\\t/0",
                                         "\xc1\xc8\xc7\xcd\xc1/8",
                                         " /8",
                                         "\xc1.\xc5./8",
                                         "\\t/0",
                                         "a/0",
                                         "\\n/0",
                                         "b/0",
                                         "\\n/0"}));
}

TEST(PrintPresenter, LongRunsComeBackInPiecesOfTheLongestWord) {
    CPrintPresenter presenter;
    presenter.AppendRaw(std::string(5000, 'x'));
    presenter.AppendRaw(" y");
    presenter.Rewind();
    std::vector<std::size_t> lengths;
    std::string word;
    unsigned style = 0;
    while (presenter.NextWord(word, style))
        lengths.push_back(word.size());
    EXPECT_EQ(lengths, (std::vector<std::size_t>{4095, 905, 1, 1}));
    // Read again from the start.
    presenter.Rewind();
    ASSERT_TRUE(presenter.NextWord(word, style));
    EXPECT_EQ(word.size(), 4095u);
}

} // namespace
