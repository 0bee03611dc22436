#include "platform/error_text.h"

#include <cstring>
#include <string>

#include "platform/cp932.h"

namespace kivor {

std::string SystemErrorText(int errorCode) {
    char buffer[512];
    buffer[0] = '\0';
    // The GNU strerror_r returns the text, which may not be in the buffer.
    const char* text = ::strerror_r(errorCode, buffer, sizeof buffer);
    std::string utf8 = (text && *text) ? text : "";
    if (utf8.empty()) utf8 = "Unknown error " + std::to_string(errorCode);
    return Utf8ToCp932Lossy(utf8);
}

}  // namespace kivor
