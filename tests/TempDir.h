#pragma once

// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the test.

#include "base/AppDir.h"
#include "base/FileIo.h"

#include <filesystem>
#include <random>
#include <string>

namespace corvane::test
{

class TempDir
{
public:
  TempDir()
  {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    m_path = base / ("corvane-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(m_path);
  }
  ~TempDir()
  {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Path() const { return m_path.string(); }
  AppDir Dir() const { return AppDir(Path()); }

  // Writes a file under the folder (creating its parent folders); `name` uses '/'.
  void Write(const std::string& name, const std::string& bytes) const
  {
    const auto path = m_path / name;
    std::filesystem::create_directories(path.parent_path());
    WriteFileAtomic(path.string(), bytes);
  }
  // The file's bytes, or "<missing>".
  std::string Read(const std::string& name) const
  {
    return ReadFileBytes((m_path / name).string()).value_or("<missing>");
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(m_path / name); }

private:
  std::filesystem::path m_path;
};

} // namespace corvane::test
