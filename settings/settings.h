// The settings record: one plain field per key of kivor.ini, named after
// the key, beside the header and footer texts and the two derived paths.
// Texts are CP932 bytes. The program keeps one record for the whole run;
// every reader takes the value current at the moment it needs it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/message_box.h"

namespace kivor {

// How a header or footer text file fared at start: only a text that was
// read whole (or whose file was missing) may be written back unchanged.
struct TextFileOrigin {
    bool readWhole = true;     // false: the file existed but could not be read whole
    std::string textAsLoaded;  // what the text held after loading
};

struct Settings {
    // In the order LoadSettings reads them.
    int32_t NewerIsUpper = 0;
    int32_t PromptToSave = 0;
    int32_t ShowWriteHereMessage = 0;
    int32_t YearOrderOlder = 0;
    int32_t ColorMainLetter = 0;  // COLORREF 0x00BBGGRR
    int32_t ColorMainBackGround = 0;
    int32_t ColorTitleLetter = 0;
    int32_t ColorTitleBackGround = 0;
    std::string ExportHtmlPath;   // room 259
    std::string HtmlTopFileName;  // room 255
    int32_t FontSizeMain = 0;
    int32_t FontSizeTitle = 0;
    int32_t UseDefaultFontSizeMain = 0;
    int32_t UseDefaultFontSizeTitle = 0;
    int32_t WhereToWriteFooter = 0;
    int32_t WhereToWriteHeader = 0;
    int32_t DisableBR = 0;
    int32_t SetDefaultDateYesterday = 0;
    int32_t ExportHtmlType = 0;
    std::string HtmlTitle;  // room 31
    int32_t AddHomePageLink = 0;
    std::string UrlToHomePage;  // room 255

    std::string HeaderText;     // whole content of header.txt
    std::string FooterText;     // whole content of footer.txt
    std::string ProgramFolder;  // the diary folder, CP932, ends in '/'
    std::string IniFilePath;    // ProgramFolder + "kivor.ini"

    TextFileOrigin headerOrigin;
    TextFileOrigin footerOrigin;
};

// Rooms of the text fields (bytes, without terminator).
inline constexpr std::size_t kRoomExportHtmlPath = 259;
inline constexpr std::size_t kRoomHtmlTopFileName = 255;
inline constexpr std::size_t kRoomHtmlTitle = 31;
inline constexpr std::size_t kRoomUrlToHomePage = 255;

// Sets ProgramFolder and IniFilePath and reads the 22 keys of section "ini"
// and the two text files. Missing or unreadable files give the defaults,
// silently.
void LoadSettings(Settings& settings, const std::string& programFolderCp932);

// Writes the 22 keys, header.txt and footer.txt. A failure to write a text
// file shows ShowLastError and "ファイルのオープンに失敗しました。:098 " + path.
void SaveSettings(const Settings& settings, MessageBoxService& boxes);

// The defaults of a fresh install for the given folder (what LoadSettings
// gives without kivor.ini).
Settings DefaultSettings(const std::string& programFolderCp932);

KIVOR_CP932_TEXT(kTextFileOpenFailed098, "ファイルのオープンに失敗しました。:098 ")

}  // namespace kivor
