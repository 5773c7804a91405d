#include "base/CommandLine.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace corvane
{
namespace
{

bool IsBlank(char c)
{
  return c == ' ' || c == '\t';
}

// The line with the reading position and the code page's lead bytes.
struct LineReader
{
  std::string_view line;
  LeadByteTest is_lead;
  size_t pos = 0;

  bool AtEnd() const { return pos >= line.size(); }
  char Current() const { return line[pos]; }
  // Copies the character at the reading position, both bytes of a double-byte one.
  void CopyCharacter(std::string& to)
  {
    const bool two_bytes = is_lead(static_cast<unsigned char>(line[pos])) && pos + 1 < line.size();
    to += line[pos++];
    if (two_bytes)
      to += line[pos++];
  }
};

// The program name: quotes toggle grouping and are dropped; a backslash is an ordinary byte.
std::string ReadProgramName(LineReader& reader)
{
  std::string name;
  bool in_quotes = false;
  do
  {
    if (reader.Current() == '"')
    {
      in_quotes = !in_quotes;
      ++reader.pos;
    }
    else
      reader.CopyCharacter(name);
  } while (!reader.AtEnd() && (in_quotes || !IsBlank(reader.Current())));
  return name;
}

// One argument from the reading position (not a blank) to the first blank outside quotes.
std::string ReadArgument(LineReader& reader)
{
  std::string argument;
  bool in_quotes = false;
  for (;;)
  {
    size_t backslashes = 0;
    for (; !reader.AtEnd() && reader.Current() == '\\'; ++reader.pos)
      ++backslashes;
    bool copy = true;
    if (!reader.AtEnd() && reader.Current() == '"')
    {
      // After an odd number of backslashes the quote is a literal one, copied below.
      if (backslashes % 2 == 0)
      {
        const size_t next = reader.pos + 1;
        if (in_quotes && next < reader.line.size() && reader.line[next] == '"')
          ++reader.pos; // "" inside quotes: the second one is copied, the group goes on
        else
        {
          copy = false;
          in_quotes = !in_quotes;
        }
      }
      backslashes /= 2;
    }
    argument.append(backslashes, '\\');
    if (reader.AtEnd() || (!in_quotes && IsBlank(reader.Current())))
      return argument;
    if (copy)
      reader.CopyCharacter(argument);
    else
      ++reader.pos;
  }
}

#ifdef _WIN32
// The C runtime reads its command line in the code page it starts with, the system's ANSI one.
bool IsAnsiLeadByte(unsigned char byte)
{
  return IsDBCSLeadByteEx(CP_ACP, byte) != 0;
}
#else
bool NoLeadBytes(unsigned char)
{
  return false;
}
#endif

} // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view line, LeadByteTest is_lead)
{
  LineReader reader{line.substr(0, line.find('\0')), is_lead};
  std::vector<std::string> arguments;
  if (reader.line.empty())
    return arguments;
  arguments.push_back(ReadProgramName(reader));
  for (;;)
  {
    while (!reader.AtEnd() && IsBlank(reader.Current()))
      ++reader.pos;
    if (reader.AtEnd())
      return arguments;
    arguments.push_back(ReadArgument(reader));
  }
}

std::vector<std::string> SplitWindowsCommandLine(std::string_view line)
{
#ifdef _WIN32
  return SplitWindowsCommandLine(line, IsAnsiLeadByte);
#else
  return SplitWindowsCommandLine(line, NoLeadBytes);
#endif
}

} // namespace corvane
