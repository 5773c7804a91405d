#include "app/BatchSwitches.h"

#include "base/Text.h"

#include <algorithm>
#include <iterator>
#include <vector>

#ifdef _WIN32
#include "base/CodePage.h"

#include <windows.h>
#endif

namespace corvane
{
namespace
{

#ifdef _WIN32
// The text after the program's path (quoted or not) and the blanks that follow it.
std::string TextAfterProgramPath(std::string_view line)
{
  size_t pos = 0;
  if (!line.empty() && line[0] == '"')
  {
    const auto close = line.find('"', 1);
    pos = close == std::string_view::npos ? line.size() : close + 1;
  }
  else
  {
    const auto blank = line.find_first_of(" \t");
    pos = blank == std::string_view::npos ? line.size() : blank;
  }
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
    ++pos;
  return std::string(line.substr(pos));
}
#endif

constexpr std::string_view SWITCH_WORDS[] = {"listinfo", "cfgwrapper"};
constexpr std::string_view HELP_SWITCHES[] = {"--help", "-h", "-?", "/?"};

// Where the switch word that follows `pos` (after blanks) ends, matched in any case, when it ends
// there: at the end of the line, a blank or the next dash. Npos when no switch word follows.
size_t SwitchWordEnd(std::string_view line, size_t pos)
{
  while (pos < line.size() && line[pos] == ' ')
    ++pos;
  for (const std::string_view word : SWITCH_WORDS)
  {
    if (ToLowerAscii(line.substr(pos, word.size())) != word)
      continue;
    const size_t after = pos + word.size();
    if (after == line.size() || line[after] == ' ' || line[after] == '-')
      return after;
  }
  return std::string_view::npos;
}

// True when the run of dashes that holds `pos` starts a word of the line: at its start, after a
// blank or a tab, or right where the previous switch word ended ("-listinfo-cfgwrapper"). A dash
// inside a word ("/x/a-cfgwrapper-b") is part of a path.
bool DashStartsAWord(std::string_view line, size_t pos, size_t previous_switch_end)
{
  while (pos > 0 && line[pos - 1] == '-')
    --pos;
  return pos == 0 || line[pos - 1] == ' ' || line[pos - 1] == '\t' || pos == previous_switch_end;
}

// The pieces of the command line: a dash starts a new one only where it starts a word and a
// switch word follows it, so a dash inside a path ("zinc-dats", "a-cfgwrapper") stays part of it.
std::vector<std::string_view> SplitBeforeSwitchWords(std::string_view line)
{
  std::vector<std::string_view> pieces;
  size_t start = 0;
  size_t switch_end = std::string_view::npos;
  for (size_t pos = line.find('-'); pos != std::string_view::npos; pos = line.find('-', pos + 1))
  {
    if (!DashStartsAWord(line, pos, switch_end))
      continue;
    const size_t word_end = SwitchWordEnd(line, pos + 1);
    if (word_end == std::string_view::npos)
      continue;
    pieces.push_back(line.substr(start, pos - start));
    start = pos + 1;
    switch_end = word_end;
  }
  pieces.push_back(line.substr(start));
  return pieces;
}

void ReadPiece(std::string_view raw_piece, BatchSwitches& switches)
{
#ifdef _WIN32
  const std::string piece(Trim(LowerAnsi(raw_piece)));
#else
  const std::string piece(Trim(raw_piece));
#endif
  if (piece.empty())
    return;
  const std::string word = ToLowerAscii(Split(piece, ' ').front());
  if (word == "listinfo")
  {
    switches.make_dat = true;
    // Only the switch word goes: a path that holds the word keeps it.
    std::string rest = piece.substr(std::string_view("listinfo").size());
    if (!rest.empty())
      switches.dat_path = std::move(rest);
  }
  else if (word == "cfgwrapper")
  {
    switches.cfg_wrapper = true;
  }
}

} // namespace

std::string ProgramCommandLine([[maybe_unused]] int argc, [[maybe_unused]] char** argv)
{
#ifdef _WIN32
  // Not GetCommandLineA: it swaps a character the code page lacks for a look-alike, so a DAT
  // path typed with one would name another file. Here that character becomes '?', which no file
  // name may hold, and the write fails and is reported.
  return TextAfterProgramPath(AnsiFromWide(GetCommandLineW()));
#else
  std::string line;
  for (int i = 1; i < argc; ++i)
  {
    if (i > 1)
      line += ' ';
    line += argv[i];
  }
  return line;
#endif
}

BatchSwitches ParseBatchSwitches(std::string_view command_line)
{
  BatchSwitches switches;
  for (std::string_view piece : SplitBeforeSwitchWords(command_line))
    ReadPiece(piece, switches);
  return switches;
}

bool IsHelpRequest(std::string_view command_line)
{
  const std::string line = ToLowerAscii(Trim(command_line));
  return std::find(std::begin(HELP_SWITCHES), std::end(HELP_SWITCHES), line) !=
         std::end(HELP_SWITCHES);
}

} // namespace corvane
