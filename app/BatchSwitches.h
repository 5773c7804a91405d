#pragma once

// The command line: its text, and the switches that batch mode understands.

#include <string>
#include <string_view>

namespace corvane
{

struct BatchSwitches
{
  bool make_dat = false;    // "listinfo"
  bool cfg_wrapper = false; // "cfgwrapper"
  std::string dat_path;     // what followed "listinfo" in its piece, untrimmed; empty for none
};

// The program's own command line: on Windows the text after the program's path; elsewhere the
// arguments joined with single blanks. Empty text means interactive mode.
std::string ProgramCommandLine(int argc, char** argv);

// Splits the command line at each "-" that starts a word (at the start of the line, after a
// blank, or right after a switch word) and that a switch word follows (blanks between allowed;
// the word ends at a blank, a dash or the end), so that other dashes stay in the text around them,
// and reads each piece's first word. Switch words are matched without regard to case; "listinfo"
// alone is removed from its piece, and the rest is the DAT path. On Windows each piece is lowered,
// path included, as the program always has; elsewhere paths are case-sensitive and keep their case.
BatchSwitches ParseBatchSwitches(std::string_view command_line);

// True when the whole command line, without the blanks around it, asks for help: "--help",
// "-h", "-?" or "/?", in any case.
bool IsHelpRequest(std::string_view command_line);

} // namespace corvane
