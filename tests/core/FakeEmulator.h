#pragma once

// Helpers for tests of the files made from an emulator listing: a "zinc.exe" that is a shell
// script, and a folder that refuses new files. Both need a POSIX system.

#ifndef _WIN32

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace corvane::test
{

// Puts a "zinc.exe" into the folder that runs `script` (shell commands) from the folder. A
// listing run hands its command line to sh in the folder with "." first on PATH, so this is the
// emulator the run starts.
inline void WriteFakeEmulator(const TempDir& dir, const std::string& script)
{
  dir.Write("zinc.exe", "#!/bin/sh\n" + script + "\n");
  std::filesystem::permissions(std::filesystem::path(dir.Path()) / "zinc.exe",
                               std::filesystem::perms::owner_all);
}

// A "zinc.exe" that prints these bytes for any listing switch.
inline void WriteFakeEmulatorPrinting(const TempDir& dir, const std::string& listing)
{
  dir.Write("fake-listing.bin", listing);
  WriteFakeEmulator(dir, "exec cat fake-listing.bin");
}

// While it lives, the folder takes no new files: by its mode, or for root, which modes do not
// stop, by the immutable attribute. Works() is false where neither can be had.
class ReadOnlyFolder
{
public:
  explicit ReadOnlyFolder(std::string path) : m_path(std::move(path))
  {
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    if (geteuid() == 0)
      m_immutable = std::system(("chattr +i '" + m_path + "' 2>/dev/null").c_str()) == 0;
  }
  ~ReadOnlyFolder()
  {
    if (m_immutable)
      (void)!std::system(("chattr -i '" + m_path + "'").c_str());
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  bool Works() const { return geteuid() != 0 || m_immutable; }

private:
  std::string m_path;
  bool m_immutable = false;
};

} // namespace corvane::test

#endif
