// The lines of a message box, measured one unit a character.

#include "core/MessageLines.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageLines, BreakBetweenWordsAndAfterAPathsSeparatorsOnly) {
    const struct {
        const char* text;
        int width;
        const char* lines;
    } rows[] = {
        // A line exactly full, one character longer, and the text's own (empty) lines.
        {"open the file", 13, "open the file"},
        {"open the file", 12, "open the\nfile"},
        {"W307 Unable:\n\nNo application", 40, "W307 Unable:\n\nNo application"},
        // A path wider than a line breaks as late as it can after a separator, never at a blank
        // of a folder's name; a name wider than a line stands whole on its own.
        {"open /home/ann/Clearance 2024/acme.zre now", 20,
         "open /home/ann/\nClearance 2024/\nacme.zre now"},
        {"/a/averyverylongname/b", 8, "/a/\naveryverylongname/\nb"},
        // A word that fits a line moves to the next whole, separators or not.
        {"copy and/or move", 10, "copy\nand/or\nmove"},
    };
    const auto characters = [](std::string_view text) { return static_cast<int>(text.size()); };
    for (const auto& row : rows)
        EXPECT_EQ(BreakMessageLines(row.text, row.width, characters), row.lines)
            << row.text << " in " << row.width;
}

} // namespace
