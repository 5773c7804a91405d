#include "base/ProgramSearch.h"

#include "base/AppDir.h"
#include "base/FileIo.h"
#include "base/Text.h"

#include <cstdlib>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace corvane
{

EnvironmentLookup ProcessEnvironment()
{
  return [](std::string_view name) -> std::optional<std::string>
  {
    if (const char* value = std::getenv(std::string(name).c_str()))
      return std::string(value);
    return std::nullopt;
  };
}

bool IsExecutableFile([[maybe_unused]] const std::string& path)
{
#ifdef _WIN32
  return false;
#else
  return IsRegularFile(path) && access(path.c_str(), X_OK) == 0;
#endif
}

std::string FindOnPath(std::string_view name, std::string_view path_list,
                       const std::string& relative_base)
{
  if (name.empty() || name.find('/') != std::string_view::npos)
    return {};
  for (const std::string_view entry : Split(path_list, ':'))
  {
    const std::string folder = entry.empty()          ? relative_base
                               : entry.front() == '/' ? std::string(entry)
                                                      : AppDir(relative_base).File(entry);
    std::string candidate = AppDir(folder).File(name);
    if (IsExecutableFile(candidate))
      return candidate;
  }
  return {};
}

std::string ResolveProgram(std::string_view name, const EnvironmentLookup& env,
                           const std::string& relative_base)
{
  if (name.find('/') == std::string_view::npos)
    return FindOnPath(name, env("PATH").value_or(""), relative_base);
  std::string path = name.front() == '/' ? std::string(name) : AppDir(relative_base).File(name);
  return IsExecutableFile(path) ? path : std::string();
}

} // namespace corvane
