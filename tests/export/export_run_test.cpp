// The export run: its checks, the folder question, file failures and what
// they leave on disk.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "export/export_texts.h"
#include "export_fixture.h"
#include "platform/cp932.h"
#include "platform/error_text.h"
#include "platform/file.h"

namespace kivor::test {
namespace {

using Shown = RecordingMessageBox::Shown;

// The defaults with the fixture diary, newest first: 2004年 06月 01日,
// 05月 20日 03日, 2003年 05月 14日. The expected pages are those of settings A.
class ExportRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.AddFixtureEntries();
        f.BuildTree();
    }
    void TearDown() override { ClearFileFaults(); }

    static std::string Expected(int layout, const std::string& name) {
        return WithBuildHomePage(
            ReadFileBytes(ExportDataPath("configA/layout" + std::to_string(layout) + "/" + name)));
    }
    // The expected page as far as it was written when the fragment holding
    // `marker` (UTF-8) began: cut at the last `fragmentStart` before it.
    static std::string ExpectedBefore(int layout, const std::string& name,
                                      const std::string& marker, const std::string& fragmentStart) {
        std::string page = Expected(layout, name);
        std::size_t at = page.find(Sjis(marker));
        EXPECT_NE(at, std::string::npos) << marker;
        at = page.rfind(fragmentStart, at);
        EXPECT_NE(at, std::string::npos) << fragmentStart;
        return page.substr(0, at);
    }
    void ResetOutput() {
        std::filesystem::remove_all(f.out);
        std::filesystem::create_directory(f.out);
        f.boxes.m_shown.clear();
    }

    // The two boxes of a file failure: the system's text, then the message
    // with the file's name.
    void ExpectFailureBoxes(std::size_t first, int error, const std::string& message,
                            const std::string& file) {
        ASSERT_GE(f.boxes.m_shown.size(), first + 2);
        const Shown& errorBox = f.boxes.m_shown[first];
        EXPECT_EQ(errorBox.caption, "Error");
        EXPECT_EQ(errorBox.text, SystemErrorText(error));
        EXPECT_EQ(errorBox.buttons, MbButtons::ok);
        EXPECT_EQ(errorBox.icon, MbIcon::information);
        const Shown& box = f.boxes.m_shown[first + 1];
        EXPECT_EQ(box.caption, kAppTitle());
        EXPECT_EQ(box.text, message + file);
        EXPECT_EQ(box.buttons, MbButtons::ok);
        EXPECT_EQ(box.icon, MbIcon::exclamation);
    }
    void ExpectSuccessBox(const Shown& box) {
        EXPECT_EQ(box.text, kExportDone());
        EXPECT_EQ(box.caption, kCaptionSuccess());
        EXPECT_EQ(box.buttons, MbButtons::ok);
        EXPECT_EQ(box.icon, MbIcon::information);
    }

    ExportFixture f;
};

using Files = std::map<std::string, std::string>;

TEST_F(ExportRunTest, missingEntryFileEndsTheRunAndKeepsWhatWasWritten) {
    std::filesystem::remove(f.dir / "20040503.kv1");  // the tree still shows the day
    const std::string entry = f.dir / "20040503.kv1";

    ResetOutput();
    EXPECT_EQ(f.Run(1), ExportResult::failed);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    ExpectFailureBoxes(0, ENOENT, kLayout1Failed044(), entry);
    EXPECT_EQ(FilesIn(f.out),
              (Files{{"index.html", ExpectedBefore(1, "index.html", "03日", "<p><strong>")}}));

    ResetOutput();
    EXPECT_EQ(f.Run(2), ExportResult::failed);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    ExpectFailureBoxes(0, ENOENT, kLayout2Failed024(), entry);
    EXPECT_EQ(FilesIn(f.out),
              (Files{{"index.html", ExpectedBefore(2, "index.html", "2003年", "<p><table")},
                     {"20040601.html", Expected(2, "20040601.html")},
                     {"20040520.html", Expected(2, "20040520.html")},
                     {"20040503.html",
                      ExpectedBefore(2, "20040503.html", "2004年05月03日</font>", "<table")}}));

    ResetOutput();
    EXPECT_EQ(f.Run(3), ExportResult::failed);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    ExpectFailureBoxes(0, ENOENT, kLayout3Failed049(), entry);
    EXPECT_EQ(FilesIn(f.out),
              (Files{{"index.html", ExpectedBefore(3, "index.html", "2003年", "<table")},
                     {"200406xx.html", Expected(3, "200406xx.html")},
                     {"200405xx.html", ExpectedBefore(3, "200405xx.html", "05月03日", "<table")}}));
}

