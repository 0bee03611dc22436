// kivor export as the user runs it: the built program on a fixture folder,
// with no display, its exit status, its messages on standard error, and
// the settings files left as they were.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "export_fixture.h"
#include "platform/cp932.h"

namespace kivor::test {
namespace {

struct Outcome {
    int status = -1;
    std::string out, err;  // UTF-8
};

std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class ExportCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.AddFixtureEntries();
        ini = Sjis(
                  "; kept as it is\r\n[ini]\r\nExportHtmlType=1\r\nHtmlTitle=私の日記\r\n"
                  "ExportHtmlPath=") +
              f.out + "\r\nUnknownKey=1\r\n";
        WriteFileBytes(f.dir / "kivor.ini", ini);
        WriteFileBytes(f.dir / "header.txt", Sjis("ヘッダ\r\n"));
        WriteFileBytes(f.dir / "footer.txt", "");
    }

    Outcome Run(const std::vector<std::string>& args) {
        std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                              Quoted(KIVOR_BINARY) + " export";
        for (const std::string& arg : args) command += " " + Quoted(arg);
        command += " >" + Quoted(f.dir / "stdout.txt") + " 2>" + Quoted(f.dir / "stderr.txt");
        Outcome outcome;
        const int raw = std::system(command.c_str());
        if (raw != -1 && WIFEXITED(raw)) outcome.status = WEXITSTATUS(raw);
        outcome.out = ReadFileBytes(f.dir / "stdout.txt");
        outcome.err = ReadFileBytes(f.dir / "stderr.txt");
        return outcome;
    }

    void ExpectSettingsFilesUntouched() {
        EXPECT_EQ(ReadFileBytes(f.dir / "kivor.ini"), ini);
        EXPECT_EQ(ReadFileBytes(f.dir / "header.txt"), Sjis("ヘッダ\r\n"));
        EXPECT_EQ(ReadFileBytes(f.dir / "footer.txt"), "");
    }

    ExportFixture f;
    std::string ini;
};

TEST_F(ExportCommandTest, exportsWithTheStoredSettings) {
    Outcome o = Run({"--folder", f.dir.Path()});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "成功: HTML ファイルの書き出しが完了しました。\n");
    EXPECT_EQ(FilesIn(f.out), (std::map<std::string, std::string>{
                                  {"index.html", WithBuildHomePage(ReadFileBytes(ExportDataPath(
                                                     "configA/layout1/index.html")))}}));
    ExpectSettingsFilesUntouched();
}

TEST_F(ExportCommandTest, optionsReplaceTheRunInputsAndYesCreatesTheFolder) {
    const std::string site = f.dir / "site";
    const std::vector<std::string> args = {"--folder", f.dir.Path(), "--layout", "3",
                                           "--out",    site,         "--main",   "top.htm",
                                           "--title",  "タイトル"};
    Outcome no = Run(args);
    EXPECT_EQ(no.status, 1);
    EXPECT_EQ(no.err, "確認: フォルダ " + site + " は存在しません。作成しますか。 [No]\n");
    EXPECT_FALSE(FileExists(site));

    std::vector<std::string> withYes = args;
    withYes.push_back("--yes");
    Outcome yes = Run(withYes);
    EXPECT_EQ(yes.status, 0) << yes.err;
    EXPECT_EQ(yes.err, "確認: フォルダ " + site +
                           " は存在しません。作成しますか。 [Yes]\n"
                           "成功: HTML ファイルの書き出しが完了しました。\n");
    const std::string top = ReadFileBytes(site + "/top.htm");
    EXPECT_EQ(top.rfind(Sjis("<html><head><title>タイトル</title></head>\r\n"), 0), 0u);
    EXPECT_NE(top.find("<a href=200405xx.html >"), std::string::npos);
    EXPECT_TRUE(FileExists(site + "/200305xx.html"));
    ExpectSettingsFilesUntouched();
}

TEST_F(ExportCommandTest, fileFailureExitsWithOne) {
    std::filesystem::create_directory(f.out + "/index.html");  // cannot be written as a page
    Outcome o = Run({"--folder", f.dir.Path()});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err.rfind("Error: ", 0), 0u) << o.err;
    const std::string failure =
        "ケルノア: ファイルの操作に失敗しました:044 " + f.out + "/index.html\n";
    ASSERT_GE(o.err.size(), failure.size());
    EXPECT_EQ(o.err.substr(o.err.size() - failure.size()), failure);
    EXPECT_EQ(o.err.find("成功"), std::string::npos);
    ExpectSettingsFilesUntouched();
}

TEST_F(ExportCommandTest, usageErrorsAndHelp) {
    Outcome bad = Run({"--folder", f.dir.Path(), "--layout", "4"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--layout"), std::string::npos);

    Outcome title = Run({"--folder", f.dir.Path(), "--title", "\xF0\x9F\x98\x80"});
    EXPECT_EQ(title.status, 2);
    EXPECT_NE(title.err.find("--title"), std::string::npos);
    EXPECT_FALSE(FileExists(f.out + "/index.html"));

    Outcome help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: kivor export", 0), 0u) << help.out;
    ExpectSettingsFilesUntouched();
}

TEST_F(ExportCommandTest, folderNameOutsideShiftJisIsRefused) {
    const std::string folder = f.dir / "\xF0\x9F\x98\x80";
    std::filesystem::create_directory(folder);
    Outcome o = Run({"--folder", folder});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "ケルノア: exe 名,プログラム名が不正です。\n");
}

}  // namespace
}  // namespace kivor::test
