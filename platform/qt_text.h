// CP932 text of the core to and from the QString of the windows.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "platform/cp932.h"

namespace kivor {

// CP932 bytes for showing; bytes that do not convert show as U+FFFD.
inline QString FromCp932(const std::string& cp932) {
    return QString::fromStdString(Cp932ToUtf8Lossy(cp932));
}

// The CP932 bytes of a text; nullopt when it holds a character CP932 cannot hold.
inline std::optional<std::string> ToCp932(const QString& text) {
    return Utf8ToCp932(text.toStdString());
}

// The CP932 bytes of a text, characters CP932 cannot hold as '?'.
inline std::string ToCp932Lossy(const QString& text) {
    return Utf8ToCp932Lossy(text.toStdString());
}

}  // namespace kivor
