#include "base/Process.h"

#include "base/AppDir.h"
#include "base/CodePage.h"
#include "base/CommandLine.h"
#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/ProgramSearch.h"
#include "base/WindowsProcess.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include "base/Text.h"

#include <csignal>
#include <fcntl.h>
#include <limits.h>
#include <optional>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#endif

namespace corvane
{
namespace
{
std::atomic<bool> listings_stopped = false;
} // namespace

void StopListings()
{
  listings_stopped = true;
}

bool ListingsStopped()
{
  return listings_stopped;
}

void AllowListings()
{
  listings_stopped = false;
}

std::chrono::milliseconds ListingTimeout()
{
  if (const char* text = std::getenv("CORVANE_LISTING_TIMEOUT_MS"))
  {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end != text && value > 0)
      return std::chrono::milliseconds(value);
  }
  return std::chrono::seconds(60);
}

bool StartDetached(const std::string& command_line, const std::string& dir)
{
  return StartProgram(command_line, dir).Started();
}

std::string StartFailureReason(const StartResult& result)
{
  switch (result.failure)
  {
  case StartFailure::None:
    return {};
  case StartFailure::FileMissing:
    return std::string(Messages::START_FILE_MISSING);
  case StartFailure::NotExecutable:
    return std::string(Messages::START_NOT_EXECUTABLE);
  case StartFailure::NotAProgram:
    return std::string(Messages::START_NOT_A_PROGRAM);
  case StartFailure::Other:
    break;
  }
  // The system's own words for a refusal we have no sentence of our own for.
  return std::string(Messages::START_REFUSED) + " (" +
         std::system_category().message(result.system_error) + ")";
}

#ifdef _WIN32

std::string ExecutableDir()
{
  // Room to spare, so that a long path is seen whole rather than cut to something shorter.
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size())
    return {};
  path.resize(length);
  return ModuleDirFromPath(path);
}

bool SetCurrentDir(const std::string& dir)
{
  // SetCurrentDirectoryA changes the drive as well when the path carries one.
  return SetCurrentDirectoryA(dir.c_str()) != 0;
}

