#pragma once
// Where the connectivity test looks: the maker's main server, web host and support address, and
// how long a port may take to answer. Defaults are built in; an ini file beside the program and
// then the command line override them.

#include <chrono>
#include <string>
#include <vector>

struct ConnTestConfig {
    // Documentation-range placeholders; a site's ZrProTest.ini names the real ones.
    std::string mainServer = "192.0.2.10";
    std::string webHost = "www.velorin.example";
    std::string supportAddress = "support@velorin.example";
    std::chrono::milliseconds connectTimeout{std::chrono::seconds(5)};
};

// "ZrProTest.ini" in the folder of the program file.
std::string ConnTestIniPath(const std::string& programPath);

// Reads the "ZrProTest" section of the ini file (a missing file is no error), then the options
// "--main-server=", "--web-host=", "--support-address=" and "--connect-timeout=" (seconds).
// Returns one text per bad entry; a bad entry leaves the value it would have replaced.
std::vector<std::string> LoadConnTestConfig(ConnTestConfig& config, const std::string& iniPath,
                                            const std::vector<std::string>& arguments);
