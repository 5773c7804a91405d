#pragma once

// The one shape of command line every emulator listing has: a command and the file its output
// is sent to, "zinc.exe --list-games >zinclist.txt".

#include <optional>
#include <string>
#include <string_view>

namespace corvane
{

struct RedirectedCommand
{
  std::string command;     // what runs, without the redirection
  std::string output_file; // the file its standard output goes to
};

// Splits at the last '>'; nullopt when there is none, or when either part is empty or holds
// characters a shell would treat as more than one plain command (quotes, |, &, <, ^, %).
std::optional<RedirectedCommand> SplitOutputRedirection(std::string_view line);

} // namespace corvane
