// The new-version notice: its fields and feature lines, and which addresses it may open.

#include "engines/VersionInfo.h"

#include "ScriptedMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionInfo, FieldsAreSeparatedByTabs) {
    const CVersionInfo info("4\t4.6.0\thttp://host/setup\tWarning\tf4\tf5\tf6\tf7\tf8\tf9\tf10");
    EXPECT_EQ(info.GetField(0), "4");
    EXPECT_EQ(info.GetVersion(), "4.6.0");
    EXPECT_EQ(info.GetAddress(), "http://host/setup");
    EXPECT_EQ(info.GetWarning(), "Warning");
    EXPECT_EQ(info.GetLine(0), "f4");
    EXPECT_EQ(info.GetLine(5), "f9");
    EXPECT_EQ(info.GetField(11), "");
    EXPECT_EQ(info.GetField(-1), "");
}

TEST(VersionInfo, MissingFieldsAreEmpty) {
    const CVersionInfo shortNotice("5\t4.6.0\t\t\t\tonly");
    EXPECT_EQ(shortNotice.GetAddress(), "");
    EXPECT_EQ(shortNotice.GetLine(0), "only");
    EXPECT_EQ(shortNotice.GetLine(1), "");
    // A first field that is no number starts the feature lines at field 0.
    const CVersionInfo noNumber("x\t1.0");
    EXPECT_EQ(noNumber.GetLine(0), "x");
    EXPECT_EQ(noNumber.GetLine(1), "1.0");
    EXPECT_EQ(CVersionInfo("").GetVersion(), "");
}

TEST(VersionInfo, OnlyWebAddressesAreOpened) {
    for (const char* address : {"http://www.velorin.example/setup.exe", "HTTPS://host/x?a=b"})
        EXPECT_TRUE(IsWebAddress(address)) << address;
    for (const char* address :
         {"", "http://", "https:/host", "ftp://host/setup", "file:///bin/sh", "/bin/sh",
          "mailto:a@b", "http://host/a b", "http://host/\n", "javascript:alert(1)"})
        EXPECT_FALSE(IsWebAddress(address)) << address;
}

TEST(VersionInfo, AnOpenerThatFailsIsReported) {
    CScriptedMessages messages;
    const CVersionNotice notice(CVersionInfo("4\t4.6.0\thttp://host/setup"),
                                [](const std::string&) { return 2; });
    EXPECT_FALSE(notice.Download());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(messages.Texts()[0].rfind("W307 Unable to open hyperlink:\n\n", 0), 0u);
}

} // namespace
