#pragma once

// An emulator directory for one test: a temporary folder with the built program and the
// stand-in emulator copied in, and a way to run the program there as a user would.

#include "TempDir.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace corvane::test
{

struct RunOutput
{
  int exit_code = -1;
  std::string error_text;  // what the program printed to stderr
  std::string output_text; // what it printed to stdout (not captured on Windows)
};

class EmulatorDir : public TempDir
{
public:
  // with_emulator false: only the program, no "zinc.exe" beside it.
  explicit EmulatorDir(bool with_emulator = true, const std::string& subfolder = "emu");

  // The folder that holds the program (a subfolder of the temporary folder, so that its name
  // can hold blanks).
  std::string Root() const { return m_root.string(); }
  AppDir Dir() const { return AppDir(Root()); }
  std::string File(const std::string& name) const { return (m_root / name).string(); }
  std::string ReadFile(const std::string& name) const;
  bool Has(const std::string& name) const { return std::filesystem::exists(m_root / name); }
  void WriteFile(const std::string& name, const std::string& bytes) const;

  // Runs the program with these arguments and extra environment variables, waits for it.
  RunOutput Run(const std::vector<std::string>& arguments,
                const std::map<std::string, std::string>& environment = {}) const;

private:
  std::filesystem::path m_root;
};

} // namespace corvane::test
