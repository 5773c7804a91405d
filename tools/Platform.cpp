#include "Platform.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <climits>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace corvane::standin
{
namespace
{

std::string DirOfPath(const std::string& path)
{
  const auto slash = path.find_last_of(PathSeparator() == '\\' ? "\\/" : "/");
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

} // namespace

#ifdef _WIN32

void SetBinaryStdout()
{
  _setmode(_fileno(stdout), _O_BINARY);
}

std::string ExecutableDir(const char* argv0)
{
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return DirOfPath(argv0 ? argv0 : "");
  return DirOfPath(std::string(buffer, length));
}

char PathSeparator()
{
  return '\\';
}

void SleepSeconds(unsigned seconds)
{
  Sleep(static_cast<DWORD>(seconds) * 1000);
}

void CrashSilently()
{
  // No error-report window: a test waits for nobody. The runtime's abort message goes to
  // stderr, so the listing file stays empty.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  std::abort();
}

#else

void SetBinaryStdout() {}

std::string ExecutableDir(const char* argv0)
{
  char buffer[PATH_MAX + 1] = {};
  const ssize_t length = readlink("/proc/self/exe", buffer, PATH_MAX);
  if (length <= 0)
    return DirOfPath(argv0 ? argv0 : "");
  return DirOfPath(std::string(buffer, static_cast<std::size_t>(length)));
}

char PathSeparator()
{
  return '/';
}

void SleepSeconds(unsigned seconds)
{
  // sleep() returns early on a signal; the rest is slept again.
  while (seconds > 0)
    seconds = sleep(seconds);
}

void CrashSilently()
{
  // A core file would land in the emulator folder that the test inspects.
  const rlimit no_core{0, 0};
  setrlimit(RLIMIT_CORE, &no_core);
  std::abort();
}

#endif

} // namespace corvane::standin
