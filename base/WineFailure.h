#pragma once

// Telling a run through Wine that never reached zinc.exe from one that did, and saying why.
// Wine reports its own failures in ways a listing cannot see by itself: a 32-bit program under a
// Wine without 32-bit support ends with status 0 and prints nothing (with WINEDEBUG=-all), a
// broken prefix ends with status 1 and one line on stderr.

#include "base/EmulatorRoute.h"
#include "base/Outcome.h"

#include <string>
#include <string_view>

namespace corvane
{

// The machine a Windows program is built for, read from its PE header.
enum class WindowsMachine
{
  Unknown, // no PE header (or no file)
  X86,     // a 32-bit program
  X64,
  Other,
};

WindowsMachine ProgramMachine(const std::string& path);

// True when the Wine prefix cannot start a 32-bit program: a 64-bit prefix whose 32-bit system
// folder (syswow64) has no ntdll.dll, which is what a Wine without its 32-bit half makes; or
// Wine's own words say the 32-bit half is missing.
bool PrefixLacks32Bit(const std::string& wine_prefix, std::string_view wine_errors);

// The first line of Wine's stderr that says what went wrong: one from the loader ("wine: ...")
// or an error channel (":err:"), else the first line with text; empty when it said nothing.
// Wine's notes on a prefix it made or updated are passed over.
std::string FirstWineErrorLine(std::string_view wine_errors);

struct WineEnding
{
  bool ran = true; // false: only Wine ran, zinc.exe never did (or never got as far as output)
  Outcome problem; // when !ran: why, naming the fix where there is one
};

// What a run through Wine left to judge it by.
struct WineRun
{
  int exit_code = 0;            // Wine's status
  std::string_view errors;      // what Wine wrote to stderr
  bool listing = false;         // a listing, which always writes something when zinc.exe ran
  bool produced_output = false; // a listing: it wrote something
};

// How a run of zinc.exe through Wine ended. A listing that wrote nothing is a run of Wine alone
// (zinc.exe never lists nothing); a launch is one when Wine failed (non-zero) or the program is
// 32-bit and the prefix lacks 32-bit support. Always ran for a route that is not through Wine.
WineEnding ReadWineEnding(const EmulatorRoute& route, const AppDir& dir, const WineRun& run);

} // namespace corvane
