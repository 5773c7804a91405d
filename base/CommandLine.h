#pragma once

// How a Windows program's C runtime cuts its command line into arguments, so that a line built
// for Windows gives a program started elsewhere exactly the same arguments.

#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// The arguments the C runtime gives a program for this command line, the program name first:
// blanks and tabs separate, double quotes group (and "" inside quotes is one quote), and
// backslashes are plain except before a double quote (2n of them give n and a quote that groups,
// 2n+1 give n and a literal quote). The program name takes quotes but no backslash rules. The
// line ends at its first NUL. Empty for an empty line.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line);

} // namespace corvane
