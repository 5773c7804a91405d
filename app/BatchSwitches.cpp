#include "app/BatchSwitches.h"

#include "base/Text.h"

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

// Removes every occurrence of the word, whatever the case of its letters.
std::string RemoveWordIgnoringCase(std::string_view text, std::string_view lowered_word)
{
  const std::string lowered = ToLowerAscii(text);
  std::string result;
  size_t start = 0;
  for (;;)
  {
    const auto hit = lowered.find(lowered_word, start);
    if (hit == std::string::npos)
      return result.append(text.substr(start));
    result.append(text.substr(start, hit - start));
    start = hit + lowered_word.size();
  }
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
    std::string rest = RemoveWordIgnoringCase(piece, "listinfo");
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
  for (std::string_view piece : Split(command_line, '-'))
    ReadPiece(piece, switches);
  return switches;
}

} // namespace corvane
