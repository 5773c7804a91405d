#include "ui/LaunchCommand.h"

#include <algorithm>

namespace corvane
{
namespace
{

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}

bool IsSetNameCharacter(char c)
{
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '-' ||
         c == '.';
}

} // namespace

std::string LaunchCommandLine(const GameRow& game, std::string_view options_text, const AppDir& dir)
{
  std::string path = dir.CtrlrFile(game.set_name + ".ini");
  // Unquoted, a blank in the directory would split the path into several arguments.
  if (path.find(' ') != std::string::npos)
    path = "\"" + path + "\"";
  std::string line = "zinc.exe " + game.number + " ";
  line += options_text;
  line += " --use-controller-cfg-file=" + path;
  return line;
}

bool IsLaunchable(const GameRow& game)
{
  return !game.number.empty() && std::all_of(game.number.begin(), game.number.end(), IsDigit) &&
         !game.set_name.empty() &&
         std::all_of(game.set_name.begin(), game.set_name.end(), IsSetNameCharacter);
}

} // namespace corvane