TEST_F(ExportRunTest, pageThatCannotBeOpenedEndsTheRunWhereItIsOpened) {
    // Layout 1: the main page itself. The probe meets the failure too and
    // leaves it to the pass.
    WriteFileBytes(f.out + "/index.html", "old");
    InjectFileFault(FaultOp::openWrite, "index.html", EACCES);
    EXPECT_EQ(f.Run(1), ExportResult::failed);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    ExpectFailureBoxes(0, EACCES, kLayout1Failed044(), f.out + "/index.html");
    EXPECT_EQ(FilesIn(f.out), (Files{{"index.html", "old"}}));
    ClearFileFaults();

    // Layout 2: the second day page.
    ResetOutput();
    WriteFileBytes(f.out + "/20040520.html", "old");
    InjectFileFault(FaultOp::openWrite, "20040520.html", EACCES);
    EXPECT_EQ(f.Run(2), ExportResult::failed);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    ExpectFailureBoxes(0, EACCES, kLayout2Failed024(), f.out + "/20040520.html");
    EXPECT_EQ(FilesIn(f.out),
              (Files{{"index.html", ExpectedBefore(2, "index.html", "03日", "<a href")},
                     {"20040601.html", Expected(2, "20040601.html")},
                     {"20040520.html", "old"}}));
    ClearFileFaults();

    // Layout 3: the second month page, at its month label, where it would be
    // emptied; the page before it is not finished yet.
    ResetOutput();
    WriteFileBytes(f.out + "/200405xx.html", "old");
    InjectFileFault(FaultOp::openWrite, "200405xx.html", EACCES);
    EXPECT_EQ(f.Run(3), ExportResult::failed);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    ExpectFailureBoxes(0, EACCES, kLayout3Failed049(), f.out + "/200405xx.html");
    const std::string mainPage = Expected(3, "index.html");
    const std::size_t link = mainPage.find("<a href=200405xx.html");
    ASSERT_NE(link, std::string::npos);
    EXPECT_EQ(FilesIn(f.out),
              (Files{{"index.html", mainPage.substr(0, link + 21)},
                     {"200406xx.html", ExpectedBefore(3, "200406xx.html", "戻る", "<p align")},
                     {"200405xx.html", "old"}}));
}

TEST_F(ExportRunTest, failedWriteLeavesTheUnfinishedPage) {
    // The disk fills up while the second day page is written.
    InjectFileFault(FaultOp::write, "20040520.html", ENOSPC, 100);
    EXPECT_EQ(f.Run(2), ExportResult::failed);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    ExpectFailureBoxes(0, ENOSPC, kLayout2Failed024(), f.out + "/20040520.html");
    Files files = FilesIn(f.out);
    EXPECT_EQ(files["20040520.html"], Expected(2, "20040520.html").substr(0, 100));
    EXPECT_EQ(files["index.html"], ExpectedBefore(2, "index.html", "03日", "<a href"));
    EXPECT_EQ(files.count("20040503.html"), 0u);
}

TEST_F(ExportRunTest, layout3DiskFullOnAMonthPageStopsBeforeTheNextMonth) {
    InjectFileFault(FaultOp::write, "200406xx.html", ENOSPC, 100);
    EXPECT_EQ(f.Run(3), ExportResult::failed);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    ExpectFailureBoxes(0, ENOSPC, kLayout3Failed049(), f.out + "/200406xx.html");
    const std::string mainPage = Expected(3, "index.html");
    EXPECT_EQ(FilesIn(f.out),
              (Files{{"index.html", mainPage.substr(0, mainPage.find("<a href=200405xx"))},
                     {"200406xx.html", Expected(3, "200406xx.html").substr(0, 100)}}));
}

