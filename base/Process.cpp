#include "base/Process.h"

#include "base/AppDir.h"
#include "base/FileIo.h"

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

std::string AnsiFromWide(std::wstring_view wide, bool* lossy)
{
  if (lossy)
    *lossy = false;
  if (wide.empty())
    return {};
  // A code page of UTF-8 holds every character and takes neither the flag nor the default.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int wide_length = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, flags, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(std::max(length, 0)), '\0');
  BOOL used_default = FALSE;
  WideCharToMultiByte(CP_ACP, flags, wide.data(), wide_length, text.data(), length, "?",
                      utf8 ? nullptr : &used_default);
  if (lossy)
    *lossy = used_default != FALSE || length <= 0;
  return text;
}

std::string ModuleDirFromPath(std::wstring_view module_path)
{
  // Every file is reached through the ANSI functions, which stop at MAX_PATH.
  if (module_path.empty() || module_path.size() >= MAX_PATH)
    return {};
  bool lossy = false;
  const std::string path = AnsiFromWide(module_path, &lossy);
  if (lossy)
    return {};
  const auto slash = path.find_last_of('\\');
  if (slash == std::string::npos)
    return {};
  // A drive's root keeps its backslash: "D:" alone means the drive's current folder.
  return path.substr(0, slash == 2 && path[1] == ':' ? 3 : slash);
}

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

// Ends the shell and everything it started; the shell alone when it is in no job.
void EndRun(HANDLE job, HANDLE process)
{
  if (!job || !TerminateJobObject(job, 1))
    TerminateProcess(process, 1);
  // Its files are read next: let it be gone first.
  WaitForSingleObject(process, 5000);
}

} // namespace

RunResult RunAndWait(const std::string& batch_name, const std::string& dir,
                     std::chrono::milliseconds timeout)
{
  RunResult result;
  // cmd.exe gets a fixed line: the batch file by a path relative to the directory the shell
  // starts in. The directory's name (which may hold blanks, %, ^ or &) never passes through
  // cmd's parser, and no batch file of that name elsewhere on PATH can be taken instead. /d
  // keeps AutoRun commands from the registry out.
  const std::string application = CmdExePath();
  std::string command = "cmd.exe /d /c .\\" + batch_name;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(application.c_str(), command.data(), nullptr, nullptr, FALSE,
                      CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, dir.c_str(), &startup, &info))
    return result;
  result.started = true;
  // A job object lets a time-out end the shell together with the emulator it started.
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  if (job && !AssignProcessToJobObject(job, info.hProcess))
  {
    CloseHandle(job);
    job = nullptr;
  }
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  if (WaitForSingleObject(info.hProcess, WaitMilliseconds(timeout)) == WAIT_TIMEOUT)
  {
    result.timed_out = true;
    EndRun(job, info.hProcess);
  }
  CloseHandle(info.hProcess);
  if (job)
    CloseHandle(job);
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
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                      &startup, &info))
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
