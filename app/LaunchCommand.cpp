#include "app/LaunchCommand.h"

#include "base/CommandLine.h"
#include "base/FileIo.h"
#include "base/Messages.h"
#include "base/Process.h"
#include "base/WineFailure.h"
#include "controls/SavePipeline.h"

namespace corvane
{
namespace
{

constexpr std::string_view CONTROLLER_SWITCH = "--use-controller-cfg-file=";

// How long a launch through Wine is watched: Wine that cannot run zinc.exe ends within it.
constexpr std::chrono::milliseconds WINE_START_GRACE(3000);

// The controller file as the emulator must name it to open it.
std::string ControllerFilePath(const GameRow& game, const AppDir& dir, const EmulatorRoute& route)
{
  return PathForEmulator(route, dir.CtrlrFile(game.set_name + ".ini"));
}

} // namespace

std::string LaunchCommandLine(const GameRow& game, std::string_view options_text, const AppDir& dir,
                              const EmulatorRoute& route)
{
  std::string path = ControllerFilePath(game, dir, route);
  // Unquoted, a blank or a tab in the directory would split the path into several arguments.
  if (path.find_first_of(" \t") != std::string::npos)
    path = "\"" + path + "\"";
  std::string line = LaunchLinePrefix(route) + "zinc.exe " + game.number + " ";
  line += options_text;
  line += " " + std::string(CONTROLLER_SWITCH) + path;
  return line;
}

std::string LaunchRefusal(const GameRow& game, std::string_view line, const AppDir& dir,
                          const EmulatorRoute& route)
{
  std::vector<std::string> arguments = SplitWindowsCommandLine(line);
  // Wine hands the emulator the arguments after its own name.
  if (route.kind == RouteKind::Wine)
  {
    if (arguments.empty() || arguments.front() != route.wine)
      return std::string(Messages::LAUNCH_BAD_ENTRY);
    arguments.erase(arguments.begin());
  }
  if (game.number.empty() || !KeyCodeManager::IsPlainSetName(game.set_name) ||
      arguments.size() < 3 || arguments[1] != game.number)
    return std::string(Messages::LAUNCH_BAD_ENTRY);
  // Under Wine the controller file must be reachable, by a name zinc.exe receives intact.
  if (std::string refusal = PathRefusal(route, dir.CtrlrFile(game.set_name + ".ini"));
      !refusal.empty())
    return refusal;
  if (arguments.back() != std::string(CONTROLLER_SWITCH) + ControllerFilePath(game, dir, route))
    return std::string(Messages::LAUNCH_PATH_SPLIT);
  return {};
}

namespace
{

// Why a start failed, naming the file that could not be run.
Outcome StartProblem(const StartResult& started, const std::string& emulator,
                     const EmulatorRoute& route)
{
  Outcome outcome;
  if (route.kind == RouteKind::Wine && started.failure == StartFailure::FileMissing &&
      started.program != emulator)
    outcome.Add(std::string(Messages::WINE_MISSING), route.wine);
  else
    outcome.Add(std::string(Messages::LAUNCH_FAILED) + ": " + StartFailureReason(started),
                started.program);
  return outcome;
}

// Wine starts whatever it is given; only its first seconds tell whether the game did. Wine
// that cannot run zinc.exe (a broken prefix, a 32-bit program without 32-bit Wine) ends in them.
Outcome StartThroughWine(const std::string& line, const AppDir& dir, const EmulatorRoute& route)
{
  const WatchedStart watched = StartProgramWatched(line, dir.Root(), WINE_START_GRACE);
  if (!watched.start.Started())
    return StartProblem(watched.start, dir.File("zinc.exe"), route);
  if (!watched.ended)
    return {};
  const int status = watched.crashed ? 128 : watched.exit_code;
  return ReadWineEnding(route, dir, {status, watched.errors}).problem;
}

} // namespace

Outcome StartGame(const std::string& line, const AppDir& dir, const EmulatorRoute& route)
{
  Outcome outcome = RouteProblem(route, dir);
  if (!outcome.Ok())
    return outcome;
  // The start-up check was long ago; the emulator may have gone since, and no zinc.exe found
  // elsewhere on PATH may stand in for it.
  const std::string emulator = dir.File("zinc.exe");
  StartResult started;
  if (!IsRegularFile(emulator))
    started = {IsDirectory(emulator) ? StartFailure::NotAProgram : StartFailure::FileMissing,
               emulator, 0};
  else if (route.kind == RouteKind::Wine)
    return StartThroughWine(line, dir, route);
  else
    started = StartProgram(line, dir.Root());
  if (started.Started())
    return outcome;
  return StartProblem(started, emulator, route);
}

} // namespace corvane