TEST_F(ExportRunTest, layout3FailureFinishingTheLastMonthPageStillSucceeds) {
    // A long footer on the list pages: the days of the last month page are
    // appended whole, its end meets a full disk.
    f.settings.WhereToWriteFooter = 1;
    f.settings.FooterText = std::string(1000, 'f');
    InjectFileFault(FaultOp::write, "200305xx.html", ENOSPC, 600);
    EXPECT_EQ(f.Run(3), ExportResult::succeeded);
    ASSERT_EQ(f.boxes.m_shown.size(), 3u);
    ExpectFailureBoxes(0, ENOSPC, kLastMonthPageFailed021(), f.out + "/200305xx.html");
    ExpectSuccessBox(f.boxes.m_shown[2]);

    const std::string page = ReadFileBytes(f.out + "/200305xx.html");
    const std::size_t end = page.find("</font><p>") + 10;
    ASSERT_LT(end, page.size());
    EXPECT_EQ(page.size(), end + 600);  // the days, then what the disk took of the end
    EXPECT_EQ(page.substr(end, 18), "<p align=\"center\">");
    // The main page is finished after it, footer and all.
    std::string mainPage = Expected(3, "index.html");
    mainPage.insert(mainPage.find(Sjis("<p><p>この日記は")), std::string(1000, 'f'));
    EXPECT_EQ(ReadFileBytes(f.out + "/index.html"), mainPage);
}

TEST_F(ExportRunTest, emptyBoxesStopTheRun) {
    f.settings.ExportHtmlPath = "/stored";
    f.settings.HtmlTopFileName = "stored.html";
    ExportInputs inputs = f.Inputs(1);
    inputs.folder.clear();
    EXPECT_EQ(RunExport(f.settings, f.tree, inputs, f.boxes), ExportResult::stopped);
    ASSERT_EQ(f.boxes.m_shown.size(), 1u);
    EXPECT_EQ(f.boxes.m_shown[0].text, kNoExportFolder());
    EXPECT_EQ(f.boxes.m_shown[0].CaptionUtf8(), "注意");
    EXPECT_EQ(f.boxes.m_shown[0].buttons, MbButtons::ok);
    EXPECT_EQ(f.boxes.m_shown[0].icon, MbIcon::exclamation);
    EXPECT_EQ(f.settings.ExportHtmlPath, "/stored");

    inputs = f.Inputs(1);
    inputs.mainFileName.clear();
    EXPECT_EQ(RunExport(f.settings, f.tree, inputs, f.boxes), ExportResult::stopped);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    EXPECT_EQ(f.boxes.m_shown[1].text, kNoMainFileName());
    EXPECT_EQ(f.boxes.m_shown[1].CaptionUtf8(), "注意");
    EXPECT_EQ(f.settings.ExportHtmlPath, f.out);  // already stored
    EXPECT_EQ(f.settings.HtmlTopFileName, "stored.html");
    EXPECT_TRUE(FilesIn(f.out).empty());
}

TEST_F(ExportRunTest, mainPageNeverOverwritesTheDiarysOwnFiles) {
    WriteFileBytes(f.dir / "kivor.ini", "[ini]\r\n");
    WriteFileBytes(f.dir / "header.txt", "h");
    const std::string diaryFolder = f.dir.Path().substr(0, f.dir.Path().size() - 1);
    struct Case {
        std::string folder, name;
    } cases[] = {
        {diaryFolder, "20040503.kv1"}, {diaryFolder, "20040503.KV1"}, {diaryFolder, "20991231.kv1"},
        {f.out, "../20040503.kv1"},    {f.out, "../kivor.ini"},       {diaryFolder, "header.txt"},
    };
    const Files before = FilesIn(f.dir.Path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.boxes.m_shown.clear();
        f.settings.HtmlTopFileName = "index.html";
        ExportInputs inputs{c.folder, c.name, "t", 1};
        EXPECT_EQ(RunExport(f.settings, f.tree, inputs, f.boxes), ExportResult::stopped);
        ASSERT_EQ(f.boxes.m_shown.size(), 1u);
        EXPECT_EQ(f.boxes.m_shown[0].text, kMainFileIsDiaryFile());
        EXPECT_EQ(f.boxes.m_shown[0].CaptionUtf8(), "注意");
        EXPECT_EQ(f.settings.HtmlTopFileName, "index.html");
    }
    EXPECT_EQ(FilesIn(f.dir.Path()), before);

    // Pages beside the entries are fine.
    f.boxes.m_shown.clear();
    ExportInputs inputs{diaryFolder, "index.html", "t", 2};
    EXPECT_EQ(RunExport(f.settings, f.tree, inputs, f.boxes), ExportResult::succeeded);
    EXPECT_TRUE(FileExists(f.dir / "20040503.html"));
    EXPECT_EQ(ReadFileBytes(f.dir / "20040503.kv1"),
              ReadFileBytes(ExportDataPath("diary/20040503.kv1")));
}

