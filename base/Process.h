#pragma once

// The thin seam to the operating system's processes. Everything else in the core is portable.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// The directory that holds the running executable, without a trailing separator; empty when
// the platform cannot tell, and on Windows when the files in it could not be named exactly
// (see ModuleDirFromPath).
std::string ExecutableDir();

// Makes the directory the process's current directory (and, on Windows, its drive the current
// drive). False when it cannot.
bool SetCurrentDir(const std::string& dir);

struct RunResult
{
  bool started = false;   // the command could be started at all (and, off Windows, was found)
  bool timed_out = false; // it was still running at the time limit and was ended, with its children
  bool crashed = false;   // it ended abnormally (killed by a signal) before it finished
  int exit_code = 0;      // off Windows: the shell's exit status (that of its last command)
  std::string errors;     // off Windows: the start of what the command wrote to stderr
};

// Ends the listing run now waiting (and every later one) as if its time were up: the player
// cancelled. Any thread may call it. Off Windows only; elsewhere it does nothing.
void StopListings();

// Whether StopListings was called since the start or the last AllowListings.
bool ListingsStopped();

// Lets listings run again once whatever StopListings ended is over (the run it stopped has been
// waited for).
void AllowListings();

// How long a listing run may take: 60 seconds, or CORVANE_LISTING_TIMEOUT_MS when set.
std::chrono::milliseconds ListingTimeout();

// Runs the one-line batch file `batch_name` in `dir` hidden and waits for it to end, at most
// `timeout`. On Windows cmd.exe runs it as ".\<batch_name>" from `dir`, so no outside text
// reaches cmd's command line. Elsewhere sh runs its one line (CRs dropped) from `dir` with "."
// first on PATH, so a bare "zinc.exe" is the one beside the program whatever the directory's
// name holds; the start of its stderr is kept in RunResult::errors, and the shell's 126 and 127
// count as not started.
RunResult RunAndWait(const std::string& batch_name, const std::string& dir,
                     std::chrono::milliseconds timeout);

// Why a program could not be started, as the system reported it.
enum class StartFailure
{
  None,          // it started
  FileMissing,   // there is no file of that name
  NotExecutable, // the file exists but may not be run
  NotAProgram,   // the file is not a program this system can run
  Other,         // another refusal; StartResult::system_error holds the system's code
};

struct StartResult
{
  StartFailure failure = StartFailure::None;
  std::string program;  // the file that was to run: as found, or as named relative to `dir`
  int system_error = 0; // errno, or the Windows error code, for StartFailure::Other

  bool Started() const { return failure == StartFailure::None; }
};

// Starts a command line from `dir`, in a normal window, without waiting. On Windows the line
// goes to CreateProcess as it is, with the program it names in `dir` when there is one;
// elsewhere it is split as a Windows program's C runtime would split it and the program is
// started directly (found in `dir` first, then on PATH), with no shell. On failure the result
// says why and which file.
StartResult StartProgram(const std::string& command_line, const std::string& dir);

// How a program started by StartProgramWatched fared in its first moments.
struct WatchedStart
{
  StartResult start;    // whether it could be started at all
  bool ended = false;   // it ended within the time it was watched
  bool crashed = false; // ended: killed by a signal
  int exit_code = 0;    // ended: its status
  std::string errors;   // ended: the start of what it wrote to stderr
};

// StartProgram, then watches the program for `grace` and says whether it ended in that time,
// how, and with what words on stderr (which still reach ours). A program still running is left
// to run. On Windows it only starts the program.
WatchedStart StartProgramWatched(const std::string& command_line, const std::string& dir,
                                 std::chrono::milliseconds grace);

// StartProgram, for callers that only need to know whether it started.
bool StartDetached(const std::string& command_line, const std::string& dir);

// Why the program did not start, in words ("there is no such file"); empty for a started one.
std::string StartFailureReason(const StartResult& result);

#ifndef _WIN32
// Starts a program (arguments[0] is its path) from `dir` in a session of its own, its stderr
// discarded, and watches it for `grace`: false when it could not start or ended with a failure
// within that time; true when it ended well or is still running (it is then left to run).
bool StartAndWatch(std::vector<std::string> arguments, const std::string& dir,
                   std::chrono::milliseconds grace);
#endif

} // namespace corvane
