#include "diary/entry_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/cp932.h"
#include "platform/error_text.h"
#include "platform/file.h"
#include "platform/recording_message_box.h"
#include "support/temp_dir.h"

namespace kivor {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

const EntryDate kDate{2004, 5, 14};
const std::string kKey = "20040514";

class EntryStore : public ::testing::Test {
  protected:
    void TearDown() override { ClearFileFaults(); }

    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
};

// What the chunked read gives: every 100-byte chunk up to its first NUL.
std::string ChunkedReference(const std::string& bytes) {
    std::string out;
    for (std::size_t at = 0; at < bytes.size(); at += 100) {
        const std::string chunk = bytes.substr(at, 100);
        out += chunk.substr(0, chunk.find('\0'));
    }
    return out;
}

TEST_F(EntryStore, PathIsFolderKeyAndExtension) {
    EXPECT_EQ(EntryFilePath("/diary/", kKey), "/diary/20040514.kv1");
}

TEST_F(EntryStore, WrittenTextReadsBackByteForByte) {
    // CP932 with CR LF, a trail byte 0x5C ("表"), and a double-byte
    // character split across the first 100-byte boundary.
    std::string text = Sjis("表計算\r\n今日は雨。\r\n");
    text += std::string(99 - text.size(), 'x');
    text += Sjis("日記") + "\r\n\r\n" + Sjis("ソフト");
    ASSERT_EQ(static_cast<unsigned char>(text[99]), 0x93);  // lead byte at 99, trail at 100

    ASSERT_EQ(WriteEntry(dir.Path(), kKey, text), 0);
    EXPECT_EQ(ReadFileBytes(dir / "20040514.kv1"), text);
    bool hadNul = true;
    int error = -1;
    EXPECT_EQ(ReadEntry(dir.Path(), kDate, &error, &hadNul), text);
    EXPECT_FALSE(hadNul);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"20040514.kv1"});  // no temporary left
}

TEST_F(EntryStore, EmptyTextAndShorterOverLonger) {
    ASSERT_EQ(WriteEntry(dir.Path(), kKey, std::string(5000, 'a')), 0);
    ASSERT_EQ(WriteEntry(dir.Path(), kKey, "short"), 0);
    EXPECT_EQ(ReadFileBytes(dir / "20040514.kv1"), "short");
    ASSERT_EQ(WriteEntry(dir.Path(), kKey, ""), 0);
    EXPECT_EQ(ReadFileBytes(dir / "20040514.kv1"), "");
    EXPECT_EQ(ReadEntry(dir.Path(), kDate), std::string());  // zero bytes: empty, success
}

TEST_F(EntryStore, EachChunkContributesItsBytesUpToItsFirstNul) {
    struct Case {
        std::size_t size;
        std::vector<std::size_t> nuls;
    } cases[] = {
        {150, {10}},             // bytes 0-9 and 100-149
        {100, {99}},             // NUL as a chunk's last byte
        {250, {100, 101, 249}},  // a chunk that starts with NUL
        {300, {0, 150, 160}},
        {200000, {15999, 16000, 64050, 199999}},  // far into a large file
    };
    for (const Case& c : cases) {
        std::string bytes(c.size, '\0');
        for (std::size_t i = 0; i < c.size; ++i) bytes[i] = static_cast<char>('A' + i % 26);
        for (std::size_t n : c.nuls) bytes[n] = '\0';
        WriteFileBytes(dir / "20040514.kv1", bytes);
        bool hadNul = false;
        const auto text = ReadEntry(dir.Path(), kDate, nullptr, &hadNul);
        ASSERT_TRUE(text) << c.size;
        EXPECT_EQ(*text, ChunkedReference(bytes)) << c.size;
        EXPECT_TRUE(hadNul);
    }
    // The documented example, spelled out.
    std::string bytes(150, 'b');
    bytes[10] = '\0';
    WriteFileBytes(dir / "20040514.kv1", bytes);
    EXPECT_EQ(ReadEntry(dir.Path(), kDate), std::string(10, 'b') + std::string(50, 'b'));
}

TEST_F(EntryStore, ReadFailuresGiveNothingAndTheError) {
    int error = 0;
    EXPECT_FALSE(ReadEntry(dir.Path(), kDate, &error));
    EXPECT_EQ(error, ENOENT);

    WriteFileBytes(dir / "20040514.kv1", "text");
    InjectFileFault(FaultOp::openRead, "20040514", EACCES);
    EXPECT_FALSE(ReadEntry(dir.Path(), kDate, &error));
    EXPECT_EQ(error, EACCES);
    ClearFileFaults();

    InjectFileFault(FaultOp::read, "20040514", EIO);
    EXPECT_FALSE(ReadEntry(dir.Path(), kDate, &error));
    EXPECT_EQ(error, EIO);
    EXPECT_EQ(ReadFileBytes(dir / "20040514.kv1"), "text");
}

