#include "generate/WrapperConfig.h"

#include "base/FileIo.h"
#include "base/Messages.h"

namespace corvane::ZincListMan
{
namespace
{

// The wrapper's own keys; "delimeter" is spelt as the wrapper reads it.
constexpr std::string_view WRAPPER_HEAD = "LAUNCHSTYLE=0\r\n"
                                          "delimeter = --\r\n"
                                          "\r\n"
                                          "{cmdlist}\r\n";
constexpr std::string_view WRAPPER_TAIL = "{/cmdlist}\r\n"
                                          "exe=zinc.exe\r\n"
                                          "Short=0\r\n"
                                          "Quotes=0\r\n"
                                          "refreshspeed=1\r\n"
                                          "ExitType=5\r\n";

// "set;number options --use-controller-cfg-file="...": the same command line the program's own
// launch uses; only the path is quoted, since the directory may hold blanks.
void AppendCommandLine(std::string& text, const GameRow& row, std::string_view options_text,
                       const AppDir& dir, const EmulatorRoute& route)
{
  text.append(row.set_name).append(";").append(row.number).append(" ");
  text.append(options_text).append(" --use-controller-cfg-file=\"");
  text.append(PathForEmulator(route, dir.CtrlrFile(row.set_name + ".ini"))).append("\"\r\n");
}

} // namespace

std::string WrapperConfigText(const GameTable& table, std::string_view options_text,
                              const AppDir& dir, const EmulatorRoute& route)
{
  std::string text(WRAPPER_HEAD);
  for (const GameRow& row : table.rows)
    AppendCommandLine(text, row, options_text, dir, route);
  text += WRAPPER_TAIL;
  return text;
}

WrapperResult WriteWrapperConfig(const AppDir& dir, const GameTable& table,
                                 std::string_view options_text)
{
  WrapperResult result;
  const std::string path = dir.File(WRAPPER_FILE);
  // The file's presence is the sign that the wrapper is installed; it is never created.
  if (!IsRegularFile(path))
  {
    result.wrapper_missing = true;
    return result;
  }
  // One command line per game: a table that is not the emulator's full list would drop games.
  // The wrapper starts zinc.exe as the launch does: under Wine, by the same drive paths.
  const EmulatorRoute route = EmulatorRouteFor(dir);
  const std::string refusal = PathRefusal(route, dir.CtrlrFile("x.ini"));
  if (!table.listed_in_full)
    result.outcome.Add(std::string(Messages::GAME_LIST_INCOMPLETE), path);
  else if (!refusal.empty())
    result.outcome.Add(refusal, path);
  else if (!WriteFileAtomic(path, WrapperConfigText(table, options_text, dir, route)))
    result.outcome.Add(std::string(Messages::FILE_NOT_WRITTEN), path);
  return result;
}

} // namespace corvane::ZincListMan
