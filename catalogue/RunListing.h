#pragma once

// Every emulator listing runs the same way: "makelist.bat" is written anew with one command
// line, then run from the start-up directory and waited for.

#include "base/AppDir.h"
#include "base/Outcome.h"

#include <string_view>

namespace corvane
{

inline constexpr std::string_view LISTING_BATCH_FILE = "makelist.bat";

namespace ZincListMan
{

// Writes "makelist.bat" with `command` (CR LF after it), makes the directory current, runs it
// and waits at most the listing time-out. Problems: the batch file could not be written, the
// run could not start (or the listing file an earlier run left could not be removed first), or
// it was stopped at the time-out.
Outcome RunListing(const AppDir& dir, std::string_view command);

} // namespace ZincListMan

} // namespace corvane
