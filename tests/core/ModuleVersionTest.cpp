#include "core/ModuleVersion.h"

#include <gtest/gtest.h>

TEST(ModuleVersion, TheProgramCarriesTheBuildVersion) {
    CModuleVersion version;
    ASSERT_TRUE(version.Read());
    const FixedFileInfo& fixed = version.GetFixedInfo();
    EXPECT_EQ(fixed.signature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.fileVersionMS, 4u << 16 | 5u);
    EXPECT_EQ(fixed.fileVersionLS, 38u << 16);
    EXPECT_EQ(fixed.productVersionMS, fixed.fileVersionMS);
    EXPECT_EQ(fixed.productVersionLS, fixed.fileVersionLS);
    // No translation table: the default code page.
    EXPECT_EQ(version.GetCodePage(), 1252);
}

TEST(ModuleVersion, LoadedSharedObjectIsKnownByItsFileName) {
    // The C++ runtime is libstdc++.so.6.x.y.
    CModuleVersion version;
    ASSERT_TRUE(version.Read("libstdc++"));
    EXPECT_EQ(version.GetFixedInfo().signature, CModuleVersion::kSignature);
    EXPECT_EQ(version.GetFixedInfo().fileVersionMS >> 16, 6u);
    EXPECT_EQ(version.GetCodePage(), 1252);
}

TEST(ModuleVersion, ModuleNotLoaded) {
    CModuleVersion version;
    ASSERT_TRUE(version.Read());
    EXPECT_FALSE(version.Read("libzr-no-such-module"));
    EXPECT_EQ(version.GetFixedInfo().signature, 0u);
    EXPECT_EQ(version.GetFixedInfo().fileVersionMS, 0u);
    EXPECT_EQ(version.GetCodePage(), 1252);
}
