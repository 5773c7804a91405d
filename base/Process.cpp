#include "base/Process.h"

#include "base/AppDir.h"
#include "base/CodePage.h"
#include "base/FileIo.h"
#include "base/WindowsProcess.h"

#include <algorithm>
#include <cstdlib>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <limits.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace corvane
{

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

bool StartDetached(const std::string& command_line, const std::string& dir)
{
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  std::string command = command_line;
  // A game started from a launcher's job must not end with the launcher: it leaves the job
  // where the job allows it.
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, BreakawayFlag(), nullptr,
                      dir.c_str(), &startup, &info))
    return false;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return true;
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

// In the child: the directory, PATH with that directory first, no terminal input.
[[noreturn]] void FailChild(int fail_fd)
{
  if (fail_fd >= 0)
    (void)!write(fail_fd, "x", 1);
  _exit(127);
}

// A failure is reported as one byte on `fail_fd` when one is given.
[[noreturn]] void ExecShell(const std::string& script, const std::string& dir, int fail_fd = -1)
{
  if (chdir(dir.c_str()) != 0)
    FailChild(fail_fd);
  const char* old_path = std::getenv("PATH");
  const std::string path = dir + ":" + (old_path ? old_path : "/usr/bin:/bin");
  setenv("PATH", path.c_str(), 1);
  const int null_fd = open("/dev/null", O_RDONLY);
  if (null_fd >= 0)
    dup2(null_fd, STDIN_FILENO);
  execl("/bin/sh", "sh", "-c", script.c_str(), static_cast<char*>(nullptr));
  FailChild(fail_fd);
}

std::string ScriptFromBatchFile(const std::string& path)
{
  std::string script = ReadFileBytes(path).value_or(std::string());
  // The batch line ends in CR LF; a CR would become part of the output file's name.
  std::erase(script, '\r');
  return script;
}

} // namespace

RunResult RunAndWait(const std::string& batch_name, const std::string& dir,
                     std::chrono::milliseconds timeout)
{
  RunResult result;
  const std::string script = ScriptFromBatchFile(AppDir(dir).File(batch_name));
  const pid_t pid = fork();
  if (pid < 0)
    return result;
  if (pid == 0)
  {
    setpgid(0, 0);
    ExecShell(script, dir);
  }
  setpgid(pid, pid);
  result.started = true;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  auto pause = std::chrono::microseconds(200);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0)
  {
    if (std::chrono::steady_clock::now() >= deadline)
    {
      result.timed_out = true;
      kill(-pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(10000));
  }
  return result;
}

bool StartDetached(const std::string& command_line, const std::string& dir)
{
  // The launched game must outlive nothing of ours and leave no zombie: the middle child
  // starts the shell in a session of its own and exits at once. A pipe closed on exec tells
  // whether the shell really started.
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0)
    return false;
  const pid_t middle = fork();
  if (middle < 0)
  {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (middle == 0)
  {
    close(report[0]);
    setsid();
    const pid_t shell = fork();
    if (shell == 0)
      ExecShell(command_line, dir, report[1]);
    _exit(shell < 0 ? 1 : 0);
  }
  close(report[1]);
  int status = 0;
  waitpid(middle, &status, 0);
  char byte = 0;
  // End of file without a byte: the shell was started.
  const ssize_t n = read(report[0], &byte, 1);
  close(report[0]);
  return n == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#endif

} // namespace corvane