TEST_F(EntryStore, FailedWriteLeavesTheOldFileWhole) {
    const std::string old = Sjis("昨日の日記\r\n") + std::string(300, 'o');
    struct Case {
        FaultOp op;
        int error;
        std::size_t bytesAllowed;
    } cases[] = {
        {FaultOp::write, ENOSPC, 150},  // the disk fills up half-way
        {FaultOp::write, ENOSPC, 0},
        {FaultOp::openWrite, EACCES, 0},
        {FaultOp::rename, EIO, 0},
    };
    for (const Case& c : cases) {
        WriteFileBytes(dir / "20040514.kv1", old);
        InjectFileFault(c.op, "20040514", c.error, c.bytesAllowed);
        EXPECT_EQ(WriteEntry(dir.Path(), kKey, std::string(1000, 'n')), c.error);
        ClearFileFaults();
        EXPECT_EQ(ReadFileBytes(dir / "20040514.kv1"), old);
        EXPECT_EQ(FolderNames(), std::vector<std::string>{"20040514.kv1"});
    }
}

TEST_F(EntryStore, DeleteRemovesTheFileSilently) {
    WriteFileBytes(dir / "20040514.kv1", "x");
    RecordingMessageBox boxes;
    EXPECT_TRUE(DeleteEntry(dir.Path(), kKey, boxes));
    EXPECT_FALSE(FileExists(dir / "20040514.kv1"));
    EXPECT_TRUE(boxes.m_shown.empty());
}

TEST_F(EntryStore, FailedDeleteShowsTheMessageThenTheSystemText) {
    struct Case {
        bool injectFault;
        int error;
    } cases[] = {{false, ENOENT}, {true, EACCES}};
    for (const Case& c : cases) {
        if (c.injectFault) {
            WriteFileBytes(dir / "20040514.kv1", "kept");
            InjectFileFault(FaultOp::remove, "20040514", c.error);
        }
        RecordingMessageBox boxes;
        EXPECT_FALSE(DeleteEntry(dir.Path(), kKey, boxes));
        ASSERT_EQ(boxes.m_shown.size(), 2u);
        EXPECT_EQ(boxes.m_shown[0].TextUtf8(), "ファイルの削除に失敗しました:022 ");
        EXPECT_EQ(boxes.m_shown[0].CaptionUtf8(), "ケルノア");
        EXPECT_EQ(boxes.m_shown[0].buttons, MbButtons::ok);
        EXPECT_EQ(boxes.m_shown[0].icon, MbIcon::exclamation);
        EXPECT_EQ(boxes.m_shown[1].text, SystemErrorText(c.error));
        EXPECT_EQ(boxes.m_shown[1].CaptionUtf8(), "Error");
        EXPECT_EQ(boxes.m_shown[1].buttons, MbButtons::ok);
        EXPECT_EQ(boxes.m_shown[1].icon, MbIcon::information);
        EXPECT_EQ(boxes.m_unscripted, 2);
        ClearFileFaults();
        if (c.injectFault) {
            EXPECT_EQ(ReadFileBytes(dir / "20040514.kv1"), "kept");
        }
    }
}

TEST_F(EntryStore, ListingTakesOnlyEightDigitsOfARealDateWithTheExtension) {
    const char* listed[] = {"20040514.kv1", "20040515.KV1", "19000101.kv1", "99991231.Kv1"};
    const char* skipped[] = {
        "20041301.kv1", "20040231.kv1",     "2004051.kv1",  "00000000.kv1",  "foo.kv1.kv1",
        "18991231.kv1", "20040516.kv1.kv1", "20040517.txt", "20040518.kv1~", "x20040519.kv1",
        "2004052a.kv1", "20040520kv1",      ".kv1",         "kivor.ini",
    };
    for (const char* name : listed) WriteFileBytes(dir / name, "text");
    for (const char* name : skipped) WriteFileBytes(dir / name, "text");
    ASSERT_EQ(::mkdir((dir / "20040601.kv1").c_str(), 0700), 0);

    // Listing never opens a file: with every open failing it still lists.
    InjectFileFault(FaultOp::openRead, ".kv1", EACCES);
    std::vector<EntryDate> dates = ListEntryDates(dir.Path());
    std::sort(dates.begin(), dates.end());
    EXPECT_EQ(dates,
              (std::vector<EntryDate>{{1900, 1, 1}, {2004, 5, 14}, {2004, 5, 15}, {9999, 12, 31}}));
}

TEST_F(EntryStore, ListingOfAnEmptyOrMissingFolderIsEmpty) {
    EXPECT_TRUE(ListEntryDates(dir.Path()).empty());
    EXPECT_TRUE(ListEntryDates(dir / "missing/").empty());
}

TEST_F(EntryStore, AnUpperCaseExtensionIsReadWrittenAndDeletedUnderItsOwnName) {
    WriteFileBytes(dir / "20040514.KV1", "from windows");
    EXPECT_EQ(ReadEntry(dir.Path(), kDate), "from windows");
    ASSERT_EQ(WriteEntry(dir.Path(), kKey, "edited"), 0);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"20040514.KV1"});
    EXPECT_EQ(ReadFileBytes(dir / "20040514.KV1"), "edited");
    RecordingMessageBox boxes;
    EXPECT_TRUE(DeleteEntry(dir.Path(), kKey, boxes));
    EXPECT_TRUE(FolderNames().empty());
}

}  // namespace
}  // namespace kivor
