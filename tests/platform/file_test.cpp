#include "platform/file.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/dir_listing.h"
#include "support/temp_dir.h"

namespace kivor {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

class FileTest : public ::testing::Test {
  protected:
    void TearDown() override { ClearFileFaults(); }
    TempDir dir;
};

TEST_F(FileTest, createTruncatesAndReadsBack) {
    WriteFileBytes(dir / "a.txt", "a longer old text");
    {
        File f(dir / "a.txt", File::modeCreate | File::modeWrite);
        f.Write("new");
        f.Close();
    }
    EXPECT_EQ(ReadFileBytes(dir / "a.txt"), "new");
    EXPECT_EQ(ReadWholeFile(dir / "a.txt"), "new");
}

TEST_F(FileTest, openFailuresCarryCauseCodeAndName) {
    try {
        File f(dir / "missing.txt", File::modeRead);
        FAIL();
    } catch (const FileException& e) {
        EXPECT_EQ(e.m_cause, FileCause::fileNotFound);
        EXPECT_EQ(e.m_lOsError, ENOENT);
        EXPECT_EQ(e.m_strFileName, dir / "missing.txt");
    }
    try {
        File f(dir / "no-such-folder/page.html", File::modeCreate | File::modeWrite);
        FAIL();
    } catch (const FileException& e) {
        EXPECT_EQ(e.m_cause, FileCause::badPath);
    }
    int err = 0;
    EXPECT_FALSE(ReadWholeFile(dir / "missing.txt", &err));
    EXPECT_EQ(err, ENOENT);
}

TEST_F(FileTest, injectedFaultsFailTheNamedOperation) {
    WriteFileBytes(dir / "page.html", "x");
    InjectFileFault(FaultOp::openWrite, "page.html", EACCES);
    EXPECT_THROW(File(dir / "page.html", File::modeCreate | File::modeWrite), FileException);
    EXPECT_EQ(ReadFileBytes(dir / "page.html"), "x");
    ClearFileFaults();

    InjectFileFault(FaultOp::write, "page.html", ENOSPC, 4);
    File f(dir / "page.html", File::modeCreate | File::modeWrite);
    f.Write("ab");
    try {
        f.Write("cdef");
        FAIL();
    } catch (const FileException& e) {
        EXPECT_EQ(e.m_cause, FileCause::diskFull);
    }
    f.Close();
    EXPECT_EQ(ReadFileBytes(dir / "page.html"), "abcd");  // the disk filled up half-way
}

TEST_F(FileTest, atomicReplacementKeepsTheOldFileWholeOnAnyFailure) {
    const std::string old = "the old entry\r\n";
    struct Case {
        FaultOp op;
        int error;
        std::size_t bytesAllowed;
    } cases[] = {
        {FaultOp::write, ENOSPC, 5},  // disk full half-way
        {FaultOp::write, EIO, 0},     // failed write
        {FaultOp::rename, EXDEV, 0},  // the last step
        {FaultOp::openWrite, EACCES, 0},
    };
    for (const Case& c : cases) {
        WriteFileBytes(dir / "20040514.kv1", old);
        InjectFileFault(c.op, "20040514.kv1", c.error, c.bytesAllowed);
        EXPECT_EQ(ReplaceFileAtomically(dir / "20040514.kv1", "a much longer new entry"), c.error);
        ClearFileFaults();
        EXPECT_EQ(ReadFileBytes(dir / "20040514.kv1"), old);
        EXPECT_EQ(ListDirectory(dir.Path()).size(), 1u) << "no temporary file is left";
    }
    EXPECT_EQ(ReplaceFileAtomically(dir / "20040514.kv1", ""), 0);
    EXPECT_EQ(ReadFileBytes(dir / "20040514.kv1"), "");
}

TEST_F(FileTest, atomicReplacementFailsInAMissingFolder) {
    EXPECT_EQ(ReplaceFileAtomically(dir / "gone/kivor.ini", "x"), ENOENT);
}

TEST_F(FileTest, listsFilesAndFolders) {
    WriteFileBytes(dir / "a.kv1", "");
    ASSERT_EQ(MakeFolder(dir / "sub.kv1"), 0);
    EXPECT_EQ(MakeFolder(dir / "x/y"), ENOENT);
    int err = -1;
    auto entries = ListDirectory(dir.Path(), &err);
    EXPECT_EQ(err, 0);
    ASSERT_EQ(entries.size(), 2u);
    for (const DirEntry& e : entries) EXPECT_EQ(e.isDirectory, e.name == "sub.kv1");
    ListDirectory(dir / "missing", &err);
    EXPECT_EQ(err, ENOENT);
}

}  // namespace
}  // namespace kivor
