// The launch line: split as the C runtime splits it (one byte per character, and with the lead
// bytes of code pages 932 and 936), and checked before a launch. Arguments quoted the way
// Windows programs quote them come back whole; a line the check accepts gives the emulator the
// game's number and the whole controller path.

#include "FuzzCheck.h"
#include "base/CommandLine.h"
#include "ui/main/LaunchCommand.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace corvane;

namespace
{

bool LeadOf932(unsigned char byte)
{
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool LeadOf936(unsigned char byte)
{
  return byte >= 0x81 && byte <= 0xFE;
}

// One argument as the C runtime reads it back: in quotes, a backslash run doubled before a
// quote (and before the closing one), a quote escaped.
std::string Quoted(const std::string& argument)
{
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (const char c : argument)
  {
    if (c == '\\')
    {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

void CheckQuotedArguments(FuzzedDataProvider& input)
{
  std::vector<std::string> arguments = {"zinc.exe"};
  std::string line = arguments.front();
  for (size_t n = input.ConsumeIntegralInRange<size_t>(0, 4); n > 0; --n)
  {
    std::string argument = input.ConsumeRandomLengthString(12);
    argument = argument.substr(0, argument.find('\0'));
    arguments.push_back(argument);
    line += " " + Quoted(argument);
  }
  fuzz::Require(SplitWindowsCommandLine(line) == arguments);
}

void CheckLaunchLine(FuzzedDataProvider& input)
{
  GameRow game;
  game.set_name = input.ConsumeRandomLengthString(10);
  game.number = input.ConsumeRandomLengthString(4);
  const AppDir dir(input.ConsumeRandomLengthString(16));
  const std::string options = input.ConsumeRandomLengthString(32);
  const std::string line = LaunchCommandLine(game, options, dir);
  if (!LaunchRefusal(game, line, dir).empty())
    return;
  const std::vector<std::string> arguments = SplitWindowsCommandLine(line);
  fuzz::Require(arguments.size() >= 3 && arguments[1] == game.number);
  fuzz::Require(arguments.back() ==
                "--use-controller-cfg-file=" + dir.CtrlrFile(game.set_name + ".ini"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzedDataProvider input(data, size);
  switch (input.ConsumeIntegralInRange<int>(0, 2))
  {
  case 0:
    CheckQuotedArguments(input);
    break;
  case 1:
    CheckLaunchLine(input);
    break;
  default:
  {
    const std::string line = input.ConsumeRemainingBytesAsString();
    for (const LeadByteTest lead : {LeadOf932, LeadOf936})
    {
      // Every byte of the line up to its first NUL lands in an argument or separates two.
      size_t kept = 0;
      for (const std::string& argument : SplitWindowsCommandLine(line, lead))
        kept += argument.size();
      fuzz::Require(kept <= line.size());
    }
  }
  }
  return 0;
}
