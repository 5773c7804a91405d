#include "base/NameCase.h"

#include "base/AppDir.h"
#include "base/TemporaryFiles.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane
{

#ifdef _WIN32

NameCase NameCaseOf(const std::string&)
{
  return NameCase::Folded;
}

std::string FileNameKey(std::string_view name, NameCase name_case)
{
  std::string key(name);
  // The system's own upper-casing of the ANSI code page: whole characters, so the second byte
  // of a double-byte character is never changed on its own.
  if (name_case == NameCase::Folded && !key.empty())
    CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

#else

NameCase NameCaseOf(const std::string& folder)
{
  // A file of our own fresh name: no other file can stand under its upper-cased name unless
  // the folder folds case.
  std::string probe;
  const int fd = CreateOwnedTemporary(folder + PATH_SEPARATOR + "case", probe);
  if (fd < 0)
    return NameCase::Exact;
  const std::string upper = folder + FileNameKey(probe.substr(folder.size()), NameCase::Folded);
  struct stat created = {};
  struct stat found = {};
  const bool folded = ::fstat(fd, &created) == 0 && ::stat(upper.c_str(), &found) == 0 &&
                      created.st_dev == found.st_dev && created.st_ino == found.st_ino;
  ::unlink(probe.c_str());
  ::close(fd);
  return folded ? NameCase::Folded : NameCase::Exact;
}

// Set names are ASCII in practice; a folder that folds case folds these letters in any case.
std::string FileNameKey(std::string_view name, NameCase name_case)
{
  std::string key(name);
  if (name_case == NameCase::Folded)
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return key;
}

#endif

} // namespace corvane
