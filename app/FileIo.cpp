#include "app/FileIo.h"

#include <atomic>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>
#endif

namespace corvane
{
namespace
{

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

bool WriteAndFlush(const std::string& path, const std::string& bytes)
{
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // The data must be on disk before the rename makes it the file's content.
  const bool flushed = std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
  return std::fclose(file) == 0 && written && flushed;
}

bool ReplaceFile(const std::string& from, const std::string& to)
{
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void RemoveFile(const std::string& path)
{
  DeleteFileA(path.c_str());
}

#else

std::filesystem::path FsPath(const std::string& path)
{
  return std::filesystem::path(path);
}

std::optional<std::string> ReadAll(const std::string& path)
{
  std::ifstream in(FsPath(path), std::ios::binary);
  if (!in)
    return std::nullopt;
  std::string bytes;
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  if (size > 0)
  {
    bytes.resize(static_cast<size_t>(size));
    in.seekg(0, std::ios::beg);
    in.read(bytes.data(), size);
    if (in.gcount() != size)
      return std::nullopt;
  }
  return bytes;
}

bool WriteAndFlush(const std::string& path, const std::string& bytes)
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
  // The data must be on disk before the rename makes it the file's content.
  ok = ok && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
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
  if (WriteAndFlush(temporary, bytes) && ReplaceFile(temporary, path))
    return true;
  RemoveFile(temporary);
  return false;
}

bool CopyFileAtomic(const std::string& from, const std::string& to)
{
  const auto bytes = ReadFileBytes(from);
  return bytes && WriteFileAtomic(to, *bytes);
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
