// Help file names and topic addresses, and what the user is told when help cannot be shown.

#include "app/Help.h"

#include "tests/engines/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

TEST(ChmHelpPath, ReplacesAnExtensionOfThreeOrMoreCharacters) {
    EXPECT_EQ(ChmHelpPath("/opt/zr/ZRPro.hlp"), "/opt/zr/ZRPro.chm");
    EXPECT_EQ(ChmHelpPath("/opt/zr/ZRPro.help"), "/opt/zr/ZRPro.chm");
    EXPECT_EQ(ChmHelpPath("/opt/zr/ZRPro.hl"), "/opt/zr/ZRPro.hl");
    EXPECT_EQ(ChmHelpPath("/opt/zr/ZRPro."), "/opt/zr/ZRPro.");
    EXPECT_EQ(ChmHelpPath("ZRPro"), "ZRPro");
}

TEST(Help, ContextIdsBecomeHexadecimalTopicsOfTheHelpFile) {
    std::vector<std::string> opened;
    CHelp help("/opt/zr/ZRPro.chm", [&opened](const std::string& address) {
        opened.push_back(address);
        return 42;
    });
    CScriptedMessages messages;
    help.ShowHelp(32838);
    help.ShowHelp(0x20080);
    help.ShowHelpTopic("");
    EXPECT_EQ(opened, (Texts{"/opt/zr/ZRPro.chm::/man/8046.htm",
                             "/opt/zr/ZRPro.chm::/man/20080.htm", "/opt/zr/ZRPro.chm"}));
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(Help, FailuresAndTheContextSwitchTellTheUser) {
    CHelp help("/opt/zr/ZRPro.chm", [](const std::string&) { return 31; });
    CScriptedMessages messages;
    help.ShowHelpTopic("8046");
    help.ShowHelpTopic("");
    help.SetShowContext(true);
    help.ShowHelpTopic("8046");
    help.ShowHelpTopic("");
    EXPECT_EQ(messages.Texts(),
              (Texts{"W323 Failed to find HTML help context '8046' in '/opt/zr/ZRPro.chm'",
                     "W322 Failed to start HTML help '/opt/zr/ZRPro.chm'",
                     "Showing help context: '8046' in '/opt/zr/ZRPro.chm'",
                     "W323 Failed to find HTML help context '8046' in '/opt/zr/ZRPro.chm'",
                     "Showing help file '/opt/zr/ZRPro.chm'",
                     "W322 Failed to start HTML help '/opt/zr/ZRPro.chm'"}));
    EXPECT_EQ(messages.Shown()[0].icon, platform::MessageIcon::Warning);
}

} // namespace
