#pragma once

// The start-up sequence shared by both modes, and batch mode itself.

#include "app/Session.h"

#include <iosfwd>
#include <string_view>

namespace corvane
{

namespace ZincListMan
{
// True when "zinc.exe" is an ordinary file in the start-up directory.
bool CheckEmulatorPresent(const AppDir& dir);
} // namespace ZincListMan

namespace XpStyles
{

inline constexpr int EXIT_OK = 0;
inline constexpr int EXIT_FAILED = 1;
inline constexpr int EXIT_NO_EMULATOR = 2;

// Lets the standard controls draw in the system's visual style (Windows only).
void InitCommonControlLibrary();

// Common controls, game list import, group lists and settings, in that order. Problems are
// collected in session.startup_problems.
void PrepareSession(Session& session);

// PrepareSession's reading of the program's own files, once the game table is there: the group
// lists, the settings and, for the window, the own keys (problems in session.startup_problems).
void ReadSessionFiles(Session& session);

// Batch mode from the program-folder and emulator checks to the end: the switches, the DAT, then
// the wrapper configuration. Returns the exit code; on failure prints one line to `err`, and
// one line more when "-cfgwrapper" finds no wrapper configuration. A help switch prints the
// usage to `out` and runs nothing.
int RunBatch(Session& session, std::string_view command_line, std::ostream& out, std::ostream& err);

// Interactive start-up's own jobs: on a first run every game sorted into its family (the five
// list files written, as Scan For Changes does), then the DAT when MakeDatFlag is 1.
Outcome RunInteractiveStartJobs(Session& session);

// On a first run (no group lists yet) every game sorted into its family, the lists written.
Outcome SortOnFirstRun(Session& session);

// The one line batch mode prints for an outcome: "corvane: <first problem> (and N more)".
std::string BatchErrorLine(const Outcome& outcome);

} // namespace XpStyles

} // namespace corvane
