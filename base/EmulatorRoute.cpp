#include "base/EmulatorRoute.h"

#include "base/Messages.h"
#include "base/WineCodePage.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace corvane
{
namespace
{

[[maybe_unused]] std::string DefaultWinePrefix(const EnvironmentLookup& env)
{
  if (auto prefix = env("WINEPREFIX"); prefix && !prefix->empty())
    return *prefix;
  return env("HOME").value_or("") + "/.wine";
}

// A drive letter's folder, resolved the way Wine resolves its dosdevices link; empty when the
// entry is no drive link.
std::string DriveFolder(const std::filesystem::directory_entry& entry)
{
  const std::string name = entry.path().filename().string();
  std::error_code error;
  if (name.size() != 2 || name[1] != ':' || !std::isalpha(static_cast<unsigned char>(name[0])) ||
      !entry.is_symlink(error))
    return {};
  const auto folder = std::filesystem::weakly_canonical(
      entry.path().parent_path() / std::filesystem::read_symlink(entry.path(), error), error);
  return error ? std::string() : folder.string();
}

bool FolderHolds(const std::string& folder, const std::string& path)
{
  if (folder == "/")
    return path.starts_with('/');
  return path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

bool NeedsShellQuotes(std::string_view text)
{
  return text.empty() ||
         text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                "0123456789_./+-,:@%=") != std::string_view::npos;
}

std::string ShellQuoted(std::string_view text)
{
  if (!NeedsShellQuotes(text))
    return std::string(text);
  std::string quoted = "'";
  for (const char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

} // namespace

bool IsWindowsProgram(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  char mark[2] = {};
  return file.read(mark, 2) && mark[0] == 'M' && mark[1] == 'Z';
}

EmulatorRoute ChooseEmulatorRoute([[maybe_unused]] bool windows_program,
                                  [[maybe_unused]] const EnvironmentLookup& env,
                                  [[maybe_unused]] const std::string& relative_base)
{
  EmulatorRoute route;
#ifndef _WIN32
  if (!windows_program)
    return route;
  route.wine_named = env(WINE_VARIABLE).value_or("");
  route.wine =
      ResolveProgram(route.wine_named.empty() ? "wine" : route.wine_named, env, relative_base);
  route.wine_prefix = DefaultWinePrefix(env);
  route.kind = route.wine.empty() ? RouteKind::WineMissing : RouteKind::Wine;
#endif
  return route;
}

EmulatorRoute EmulatorRouteFor(const AppDir& dir)
{
  return ChooseEmulatorRoute(IsWindowsProgram(dir.File("zinc.exe")), ProcessEnvironment(),
                             dir.Root());
}

Outcome RouteProblem(const EmulatorRoute& route, const AppDir& dir)
{
  Outcome outcome;
  if (route.kind != RouteKind::WineMissing)
    return outcome;
  if (route.wine_named.empty())
    outcome.Add(std::string(Messages::WINE_MISSING), dir.File("zinc.exe"));
  else
    outcome.Add(std::string(Messages::WINE_VARIABLE_UNUSABLE), route.wine_named);
  return outcome;
}

std::string ShellLinePrefix(const EmulatorRoute& route)
{
  return route.kind == RouteKind::Wine ? ShellQuoted(route.wine) + " " : std::string();
}

std::string LaunchLinePrefix(const EmulatorRoute& route)
{
  if (route.kind != RouteKind::Wine)
    return {};
  if (route.wine.find_first_of(" \t") != std::string::npos)
    return "\"" + route.wine + "\" ";
  return route.wine + " ";
}

std::string PathForEmulator(const EmulatorRoute& route, const std::string& path)
{
  return route.kind == RouteKind::Wine ? WindowsPathUnderWine(path, route.wine_prefix) : path;
}

std::string WindowsPathUnderWine(const std::string& given_path, const std::string& wine_prefix)
{
  // The deepest folder wins; between drives of the same folder, the later letter (Z: for "/").
  // The drives' folders are resolved, so the path is too: a link on the way must not hide it.
  char drive = 0;
  std::string folder;
  std::error_code error;
  const std::string path = std::filesystem::weakly_canonical(given_path, error).string();
  if (error || path.empty())
    return {};
  const std::string devices = wine_prefix + "/dosdevices";
  if (!std::filesystem::is_directory(devices, error))
  {
    drive = 'Z';
    folder = "/";
  }
  for (const auto& entry : std::filesystem::directory_iterator(devices, error))
  {
    const std::string candidate = DriveFolder(entry);
    const char letter = static_cast<char>(
        std::toupper(static_cast<unsigned char>(entry.path().filename().string()[0])));
    if (candidate.empty() || !FolderHolds(candidate, path))
      continue;
    if (drive == 0 || candidate.size() > folder.size() ||
        (candidate.size() == folder.size() && letter > drive))
    {
      drive = letter;
      folder = candidate;
    }
  }
  if (drive == 0)
    return {};
  std::string rest = folder == "/" ? path : path.substr(folder.size());
  std::replace(rest.begin(), rest.end(), '/', '\\');
  if (rest.empty() || rest.front() != '\\')
    rest.insert(rest.begin(), '\\');
  return std::string(1, drive) + ":" + rest;
}

std::string PathRefusal(const EmulatorRoute& route, const std::string& path)
{
  if (route.kind != RouteKind::Wine)
    return {};
  const std::string folder = std::filesystem::path(path).parent_path().string();
  const std::string windows_path = WindowsPathUnderWine(path, route.wine_prefix);
  if (windows_path.empty())
    return std::string(Messages::WINE_NO_DRIVE) + ": " + folder;
  if (!FitsCodePage(windows_path, WineCodePage()))
    return std::string(Messages::WINE_PATH_OUTSIDE_CODE_PAGE) + ": " + folder;
  return {};
}

} // namespace corvane
