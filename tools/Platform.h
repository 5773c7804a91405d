#pragma once

// The few calls that differ between Windows and the other systems.

#include <string>

namespace corvane::standin
{

// Makes stdout write bytes unchanged (no LF to CR LF translation on Windows).
void SetBinaryStdout();

// The folder that holds the running executable, without a trailing separator; from argv[0]
// when the system cannot tell.
std::string ExecutableDir(const char* argv0);

// The separator of path parts on this system.
char PathSeparator();

// Blocks the process for `seconds`.
void SleepSeconds(unsigned seconds);

// Ends the process abnormally, with no output, no dialog and no core file.
[[noreturn]] void CrashSilently();

} // namespace corvane::standin
