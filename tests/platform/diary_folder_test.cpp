#include "platform/diary_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.h"

namespace kivor {
namespace {

using test::FileExists;
using test::TempDir;

TEST(DiaryFolder, folderOptionWinsAndEndsInSlash) {
    TempDir dir;
    DiaryFolderResult r = ResolveDiaryFolder(dir / "日記", "/usr/bin/kivor");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.folderUtf8, dir / "日記/");
    EXPECT_EQ(r.folderCp932, dir.Path() + Sjis("日記") + "/");
    EXPECT_TRUE(FileExists(dir / "日記"));
}

TEST(DiaryFolder, portableInstallWhenKivorIniLiesBesideTheProgram) {
    TempDir dir;
    test::WriteFileBytes(dir / "kivor.ini", "[ini]\r\n");
    DiaryFolderResult r = ResolveDiaryFolder(std::nullopt, dir / "kivor");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.folderUtf8, dir.Path());
}

TEST(DiaryFolder, elseTheUsersDataFolderIsCreated) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.Path().c_str(), 1);
    DiaryFolderResult r = ResolveDiaryFolder(std::nullopt, dir / "bin/kivor");
    unsetenv("XDG_DATA_HOME");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.folderUtf8, dir / "kivor/");
    EXPECT_TRUE(FileExists(dir / "kivor"));
}

TEST(DiaryFolder, aNameCp932CannotHoldIsRefused) {
    TempDir dir;
    EXPECT_FALSE(ResolveDiaryFolder(dir / "diary😀", "").ok);
    EXPECT_FALSE(ResolveDiaryFolder(dir / "bad\xff", "").ok);
    EXPECT_FALSE(FileExists(dir / "diary😀"));
    EXPECT_EQ(Cp932ToUtf8Lossy(kBadProgramNameMessage()), "exe 名,プログラム名が不正です。");
}

}  // namespace
}  // namespace kivor
