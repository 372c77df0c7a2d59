#include "platform/OpenUrl.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace platform;

namespace {

// Puts a stand-in xdg-open first on the PATH that writes its arguments, one a line, to a file.
class FakeOpener : public ::testing::Test {
protected:
    void SetUp() override {
        bin_ = fs::temp_directory_path() / ("zr_openurl_" + std::to_string(::getpid()));
        fs::create_directories(bin_);
        record_ = bin_ / "arguments";
        std::ofstream(bin_ / "xdg-open")
            << "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$#\" \"$@\" > '" << record_.string()
            << ".tmp'\nmv '" << record_.string() << ".tmp' '" << record_.string() << "'\n";
        fs::permissions(bin_ / "xdg-open", fs::perms::owner_all);
        if (const char* path = std::getenv("PATH"))
            oldPath_ = path;
        ::setenv("PATH", bin_.c_str(), 1);
    }
    void TearDown() override {
        ::setenv("PATH", oldPath_.c_str(), 1);
        fs::remove_all(bin_);
    }

    // The arguments the opener received, the count first; empty when it never ran.
    std::vector<std::string> Received() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!fs::exists(record_) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::vector<std::string> lines;
        std::ifstream file(record_);
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

    fs::path bin_, record_;
    std::string oldPath_;
};

} // namespace

TEST_F(FakeOpener, HandsTheAddressOverAsOneArgumentWithoutAShell) {
    const std::string address = "https://example.test/a b;$(touch pwned)&x='1'|y";
    EXPECT_GT(OpenUrl(address), 32);
    EXPECT_EQ(Received(), (std::vector<std::string>{"1", address}));
    EXPECT_FALSE(fs::exists("pwned"));
}

TEST_F(FakeOpener, OpensMailLinksAndExistingDocuments) {
    EXPECT_GT(OpenUrl("MAILTO:desk@example.test?subject=Hi"), 32);
    EXPECT_EQ(Received(), (std::vector<std::string>{"1", "MAILTO:desk@example.test?subject=Hi"}));
    fs::remove(record_);

    const fs::path document = bin_ / "report.txt";
    std::ofstream(document) << "text";
    EXPECT_GT(OpenUrl(document.string()), 32);
    EXPECT_EQ(Received(), (std::vector<std::string>{"1", document.string()}));
}

TEST_F(FakeOpener, RefusesWhatItCannotOpenSafely) {
    for (const char* target : {"", "-h", "--help", "ftp://example.test/", "javascript:alert(1)",
                               "relative/file.txt", "http://example.test/\nsecond line", "http://"})
        EXPECT_EQ(OpenUrl(target), kOpenUrlNoAssociation) << target;
    EXPECT_EQ(OpenUrl((bin_ / "missing.pdf").string()), kOpenUrlFileNotFound);
    EXPECT_FALSE(fs::exists(record_));
}

TEST_F(FakeOpener, WithoutAnOpenerNothingIsAssociated) {
    ::setenv("PATH", (bin_ / "empty").c_str(), 1);
    EXPECT_EQ(OpenUrl("http://example.test/"), kOpenUrlNoAssociation);
}

TEST(OpenUrlErrorText, ExplainsEachFailure) {
    EXPECT_EQ(OpenUrlErrorText(kOpenUrlFileNotFound), "The specified file was not found.");
    EXPECT_EQ(OpenUrlErrorText(kOpenUrlNoAssociation),
              "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(OpenUrlErrorText(kOpenUrlOutOfResources),
              "The operating system is out\nof memory or resources.");
    EXPECT_EQ(OpenUrlErrorText(77), "Unknown Error (77) occurred.");
}
