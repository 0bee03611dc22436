// The desktop program's start: the Qt application, the message boxes, then
// the application object's life.
#pragma once

#include "app/command_line.h"

namespace kivor {

// The running QApplication's name, desktop entry, icon and Qt's own texts
// in Japanese.
void ConfigureApplication();

// argv0: the program's name as started. Gives the exit code.
int RunDesktop(const CommandLine& line, const char* argv0);

}  // namespace kivor
