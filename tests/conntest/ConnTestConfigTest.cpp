#include "conntest/ConnTestConfig.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class ConnTestConfigFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zr_conntest_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string WriteIni(const std::string& text) {
        const fs::path path = dir_ / "ZrProTest.ini";
        std::ofstream(path) << text;
        return path.string();
    }

    fs::path dir_;
};

} // namespace

TEST(ConnTestConfig, DefaultsWithoutFileOrOptions) {
    ConnTestConfig config;
    EXPECT_TRUE(LoadConnTestConfig(config, "/nonexistent/ZrProTest.ini", {}).empty());
    EXPECT_FALSE(config.mainServer.empty());
    EXPECT_FALSE(config.webHost.empty());
    EXPECT_THAT(config.supportAddress, HasSubstr("@"));
    EXPECT_EQ(config.connectTimeout, 5s);
}

TEST(ConnTestConfig, IniFileLivesBesideTheProgram) {
    EXPECT_EQ(ConnTestIniPath("/opt/zrpro/ZrProTest"), "/opt/zrpro/ZrProTest.ini");
}

TEST_F(ConnTestConfigFile, CommandLineOverridesTheIniFileWhichOverridesDefaults) {
    const std::string ini = WriteIni("; site settings\n"
                                     "[Other]\nMainServer=10.9.9.9\n"
                                     "[zrprotest]\n"
                                     "  mainserver = 10.1.2.3 \r\n"
                                     "WebHost=\"www.site.test\"\n"
                                     "SupportAddress=desk@site.test\n"
                                     "ConnectTimeout=9\n"
                                     "Unknown=ignored\n");
    ConnTestConfig config;
    EXPECT_TRUE(
        LoadConnTestConfig(config, ini, {"--main-server=10.4.5.6", "--connect-timeout=2"}).empty());
    EXPECT_EQ(config.mainServer, "10.4.5.6");
    EXPECT_EQ(config.webHost, "www.site.test");
    EXPECT_EQ(config.supportAddress, "desk@site.test");
    EXPECT_EQ(config.connectTimeout, 2s);
}

TEST_F(ConnTestConfigFile, BadEntriesAreReportedAndLeaveTheEarlierValue) {
    const std::string ini = WriteIni("[ZrProTest]\nConnectTimeout=0\nSupportAddress=no-at-sign\n"
                                     "WebHost=\n");
    ConnTestConfig config;
    const ConnTestConfig defaults;
    const auto problems =
        LoadConnTestConfig(config, ini,
                           {"--connect-timeout=abc", "--support-address=a@b.test?cc=x",
                            "--web-host", "--verbose", "--main-server=-x"});
    EXPECT_THAT(problems,
                ElementsAre(ini + " line 2: ConnectTimeout needs a whole number of seconds from 1 "
                                  "to 120",
                            ini + " line 3: SupportAddress needs a mail address such as "
                                  "support@example.com",
                            ini + " line 4: WebHost needs a host name or address without blanks",
                            "--connect-timeout needs a whole number of seconds from 1 to 120",
                            "--support-address needs a mail address such as support@example.com",
                            "--web-host needs a value: --web-host=...",
                            "Unknown option --verbose (known: --main-server=..., --web-host=..., "
                            "--support-address=..., --connect-timeout=...)",
                            "--main-server needs a host name or address without blanks"));
    EXPECT_EQ(config.connectTimeout, defaults.connectTimeout);
    EXPECT_EQ(config.supportAddress, defaults.supportAddress);
    EXPECT_EQ(config.webHost, defaults.webHost);
    EXPECT_EQ(config.mainServer, defaults.mainServer);
}
