#include "diary/editor_text.h"

#include "platform/cp932.h"

namespace kivor {

namespace {

// A lone LF or a lone CR of the stored text is no line break of the
// entry: the editor shows each as its control picture, which CP932 cannot
// hold, so nothing typed or pasted can be mistaken for it, and writes it
// back as the byte it stands for.
constexpr char16_t kLoneLf = u'\u240A';  // ␊
constexpr char16_t kLoneCr = u'\u240D';  // ␍

bool IsLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// The text as stored, in UTF-8: every kind of line break as "\r\n", the
// pictures of lone LF and CR as those bytes.
std::string ToUtf8WithCrLf(QStringView text) {
    QString normal;
    normal.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            continue;  // the LF that follows makes the break
        }
        if (c == QChar(kLoneLf)) {
            normal += QLatin1Char('\n');
        } else if (c == QChar(kLoneCr)) {
            normal += QLatin1Char('\r');
        } else if (IsLineBreak(c)) {
            normal += QLatin1String("\r\n");
        } else {
            normal += c;
        }
    }
    return normal.toStdString();
}

}  // namespace

std::optional<QString> EntryTextToEditor(const std::string& cp932) {
    std::optional<std::string> utf8 = Cp932ToUtf8(cp932);
    if (!utf8) return std::nullopt;
    const QString stored = QString::fromStdString(*utf8);
    QString text;
    text.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored[i];
        if (c == QLatin1Char('\r') && i + 1 < stored.size() && stored[i + 1] == QLatin1Char('\n')) {
            text += QLatin1Char('\n');
            ++i;
        } else if (c == QLatin1Char('\n')) {
            text += QChar(kLoneLf);
        } else if (c == QLatin1Char('\r')) {
            text += QChar(kLoneCr);
        } else {
            text += c;
        }
    }
    return text;
}

std::optional<std::string> EditorTextToEntry(QStringView text) {
    return Utf8ToCp932(ToUtf8WithCrLf(text));
}

bool CanStoreText(QStringView text) {
    const std::string utf8 = ToUtf8WithCrLf(text);
    std::optional<std::string> stored = Utf8ToCp932(utf8);
    if (!stored) return false;
    std::optional<std::string> back = Cp932ToUtf8(*stored);
    return back && *back == utf8;
}

long StoredByteLength(QStringView text) {
    long bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) continue;
        if (c == kLoneLf || c == kLoneCr) {
            bytes += 1;
        } else if (IsLineBreak(QChar(c))) {
            bytes += 2;
        } else if (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) {
            bytes += 1;  // ASCII and half-width katakana are single bytes
        } else {
            bytes += 2;
        }
    }
    return bytes;
}

}  // namespace kivor
