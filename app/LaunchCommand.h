#pragma once

// The emulator's command line for one game of the game table, and whether it may be started.
// Qt-free, so that the exact bytes can be tested without a window.

#include "base/AppDir.h"
#include "base/EmulatorRoute.h"
#include "catalogue/GameTable.h"

#include <string>
#include <string_view>

namespace corvane
{

// "zinc.exe <number> <options> --use-controller-cfg-file=<dir>/ctrlr/<set name>.ini", the line
// that is started and that "Show Command Line" shows. The controller-file path is in double
// quotes only when it holds a blank or a tab. Through Wine the Wine program comes first and the
// path is the one the Windows program opens ("Z:\...\ctrlr\<set name>.ini").
std::string LaunchCommandLine(const GameRow& game, std::string_view options_text, const AppDir& dir,
                              const EmulatorRoute& route = {});

// Why the launch line of this game must not be started; empty when it may.
// The line is read as a Windows program reads its command line: the game number must come back
// as one argument and the controller-file path whole as the last one, and the set name must be
// a plain file name (the only kind a save writes a controller file for). Through Wine the first
// argument must be the Wine program, and the controller file a path zinc.exe can open there
// (see PathRefusal).
std::string LaunchRefusal(const GameRow& game, std::string_view line, const AppDir& dir,
                          const EmulatorRoute& route = {});

// Starts a launch line from the directory, without waiting for the game. Through Wine it watches
// the first seconds, and Wine ending with a failure in them is a start that failed. Problems: no
// Wine can run zinc.exe, it could not be started (with the system's reason and the file), or
// Wine could not run it (with Wine's reason).
Outcome StartGame(const std::string& line, const AppDir& dir, const EmulatorRoute& route);

} // namespace corvane
