#include "base/CommandLine.h"

namespace corvane
{
namespace
{

bool IsBlank(char c)
{
  return c == ' ' || c == '\t';
}

// The program name: quotes toggle grouping and are dropped; a backslash is an ordinary byte.
std::string ReadProgramName(std::string_view line, size_t& pos)
{
  std::string name;
  bool in_quotes = false;
  do
  {
    if (line[pos] == '"')
      in_quotes = !in_quotes;
    else
      name += line[pos];
    ++pos;
  } while (pos < line.size() && (in_quotes || !IsBlank(line[pos])));
  return name;
}

// One argument from `pos` (which is not a blank) to the first blank outside quotes.
std::string ReadArgument(std::string_view line, size_t& pos)
{
  std::string argument;
  bool in_quotes = false;
  for (;;)
  {
    size_t backslashes = 0;
    for (; pos < line.size() && line[pos] == '\\'; ++pos)
      ++backslashes;
    bool copy = true;
    if (pos < line.size() && line[pos] == '"')
    {
      // After an odd number of backslashes the quote is a literal one, copied below.
      if (backslashes % 2 == 0)
      {
        if (in_quotes && pos + 1 < line.size() && line[pos + 1] == '"')
          ++pos; // "" inside quotes: the second one is copied, the group goes on
        else
        {
          copy = false;
          in_quotes = !in_quotes;
        }
      }
      backslashes /= 2;
    }
    argument.append(backslashes, '\\');
    if (pos >= line.size() || (!in_quotes && IsBlank(line[pos])))
      return argument;
    if (copy)
      argument += line[pos];
    ++pos;
  }
}

} // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view line)
{
  line = line.substr(0, line.find('\0'));
  std::vector<std::string> arguments;
  if (line.empty())
    return arguments;
  size_t pos = 0;
  arguments.push_back(ReadProgramName(line, pos));
  for (;;)
  {
    while (pos < line.size() && IsBlank(line[pos]))
      ++pos;
    if (pos >= line.size())
      return arguments;
    arguments.push_back(ReadArgument(line, pos));
  }
}

} // namespace corvane