TEST_F(ExportRunTest, runStoresFolderAndMainFileButNotTheTitle) {
    f.settings.HtmlTitle = Sjis("私の日記");
    ExportInputs inputs{f.out, "top.htm", "other", 3};
    EXPECT_EQ(RunExport(f.settings, f.tree, inputs, f.boxes), ExportResult::succeeded);
    EXPECT_EQ(f.settings.ExportHtmlPath, f.out);
    EXPECT_EQ(f.settings.HtmlTopFileName, "top.htm");
    EXPECT_EQ(f.settings.HtmlTitle, Sjis("私の日記"));
    EXPECT_EQ(f.settings.ExportHtmlType, 1);
    EXPECT_EQ(ReadFileBytes(f.out + "/top.htm").rfind("<html><head><title>other</title>", 0), 0u);
}

TEST_F(ExportRunTest, missingFolderIsCreatedOnlyWhenTheUserSaysYes) {
    // A folder name whose characters end in a backslash byte in Shift-JIS.
    const std::string folder = f.dir.Path() + Sjis("表ソ");
    const std::string nativeFolder = f.dir / "表ソ";
    ExportInputs inputs = f.Inputs(1);
    inputs.folder = folder;
    const std::string question = kFolderQuestionStart() + folder + kFolderQuestionEnd();

    f.boxes.Answer(MbAnswer::no);
    EXPECT_EQ(RunExport(f.settings, f.tree, inputs, f.boxes), ExportResult::stopped);
    ASSERT_EQ(f.boxes.m_shown.size(), 1u);
    EXPECT_EQ(f.boxes.m_shown[0].text, question);
    EXPECT_EQ(f.boxes.m_shown[0].CaptionUtf8(), "確認");
    EXPECT_EQ(f.boxes.m_shown[0].buttons, MbButtons::yesNo);
    EXPECT_EQ(f.boxes.m_shown[0].icon, MbIcon::question);
    EXPECT_FALSE(FileExists(nativeFolder));

    f.boxes.m_shown.clear();
    f.boxes.Answer(MbAnswer::yes);
    EXPECT_EQ(RunExport(f.settings, f.tree, inputs, f.boxes), ExportResult::succeeded);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    EXPECT_EQ(f.boxes.m_shown[0].text, question);
    ExpectSuccessBox(f.boxes.m_shown[1]);
    EXPECT_EQ(ReadFileBytes(nativeFolder + "/index.html"), Expected(1, "index.html"));

    f.boxes.m_shown.clear();
    inputs.folder = f.dir / "missing/site";
    f.boxes.Answer(MbAnswer::yes);
    EXPECT_EQ(RunExport(f.settings, f.tree, inputs, f.boxes), ExportResult::stopped);
    ASSERT_EQ(f.boxes.m_shown.size(), 2u);
    EXPECT_EQ(f.boxes.m_shown[1].TextUtf8(), "フォルダの作成に失敗しました。");
    EXPECT_EQ(f.boxes.m_shown[1].caption, kAppTitle());
    EXPECT_EQ(f.boxes.m_shown[1].buttons, MbButtons::ok);
    EXPECT_FALSE(FileExists(f.dir / "missing"));
}

TEST_F(ExportRunTest, layoutOutsideOneToThreeWritesOnlyTheEmptyMainPage) {
    WriteFileBytes(f.out + "/index.html", "old");
    EXPECT_EQ(f.Run(7), ExportResult::succeeded);
    ASSERT_EQ(f.boxes.m_shown.size(), 1u);
    ExpectSuccessBox(f.boxes.m_shown[0]);
    EXPECT_EQ(FilesIn(f.out), (Files{{"index.html", ""}}));
}

TEST(ExportEmptyTree, mainPageWithoutEntries) {
    const std::string end =
        WithBuildHomePage(Sjis("<p><p>この日記は<a href=\"https://kivor.example.org/\">ケルノア</a>"
                               "で作成されました。</p><p>"));
    const std::string start = Sjis(
        "<html><head><title>私の日記</title></head>\r\n"
        "<body bgcolor=\"ffffff\" text=\"000000\">\r\n");
    const std::string expected[] = {
        start + "<p>" + end + "\r\n</body></html>",
        start + "<p><p>\r\n" + end + "</body></html>",
        start + end + "\r\n</body></html>",
    };
    for (int layout = 1; layout <= 3; ++layout) {
        ExportFixture f;
        f.BuildTree();
        EXPECT_EQ(f.Run(layout), ExportResult::succeeded);
        EXPECT_EQ(FilesIn(f.out), (Files{{"index.html", expected[layout - 1]}}))
            << "layout " << layout;
    }
}

}  // namespace
}  // namespace kivor::test
