#include "base/FileIo.h"

#include "base/Memory.h"
#include "base/TemporaryFiles.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <span>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#endif

namespace corvane
{
namespace
{

#ifdef _WIN32

// Windows: only the ANSI ("A") functions and the C runtime, which read a path's bytes in the
// system's code page. std::filesystem would read them as Latin-1 here, so a name holding, say,
// the euro sign would name another file.

DWORD Attributes(const std::string& path)
{
  return GetFileAttributesA(path.c_str());
}

// A folder or a device at the target is never replaced by a file.
bool IsSomethingElseThanAFile(const std::string& path)
{
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0;
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

bool WriteAndFlush(const std::string& path, std::string_view bytes)
{
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // The data must be on disk before the rename makes it the file's content.
  const bool flushed = std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
  return std::fclose(file) == 0 && written && flushed;
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

// A temporary file written and committed beside its target, waiting for the rename.
struct StagedFile
{
  std::string temporary;
  std::string target;
};

bool Stage(const std::string& path, std::string_view bytes, StagedFile& staged)
{
  if (IsSomethingElseThanAFile(path) || IsReadOnlyFile(path))
    return false;
  staged = {TemporaryNameFor(path), path};
  if (WriteAndFlush(staged.temporary, bytes))
    return true;
  RemoveFile(staged.temporary);
  return false;
}

bool Flush(const StagedFile&)
{
  return true; // committed as it was written
}

bool Commit(const StagedFile& staged)
{
  return ReplaceFile(staged.temporary, staged.target);
}

void Abandon(const StagedFile& staged)
{
  RemoveFile(staged.temporary);
}

void Close(StagedFile&) {}

#else

std::filesystem::path FsPath(const std::string& path)
{
  return std::filesystem::path(path);
}

// A folder, a FIFO, a socket or a device node at the target is never replaced by a file: the
// rename would put an ordinary file where the system or another program expects its own
// (a write to "/dev/null" as root would replace the system's).
bool IsSomethingElseThanAFile(const std::string& path)
{
  struct stat info = {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
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

bool WriteAll(int fd, std::string_view bytes)
{
  size_t done = 0;
  while (done < bytes.size())
  {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0)
      return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// The file a write replaces: a symbolic link is followed to the file it names, so the link
// stays a link. Nullopt for a loop of links.
std::optional<std::string> FinalTarget(const std::string& path)
{
  std::string target = path;
  for (int hops = 0; hops < 40; ++hops) // the kernel's own limit
  {
    char link[PATH_MAX];
    const ssize_t n = ::readlink(target.c_str(), link, sizeof link);
    if (n <= 0 || static_cast<size_t>(n) == sizeof link)
      return target;
    const size_t slash = target.rfind('/');
    const std::string folder =
        link[0] == '/' || slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    target = folder + std::string(link, static_cast<size_t>(n));
  }
  return std::nullopt;
}

// A replaced file keeps its permission bits; a new one gets 0644 less the umask.
void KeepModeOf(const std::string& target, int fd)
{
  struct stat info = {};
  if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode))
    static_cast<void>(::fchmod(fd, info.st_mode & 07777));
}

// A temporary file written beside its target, open and locked until the rename.
struct StagedFile
{
  std::string temporary;
  std::string target;
  int fd = -1;
};

void RemoveFile(const std::string& path)
{
  ::unlink(path.c_str());
}

void Abandon(const StagedFile& staged)
{
  RemoveFile(staged.temporary);
}

void Close(StagedFile& staged)
{
  ::close(staged.fd);
  staged.fd = -1;
}

// Writes the bytes and starts their write-back at once, so that the disk works on every file of
// a batch while the next ones are written.
bool Stage(const std::string& path, std::string_view bytes, StagedFile& staged)
{
  const auto target = FinalTarget(path);
  if (!target || IsSomethingElseThanAFile(*target) || IsReadOnlyFile(*target))
    return false;
  staged.target = *target;
  staged.fd = CreateOwnedTemporary(staged.target, staged.temporary);
  if (staged.fd < 0)
    return false;
  KeepModeOf(staged.target, staged.fd);
  if (WriteAll(staged.fd, bytes))
  {
#ifdef __linux__
    ::sync_file_range(staged.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    return true;
  }
  Abandon(staged);
  Close(staged);
  return false;
}

// The data must be on disk before the rename makes it the file's content. Only our own files
// are flushed: flushing the whole file system would wait for every other program's data too.
bool Flush(const StagedFile& staged)
{
  return ::fdatasync(staged.fd) == 0;
}

bool Commit(const StagedFile& staged)
{
  return std::rename(staged.temporary.c_str(), staged.target.c_str()) == 0;
}

#endif

// Each staged file stays open until its rename; batches stay well below the usual limit of open
// files per process.
constexpr size_t OPEN_FILES_AT_ONCE = 256;

struct PendingWrite
{
  StagedFile file;
  const std::string* path; // as the caller named it
  bool flushed = false;
};

#ifdef _WIN32

void FlushAll(std::vector<PendingWrite>& pending)
{
  for (PendingWrite& write : pending)
    write.flushed = Flush(write.file);
}

#else

// Waits for the data of every file before flushing any, so that the first flush commits what the
// file system recorded for all of them; the flushes then run side by side, as flushes that wait
// together are served together. One after another, each file cost a commit of its own: 150
// files took ten times as long as the rest of the save.
void FlushAll(std::vector<PendingWrite>& pending)
{
#ifdef __linux__
  for (const PendingWrite& write : pending)
    ::sync_file_range(write.file.fd, 0, 0,
                      SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                          SYNC_FILE_RANGE_WAIT_AFTER);
#endif
  constexpr size_t FLUSHING_THREADS = 16;
  std::atomic<size_t> next{0};
  const auto work = [&]
  {
    for (size_t i = next++; i < pending.size(); i = next++)
      pending[i].flushed = Flush(pending[i].file);
  };
  std::vector<std::thread> helpers;
  for (size_t i = 1; i < std::min(pending.size(), FLUSHING_THREADS); ++i)
  {
    try
    {
      helpers.emplace_back(work);
    }
    catch (const std::system_error&)
    {
      break; // this thread does the rest
    }
  }
  work();
  for (std::thread& helper : helpers)
    helper.join();
}

#endif

// Stages every file, flushes every one, then renames each over its
// target in the given order, so that a target named twice ends with its last bytes. Adds the
// targets not replaced.
void ReplaceAll(std::span<const FileWrite> files, std::vector<std::string>& failed)
{
  std::vector<PendingWrite> pending;
  pending.reserve(files.size());
  for (const FileWrite& write : files)
  {
    StagedFile file;
    if (Stage(write.path, write.bytes, file))
      pending.push_back({std::move(file), &write.path});
    else
      failed.push_back(write.path);
  }
  FlushAll(pending);
  for (PendingWrite& write : pending)
  {
    if (!write.flushed || !Commit(write.file))
    {
      Abandon(write.file);
      failed.push_back(*write.path);
    }
    Close(write.file);
  }
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path)
{
  if (IsDirectory(path))
    return std::nullopt;
  return ReadAll(path);
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
  return WriteFilesAtomic({{path, bytes}}).empty();
}

bool RemoveFileIfPresent(const std::string& path)
{
  if (IsReadOnlyFile(path))
    return false;
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
  for (size_t begin = 0; begin < files.size(); begin += OPEN_FILES_AT_ONCE)
  {
    const size_t end = std::min(files.size(), begin + OPEN_FILES_AT_ONCE);
    ReplaceAll({files.begin() + static_cast<std::ptrdiff_t>(begin),
                files.begin() + static_cast<std::ptrdiff_t>(end)},
               failed);
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

bool IsReadOnlyFile(const std::string& path)
{
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool MayExist(const std::string& path)
{
  if (Attributes(path) != INVALID_FILE_ATTRIBUTES)
    return true;
  const DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

bool CreateDirectoryIfMissing(const std::string& path)
{
  CreateDirectoryA(path.c_str(), nullptr);
  return IsDirectory(path);
}

std::optional<FileStamp> ReadFileStamp(const std::string& path)
{
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0)
    return std::nullopt;
  const auto high = [](DWORD upper, DWORD lower)
  { return (static_cast<unsigned long long>(upper) << 32) | lower; };
  return FileStamp{high(data.nFileSizeHigh, data.nFileSizeLow),
                   static_cast<long long>(high(data.ftLastWriteTime.dwHighDateTime,
                                               data.ftLastWriteTime.dwLowDateTime))};
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

// The mode bits, not access(): root may write anything, and would replace the file its owner
// protected.
bool IsReadOnlyFile(const std::string& path)
{
  struct stat info = {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool MayExist(const std::string& path)
{
  struct stat info = {};
  return ::stat(path.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

bool CreateDirectoryIfMissing(const std::string& path)
{
  std::error_code ignored;
  std::filesystem::create_directory(FsPath(path), ignored);
  return IsDirectory(path);
}

std::optional<FileStamp> ReadFileStamp(const std::string& path)
{
  struct stat info = {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
    return std::nullopt;
  constexpr long long NANOSECONDS = 1000000000;
  return FileStamp{static_cast<unsigned long long>(info.st_size),
                   static_cast<long long>(info.st_mtim.tv_sec) * NANOSECONDS +
                       info.st_mtim.tv_nsec};
}

#endif

} // namespace corvane
