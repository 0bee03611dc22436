// The fragments every exported page is built from. Each appends its exact
// bytes (CP932) to the page being assembled; the page is written to its file
// in one write when it is closed (see page_file.h). Nothing is escaped: entry
// text, header and footer texts, the title and the URL go in verbatim.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace kivor {

// Six lower-case hexadecimal digits, red first: 16776960 gives "00ffff".
std::string ColorToHex(int32_t color);

// "<html><head><title>" title "</title></head>\r\n".
void WritePageHead(std::string& page, std::string_view title);

// The body start tag with the page colours (no "#").
void WriteBodyTag(const Settings& settings, std::string& page);

// A one-cell table holding the heading in the title font.
void WriteTitleTable(const Settings& settings, int32_t textColor, int32_t backColor,
                     std::string_view heading, std::string& page);

// The text inside an entry font tag, attributes unquoted, no line breaks.
void WriteFontText(const Settings& settings, int32_t color, std::string_view text,
                   std::string& page);

// "<p><strong>" heading "</strong>\r\n<p>".
void WriteBoldHeading(std::string_view heading, std::string& page);

// The header block (followed by "<p>") or the footer block, or nothing when
// that text is empty. Unless DisableBR is set, CR LF becomes "<br>".
void WriteHeaderFooter(const Settings& settings, bool header, std::string& page);

// Replaces every CR LF pair of an entry's text by "<BR>"; lone CR and LF stay.
void ConvertLineBreaks(std::string& text);
// Appends the entry's text to the page as ConvertLineBreaks gives it, in one
// pass (the pages use this, sparing a copy of every entry).
void AppendWithLineBreaksConverted(std::string& page, std::string_view text);

// The centred [戻る] link to the main page.
void WriteBackLink(const Settings& settings, std::string& page);

// The credit paragraph with the product's home page.
void WriteCredit(std::string& page);

// The centred link to the user's home page (UrlToHomePage).
void WriteHomePageLink(const Settings& settings, std::string& page);

}  // namespace kivor
