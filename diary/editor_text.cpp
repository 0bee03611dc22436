#include "diary/editor_text.h"

#include "platform/cp932.h"

namespace kivor {

namespace {

bool IsLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// The text with every kind of line break as "\r\n", in UTF-8.
std::string ToUtf8WithCrLf(QStringView text) {
    QString normal;
    normal.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            continue;  // the LF that follows makes the break
        }
        if (IsLineBreak(c)) {
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
    QString text = QString::fromStdString(*utf8);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
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
        if (IsLineBreak(QChar(c))) {
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
