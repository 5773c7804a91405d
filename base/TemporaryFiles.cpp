#include "base/TemporaryFiles.h"

#include "base/AppDir.h"

#include <atomic>
#include <cerrno>
#include <charconv>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane
{
namespace
{

constexpr std::string_view TEMPORARY_MARK = "~corvane-";
// The counter wraps here, so that the longest name stays within the length the program's folder
// is allowed (LONGEST_WRITTEN_NAME).
constexpr unsigned COUNTER_LIMIT = 100000;
constexpr size_t COUNTER_DIGITS = 5;

unsigned long OwnProcessId()
{
#ifdef _WIN32
  return GetCurrentProcessId();
#else
  return static_cast<unsigned long>(getpid());
#endif
}

// Decimal digits as the program writes them: no sign, no leading zero.
std::optional<unsigned long> DigitsValue(std::string_view digits)
{
  if (digits.size() > 1 && digits.front() == '0')
    return std::nullopt;
  unsigned long value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc() || stop != end)
    return std::nullopt;
  return value;
}

#ifdef _WIN32

// The writer's process id is the only sign of life Windows offers here: a running writer's
// file is kept. While the writer holds it open, the C runtime's sharing mode refuses the
// deletion anyway.
bool IsRunning(unsigned long process_id)
{
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (!process)
    return GetLastError() == ERROR_ACCESS_DENIED; // another user's running process
  DWORD code = 0;
  const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return running;
}

// Only a plain file: a folder, a device or a link (a reparse point) of that name stays.
bool IsPlainFile(DWORD attributes)
{
  constexpr DWORD NOT_PLAIN =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
  return (attributes & NOT_PLAIN) == 0;
}

void RemoveIfAbandoned(const std::string& path, unsigned long writer)
{
  if (writer != OwnProcessId() && !IsRunning(writer))
    DeleteFileA(path.c_str());
}

#else

bool SameFile(const struct stat& a, const struct stat& b)
{
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True while the name still stands for the open file (no one removed or replaced it).
bool StillNamedBy(int fd, const std::string& path)
{
  struct stat opened = {};
  struct stat named = {};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(opened, named);
}

// Every writer locks its temporary file from creation until the rename, so a file that can be
// locked has no live writer. A file system without locks keeps every such file.
void RemoveIfAbandoned(const std::string& path, unsigned long)
{
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0)
    return;
  struct stat info = {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
      StillNamedBy(fd, path))
    ::unlink(path.c_str());
  ::close(fd);
}

// Locks a file just created; false only when a cleaner holds the lock (and so removes it).
bool LockNewFile(int fd)
{
  return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

#endif

} // namespace

std::string TemporaryNameFor(const std::string& path)
{
  static std::atomic<unsigned> counter{0};
  return path + std::string(TEMPORARY_MARK) + std::to_string(OwnProcessId()) + "-" +
         std::to_string(counter++ % COUNTER_LIMIT);
}

std::optional<unsigned long> WriterOfTemporary(std::string_view file_name)
{
  const size_t mark = file_name.rfind(TEMPORARY_MARK);
  if (mark == std::string_view::npos || mark == 0)
    return std::nullopt;
  const std::string_view numbers = file_name.substr(mark + TEMPORARY_MARK.size());
  const size_t dash = numbers.find('-');
  const std::string_view counter = numbers.substr(dash + 1);
  if (dash == std::string_view::npos || counter.size() > COUNTER_DIGITS || !DigitsValue(counter))
    return std::nullopt;
  const auto writer = DigitsValue(numbers.substr(0, dash));
  if (!writer || *writer == 0)
    return std::nullopt;
  return writer;
}

#ifdef _WIN32

void RemoveAbandonedTemporaries(const std::string& folder)
{
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + PATH_SEPARATOR + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return;
  do
  {
    const auto writer = WriterOfTemporary(found.cFileName);
    if (writer && IsPlainFile(found.dwFileAttributes))
      RemoveIfAbandoned(folder + PATH_SEPARATOR + found.cFileName, *writer);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

#else

void RemoveAbandonedTemporaries(const std::string& folder)
{
  DIR* listing = ::opendir(folder.c_str());
  if (!listing)
    return;
  while (const dirent* entry = ::readdir(listing))
  {
    if (const auto writer = WriterOfTemporary(entry->d_name))
      RemoveIfAbandoned(folder + PATH_SEPARATOR + entry->d_name, *writer);
  }
  ::closedir(listing);
}

int CreateOwnedTemporary(const std::string& target, std::string& temporary)
{
  // A few attempts: a name may be left by an earlier process of the same id, or a cleaner may
  // take a new file in the moment between its creation and its lock.
  for (int attempt = 0; attempt < 8; ++attempt)
  {
    temporary = TemporaryNameFor(target);
    const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST)
      continue;
    if (fd < 0)
      return -1;
    if (LockNewFile(fd) && StillNamedBy(fd, temporary))
      return fd;
    ::close(fd);
  }
  return -1;
}

#endif

} // namespace corvane
