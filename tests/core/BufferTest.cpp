#include "core/Buffer.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Text(const CBuffer& buffer) {
    return std::string(reinterpret_cast<const char*>(buffer.GetData()), buffer.GetLength());
}

class BufferFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zr_buffer_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& content) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    fs::path dir_;
};

} // namespace

TEST(Buffer, GrowthKeepsTheBytes) {
    CBuffer buffer;
    EXPECT_TRUE(buffer.Reserve(10));
    EXPECT_GE(buffer.GetCapacity(), 1024u);
    EXPECT_TRUE(buffer.SetText("abc"));
    EXPECT_TRUE(buffer.Reserve(1500));
    EXPECT_GE(buffer.GetCapacity(), 2048u);
    EXPECT_TRUE(buffer.Append("def", 3));
    EXPECT_EQ(Text(buffer), "abcdef");
    EXPECT_FALSE(buffer.Reserve(static_cast<std::size_t>(-1)));
    EXPECT_EQ(Text(buffer), "abcdef");

    const std::size_t capacity = buffer.GetCapacity();
    buffer.Empty();
    EXPECT_EQ(buffer.GetLength(), 0u);
    EXPECT_EQ(buffer.GetCapacity(), capacity);
}

TEST(Buffer, OwnBytesMayBeAppendedAndAssigned) {
    CBuffer buffer;
    buffer.SetText("xyz");
    while (buffer.GetLength() < 3000)
        ASSERT_TRUE(buffer.Append(buffer.GetData(), buffer.GetLength()));
    EXPECT_EQ(Text(buffer).substr(0, 9), "xyzxyzxyz");
    ASSERT_TRUE(buffer.Assign(buffer.GetData() + 1, 4));
    EXPECT_EQ(Text(buffer), "yzxy");

    const CBuffer copy(buffer);
    buffer.SetText("changed");
    EXPECT_EQ(Text(copy), "yzxy");
    EXPECT_TRUE(buffer.Assign(nullptr, 0));
    EXPECT_TRUE(buffer.IsEmpty());
}

TEST_F(BufferFile, LoadsWholeFilesOnly) {
    CBuffer buffer;
    buffer.SetText("old");
    EXPECT_TRUE(buffer.LoadFile(Write("empty", "")));
    EXPECT_EQ(buffer.GetLength(), 0u);

    const std::string binary("a\0b\r\n\xff", 6);
    EXPECT_TRUE(buffer.LoadFile(Write("binary", binary)));
    EXPECT_EQ(Text(buffer), binary);

    EXPECT_FALSE(buffer.LoadFile((dir_ / "missing").string()));
    EXPECT_EQ(buffer.GetLength(), 0u);
    buffer.SetText("old");
    EXPECT_FALSE(buffer.LoadFile(dir_.string()));
    EXPECT_EQ(buffer.GetLength(), 0u);
}
