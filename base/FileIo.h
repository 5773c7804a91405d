#pragma once

// The program's only access to file contents. Paths are byte strings in the system's ANSI
// code page, joined with the platform's separator (see AppDir).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane
{

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file with exactly these bytes through a temporary file beside it and a rename,
// so the file is always either its old or its new self. The file keeps its permission bits; a
// symbolic link stays a link and the file it names is replaced. A read-only file (see
// IsReadOnlyFile) is left as it is, and so is anything at the path that is not an ordinary file
// (a folder, a FIFO, a socket, a device). False (and nothing changed) on failure.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

// Deletes the file when there is one; true when no ordinary file of that name is left (a
// folder of that name stays, and counts as no file). A read-only file stays, and gives false.
bool RemoveFileIfPresent(const std::string& path);

// Copies a file over another one, atomically on the destination side.
bool CopyFileAtomic(const std::string& from, const std::string& to);

struct FileWrite
{
  std::string path;
  std::string_view bytes; // must stay valid during the call
};

// Replaces many files, each as WriteFileAtomic does, flushing them together: each is written
// beside its target and its write-back started, then each is flushed, then each is renamed over
// its target, in order. Returns the targets that were not replaced.
std::vector<std::string> WriteFilesAtomic(const std::vector<FileWrite>& files);

// True only for an existing ordinary file (not a directory).
bool IsRegularFile(const std::string& path);

bool IsDirectory(const std::string& path);

// True for an existing file its owner made read-only: on Windows the read-only attribute, on
// other systems no write permission bit at all. Whoever runs the program, even an
// administrator, leaves such a file as it is.
bool IsReadOnlyFile(const std::string& path);

// False only when nothing stands at the path; true also when that cannot be told (no access).
bool MayExist(const std::string& path);

// Creates one directory; true when it exists afterwards.
bool CreateDirectoryIfMissing(const std::string& path);

// What the file system says of a file without reading it: its size and the time it was last
// written, in the system's own ticks (nanoseconds since 1970 elsewhere, 100 ns since 1601 on
// Windows), only ever compared with another reading on the same system.
struct FileStamp
{
  unsigned long long size = 0;
  long long modified = 0;

  bool operator==(const FileStamp&) const = default;
};

// The stamp of an ordinary file; nullopt when there is none or it cannot be read.
std::optional<FileStamp> ReadFileStamp(const std::string& path);

} // namespace corvane
