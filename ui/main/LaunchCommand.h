#pragma once

// The emulator's command line for one game of the game table. Qt-free, so that the exact bytes
// can be tested without a window.

#include "base/AppDir.h"
#include "catalogue/GameTable.h"

#include <string>
#include <string_view>

namespace corvane
{

// "zinc.exe <number> <options> --use-controller-cfg-file=<dir>/ctrlr/<set name>.ini"; the
// controller-file path is enclosed in double quotes only when it holds a blank or a tab.
std::string LaunchCommandLine(const GameRow& game, std::string_view options_text,
                              const AppDir& dir);

// Why the launch line of this game must not be started, as a fixed text; empty when it may.
// The line is read as a Windows program reads its command line: the game number must come back
// as one argument and the controller-file path whole as the last one, and the set name must be
// a plain file name (the only kind a save writes a controller file for).
std::string_view LaunchRefusal(const GameRow& game, std::string_view line, const AppDir& dir);

} // namespace corvane
