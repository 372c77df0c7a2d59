#include "core/FilePath.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(FilePath, JoiningAndSplitting) {
    EXPECT_EQ(AppendPath("C:\\data\\", "x.ini"), "C:\\data\\x.ini");
    EXPECT_EQ(AppendPath("", "x.ini"), "x.ini");
    EXPECT_EQ(AppendPath("/home/u", "x.ini"), "/home/u/x.ini");
    EXPECT_EQ(AppendPath("/home/u/", "x.ini"), "/home/u/x.ini");

    EXPECT_EQ(DirOfPath("C:\\a\\b.txt"), "C:\\a");
    EXPECT_EQ(DirOfPath("/home/u/b.txt"), "/home/u");
    EXPECT_EQ(DirOfPath("a/b\\c"), "a/b");
    EXPECT_EQ(DirOfPath("b.txt"), "");
    EXPECT_EQ(DirOfPath("/b.txt"), ""); // a separator in first place does not count

    EXPECT_EQ(FileNameOfPath("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(FileNameOfPath("/home/u/b.txt"), "b.txt");
    EXPECT_EQ(FileNameOfPath("b.txt"), "b.txt");
    EXPECT_EQ(FileNameOfPath("/b.txt"), "/b.txt");
    EXPECT_EQ(FileNameOfPath("dir/"), "");
}

TEST(FilePath, Extensions) {
    EXPECT_EQ(FileExtOfPath("C:\\a.b\\c"), "");
    EXPECT_EQ(FileExtOfPath("C:\\a.b\\c.rtf"), "rtf");
    EXPECT_EQ(FileExtOfPath("/x/archive.tar.gz"), "gz");
    EXPECT_EQ(FileExtOfPath("name."), "");
    EXPECT_EQ(RemoveFileExt("C:\\a.b\\c.rtf"), "C:\\a.b\\c");
    EXPECT_EQ(RemoveFileExt("C:\\a.b\\c"), "C:\\a.b\\c");
    EXPECT_EQ(RemoveFileExt("/x/archive.tar.gz"), "/x/archive.tar");
    EXPECT_EQ(RemoveFileExt("plain"), "plain");
}

TEST(FilePath, MakeDirPathMakesOnlyFoldersASeparatorEnds) {
    const fs::path root = fs::temp_directory_path() / ("zr_dirs_" + std::to_string(::getpid()));
    fs::remove_all(root);
    const std::string base = root.string();

    EXPECT_TRUE(MakeDirPath(base + "/a\\b/c"));
    EXPECT_TRUE(fs::is_directory(root / "a" / "b"));
    EXPECT_FALSE(fs::exists(root / "a" / "b" / "c"));
    EXPECT_TRUE(MakeDirPath(base + "/a/b/c/"));
    EXPECT_TRUE(fs::is_directory(root / "a" / "b" / "c"));

    std::ofstream(root / "file") << "x";
    EXPECT_FALSE(MakeDirPath(base + "/file/sub/"));
    EXPECT_FALSE(fs::exists(root / "file" / "sub"));
    fs::remove_all(root);
}

TEST(FilePath, ModuleFileIsThisProgram) {
    EXPECT_EQ(FileNameOfPath(GetModuleFilePath()), "core_FilePathTest");
}
