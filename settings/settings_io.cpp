// Loading and saving the settings: kivor.ini, header.txt and footer.txt.
#include <cerrno>

#include "platform/cp932.h"
#include "platform/file.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

namespace kivor {

namespace {

const std::string kSection = "ini";

KIVOR_CP932_TEXT(kDefaultHtmlTitle, "私の日記")

// Reads a text file in blocks of 100 bytes; each block contributes its bytes
// up to its first NUL. Records whether the file was read whole.
std::string ReadTextFile(const std::string& path, TextFileOrigin& origin) {
    std::string text;
    origin.readWhole = true;
    try {
        File file(path, File::modeRead);
        char block[100];
        while (std::size_t n = file.Read(block, sizeof block)) {
            std::size_t len = 0;
            while (len < n && block[len] != '\0') ++len;
            if (len < n) origin.readWhole = false;  // NUL bytes the text cannot hold
            text.append(block, len);
        }
        file.Close();
    } catch (const FileException& e) {
        // A missing file is an empty text; any other failure leaves the file
        // unread, and it must not be replaced by what little was read.
        if (e.m_lOsError != ENOENT) origin.readWhole = false;
    }
    origin.textAsLoaded = text;
    return text;
}

// Writes a header or footer text file unless it could not be read at start
// and its text is unchanged. 0 or errno.
int WriteTextFile(const std::string& path, const std::string& text, const TextFileOrigin& origin) {
    if (!origin.readWhole && text == origin.textAsLoaded) return 0;
    return ReplaceFileAtomically(path, text);
}

std::string Flag(int32_t value) {
    return value == 1 ? "1" : "0";
}
std::string Number(int32_t value) {
    return std::to_string(value);
}

}  // namespace

Settings DefaultSettings(const std::string& programFolderCp932) {
    Settings s;
    s.ProgramFolder = programFolderCp932;
    s.IniFilePath = programFolderCp932 + "kivor.ini";
    s.NewerIsUpper = 1;
    s.PromptToSave = 0;
    s.ShowWriteHereMessage = 0;
    s.YearOrderOlder = 0;
    s.ColorMainLetter = 0;
    s.ColorMainBackGround = 16777215;
    s.ColorTitleLetter = 16777215;
    s.ColorTitleBackGround = 16776960;
    s.ExportHtmlPath = programFolderCp932.empty()
                           ? std::string()
                           : programFolderCp932.substr(0, programFolderCp932.size() - 1);
    s.HtmlTopFileName = "index.html";
    s.FontSizeMain = 10;
    s.FontSizeTitle = 10;
    s.UseDefaultFontSizeMain = 1;
    s.UseDefaultFontSizeTitle = 1;
    s.WhereToWriteFooter = 0;
    s.WhereToWriteHeader = 0;
    s.DisableBR = 0;
    s.SetDefaultDateYesterday = 0;
    s.ExportHtmlType = 1;
    s.HtmlTitle = kDefaultHtmlTitle();
    s.AddHomePageLink = 0;
    s.UrlToHomePage = "/";
    return s;
}

void LoadSettings(Settings& s, const std::string& programFolderCp932) {
    const Settings d = DefaultSettings(programFolderCp932);
    s.ProgramFolder = d.ProgramFolder;
    s.IniFilePath = d.IniFilePath;

    const IniFile ini = IniFile::Load(s.IniFilePath);
    auto integer = [&](const char* key, int32_t def) { return ini.GetInt(kSection, key, def); };
    auto text = [&](const char* key, const std::string& def, std::size_t buffer) {
        return ini.GetString(kSection, key, def, buffer);
    };
    auto number = [&](const char* key, const char* def, std::size_t buffer) {
        return AtoiLike(text(key, def, buffer));
    };

    s.NewerIsUpper = integer("NewerIsUpper", 1);
    s.PromptToSave = integer("PromptToSave", 0);
    s.ShowWriteHereMessage = integer("ShowWriteHereMessage", 0);
    s.YearOrderOlder = integer("YearOrderOlder", 0);
    s.ColorMainLetter = number("ColorMainLetter", "000000", 32);
    s.ColorMainBackGround = number("ColorMainBackGround", "16777215", 32);
    s.ColorTitleLetter = number("ColorTitleLetter", "16777215", 32);
    s.ColorTitleBackGround = number("ColorTitleBackGround", "16776960", 32);
    s.ExportHtmlPath = text("ExportHtmlPath", d.ExportHtmlPath, kRoomExportHtmlPath + 1);
    s.HtmlTopFileName = text("HtmlTopFileName", d.HtmlTopFileName, kRoomHtmlTopFileName + 1);
    s.FontSizeMain = number("FontSizeMain", "10", 8);
    s.FontSizeTitle = number("FontSizeTitle", "10", 8);
    s.UseDefaultFontSizeMain = number("UseDefaultFontSizeMain", "1", 8);
    s.UseDefaultFontSizeTitle = number("UseDefaultFontSizeTitle", "1", 8);
    s.WhereToWriteFooter = number("WhereToWriteFooter", "0", 8);
    s.WhereToWriteHeader = number("WhereToWriteHeader", "0", 8);
    s.DisableBR = number("DisableBR", "0", 8);
    s.SetDefaultDateYesterday = number("SetDefaultDateYesterday", "0", 8);
    s.ExportHtmlType = number("ExportHtmlType", "1", 8);
    s.HtmlTitle = text("HtmlTitle", d.HtmlTitle, kRoomHtmlTitle + 1);
    s.AddHomePageLink = number("AddHomePageLink", "0", 8);
    s.UrlToHomePage = text("UrlToHomePage", d.UrlToHomePage, kRoomUrlToHomePage + 1);

    s.HeaderText = ReadTextFile(s.ProgramFolder + "header.txt", s.headerOrigin);
    s.FooterText = ReadTextFile(s.ProgramFolder + "footer.txt", s.footerOrigin);
}

void SaveSettings(const Settings& s, MessageBoxService& boxes) {
    int iniError = 0;
    IniFile ini = IniFile::Load(s.IniFilePath, &iniError);
    auto put = [&](const char* key, const std::string& value) {
        ini.WriteString(kSection, key, value);
    };

    put("NewerIsUpper", Flag(s.NewerIsUpper));
    put("PromptToSave", Flag(s.PromptToSave));
    put("ShowWriteHereMessage", Flag(s.ShowWriteHereMessage));
    put("YearOrderOlder", Flag(s.YearOrderOlder));
    put("ColorMainLetter", Number(s.ColorMainLetter));
    put("ColorMainBackGround", Number(s.ColorMainBackGround));
    put("ColorTitleLetter", Number(s.ColorTitleLetter));
    put("ColorTitleBackGround", Number(s.ColorTitleBackGround));
    put("ExportHtmlPath", CutToRoom(s.ExportHtmlPath, kRoomExportHtmlPath));
    put("HtmlTopFileName", CutToRoom(s.HtmlTopFileName, kRoomHtmlTopFileName));
    put("HtmlTitle", CutToRoom(s.HtmlTitle, kRoomHtmlTitle));
    put("FontSizeMain", Number(s.FontSizeMain));
    put("FontSizeTitle", Number(s.FontSizeTitle));
    put("UseDefaultFontSizeMain", Number(s.UseDefaultFontSizeMain));
    put("UseDefaultFontSizeTitle", Number(s.UseDefaultFontSizeTitle));
    put("DisableBR", Number(s.DisableBR));
    put("SetDefaultDateYesterday", Number(s.SetDefaultDateYesterday));
    put("ExportHtmlType", Number(s.ExportHtmlType));
    put("AddHomePageLink", Number(s.AddHomePageLink));
    put("UrlToHomePage", CutToRoom(s.UrlToHomePage, kRoomUrlToHomePage));

    // The text files; the first failure ends this step.
    const struct {
        const char* name;
        const std::string& text;
        const TextFileOrigin& origin;
    } files[] = {{"header.txt", s.HeaderText, s.headerOrigin},
                 {"footer.txt", s.FooterText, s.footerOrigin}};
    for (const auto& f : files) {
        const std::string path = s.ProgramFolder + f.name;
        if (int err = WriteTextFile(path, f.text, f.origin)) {
            ShowLastError(boxes, err);
            AppMessageBox(boxes, kTextFileOpenFailed098() + path);
            break;
        }
    }

    put("WhereToWriteFooter", Number(s.WhereToWriteFooter));
    put("WhereToWriteHeader", Number(s.WhereToWriteHeader));
    // A settings file that cannot be written is passed over silently. One
    // that exists but could not be read is left alone: rewriting it would
    // drop the lines this program does not know.
    if (iniError == 0 || iniError == ENOENT) ini.Save(s.IniFilePath);
}

}  // namespace kivor