namespace
{

std::string CmdExePath()
{
  char system_dir[MAX_PATH + 1] = {};
  const UINT length = GetSystemDirectoryA(system_dir, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return "cmd.exe";
  return std::string(system_dir, length) + "\\cmd.exe";
}

DWORD WaitMilliseconds(std::chrono::milliseconds timeout)
{
  const auto longest = std::chrono::milliseconds(INFINITE - 1);
  return static_cast<DWORD>(std::clamp(timeout, std::chrono::milliseconds(0), longest).count());
}

// Waits for the run's process and then for every process of its job (an emulator may leave
// helpers behind that hold the listing file). At the time-out it ends them all and lets them be
// gone before the files are read. False on a time-out.
bool WaitForRun(const ListingJob& job, HANDLE process, DWORD timeout_ms)
{
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  if (WaitForSingleObject(process, timeout_ms) == WAIT_OBJECT_0 && job.WaitUntilEmpty(deadline))
    return true;
  if (!job.EndAll())
    TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
  job.WaitUntilEmpty(GetTickCount64() + 5000);
  return false;
}

// cmd.exe gets a fixed line: the batch file by a path relative to the directory the shell
// starts in. The directory's name (which may hold blanks, %, ^ or &) never passes through cmd's
// parser, and no batch file of that name elsewhere on PATH can be taken instead. /d keeps
// AutoRun commands from the registry out.
bool StartBatchThroughCmd(const std::string& batch_name, const std::string& dir,
                          PROCESS_INFORMATION& info)
{
  const std::string application = CmdExePath();
  std::string command = "cmd.exe /d /c .\\" + batch_name;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  std::wstring environment = ListingEnvironment();
  const DWORD flags =
      CREATE_NO_WINDOW | CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT | BreakawayFlag();
  return CreateProcessA(application.c_str(), command.data(), nullptr, nullptr, FALSE, flags,
                        environment.data(), dir.c_str(), &startup, &info) != 0;
}

void CloseProcess(PROCESS_INFORMATION& info)
{
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  info = {};
}

// Starts the listing in a job of its own. cmd.exe refuses a network folder as its current
// folder (and would run in the Windows folder instead), so there the emulator starts directly.
// So it does when the shell cannot be put in the job (a job of ours that may neither be left
// nor nested, before Windows 8): a time-out could then end the shell but not the emulator.
bool StartListing(const std::string& batch_name, const std::string& dir, ListingJob& job,
                  PROCESS_INFORMATION& info)
{
  const std::string batch_line =
      ReadFileBytes(AppDir(dir).File(batch_name)).value_or(std::string());
  if (!IsUncPath(dir) && StartBatchThroughCmd(batch_name, dir, info))
  {
    if (job.Adopt(info.hProcess))
      return true;
    TerminateProcess(info.hProcess, 1);
    CloseProcess(info);
  }
  if (!StartListingDirectly(batch_line, dir, info))
    return false;
  job.Adopt(info.hProcess);
  return true;
}

} // namespace

RunResult RunAndWait(const std::string& batch_name, const std::string& dir,
                     std::chrono::milliseconds timeout)
{
  RunResult result;
  ListingJob job;
  PROCESS_INFORMATION info{};
  if (!StartListing(batch_name, dir, job, info))
    return result;
  result.started = true;
  ResumeThread(info.hThread);
  result.timed_out = !WaitForRun(job, info.hProcess, WaitMilliseconds(timeout));
  CloseProcess(info);
  return result;
}

namespace
{

// The program a command line names, as a full path when it is named relative to `dir`.
std::string ProgramNamedBy(const std::string& command_line, const std::string& dir)
{
  const std::vector<std::string> arguments = SplitWindowsCommandLine(command_line);
  if (arguments.empty())
    return {};
  const std::string& name = arguments.front();
  const bool absolute = name.size() > 1 && (name[1] == ':' || (name[0] == '\\' && name[1] == '\\'));
  return absolute ? name : AppDir(dir).File(name);
}

StartFailure FailureOf(DWORD error)
{
  switch (error)
  {
  case ERROR_FILE_NOT_FOUND:
  case ERROR_PATH_NOT_FOUND:
    return StartFailure::FileMissing;
  case ERROR_ACCESS_DENIED:
    return StartFailure::NotExecutable;
  case ERROR_BAD_EXE_FORMAT:
  case ERROR_BAD_FORMAT:
  case ERROR_EXE_MACHINE_TYPE_MISMATCH:
    return StartFailure::NotAProgram;
  default:
    return StartFailure::Other;
  }
}

} // namespace

StartResult StartProgram(const std::string& command_line, const std::string& dir)
{
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  std::string command = command_line;
  // The program in `dir` is the one meant: left to its own search, CreateProcess would take a
  // program of that name beside ours before the one in `dir`.
  const std::string in_dir = ProgramNamedBy(command_line, dir);
  const char* application = IsRegularFile(in_dir) ? in_dir.c_str() : nullptr;
  // A game started from a launcher's job must not end with the launcher: it leaves the job
  // where the job allows it.
  if (!CreateProcessA(application, command.data(), nullptr, nullptr, FALSE, BreakawayFlag(),
                      nullptr, dir.c_str(), &startup, &info))
  {
    const DWORD error = GetLastError();
    return {FailureOf(error), ProgramNamedBy(command_line, dir), static_cast<int>(error)};
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return {};
}

WatchedStart StartProgramWatched(const std::string& command_line, const std::string& dir,
                                 std::chrono::milliseconds)
{
  WatchedStart watched;
  watched.start = StartProgram(command_line, dir);
  return watched;
}

#else

std::string ExecutableDir()
{
  char buffer[PATH_MAX + 1] = {};
  const ssize_t length = readlink("/proc/self/exe", buffer, PATH_MAX);
  if (length <= 0)
    return {};
  std::string path(buffer, static_cast<size_t>(length));
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos)
    return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool SetCurrentDir(const std::string& dir)
{
  return chdir(dir.c_str()) == 0;
}

namespace
{

// Everything a child needs, built in full before it exists: after a fork in a program with other
// threads only async-signal-safe calls are allowed, so no string is made and no variable read in
// the child.
struct SpawnRequest
{
  std::string program;                  // the file to execute
  std::vector<std::string> arguments;   // its argv, program name first
  std::vector<std::string> environment; // "NAME=value" entries
  std::string dir;                      // the child's current directory
  bool discard_errors = false;          // stderr to /dev/null instead of ours
  int errors_to = -1;                   // when not -1, stderr goes to this descriptor instead
  short flags = 0;                      // POSIX_SPAWN_SETPGROUP or POSIX_SPAWN_SETSID
};

std::vector<char*> PointerArray(std::vector<std::string>& strings)
{
  std::vector<char*> pointers;
  pointers.reserve(strings.size() + 1);
  for (std::string& text : strings)
    pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// posix_spawn forks and execs with nothing unsafe in between, and reports a failed exec (or a
// directory it could not enter) as its result. The child reads nothing from the terminal and has
// no signal blocked. -1 when it could not start the program, with the system's code in `error`.
pid_t Spawn(SpawnRequest request, int* error = nullptr)
{
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  bool prepared =
      posix_spawn_file_actions_addchdir_np(&actions, request.dir.c_str()) == 0 &&
      posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0) == 0;
  if (request.errors_to >= 0)
    prepared = prepared &&
               posix_spawn_file_actions_adddup2(&actions, request.errors_to, STDERR_FILENO) == 0;
  else if (request.discard_errors)
    prepared = prepared && posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null",
                                                            O_WRONLY, 0) == 0;
  sigset_t no_signals;
  sigemptyset(&no_signals);
  posix_spawnattr_setsigmask(&attributes, &no_signals);
  posix_spawnattr_setflags(&attributes, static_cast<short>(request.flags | POSIX_SPAWN_SETSIGMASK));
  std::vector<char*> argv = PointerArray(request.arguments);
  std::vector<char*> envp = PointerArray(request.environment);
  pid_t pid = -1;
  const int result = prepared ? posix_spawn(&pid, request.program.c_str(), &actions, &attributes,
                                            argv.data(), envp.data())
                              : ENOMEM;
  if (result != 0)
    pid = -1;
  if (error)
    *error = result;
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

std::vector<std::string> CurrentEnvironment()
{
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry)
    environment.emplace_back(*entry);
  return environment;
}

// This environment with "." first on PATH. The shell starts in the listing's directory, so "."
// is that directory whatever bytes its name holds; the name itself (a ':' in it would split a
// PATH entry) never goes into PATH.
std::vector<std::string> ListingEnvironment()
{
  std::vector<std::string> environment = CurrentEnvironment();
  std::string path = "PATH=.:/usr/bin:/bin";
  std::erase_if(environment,
                [&path](const std::string& entry)
                {
                  if (!entry.starts_with("PATH="))
                    return false;
                  path = "PATH=.:" + entry.substr(5);
                  return true;
                });
  environment.push_back(path);
  return environment;
}

std::optional<std::string> ScriptFromBatchFile(const std::string& path)
{
  auto script = ReadFileBytes(path);
  // The batch line ends in CR LF; a CR would become part of the output file's name.
  if (script)
    std::erase(*script, '\r');
  return script;
}

// Waits for the child at most `timeout`; past it, ends its whole process group. The status.
int WaitWithin(pid_t pid, std::chrono::milliseconds timeout, bool& timed_out)
{
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  auto pause = std::chrono::microseconds(200);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0)
  {
    if (std::chrono::steady_clock::now() >= deadline || listings_stopped)
    {
      timed_out = true;
      kill(-pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(10000));
  }
  return status;
}

// How much of a program's error output is kept: enough for the lines that say why it failed,
// however much it wrote before them.
constexpr size_t KEPT_ERROR_BYTES = size_t{64} * 1024;

// The start of what was written to the file `fd`.
std::string ReadStart(int fd)
{
  std::string text(KEPT_ERROR_BYTES, '\0');
  if (fd < 0 || lseek(fd, 0, SEEK_SET) != 0)
    return {};
  const ssize_t length = read(fd, text.data(), text.size());
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

// Moves what is waiting in the pipe to our stderr, keeping the start of it in `kept`, until the
// pipe is empty (or, when it blocks, at its end: every writer gone).
void PassOnErrors(int pipe_end, std::string& kept)
{
  char buffer[4096];
  ssize_t length = 0;
  while ((length = read(pipe_end, buffer, sizeof buffer)) > 0)
  {
    if (kept.size() < KEPT_ERROR_BYTES)
      kept.append(buffer, static_cast<size_t>(length));
    [[maybe_unused]] const ssize_t written =
        write(STDERR_FILENO, buffer, static_cast<size_t>(length));
  }
}

// The shell's own exit codes: 126 (found but not runnable) and 127 (not found) mean the command
// never ran; above 128 the command it ran was ended by a signal.
void ReadShellEnding(int status, RunResult& result)
{
  if (WIFSIGNALED(status))
  {
    result.crashed = true;
    return;
  }
  const int code = WEXITSTATUS(status);
  result.exit_code = code;
  if (code == 126 || code == 127)
    result.started = false;
  else if (code > 128)
    result.crashed = true;
}

// Where a program named on a command line is found, in the order Windows looks: a name with a
// separator from the directory the program starts in; otherwise in that directory (the start-up
// directory, where the program itself lies), then on PATH. Empty when it is nowhere.
std::string FindProgram(const std::string& name, const std::string& dir)
{
  if (name.empty())
    return {};
  if (name.find('/') != std::string::npos)
    return name.front() == '/' ? name : AppDir(dir).File(name);
  if (std::string beside = AppDir(dir).File(name); IsExecutableFile(beside))
    return beside;
  const char* path = std::getenv("PATH");
  return FindOnPath(name, path ? path : "", dir);
}

// Why FindProgram found nothing, told by the file where it looked first: a file there that may
// not be run, something there that is no file, or nothing at all.
StartResult UnfoundProgram(const std::string& name, const std::string& dir)
{
  std::string path = name.front() == '/' ? name : AppDir(dir).File(name);
  if (IsRegularFile(path))
    return {StartFailure::NotExecutable, std::move(path), EACCES};
  if (IsDirectory(path))
    return {StartFailure::NotAProgram, std::move(path), EISDIR};
  return {StartFailure::FileMissing, std::move(path), ENOENT};
}

StartFailure FailureOf(int error, const std::string& program)
{
  switch (error)
  {
  case ENOENT:
    // A script whose interpreter is missing gives ENOENT too, though the file is there.
    return IsRegularFile(program) ? StartFailure::Other : StartFailure::FileMissing;
  case EACCES:
  case EPERM:
    return StartFailure::NotExecutable;
  case ENOEXEC:
    return StartFailure::NotAProgram;
  default:
    return StartFailure::Other;
  }
}

} // namespace

RunResult RunAndWait(const std::string& batch_name, const std::string& dir,
                     std::chrono::milliseconds timeout)
{
  RunResult result;
  auto script = ScriptFromBatchFile(AppDir(dir).File(batch_name));
  if (!script)
    return result;
  // stderr goes to an unnamed file in memory: nothing lands in the player's folder, and a
  // chatty program cannot block on a full pipe nobody reads while we wait.
  const int errors = memfd_create("corvane-listing-errors", MFD_CLOEXEC);
  const pid_t pid = Spawn({"/bin/sh",
                           {"sh", "-c", std::move(*script)},
                           ListingEnvironment(),
                           dir,
                           true,
                           errors,
                           POSIX_SPAWN_SETPGROUP});
  if (pid >= 0)
  {
    result.started = true;
    const int status = WaitWithin(pid, timeout, result.timed_out);
    if (!result.timed_out)
      ReadShellEnding(status, result);
    result.errors = ReadStart(errors);
  }
  if (errors >= 0)
    close(errors);
  return result;
}

namespace
{

// Starts the program of a command line in a session of its own (the game outlives nothing of
// ours and gets no terminal signals), its stderr to `errors_to` when that is not -1. The pid, or
// -1 with the reason in `result`.
pid_t StartSession(const std::string& command_line, const std::string& dir, int errors_to,
                   StartResult& result)
{
  std::vector<std::string> arguments = SplitWindowsCommandLine(command_line);
  if (arguments.empty())
  {
    result = {StartFailure::FileMissing, {}, 0};
    return -1;
  }
  std::string program = FindProgram(arguments.front(), dir);
  if (program.empty())
  {
    result = UnfoundProgram(arguments.front(), dir);
    return -1;
  }
  int error = 0;
  const pid_t pid = Spawn({program, std::move(arguments), CurrentEnvironment(), dir, false,
                           errors_to, POSIX_SPAWN_SETSID},
                          &error);
  if (pid < 0)
    result = {FailureOf(error, program), program, error};
  return pid;
}

} // namespace

StartResult StartProgram(const std::string& command_line, const std::string& dir)
{
  StartResult result;
  const pid_t pid = StartSession(command_line, dir, -1, result);
  if (pid < 0)
    return result;
  // Nothing waits for the game, but its exit status is collected, so it leaves no zombie.
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
  return {};
}

WatchedStart StartProgramWatched(const std::string& command_line, const std::string& dir,
                                 std::chrono::milliseconds grace)
{
  WatchedStart watched;
  int pipe_ends[2] = {-1, -1};
  if (pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK) != 0)
  {
    watched.start = StartProgram(command_line, dir);
    return watched;
  }
  const pid_t pid = StartSession(command_line, dir, pipe_ends[1], watched.start);
  close(pipe_ends[1]);
  if (pid < 0)
  {
    close(pipe_ends[0]);
    return watched;
  }
  const auto deadline = std::chrono::steady_clock::now() + grace;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0)
  {
    if (std::chrono::steady_clock::now() >= deadline)
    {
      // Running: the game. Its stderr keeps reaching ours, and its status is collected.
      std::thread(
          [pid, errors = pipe_ends[0]]
          {
            fcntl(errors, F_SETFL, 0);
            std::string kept;
            PassOnErrors(errors, kept);
            close(errors);
            waitpid(pid, nullptr, 0);
          })
          .detach();
      return watched;
    }
    PassOnErrors(pipe_ends[0], watched.errors);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  // Ended. What it wrote last is read without waiting: a server it started may hold the pipe.
  PassOnErrors(pipe_ends[0], watched.errors);
  close(pipe_ends[0]);
  watched.ended = true;
  watched.crashed = WIFSIGNALED(status);
  watched.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 0;
  return watched;
}

bool StartAndWatch(std::vector<std::string> arguments, const std::string& dir,
                   std::chrono::milliseconds grace)
{
  if (arguments.empty() || arguments.front().empty())
    return false;
  std::string program = arguments.front();
  const pid_t pid = Spawn({std::move(program), std::move(arguments), CurrentEnvironment(), dir,
                           true, -1, POSIX_SPAWN_SETSID});
  if (pid < 0)
    return false;
  const auto deadline = std::chrono::steady_clock::now() + grace;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0)
  {
    if (std::chrono::steady_clock::now() >= deadline)
    {
      // Still running: an editor at work. Its status is collected when it ends.
      std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#endif

} // namespace corvane
