#include "report/template/ReportTokeniser.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every token of a template as one line: text runs quoted, tags with their marks, name, value
// and attributes.
std::vector<std::string> Tokens(CReportTokeniser& tokeniser) {
    std::vector<std::string> lines;
    CReportToken token;
    while (tokeniser.NextToken(token)) {
        if (!token.isTag) {
            lines.push_back("\"" + token.name + "\"");
            continue;
        }
        std::string line = "[";
        if (token.isTest)
            line += token.negated ? "!" : "?";
        line += token.name;
        if (!token.value.empty())
            line += "=" + token.value;
        for (const auto& [key, value] : token.attributes)
            line += " (" + key + "|" + value + ")";
        lines.push_back(line + "]");
    }
    EXPECT_FALSE(tokeniser.NextToken(token));
    return lines;
}

std::vector<std::string> Tokens(const std::string& text) {
    CReportTokeniser tokeniser(text);
    return Tokens(tokeniser);
}

using Lines = std::vector<std::string>;

TEST(ReportTokeniser, TextAndFields) {
    EXPECT_EQ(Tokens("Client: [[CLIENT]]."), (Lines{"\"Client: \"", "[CLIENT]", "\".\""}));
    EXPECT_EQ(Tokens("[[A=B]]"), (Lines{"[A=B]"}));
    EXPECT_EQ(Tokens("[[ CLIENT ]]"), (Lines{"[ CLIENT ]"}));
    // A single "[" or any "]" in text is text, also at the very end.
    EXPECT_EQ(Tokens("a] [b ["), (Lines{"\"a] [b [\""}));
    EXPECT_TRUE(Tokens("").empty());
}

TEST(ReportTokeniser, TestsAndTheirEnd) {
    EXPECT_EQ(Tokens("[[?QSTATUS=Lapsed]]x[[]]"), (Lines{"[?QSTATUS=Lapsed]", "\"x\"", "[]"}));
    EXPECT_EQ(Tokens("[[!OWNER]][[!A=b=c]]"), (Lines{"[!OWNER]", "[!A=b=c]"}));
}

// Fields compared one by one: an "=" belongs to the name of a tag that is no test, and only the
// first "=" of a test ends its name.
TEST(ReportTokeniser, EqualsSignsInNamesAndValues) {
    struct Case {
        const char* text;
        bool isTest;
        bool negated;
        const char* name;
        const char* value;
        std::vector<CReportToken::Attribute> attributes;
    };
    const Case cases[] = {
        {"[[A=B]]", false, false, "A=B", "", {}},
        {"[[=]]", false, false, "=", "", {}},
        {"[[A==B][K=V=W]]", false, false, "A==B", "", {{"K", "V=W"}}},
        {"[[?A=B]]", true, false, "A", "B", {}},
        {"[[!A=b=c]]", true, true, "A", "b=c", {}},
        {"[[?=x]]", true, false, "", "x", {}},
        {"[[?A=]]", true, false, "A", "", {}},
        {"[[?A=B][=C]]", true, false, "A", "B", {{"", "C"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CReportTokeniser tokeniser(c.text);
        CReportToken token;
        ASSERT_TRUE(tokeniser.NextToken(token));
        EXPECT_TRUE(token.isTag);
        EXPECT_EQ(token.isTest, c.isTest);
        EXPECT_EQ(token.negated, c.negated);
        EXPECT_EQ(token.name, c.name);
        EXPECT_EQ(token.value, c.value);
        EXPECT_EQ(token.attributes, c.attributes);
        EXPECT_FALSE(tokeniser.NextToken(token));
    }
}

TEST(ReportTokeniser, Attributes) {
    EXPECT_EQ(Tokens("[[STARTSECTION] [FIRST=2]\r\n[LAST=3]]"),
              (Lines{"[STARTSECTION (FIRST|2) (LAST|3)]"}));
    // Before the name's "]" a "[" is part of the name.
    EXPECT_EQ(Tokens("[[A [B=1]]"), (Lines{"[A [B=1]"}));
    EXPECT_EQ(Tokens("[[STARTSECTION][FIRST=2][ALL]]"), (Lines{"[STARTSECTION (FIRST|2) (ALL|)]"}));
    // Empty attributes add nothing; "=" alone with a value adds an empty key.
    EXPECT_EQ(Tokens("[[X][][=v][=]]"), (Lines{"[X (|v)]"}));
    // Stray characters between attributes are dropped.
    EXPECT_EQ(Tokens("[[NAME] junk]after"), (Lines{"[NAME]", "\"after\""}));
}

TEST(ReportTokeniser, UnclosedTagsTakeTheRest) {
    EXPECT_EQ(Tokens("[[NAME"), (Lines{"[NAME]"}));
    EXPECT_EQ(Tokens("[[NAME][KEY=va"), (Lines{"[NAME (KEY|va)]"}));
    EXPECT_EQ(Tokens("[[?NAME=val"), (Lines{"[?NAME=val]"}));
}

TEST(ReportTokeniser, LoadsTemplateFiles) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("zr_template_" + std::to_string(::getpid()) + ".rtf");
    std::ofstream(path, std::ios::binary) << "{\\rtf1 [[CLIENT]]}";
    CReportTokeniser tokeniser("left over");
    ASSERT_TRUE(tokeniser.LoadFile(path.string()));
    EXPECT_EQ(Tokens(tokeniser), (Lines{"\"{\\rtf1 \"", "[CLIENT]", "\"}\""}));
    std::filesystem::remove(path);
    EXPECT_FALSE(tokeniser.LoadFile(path.string()));
    CReportToken token;
    EXPECT_FALSE(tokeniser.NextToken(token));
}

} // namespace
