#include "base/FileIo.h"

#include "base/Memory.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#endif

namespace corvane
{
namespace
{

enum class Durability
{
  SyncNow,   // on disk before the function returns
  SyncLater, // the caller flushes the file system afterwards
};

// A name beside the target that no other writer of this process uses at the same time.
std::string TemporaryNameFor(const std::string& path)
{
  static std::atomic<unsigned> counter{0};
#ifdef _WIN32
  const unsigned long pid = GetCurrentProcessId();
#else
  const unsigned long pid = static_cast<unsigned long>(getpid());
#endif
  return path + ".tmp" + std::to_string(pid) + "-" + std::to_string(counter++);
}

#ifdef _WIN32

// Windows: only the ANSI ("A") functions and the C runtime, which read a path's bytes in the
// system's code page. std::filesystem would read them as Latin-1 here, so a name holding, say,
// the euro sign would name another file.

DWORD Attributes(const std::string& path)
{
  return GetFileAttributesA(path.c_str());
}

std::optional<std::string> ReadAll(const std::string& path)
{
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file)
    return std::nullopt;
  std::string bytes;
  char buffer[65536];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    bytes.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed)
    return std::nullopt;
  return bytes;
}

bool WriteAndFlush(const std::string& path, std::string_view bytes,
                   [[maybe_unused]] Durability durability)
{
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // The data must be on disk before the rename makes it the file's content. Windows has no
  // flush of a whole volume for ordinary programs, so a batch flushes file by file too.
  const bool flushed = std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
  return std::fclose(file) == 0 && written && flushed;
}

bool FlushFileSystemOf(const std::string&)
{
  return true; // every file of a batch was committed as it was written
}

// Virus scanners, search indexers and cloud-sync clients open a file that was just written for
// a few milliseconds, and a rename over it or its deletion fails meanwhile. Such errors are
// tried again for a bounded time before they count.
constexpr ULONGLONG SHARED_FILE_PATIENCE_MS = 1500;

bool IsMomentarySharingError(DWORD error)
{
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED;
}

template <typename Step> bool RetryWhileShared(Step step)
{
  const ULONGLONG deadline = GetTickCount64() + SHARED_FILE_PATIENCE_MS;
  DWORD pause_ms = 5;
  while (!step())
  {
    const DWORD error = GetLastError();
    if (!IsMomentarySharingError(error) || GetTickCount64() >= deadline)
      return false;
    Sleep(pause_ms);
    pause_ms = std::min<DWORD>(pause_ms * 2, 100);
  }
  return true;
}

bool ReplaceFile(const std::string& from, const std::string& to)
{
  // A read-only target refuses for good; that is no one's passing scan.
  const DWORD target = Attributes(to);
  if (target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_READONLY) != 0)
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  return RetryWhileShared(
      [&]
      {
        return MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
      });
}

void RemoveFile(const std::string& path)
{
  RetryWhileShared(
      [&] { return DeleteFileA(path.c_str()) != 0 || GetLastError() == ERROR_FILE_NOT_FOUND; });
}

#else

std::filesystem::path FsPath(const std::string& path)
{
  return std::filesystem::path(path);
}

std::optional<std::string> ReadAll(const std::string& path)
{
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return std::nullopt;
  struct stat info = {};
  std::string bytes;
  if (::fstat(fd, &info) == 0 && info.st_size > 0)
  {
    // Reserved memory is still untouched: advised now, a listing of tens of megabytes takes
    // a few huge-page faults instead of thousands of small ones.
    bytes.reserve(static_cast<size_t>(info.st_size));
    AdviseHugePages(bytes.data(), bytes.capacity());
  }
  // Read until the end, whatever the size said: the file may grow or shrink meanwhile.
  bool ok = true;
  size_t done = 0;
  bytes.resize(bytes.capacity());
  for (;;)
  {
    char spill[65536];
    const bool full = done == bytes.size();
    const ssize_t n = full ? ::read(fd, spill, sizeof spill)
                           : ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0)
    {
      ok = n == 0;
      break;
    }
    if (full)
    {
      bytes.resize(done);
      bytes.append(spill, static_cast<size_t>(n));
      bytes.resize(bytes.capacity());
    }
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  ::close(fd);
  if (!ok)
    return std::nullopt;
  return bytes;
}

bool WriteAndFlush(const std::string& path, std::string_view bytes, Durability durability)
{
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0)
    return false;
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size())
  {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    ok = n > 0;
    if (ok)
      done += static_cast<size_t>(n);
  }
  // The data must be on disk before the rename makes it the file's content; a batch flushes
  // the whole file system once instead.
  if (durability == Durability::SyncNow)
    ok = ok && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

bool FlushFileSystemOf(const std::string& path)
{
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  const bool ok = ::syncfs(fd) == 0;
  ::close(fd);
  return ok;
}

bool ReplaceFile(const std::string& from, const std::string& to)
{
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path)
{
  std::error_code ignored;
  std::filesystem::remove(FsPath(path), ignored);
}

#endif

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path)
{
  if (IsDirectory(path))
    return std::nullopt;
  return ReadAll(path);
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
  if (IsDirectory(path))
    return false;
  const std::string temporary = TemporaryNameFor(path);
  if (WriteAndFlush(temporary, bytes, Durability::SyncNow) && ReplaceFile(temporary, path))
    return true;
  RemoveFile(temporary);
  return false;
}

bool RemoveFileIfPresent(const std::string& path)
{
  if (IsRegularFile(path))
    RemoveFile(path);
  return !IsRegularFile(path);
}

bool CopyFileAtomic(const std::string& from, const std::string& to)
{
  const auto bytes = ReadFileBytes(from);
  return bytes && WriteFileAtomic(to, *bytes);
}

std::vector<std::string> WriteFilesAtomic(const std::vector<FileWrite>& files)
{
  std::vector<std::string> failed;
  std::vector<std::pair<std::string, const std::string*>> staged; // temporary, target
  for (const FileWrite& file : files)
  {
    std::string temporary = TemporaryNameFor(file.path);
    if (!IsDirectory(file.path) && WriteAndFlush(temporary, file.bytes, Durability::SyncLater))
      staged.emplace_back(std::move(temporary), &file.path);
    else
    {
      RemoveFile(temporary);
      failed.push_back(file.path);
    }
  }
  const bool flushed = staged.empty() || FlushFileSystemOf(staged.front().first);
  // In the given order, so that a target named twice ends with its last bytes.
  for (const auto& [temporary, target] : staged)
  {
    if (!flushed || !ReplaceFile(temporary, *target))
    {
      RemoveFile(temporary);
      failed.push_back(*target);
    }
  }
  return failed;
}

#ifdef _WIN32

bool IsRegularFile(const std::string& path)
{
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool IsDirectory(const std::string& path)
{
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateDirectoryIfMissing(const std::string& path)
{
  CreateDirectoryA(path.c_str(), nullptr);
  return IsDirectory(path);
}

#else

bool IsRegularFile(const std::string& path)
{
  std::error_code ignored;
  return std::filesystem::is_regular_file(FsPath(path), ignored);
}

bool IsDirectory(const std::string& path)
{
  std::error_code ignored;
  return std::filesystem::is_directory(FsPath(path), ignored);
}

bool CreateDirectoryIfMissing(const std::string& path)
{
  std::error_code ignored;
  std::filesystem::create_directory(FsPath(path), ignored);
  return IsDirectory(path);
}

#endif

} // namespace corvane
