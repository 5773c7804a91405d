#pragma once

// Every emulator listing runs the same way: "makelist.bat" is written anew with one command
// line, then run from the start-up directory and waited for. A Windows zinc.exe on a system
// that cannot start it runs through Wine, and the line says so: "/usr/bin/wine zinc.exe ...".

#include "base/AppDir.h"
#include "base/Outcome.h"

#include <string_view>

namespace corvane
{

inline constexpr std::string_view LISTING_BATCH_FILE = "makelist.bat";

namespace ZincListMan
{

// How a listing run ended, which tells how much of its output file can be trusted.
enum class ListingEnd
{
  Finished,   // the output is whole
  NotRun,     // nothing of this run is in the output file
  WineFailed, // Wine ran but could not run zinc.exe: nothing of it is in the output file either
  Unfinished, // stopped at the time-out or crashed: the output may end in a cut line
};

// Writes "makelist.bat" with `command` (CR LF after it; the Wine program before it when the
// emulator runs through Wine), makes the directory current, runs it and waits at most the
// listing time-out. Problems: no Wine for a Windows zinc.exe (nothing is written or removed
// then), the batch file could not be written, the run could not start (or the listing file an
// earlier run left could not be removed first), Wine could not run zinc.exe (said with Wine's
// reason), it was stopped at the time-out, or it crashed.
// `end`, when given, says which.
Outcome RunListing(const AppDir& dir, std::string_view command, ListingEnd* end = nullptr);

} // namespace ZincListMan

} // namespace corvane
