#pragma once

// How the emulator beside the program is started here: directly, or, when it is a Windows
// program on a system that cannot start one itself (anything but Windows), through Wine.

#include "base/AppDir.h"
#include "base/Outcome.h"
#include "base/ProgramSearch.h"

#include <string>
#include <string_view>

namespace corvane
{

inline constexpr std::string_view WINE_VARIABLE = "CORVANE_WINE";

enum class RouteKind
{
  Direct,      // the system starts zinc.exe itself
  Wine,        // zinc.exe runs through the Wine program
  WineMissing, // zinc.exe is a Windows program and no Wine program can be run
};

struct EmulatorRoute
{
  RouteKind kind = RouteKind::Direct;
  std::string wine;        // Wine: the program that runs zinc.exe, as a path
  std::string wine_named;  // what was asked for: CORVANE_WINE's value, empty for "wine" on PATH
  std::string wine_prefix; // Wine: the prefix folder (WINEPREFIX, else ~/.wine)
};

// True when the file starts with "MZ", the mark of a Windows program.
bool IsWindowsProgram(const std::string& path);

// The route for an emulator that is or is not a Windows program: off Windows, a Windows program
// runs through the program CORVANE_WINE names when it is set, else through "wine" on PATH.
// Always Direct on Windows. Relative names with a '/' are read from `relative_base`.
EmulatorRoute ChooseEmulatorRoute(bool windows_program, const EnvironmentLookup& env,
                                  const std::string& relative_base);

// The route for "zinc.exe" in the start-up directory, with the process's environment.
EmulatorRoute EmulatorRouteFor(const AppDir& dir);

// The problem that stops every run of the emulator on this route; empty when it can run.
Outcome RouteProblem(const EmulatorRoute& route, const AppDir& dir);

// What goes before "zinc.exe" in a listing's shell line: nothing, or the Wine program (quoted
// for sh when it needs it) and a blank.
std::string ShellLinePrefix(const EmulatorRoute& route);

// What goes before "zinc.exe" in a launch line, which is split as a Windows program splits its
// command line: nothing, or the Wine program (in double quotes when it holds a blank) and a blank.
std::string LaunchLinePrefix(const EmulatorRoute& route);

// One of our paths as the emulator must name it: unchanged when it runs directly; under Wine,
// the path from the prefix's drive that reaches it (see WindowsPathUnderWine), empty when none.
std::string PathForEmulator(const EmulatorRoute& route, const std::string& path);

// An absolute Unix path as a Windows program under Wine names it: the drive of `wine_prefix`
// (its dosdevices links) whose folder holds the path most closely (Z: only where that drive is
// the root), then the rest with backslashes ("/srv/zinc/a.ini" -> "Z:\srv\zinc\a.ini"). Empty
// when no drive reaches it. A prefix Wine has not made yet gets Z: for the root, as Wine makes it.
std::string WindowsPathUnderWine(const std::string& path, const std::string& wine_prefix);

// Why the emulator could not open the file at `path` it is to be given, in words naming the
// folder: under Wine, no drive reaches it, or its name holds a character outside the code page
// Wine gives zinc.exe. Empty when it can, and always when the emulator runs directly.
std::string PathRefusal(const EmulatorRoute& route, const std::string& path);

} // namespace corvane
