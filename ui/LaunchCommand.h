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
// controller-file path is enclosed in double quotes only when it holds a blank.
std::string LaunchCommandLine(const GameRow& game, std::string_view options_text,
                              const AppDir& dir);

// True when the row's game number is digits and its set name only letters, digits, '_', '-'
// and '.', so that neither can smuggle a second command into the shell's command line.
bool IsLaunchable(const GameRow& game);

} // namespace corvane
