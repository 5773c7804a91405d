#pragma once

// The start-up directory (the directory that holds the executable) and the names of the
// files in it. Paths are built as text, with the platform's separator, so that the exact
// bytes the program writes into command lines and files are under its control.

#include <string>
#include <string_view>

namespace corvane
{

#ifdef _WIN32
inline constexpr char PATH_SEPARATOR = '\\';
#else
inline constexpr char PATH_SEPARATOR = '/';
#endif

class AppDir
{
public:
  AppDir() = default;
  // Takes the directory as given, without a trailing separator.
  explicit AppDir(std::string root);

  // The directory itself, without a trailing separator.
  const std::string& Root() const { return m_root; }

  // The directory joined with a file name: Root() + separator + name.
  std::string File(std::string_view name) const;

  // The "ctrlr" folder, and a file inside it.
  std::string CtrlrDir() const;
  std::string CtrlrFile(std::string_view name) const;

private:
  std::string m_root;
};

} // namespace corvane
