#include "app/FileIo.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace corvane
{
namespace
{

std::filesystem::path FsPath(const std::string& path)
{
  return std::filesystem::path(path);
}

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

bool WriteAndFlush(const std::string& path, const std::string& bytes)
{
#ifdef _WIN32
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = std::fflush(file) == 0;
  return std::fclose(file) == 0 && written && flushed;
#else
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
#endif
}

bool ReplaceFile(const std::string& from, const std::string& to)
{
#ifdef _WIN32
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path)
{
  std::ifstream in(FsPath(path), std::ios::binary);
  if (!in || IsDirectory(path))
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

bool WriteFileAtomic(const std::string& path, const std::string& bytes)
{
  if (IsDirectory(path))
    return false;
  const std::string temporary = TemporaryNameFor(path);
  if (WriteAndFlush(temporary, bytes) && ReplaceFile(temporary, path))
    return true;
  std::error_code ignored;
  std::filesystem::remove(FsPath(temporary), ignored);
  return false;
}

bool CopyFileAtomic(const std::string& from, const std::string& to)
{
  const auto bytes = ReadFileBytes(from);
  return bytes && WriteFileAtomic(to, *bytes);
}

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

} // namespace corvane
