// The report template's tree: which tags open blocks and conditions, where they end, and what
// becomes of everything else. Each tree is shown one node a line, children indented.

#include "MemoryReport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

class ReportParser : public ::testing::Test {
protected:
    std::string Tree(std::string_view text, bool rtf = false) {
        job_.Parse(text, rtf);
        return job_.Dump();
    }

    CMemoryReport memory_;
    CReportJob job_{memory_.document, memory_.registers, memory_.options, memory_.today};
};

TEST_F(ReportParser, TagsBecomeFieldsConditionsAndBlocks) {
    EXPECT_EQ(Tree("Client: [[CLIENT]].[[?QSTATUS=Lapsed]]x[[]][[!KEPT]]y[[]][[A=B]][[ C ]]"),
              "ROOT\n"
              "  \"Client: \"\n"
              "  [CLIENT]\n"
              "  \".\"\n"
              "  ?QSTATUS=Lapsed\n"
              "    \"x\"\n"
              "  !KEPT\n"
              "    \"y\"\n"
              "  [A=B]\n"
              "  [ C ]\n");
    // Attributes may stand on lines of their own; a name with an attribute glued to it is no
    // keyword, and the end tag it meant then closes nothing.
    EXPECT_EQ(Tree("[[STARTSECTION] [FIRST=2]\r\n[LAST=3]]a[[ENDSECTION]]"
                   "[[STARTSECTION [FIRST=2]]b[[ENDSECTION]]"),
              "ROOT\n"
              "  SECT: 1-2\n"
              "    \"a\"\n"
              "  [STARTSECTION [FIRST=2]\n"
              "  \"b\"\n"
              "  [ENDSECTION]\n");
}

TEST_F(ReportParser, KeywordsWinOverTestsAndEndTagsIgnoreCase) {
    EXPECT_EQ(Tree("[[?STARTMARK]]m[[endmark]][[ENDMARK]][[STARTVECTOR][FIELD=GOODS]]"
                   "[[STARTIMAGE][FMT=FILEPNG][WIDTH=64]][[ENDVECTOR]]i[[EndImage]]v[[ENDVECTOR]]"),
              "ROOT\n"
              "  MARK: \n"
              "    \"m\"\n"
              "  [ENDMARK]\n"
              "  VECT: GOODS 0-32000\n"
              "    IMAGE: 64x300 FILEPNG\n"
              "      [ENDVECTOR]\n"
              "      \"i\"\n"
              "    \"v\"\n");
}

TEST_F(ReportParser, AConditionEndsAtTheFirstEmptyTagOfItsOwnLevel) {
    EXPECT_EQ(Tree("[[?A]][[STARTMARK]][[]][[ENDMARK]]x[[]]y[[STARTDB][DB=uc][ALL]]"
                   "[[STARTCRITERIA][HIDEDUPLICATES]][[STARTWATCH][ALL]]"),
              "ROOT\n"
              "  ?A\n"
              "    MARK: \n"
              "      []\n"
              "    \"x\"\n"
              "  \"y\"\n"
              "  DB: uc ALL\n"
              "    CRIT: HIDEDUPLICATES\n"
              "      WATCH: ALL\n");
}

TEST_F(ReportParser, TheLastEscapesTagWins) {
    Tree("[[ESCAPES][a=1]]x[[ESCAPES][b=2][][=z]]", true);
    EXPECT_EQ(job_.GetEscapes(), (EscapeTable{{"b", "2"}, {"", "z"}}));
    Tree("x", true);
    EXPECT_EQ(job_.GetEscapes(), (EscapeTable{{"\\", "\\line "}, {"{", "\\{"}, {"}", "\\}"}}));
    Tree("x", false);
    EXPECT_EQ(job_.GetEscapes(), EscapeTable());
}

TEST_F(ReportParser, BlockNumbersAreClampedAndNonNumbersReadZero) {
    EXPECT_EQ(Tree("[[STARTVECTOR][FIELD=H][FIRST=-1][LAST=-5]][[ENDVECTOR]]"
                   "[[STARTSECTION][FIRST=-2000000000][LAST=99999999999]][[ENDSECTION]]"
                   "[[STARTSECTION][FIRST=x][LAST=2][LAST=3]][[ENDSECTION]]"
                   "[[STARTIMAGE][WIDTH=-4][HEIGHT=12abc]][[ENDIMAGE]]"),
              "ROOT\n"
              "  VECT: H 0--5\n"
              "  SECT: 0-2147483646\n"
              "  SECT: 0-2\n"
              "  IMAGE: 0x12 \n");
}

TEST_F(ReportParser, NestingStopsAtTheDeepestLevel) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "[[STARTMARK]][[?A]]";
    const std::string tree = Tree(text + "[[CLIENT]]");
    // The root, the deepest level of blocks and conditions, and the field at the bottom.
    EXPECT_EQ(std::count(tree.begin(), tree.end(), '\n'), 1 + CReportJob::kMaxDepth + 1);
    EXPECT_NE(tree.find(std::string(2 * (CReportJob::kMaxDepth + 1), ' ') + "[CLIENT]\n"),
              std::string::npos);
    // Evaluating and destroying the deepest tree stay within the stack as well.
    std::string conditions;
    for (int i = 0; i < 100000; ++i)
        conditions += "[[?TAB]]";
    EXPECT_EQ(memory_.Write(conditions + "[[CLIENT]]x"), "x");
}

} // namespace
