#pragma once

// How a Windows program's C runtime cuts its command line into arguments, so that a line built
// for Windows gives a program started elsewhere exactly the same arguments.

#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// True for a byte that opens a two-byte character in the code page the line is read in.
using LeadByteTest = bool (*)(unsigned char);

// The arguments the C runtime gives a program for this command line, the program name first:
// blanks and tabs separate, double quotes group (and "" inside quotes is one quote), and
// backslashes are plain except before a double quote (2n of them give n and a quote that groups,
// 2n+1 give n and a literal quote). The program name takes quotes but no backslash rules. A lead
// byte takes the byte after it along, whatever that is: in code page 932 "\x83\x5C" is one
// letter, never a backslash, and a blank after a lead byte separates nothing. The line ends at
// its first NUL (a lead byte before it stands alone). Empty for an empty line.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line, LeadByteTest is_lead);

// The same, read as a program started here reads it: on Windows in the system's ANSI code
// page, elsewhere one byte per character.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line);

} // namespace corvane
