#include "export/html_fragments.h"

#include <cstdio>

#include "platform/cp932.h"

#ifndef KIVOR_HOMEPAGE_URL
#error "KIVOR_HOMEPAGE_URL must be defined by the build"
#endif

namespace kivor {

namespace {

KIVOR_CP932_TEXT(kBackLinkOpen, "<p align=\"center\">[<a href=\"./")
KIVOR_CP932_TEXT(kBackLinkClose, "\">戻る</a>]</p>")
KIVOR_CP932_TEXT(kCreditOpen, "<p>この日記は<a href=\"")
KIVOR_CP932_TEXT(kCreditClose, "\">ケルノア</a>で作成されました。</p>")
KIVOR_CP932_TEXT(kProductHomePage, KIVOR_HOMEPAGE_URL)
KIVOR_CP932_TEXT(kHomePageLinkClose, "\">ホームページへ</a></p>")

void AppendHex(std::string& out, int32_t color) {
    static const char kDigits[] = "0123456789abcdef";
    const uint32_t c = static_cast<uint32_t>(color);
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned byte = (c >> shift) & 0xFFu;
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0xFu];
    }
}

void AppendDecimal(std::string& out, int32_t value) {
    char buffer[16];
    const int n = std::snprintf(buffer, sizeof buffer, "%d", value);
    out.append(buffer, static_cast<std::size_t>(n));
}

// Appends `text` with every CR LF replaced by `replacement`.
void AppendReplacingCrLf(std::string& out, std::string_view text, std::string_view replacement) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find("\r\n", from);
        if (at == std::string_view::npos) break;
        out.append(text, from, at - from);
        out.append(replacement);
        from = at + 2;
    }
    out.append(text, from);
}

}  // namespace

std::string ColorToHex(int32_t color) {
    std::string hex;
    hex.reserve(6);
    AppendHex(hex, color);
    return hex;
}

void WritePageHead(std::string& page, std::string_view title) {
    page += "<html><head><title>";
    page += title;
    page += "</title></head>\r\n";
}

void WriteBodyTag(const Settings& settings, std::string& page) {
    page += "<body bgcolor=\"";
    AppendHex(page, settings.ColorMainBackGround);
    page += "\" text=\"";
    AppendHex(page, settings.ColorMainLetter);
    page += "\">\r\n";
}

void WriteTitleTable(const Settings& settings, int32_t textColor, int32_t backColor,
                     std::string_view heading, std::string& page) {
    page += "<table border=\"1\" width=\"100%\" bgcolor=\"#";
    AppendHex(page, backColor);
    page += "\">\r\n<tr>\r\n<td width=\"100%\">\r\n<font color=\"#";
    AppendHex(page, textColor);
    if (settings.UseDefaultFontSizeTitle != 0) {
        page += "\">\r\n";
    } else {
        page += "\" size=";
        AppendDecimal(page, settings.FontSizeTitle);
        page += ">\r\n";
    }
    page += heading;
    page += "</font>\r\n</td>\r\n</tr>\r\n</table>\r\n";
}

void WriteFontText(const Settings& settings, int32_t color, std::string_view text,
                   std::string& page) {
    page += "<font color=#";
    AppendHex(page, color);
    if (settings.UseDefaultFontSizeMain == 0) {
        page += " size=";
        AppendDecimal(page, settings.FontSizeMain);
    }
    page += ">";
    page += text;
    page += "</font>";
}

void WriteBoldHeading(std::string_view heading, std::string& page) {
    page += "<p><strong>";
    page += heading;
    page += "</strong>\r\n<p>";
}

void WriteHeaderFooter(const Settings& settings, bool header, std::string& page) {
    const std::string& text = header ? settings.HeaderText : settings.FooterText;
    if (text.empty()) return;
    if (settings.DisableBR == 0)
        AppendReplacingCrLf(page, text, "<br>");
    else
        page += text;
    if (header) page += "<p>";
}

void ConvertLineBreaks(std::string& text) {
    if (text.find("\r\n") == std::string::npos) return;
    std::string converted;
    converted.reserve(text.size() + text.size() / 8);
    AppendReplacingCrLf(converted, text, "<BR>");
    text = std::move(converted);
}

void AppendWithLineBreaksConverted(std::string& page, std::string_view text) {
    AppendReplacingCrLf(page, text, "<BR>");
}

void WriteBackLink(const Settings& settings, std::string& page) {
    page += kBackLinkOpen();
    page += settings.HtmlTopFileName;
    page += kBackLinkClose();
}

void WriteCredit(std::string& page) {
    page += "<p>";
    page += kCreditOpen();
    page += kProductHomePage();
    page += kCreditClose();
    page += "<p>";
}

void WriteHomePageLink(const Settings& settings, std::string& page) {
    page += "<p><center><p><a href=\"";
    page += settings.UrlToHomePage;
    page += kHomePageLinkClose();
    page += "</center><p>";
}

}  // namespace kivor
