// The system's text for an error code.
#pragma once

#include <string>

namespace kivor {

// The system's localized text for an errno value, as CP932; a generic text
// naming the number when the system has none.
std::string SystemErrorText(int errorCode);

}  // namespace kivor
