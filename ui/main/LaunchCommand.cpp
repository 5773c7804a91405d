#include "ui/main/LaunchCommand.h"

#include "base/CommandLine.h"
#include "base/Messages.h"
#include "controls/SavePipeline.h"

namespace corvane
{
namespace
{

constexpr std::string_view CONTROLLER_SWITCH = "--use-controller-cfg-file=";

std::string ControllerFilePath(const GameRow& game, const AppDir& dir)
{
  return dir.CtrlrFile(game.set_name + ".ini");
}

} // namespace

std::string LaunchCommandLine(const GameRow& game, std::string_view options_text, const AppDir& dir)
{
  std::string path = ControllerFilePath(game, dir);
  // Unquoted, a blank or a tab in the directory would split the path into several arguments.
  if (path.find_first_of(" \t") != std::string::npos)
    path = "\"" + path + "\"";
  std::string line = "zinc.exe " + game.number + " ";
  line += options_text;
  line += " " + std::string(CONTROLLER_SWITCH) + path;
  return line;
}

std::string_view LaunchRefusal(const GameRow& game, std::string_view line, const AppDir& dir)
{
  const std::vector<std::string> arguments = SplitWindowsCommandLine(line);
  if (game.number.empty() || !KeyCodeManager::IsPlainSetName(game.set_name) ||
      arguments.size() < 3 || arguments[1] != game.number)
    return Messages::LAUNCH_BAD_ENTRY;
  if (arguments.back() != std::string(CONTROLLER_SWITCH) + ControllerFilePath(game, dir))
    return Messages::LAUNCH_PATH_SPLIT;
  return {};
}

} // namespace corvane
